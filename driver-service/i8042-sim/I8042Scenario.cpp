// The scenario file's parser: one statement a line, comments after '#', every mistake named with its line.
#include "I8042Scenario.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

namespace corvo::i8042 {

namespace {

// Longer than any sensible scenario by far; a bigger file is almost surely the wrong file.
constexpr std::size_t kMaximumFileSize = 1 << 20;
constexpr Microseconds kMaximumDuration = 3600ull * 1000 * 1000;
constexpr uint32_t kMaximumCount = 1000000;

struct ParseError {
    std::string message;
};

// Quotes a token for a message, with anything unprintable shown as \xNN so that a binary file
// gives a readable line.
std::string Quote(std::string_view token)
{
    std::string quoted = "\"";
    const std::size_t shown = token.size() > 40 ? 40 : token.size();
    for (std::size_t i = 0; i < shown; ++i) {
        const auto c = static_cast<unsigned char>(token[i]);
        if (c < 0x20 || c >= 0x7F) {
            static constexpr char kHex[] = "0123456789abcdef";
            quoted += "\\x";
            quoted += kHex[c >> 4];
            quoted += kHex[c & 0xF];
        } else {
            quoted += static_cast<char>(c);
        }
    }
    if (shown < token.size()) {
        quoted += "...";
    }
    return quoted + "\"";
}

std::vector<std::string_view> SplitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && (text[position] == ' ' || text[position] == '\t' || text[position] == '\r')) {
            ++position;
        }
        const std::size_t start = position;
        while (position < text.size() && text[position] != ' ' && text[position] != '\t' && text[position] != '\r') {
            ++position;
        }
        if (position > start) {
            words.push_back(text.substr(start, position - start));
        }
    }
    return words;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Bytes are hexadecimal, as in every table of the protocol: "fa", "FA" or "0xfa".
std::optional<uint8_t> ParseByte(std::string_view word)
{
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        word.remove_prefix(2);
    }
    if (word.empty() || word.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : word) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return static_cast<uint8_t>(value);
}

uint8_t RequireByte(std::string_view word)
{
    const std::optional<uint8_t> byte = ParseByte(word);
    if (!byte) {
        throw ParseError{Quote(word) + " is not a byte (one or two hex digits, e.g. fa)"};
    }
    return *byte;
}

