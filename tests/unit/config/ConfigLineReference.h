// The documented config.ini line patterns run through std::regex: the oracle the hand-written matchers answer to.
#pragma once

#include "utils/ConfigLineParser.h"

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

namespace corvo::utils::config::reference {

// std::regex recurses per repeated character; lines up to this length are safe on any stack.
inline constexpr std::size_t kSafeLineLength = 256;

struct Check {
    ConfigError error;  // kConfigOk: the blank-line test, not a validation step
    std::regex pattern;  // as documented in docs/configuration.md
    bool (*matcher)(std::string_view);  // the hand-written function that claims to decide it
    char mustBeAbsent = 0;  // 1007 and 1008 hold only without the other bracket on the line
};

// The validation steps in the order the suite applies them, then the blank-line test.
inline const std::vector<Check>& Checks()
{
    static const std::vector<Check> checks = {
        {kOpenBracketTwice, std::regex(R"((\[\s*\w+\[)|(\[\[))"), &HasOpenBracketTwice},
        {kCloseBracketTwice, std::regex(R"((\]\s*\w+\])|(\]\]))"), &HasCloseBracketTwice},
        {kEqualsTwice, std::regex(R"((=\s*\w+=)|(==))"), &HasEqualsTwice},
        {kBracketNextToEquals, std::regex(R"(((=\w+(\[|\]))|((\[|\]))\w+=)|(\[=)|(\]=)|(=\[)|(=\]))"),
         &HasBracketNextToEquals},
        {kUnclosedSection, std::regex(R"((\[\]{0}[\w]+)|(\]{0}[\w]+\[+))"), &HasOpenBracketBesideWord, ']'},
        {kUnopenedSection, std::regex(R"((\[{0}[\w]+\]+)|(\]\[{0}[\w]+))"), &HasCloseBracketBesideWord, '['},
        {kReversedBrackets, std::regex(R"((\]\w+\[)|(\]\[))"), &HasReversedBrackets},
        {kEmptySection, std::regex(R"(\[\s*\]+)"), &HasEmptySection},
        {kMissingKey, std::regex(R"(^\s*=\s*[\w]+)"), &HasMissingKey},
        {kMissingValue, std::regex(R"(^[\w]+\s*=\s*$)"), &HasMissingValue},
        {kConfigOk, std::regex(R"(^\s*$)"), &IsBlankLine}};
    return checks;
}

// Non-printing bytes as \xNN, so a failing line can be pasted back into a test.
inline std::string Escaped(const std::string& text)
{
    std::string escaped;
    for (const char character : text) {
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(character)));
        escaped += character >= 0x20 && character < 0x7F && character != '\\' ? std::string(1, character) : code;
    }
    return escaped;
}

// Empty when every matcher, both searches and the whole reading of the line agree with std::regex;
// else what differs.
inline std::string Mismatch(const std::string& rawLine)
{
    static const std::regex section(R"(\[([\w\s*]+)\])");
    static const std::regex entry(R"(([\w]+)\s*=\s*([^]+)$)");
    std::string differences;
    const auto compare = [&](const std::string& what, const std::string& regex, const std::string& matcher) {
        if (regex != matcher)
            differences += "\n  " + what + ": regex " + Escaped(regex) + ", matcher " + Escaped(matcher);
    };
    for (const Check& check : Checks())
        compare("check " + std::to_string(check.error), std::to_string(std::regex_search(rawLine, check.pattern)),
                std::to_string(check.matcher(rawLine)));
    std::smatch match;
    const auto header = FindSectionHeader(rawLine);
    compare("section", std::regex_search(rawLine, match, section) ? match[1].str() : "<none>",
            header ? std::string(*header) : "<none>");
    const auto found = FindEntry(rawLine);
    compare("entry", std::regex_search(rawLine, match, entry) ? match[1].str() + "=" + match[2].str() : "<none>",
            found ? std::string(found->key) + "=" + std::string(found->value) : "<none>");
    // The documented steps for a whole line, comment cut off.
    const std::string line = rawLine.substr(0, rawLine.find(';'));
    std::string expected = line.find_first_of("[]=") == std::string::npos ? "error 1010" : "";
    for (const Check& check : Checks()) {
        const bool absent = check.mustBeAbsent == 0 || line.find(check.mustBeAbsent) == std::string::npos;
        if (std::regex_search(line, check.pattern) && absent && (expected.empty() || check.error == kConfigOk))
            expected = check.error == kConfigOk ? "blank" : "error " + std::to_string(check.error);
    }
    if (expected.empty())
        expected = std::regex_search(line, match, section) ? "section " + match[1].str()
            : std::regex_search(line, match, entry)        ? "entry " + match[1].str() + "=" + match[2].str()
                                                           : "ignored";
    const ConfigLine parsed = ParseConfigLine(rawLine);
    const std::string kinds[] = {"blank", "error " + std::to_string(parsed.error), "section " + std::string(parsed.name),
                                 "entry " + std::string(parsed.name) + "=" + std::string(parsed.value), "ignored"};
    compare("line", expected, kinds[static_cast<int>(parsed.kind)]);
    return differences.empty() ? std::string() : "\"" + Escaped(rawLine) + "\"" + differences;
}

} // namespace corvo::utils::config::reference
