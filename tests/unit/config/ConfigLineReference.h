// The config.ini line format run through std::regex, to hold the hand-written matchers to it.
#pragma once

#include "utils/ConfigLineParser.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace corvo::utils::config::reference {

// std::regex spends a stack frame per repeated character; lines up to this length stay far from the
// end of a default main-thread stack, sanitizers included.
inline constexpr std::size_t kSafeLineLength = 256;

// One documented pattern and the hand-written function that claims to decide it.
struct PatternPair {
    const char* name;     // also a test-name suffix: letters only
    const char* pattern;  // ECMAScript, copied from the documented format
    bool (*matcher)(std::string_view);
};

inline void PrintTo(const PatternPair& pair, std::ostream* out)
{
    *out << pair.name;
}

inline const std::vector<PatternPair>& PatternPairs()
{
    static const std::vector<PatternPair> pairs = {
        {"Blank", R"(^\s*$)", &IsBlankLine},
        {"OpenBracketTwice", R"((\[\s*\w+\[)|(\[\[))", &HasOpenBracketTwice},
        {"CloseBracketTwice", R"((\]\s*\w+\])|(\]\]))", &HasCloseBracketTwice},
        {"EqualsTwice", R"((=\s*\w+=)|(==))", &HasEqualsTwice},
        {"BracketNextToEquals", R"(((=\w+(\[|\]))|((\[|\]))\w+=)|(\[=)|(\]=)|(=\[)|(=\]))",
         &HasBracketNextToEquals},
        {"OpenBracketBesideWord", R"((\[\]{0}[\w]+)|(\]{0}[\w]+\[+))", &HasOpenBracketBesideWord},
        {"CloseBracketBesideWord", R"((\[{0}[\w]+\]+)|(\]\[{0}[\w]+))", &HasCloseBracketBesideWord},
        {"ReversedBrackets", R"((\]\w+\[)|(\]\[))", &HasReversedBrackets},
        {"EmptySection", R"(\[\s*\]+)", &HasEmptySection},
        {"MissingKey", R"(^\s*=\s*[\w]+)", &HasMissingKey},
        {"MissingValue", R"(^[\w]+\s*=\s*$)", &HasMissingValue},
    };
    return pairs;
}

inline const std::regex& SectionPattern()
{
    static const std::regex pattern(R"(\[([\w\s*]+)\])");
    return pattern;
}

inline const std::regex& EntryPattern()
{
    static const std::regex pattern(R"(([\w]+)\s*=\s*([^]+)$)");
    return pattern;
}

// A verdict in one comparable, printable form, so a mismatch shows both sides in full.
struct LineVerdict {
    ConfigLineKind kind = ConfigLineKind::Blank;
    ConfigError error = kConfigOk;
    std::string name;
    std::string value;

    bool operator==(const LineVerdict& other) const
    {
        return kind == other.kind && error == other.error && name == other.name && value == other.value;
    }
    bool operator!=(const LineVerdict& other) const { return !(*this == other); }
};

inline LineVerdict VerdictOf(const ConfigLine& line)
{
    return {line.kind, line.error, std::string(line.name), std::string(line.value)};
}

// The reading of one line written straight from the documented steps, every test a std::regex.
inline LineVerdict ParseWithRegex(const std::string& rawLine)
{
    struct Check {
        ConfigError error;
        std::regex pattern;
        char mustBeAbsent;  // 0 when the pattern alone decides
    };
    static const std::regex blank(R"(^\s*$)");
    static const std::vector<Check> checks = {
        {kOpenBracketTwice, std::regex(R"((\[\s*\w+\[)|(\[\[))"), 0},
        {kCloseBracketTwice, std::regex(R"((\]\s*\w+\])|(\]\]))"), 0},
        {kEqualsTwice, std::regex(R"((=\s*\w+=)|(==))"), 0},
        {kBracketNextToEquals, std::regex(R"(((=\w+(\[|\]))|((\[|\]))\w+=)|(\[=)|(\]=)|(=\[)|(=\]))"), 0},
        {kUnclosedSection, std::regex(R"((\[\]{0}[\w]+)|(\]{0}[\w]+\[+))"), ']'},
        {kUnopenedSection, std::regex(R"((\[{0}[\w]+\]+)|(\]\[{0}[\w]+))"), '['},
        {kReversedBrackets, std::regex(R"((\]\w+\[)|(\]\[))"), 0},
        {kEmptySection, std::regex(R"(\[\s*\]+)"), 0},
        {kMissingKey, std::regex(R"(^\s*=\s*[\w]+)"), 0},
    };
    static const std::regex missingValue(R"(^[\w]+\s*=\s*$)");

    LineVerdict verdict;
    const std::string line = rawLine.substr(0, rawLine.find(';'));
    if (std::regex_search(line, blank)) {
        return verdict;
    }
    verdict.kind = ConfigLineKind::Malformed;
    if (line.find_first_of("[]=") == std::string::npos) {
        verdict.error = kNoSyntax;
        return verdict;
    }
    for (const Check& check : checks) {
        if (std::regex_search(line, check.pattern)
            && (check.mustBeAbsent == 0 || line.find(check.mustBeAbsent) == std::string::npos)) {
            verdict.error = check.error;
            return verdict;
        }
    }
    if (std::regex_search(line, missingValue)) {
        verdict.error = kMissingValue;
        return verdict;
    }
    std::smatch match;
    if (std::regex_search(line, match, SectionPattern())) {
        verdict.kind = ConfigLineKind::Section;
        verdict.name = match[1].str();
        return verdict;
    }
    if (std::regex_search(line, match, EntryPattern())) {
        verdict.kind = ConfigLineKind::Entry;
        verdict.name = match[1].str();
        verdict.value = match[2].str();
        return verdict;
    }
    verdict.kind = ConfigLineKind::Ignored;
    return verdict;
}

// Non-printing bytes as \xNN, so a failing line can be pasted back into a test.
inline std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            escaped += character;
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(byte));
            escaped += code;
        }
    }
    return escaped;
}

inline std::string Describe(const LineVerdict& verdict)
{
    static const char* const kindNames[] = {"Blank", "Malformed", "Section", "Entry", "Ignored"};
    return std::string(kindNames[static_cast<int>(verdict.kind)]) + " error=" + std::to_string(verdict.error)
           + " name=\"" + Escaped(verdict.name) + "\" value=\"" + Escaped(verdict.value) + "\"";
}

} // namespace corvo::utils::config::reference