std::optional<uint64_t> ParseDecimal(std::string_view digits)
{
    if (digits.empty() || digits.size() > 12) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

Microseconds RequireDuration(std::string_view word)
{
    struct Unit {
        std::string_view suffix;
        uint64_t microseconds;
    };
    // "ms" before "s": the longest suffix that matches wins.
    static constexpr Unit kUnits[] = {{"us", 1}, {"ms", 1000}, {"s", 1000000}};
    for (const Unit& unit : kUnits) {
        if (word.size() > unit.suffix.size() && word.substr(word.size() - unit.suffix.size()) == unit.suffix) {
            const std::optional<uint64_t> number = ParseDecimal(word.substr(0, word.size() - unit.suffix.size()));
            if (!number) {
                break;
            }
            if (*number > kMaximumDuration / unit.microseconds) {
                throw ParseError{Quote(word) + " is longer than an hour"};
            }
            return *number * unit.microseconds;
        }
    }
    throw ParseError{Quote(word) + " is not a duration (a whole number with us, ms or s, e.g. 500ms)"};
}

Device RequireDevice(std::string_view word)
{
    if (word == "keyboard") {
        return Device::Keyboard;
    }
    if (word == "pointer") {
        return Device::Pointer;
    }
    throw ParseError{Quote(word) + " is not a device (keyboard or pointer)"};
}

// A byte with its flags: "aa", "aa/parity", "fe/timeout", "fe/parity/timeout".
ReplyItem ParseReplyByte(std::string_view word)
{
    ReplyItem item;
    std::size_t slash = word.find('/');
    item.byte = RequireByte(word.substr(0, slash));
    while (slash != std::string_view::npos) {
        word.remove_prefix(slash + 1);
        slash = word.find('/');
        const std::string_view flag = word.substr(0, slash);
        if (flag == "parity") {
            item.parityError = true;
        } else if (flag == "timeout") {
            item.timeoutError = true;
        } else {
            throw ParseError{Quote(flag) + " is not a byte flag (parity or timeout)"};
        }
    }
    return item;
}

// Bytes and pauses ("fa +500ms aa"), or "none" where allowed.
Reply ParseReply(const std::vector<std::string_view>& words, bool noneAllowed)
{
    Reply reply;
    if (words.empty()) {
        throw ParseError{noneAllowed ? "no reply after \":\" (write none for a device that does not answer)"
                                     : "no bytes after \":\""};
    }
    if (words.size() == 1 && words[0] == "none") {
        if (!noneAllowed) {
            throw ParseError{"\"none\" makes no sense here: give the bytes the device sends"};
        }
        return reply;
    }
    bool lastWasWait = false;
    for (std::string_view word : words) {
        if (word == "none") {
            throw ParseError{"\"none\" cannot be mixed with bytes"};
        }
        if (word[0] == '+') {
            ReplyItem wait;
            wait.isWait = true;
            wait.wait = RequireDuration(word.substr(1));
            reply.items.push_back(wait);
            lastWasWait = true;
        } else {
            reply.items.push_back(ParseReplyByte(word));
            lastWasWait = false;
        }
    }
    if (lastWasWait) {
        throw ParseError{"a pause must be followed by a byte"};
    }
    return reply;
}

class Parser {
public:
    I8042Scenario Scenario() const { return m_scenario; }

    void Line(std::string_view line, int number)
    {
        m_line = number;
        const std::size_t hash = line.find('#');
        if (hash != std::string_view::npos) {
            line = line.substr(0, hash);
        }
        const std::size_t colon = line.find(':');
        const std::vector<std::string_view> head = SplitWords(line.substr(0, colon));
        if (head.empty()) {
            if (colon != std::string_view::npos) {
                throw ParseError{"a line cannot start with \":\""};
            }
            return;
        }
        const std::optional<std::vector<std::string_view>> tail = colon == std::string_view::npos
            ? std::nullopt
            : std::optional<std::vector<std::string_view>>(SplitWords(line.substr(colon + 1)));
        const std::string_view keyword = head[0];
        if (keyword == "keyboard" || keyword == "pointer") {
            Rule(head, tail);
            return;
        }
        if (keyword == "at") {
            Spontaneous(head, tail);
            return;
        }
        if (tail) {
            throw ParseError{Quote(keyword) + " takes no \":\""};
        }
        if (keyword == "clock") {
            Once("clock");
            if (head.size() == 2 && head[1] == "real") {
                m_scenario.clock = ClockKind::Real;
            } else if ((head.size() == 2 || head.size() == 3) && head[1] == "virtual") {
                m_scenario.clock = ClockKind::Virtual;
                if (head.size() == 3) {
                    m_scenario.statusReadQuantum = RequireDuration(head[2]);
                    if (m_scenario.statusReadQuantum == 0) {
                        throw ParseError{"a virtual clock that never moves would keep every reply from arriving"};
                    }
                }
            } else {
                throw ParseError{"\"clock\" takes \"virtual [<duration>]\" or \"real\""};
            }
        } else if (keyword == "input-delay") {
            Once("input-delay");
            m_scenario.inputDelay = RequireDuration(Single(head));
        } else if (keyword == "byte-time") {
            Once("byte-time");
            m_scenario.byteTime = RequireDuration(Single(head));
        } else if (keyword == "configuration") {
            Once("configuration");
            m_scenario.initialConfiguration = RequireByte(Single(head));
        } else if (keyword == "input-buffer") {
            Once("input-buffer");
            if (Single(head) != "never-empties") {
                throw ParseError{"\"input-buffer\" takes \"never-empties\""};
            }
            m_scenario.inputBufferNeverEmpties = true;
        } else {
            throw ParseError{"unknown statement " + Quote(keyword)};
        }
    }

private:
    std::string_view Single(const std::vector<std::string_view>& head) const
    {
        if (head.size() != 2) {
            throw ParseError{Quote(head[0]) + " takes exactly one value"};
        }
        return head[1];
    }

    void Once(const std::string& keyword)
    {
        const auto [it, inserted] = m_settingLines.emplace(keyword, m_line);
        if (!inserted) {
            throw ParseError{"\"" + keyword + "\" is given twice (first on line " + std::to_string(it->second) + ")"};
        }
    }

    // keyboard|pointer <byte>|other [<n> times]: <reply>
    void Rule(const std::vector<std::string_view>& head, const std::optional<std::vector<std::string_view>>& tail)
    {
        if (!tail) {
            throw ParseError{"missing \":\" between the command and the reply, e.g. \"keyboard ff: fa +500ms aa\""};
        }
        if (head.size() != 2 && head.size() != 4) {
            throw ParseError{"a rule reads \"" + std::string(head[0]) + " <command> [<count> times]: <reply>\""};
        }
        const Device device = RequireDevice(head[0]);
        ReplyRule rule;
        rule.line = m_line;
        if (head[1] != "other") {
            rule.command = RequireByte(head[1]);
        }
        if (head.size() == 4) {
            const std::optional<uint64_t> count = ParseDecimal(head[2]);
            if (head[3] != "times" && head[3] != "time") {
                throw ParseError{"expected \"times\" after the count, found " + Quote(head[3])};
            }
            if (!count || *count < 1 || *count > kMaximumCount) {
                throw ParseError{Quote(head[2]) + " is not a count from 1 to " + std::to_string(kMaximumCount)};
            }
            rule.count = static_cast<uint32_t>(*count);
        }
        rule.reply = ParseReply(*tail, true);
        std::vector<ReplyRule>& rules = device == Device::Keyboard ? m_scenario.keyboardRules : m_scenario.pointerRules;
        for (const ReplyRule& earlier : rules) {
            if (earlier.command == rule.command && earlier.count == 0) {
                throw ParseError{"this rule is never used: the rule on line " + std::to_string(earlier.line)
                                 + " has no count and answers every such command"};
            }
        }
        rules.push_back(std::move(rule));
    }

    // at <duration> keyboard|pointer: <bytes>
    void Spontaneous(const std::vector<std::string_view>& head, const std::optional<std::vector<std::string_view>>& tail)
    {
        if (head.size() != 3 || !tail) {
            throw ParseError{"\"at\" reads \"at <time> keyboard|pointer: <bytes>\""};
        }
        SpontaneousBytes event;
        event.time = RequireDuration(head[1]);
        event.device = RequireDevice(head[2]);
        event.bytes = ParseReply(*tail, false);
        m_scenario.spontaneous.push_back(std::move(event));
    }

    I8042Scenario m_scenario = GoodKeyboardScenario();
    std::map<std::string, int> m_settingLines;
    int m_line = 0;
};

} // namespace

I8042Scenario GoodKeyboardScenario() { return I8042Scenario{}; }

ScenarioParseResult ParseI8042Scenario(std::string_view text, const std::string& sourceName)
{
    Parser parser;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        ++number;
        if (line.find('\0') != std::string_view::npos) {
            return {std::nullopt, sourceName + ":" + std::to_string(number) + ": contains a NUL byte; not a text file"};
        }
        try {
            parser.Line(line, number);
        } catch (const ParseError& error) {
            return {std::nullopt, sourceName + ":" + std::to_string(number) + ": " + error.message};
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return {parser.Scenario(), {}};
}

ScenarioParseResult LoadI8042ScenarioFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {std::nullopt, path + ": cannot be read: " + std::strerror(errno)};
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return {std::nullopt, path + ": not a regular file"};
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            const int error = errno;
            close(fd);
            return {std::nullopt, path + ": cannot be read: " + std::strerror(error)};
        }
        if (count == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(count));
        if (text.size() > kMaximumFileSize) {
            close(fd);
            return {std::nullopt, path + ": larger than " + std::to_string(kMaximumFileSize) + " bytes; not a scenario"};
        }
    }
    close(fd);
    return ParseI8042Scenario(text, path);
}

} // namespace corvo::i8042
