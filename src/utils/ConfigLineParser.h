// Classifies one line of config.ini: blank, malformed (and why), section header, key = value entry.
#pragma once

#include "utils/ConfigFile.h"

#include <optional>
#include <string_view>

namespace corvo::utils::config {

// The line format of config.ini is written down as ECMAScript patterns (docs/configuration.md).
// Matching them with std::regex would be the obvious choice, but libstdc++'s engine backtracks with
// a stack frame per repeated character, so one long line would overflow the stack and take the host
// process down. Each function below therefore re-implements one pattern by hand: a forward scan
// without recursion, linear in the length of the line, giving exactly the verdict (and, where the
// caller needs them, the groups) that std::regex_search gives in the "C" locale. There a word
// character is [A-Za-z0-9_] and a blank is one of space, \t, \n, \v, \f, \r; bytes from 0x80 on are
// neither.

enum class ConfigLineKind {
    Blank,      // nothing but blanks once the comment is cut
    Malformed,  // reading stops here; the error says why
    Section,    // a section header
    Entry,      // key = value
    Ignored,    // well-formed, yet neither a header nor an entry: skipped
};

struct ConfigLine {
    ConfigLineKind kind = ConfigLineKind::Blank;
    ConfigError error = kConfigOk;  // set for Malformed only
    std::string_view name;          // Section: its name; Entry: its key. As written, not upper-cased
    std::string_view value;         // Entry: the value as written up to the end of the line
};

struct ConfigEntryMatch {
    std::string_view key;
    std::string_view value;
};

// The text before the first ";"; the rest of the line is a comment.
std::string_view StripComment(std::string_view line);

// "^\s*$"
bool IsBlankLine(std::string_view line);

// The validation patterns, each searched anywhere in the line.
// 1001: "(\[\s*\w+\[)|(\[\[)"
bool HasOpenBracketTwice(std::string_view line);
// 1002: "(\]\s*\w+\])|(\]\])"
bool HasCloseBracketTwice(std::string_view line);
// 1003: "(=\s*\w+=)|(==)"
bool HasEqualsTwice(std::string_view line);
// 1006: "((=\w+(\[|\]))|((\[|\]))\w+=)|(\[=)|(\]=)|(=\[)|(=\])"
bool HasBracketNextToEquals(std::string_view line);
// 1007 without its "no ]" condition: "(\[\]{0}[\w]+)|(\]{0}[\w]+\[+)"
bool HasOpenBracketBesideWord(std::string_view line);
// 1008 without its "no [" condition: "(\[{0}[\w]+\]+)|(\]\[{0}[\w]+)"
bool HasCloseBracketBesideWord(std::string_view line);
// 1009: "(\]\w+\[)|(\]\[)"
bool HasReversedBrackets(std::string_view line);
// 1011: "\[\s*\]+"
bool HasEmptySection(std::string_view line);
// 1012: "^\s*=\s*[\w]+"
bool HasMissingKey(std::string_view line);
// 1014: "^[\w]+\s*=\s*$"
bool HasMissingValue(std::string_view line);

// The first error of a comment-free, non-blank line in the order the suite checks them, or kConfigOk.
ConfigError ValidateLine(std::string_view line);

// "\[([\w\s*]+)\]": the first group of the leftmost match.
std::optional<std::string_view> FindSectionHeader(std::string_view line);

// "([\w]+)\s*=\s*([^]+)$": both groups of the leftmost match.
std::optional<ConfigEntryMatch> FindEntry(std::string_view line);

// The whole treatment of one line as read from the file (comment included). The views in the
// result point into line.
ConfigLine ParseConfigLine(std::string_view line);

} // namespace corvo::utils::config
