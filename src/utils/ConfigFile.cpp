// Reads config.ini into sections, keys and values, stopping at the first malformed line.
#include "utils/ConfigFile.h"

#include "utils/ConfigLineParser.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <QStringConverter>
#include <QStringDecoder>
#include <QTextStream>

#include <algorithm>
#include <limits>
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

} // namespace

ConfigParseResult LoadConfig(const std::string& path, ConfigData& data)
{
    // decodeName undoes QFile's own name encoding, so a path in the system's encoding (UTF-8) reaches
    // the file system byte for byte. QFile refuses to open a directory: a folder counts as no file.
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    // Text mode drops carriage returns, so a file with Windows line ends reads like any other.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return ConfigParseResult{};
    }

    // A text stream over the file grows its buffer one chunk at a time, which copies a line of
    // megabytes over and over wherever the allocator cannot grow in place (a 5 MB line took 14 s
    // under AddressSanitizer). Reading the bytes at once and streaming over the decoded text keeps
    // reading linear. The decoding is the text stream's own default: UTF-8 unless a byte-order mark
    // names another encoding, the mark itself dropped, undecodable bytes as U+FFFD.
    const QByteArray bytes = file.readAll();
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
