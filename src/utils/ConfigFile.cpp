// Reads config.ini into sections, keys and values, stopping at the first malformed line.
#include "utils/ConfigFile.h"

#include "platform/linux/LibraryTrust.h"
#include "utils/ConfigLineParser.h"

#include <unistd.h>

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringConverter>
#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <utility>

namespace corvo::utils::config {

namespace {

// Names are compared case-insensitively by storing them upper-cased. Only ASCII letters change, so
// the process locale never decides whether two names are the same.
std::string ToUpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char& character : upper) {
        if (character >= 'a' && character <= 'z') {
            character = static_cast<char>(character - 'a' + 'A');
        }
    }
    return upper;
}

ConfigParseResult Stopped(ConfigError error, int32_t line, std::string section = {}, std::string key = {})
{
    ConfigParseResult result;
    result.opened = 1;
    result.errorCode = error;
    result.line = line;
    result.section = std::move(section);
    result.key = std::move(key);
    return result;
}

// The file's bytes, at most kConfigFileSizeLimit of them, from a regular file (or a link to one)
// only. The open does not wait and the type is judged on the open file: a FIFO named config.ini
// would otherwise stall the caller (the advanced dialog reads on the user-interface thread) and a
// link to /dev/zero would be read until memory runs out.
std::optional<QByteArray> ReadRegularFile(const std::string& path)
{
    std::string unused;
    const int fd = corvo::platform::OpenRegularFile(path, unused);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<QByteArray> bytes(std::in_place);
    char chunk[16384];
    while (bytes->size() <= kConfigFileSizeLimit) {
        const ssize_t count = read(fd, chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            bytes.reset();
        }
        if (count <= 0) {
            break;
        }
        bytes->append(chunk, count);
    }
    close(fd);
    if (bytes && bytes->size() > kConfigFileSizeLimit) {
        // Only whole lines count, so that a cut never shortens a value.
        bytes->truncate(kConfigFileSizeLimit);
        bytes->truncate(bytes->lastIndexOf('\n') + 1);
    }
    return bytes;
}

} // namespace

ConfigParseResult LoadConfig(const std::string& path, ConfigData& data)
{
    std::optional<QByteArray> read = ReadRegularFile(path);
    if (!read) {
        return ConfigParseResult{};
    }
    // Every carriage return goes, as in a text-mode read, so a file with Windows line ends reads
    // like any other.
    QByteArray& bytes = *read;
    bytes.removeIf([](char character) { return character == '\r'; });

    // A text stream over the file grows its buffer one chunk at a time, which copies a line of
    // megabytes over and over wherever the allocator cannot grow in place (a 5 MB line took 14 s
    // under AddressSanitizer). Reading the bytes at once and streaming over the decoded text keeps
    // reading linear. The decoding is the text stream's own default: UTF-8 unless a byte-order mark
    // names another encoding, the mark itself dropped, undecodable bytes as U+FFFD.
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QString text = QStringDecoder(encoding).decode(bytes);

    auto current = data.try_emplace(std::string()).first;
    QTextStream stream(&text, QIODevice::ReadOnly);
    // Counted wide: a file of more than 2^31 lines is absurd but must not overflow; its line numbers
    // saturate instead.
    int64_t lineNumber = 0;
    while (!stream.atEnd()) {
        ++lineNumber;
        const auto reportedLine =
            static_cast<int32_t>(std::min<int64_t>(lineNumber, std::numeric_limits<int32_t>::max()));
        const std::string text = stream.readLine().toStdString();
        const ConfigLine line = ParseConfigLine(text);
        switch (line.kind) {
        case ConfigLineKind::Blank:
        case ConfigLineKind::Ignored:
            break;
        case ConfigLineKind::Malformed:
            return Stopped(line.error, reportedLine);
        case ConfigLineKind::Section: {
            std::string name = ToUpperAscii(line.name);
            const auto [section, added] = data.try_emplace(name);
            if (!added) {
                return Stopped(kDuplicateSection, reportedLine, std::move(name));
            }
            current = section;
            break;
        }
        case ConfigLineKind::Entry: {
            std::string key = ToUpperAscii(line.name);
            if (current->second.count(key) != 0) {
                return Stopped(kDuplicateKey, reportedLine, current->first, std::move(key));
            }
            current->second.emplace(std::move(key), std::string(line.value));
            break;
        }
        }
    }

    ConfigParseResult result;
    result.opened = 1;
    return result;
}

std::string GetConfigValue(const ConfigData& data, const std::string& section, const std::string& key)
{
    const auto sectionEntry = data.find(section);
    if (sectionEntry == data.end()) {
        return {};
    }
    const auto keyEntry = sectionEntry->second.find(key);
    return keyEntry == sectionEntry->second.end() ? std::string() : keyEntry->second;
}

} // namespace corvo::utils::config
