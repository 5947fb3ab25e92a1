// Hand-written, linear-time matchers for the line patterns of config.ini.
#include "utils/ConfigLineParser.h"

#include <cstddef>

namespace corvo::utils::config {

namespace {

using Position = std::string_view::size_type;

// Byte classes of std::regex in the "C" locale; spelled out so that neither the process locale nor
// the signedness of char can change them.
bool IsWordCharacter(char character)
{
    const auto byte = static_cast<unsigned char>(character);
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
           || byte == '_';
}

bool IsBlankCharacter(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\v'
           || character == '\f' || character == '\r';
}

bool IsBracket(char character)
{
    return character == '[' || character == ']';
}

// What a section name may hold: "[\w\s*]".
bool IsSectionNameCharacter(char character)
{
    return IsWordCharacter(character) || IsBlankCharacter(character) || character == '*';
}

Position SkipWord(std::string_view line, Position position)
{
    while (position < line.size() && IsWordCharacter(line[position])) {
        ++position;
    }
    return position;
}

Position SkipBlanks(std::string_view line, Position position)
{
    while (position < line.size() && IsBlankCharacter(line[position])) {
        ++position;
    }
    return position;
}

bool CharacterAt(std::string_view line, Position position, char expected)
{
    return position < line.size() && line[position] == expected;
}

// "(M\s*\w+M)|(MM)" for a mark M that is neither a word character nor a blank. After a mark, a
// blank run and a word run are each taken whole: giving back a blank leaves a blank where a word
// must start, giving back a word character leaves it where the closing mark must stand. The scans
// from two marks never overlap, because a scan stops at the first character that is neither.
bool HasMarkTwice(std::string_view line, char mark)
{
    for (Position position = 0; position < line.size(); ++position) {
        if (line[position] != mark) {
            continue;
        }
        const Position wordStart = SkipBlanks(line, position + 1);
        const Position wordEnd = SkipWord(line, wordStart);
        const bool wordBetween = wordEnd > wordStart;
        const bool adjacent = wordEnd == position + 1;
        if ((wordBetween || adjacent) && CharacterAt(line, wordEnd, mark)) {
            return true;
        }
    }
    return false;
}

// Some character for which first(character) holds is directly followed by one for which second holds.
template <typename First, typename Second>
bool HasAdjacentPair(std::string_view line, First first, Second second)
{
    for (Position position = 0; position + 1 < line.size(); ++position) {
        if (first(line[position]) && second(line[position + 1])) {
            return true;
        }
    }
    return false;
}

bool Contains(std::string_view line, char character)
{
    return line.find(character) != std::string_view::npos;
}

} // namespace

std::string_view StripComment(std::string_view line)
{
    return line.substr(0, line.find(';'));
}

bool IsBlankLine(std::string_view line)
{
    return SkipBlanks(line, 0) == line.size();
}

bool HasOpenBracketTwice(std::string_view line)
{
    return HasMarkTwice(line, '[');
}

bool HasCloseBracketTwice(std::string_view line)
{
    return HasMarkTwice(line, ']');
}

bool HasEqualsTwice(std::string_view line)
{
    return HasMarkTwice(line, '=');
}

// All eight alternatives reduce to "=\w*[" , "=\w*]", "[\w*=" and "]\w*=": one of the three marks,
// a word run of any length, then a mark of the other kind.
bool HasBracketNextToEquals(std::string_view line)
{
    for (Position position = 0; position < line.size(); ++position) {
        const char mark = line[position];
        if (mark != '=' && !IsBracket(mark)) {
            continue;
        }
        const Position after = SkipWord(line, position + 1);
        if (after == line.size()) {
            continue;
        }
        if ((mark == '=' && IsBracket(line[after])) || (IsBracket(mark) && line[after] == '=')) {
            return true;
        }
    }
    return false;
}

// "\]{0}" repeats the bracket zero times and so matches nothing: what is left is "[" directly before
// a word character, or a word character directly before "[".
bool HasOpenBracketBesideWord(std::string_view line)
{
    const auto isOpen = [](char character) { return character == '['; };
    return HasAdjacentPair(line, isOpen, IsWordCharacter) || HasAdjacentPair(line, IsWordCharacter, isOpen);
}

// The mirror image: "\[{0}" matches nothing, leaving a word character directly before "]", or "]"
// directly before a word character.
bool HasCloseBracketBesideWord(std::string_view line)
{
    const auto isClose = [](char character) { return character == ']'; };
    return HasAdjacentPair(line, IsWordCharacter, isClose) || HasAdjacentPair(line, isClose, IsWordCharacter);
}

// "]" then a word run of any length, then "[".
bool HasReversedBrackets(std::string_view line)
{
    for (Position position = 0; position < line.size(); ++position) {
        if (line[position] == ']' && CharacterAt(line, SkipWord(line, position + 1), '[')) {
            return true;
        }
    }
    return false;
}

// "[" then a blank run of any length, then "]"; further brackets add nothing to the verdict.
bool HasEmptySection(std::string_view line)
{
    for (Position position = 0; position < line.size(); ++position) {
        if (line[position] == '[' && CharacterAt(line, SkipBlanks(line, position + 1), ']')) {
            return true;
        }
    }
    return false;
}

bool HasMissingKey(std::string_view line)
{
    const Position equals = SkipBlanks(line, 0);
    if (!CharacterAt(line, equals, '=')) {
        return false;
    }
    const Position word = SkipBlanks(line, equals + 1);
    return word < line.size() && IsWordCharacter(line[word]);
}

bool HasMissingValue(std::string_view line)
{
    const Position keyEnd = SkipWord(line, 0);
    if (keyEnd == 0) {
        return false;
    }
    const Position equals = SkipBlanks(line, keyEnd);
    return CharacterAt(line, equals, '=') && SkipBlanks(line, equals + 1) == line.size();
}

ConfigError ValidateLine(std::string_view line)
{
    if (line.find_first_of("[]=") == std::string_view::npos) {
        return kNoSyntax;
    }
    if (HasOpenBracketTwice(line)) {
        return kOpenBracketTwice;
    }
    if (HasCloseBracketTwice(line)) {
        return kCloseBracketTwice;
    }
    if (HasEqualsTwice(line)) {
        return kEqualsTwice;
    }
    if (HasBracketNextToEquals(line)) {
        return kBracketNextToEquals;
    }
    if (HasOpenBracketBesideWord(line) && !Contains(line, ']')) {
        return kUnclosedSection;
    }
    if (HasCloseBracketBesideWord(line) && !Contains(line, '[')) {
        return kUnopenedSection;
    }
    if (HasReversedBrackets(line)) {
        return kReversedBrackets;
    }
    if (HasEmptySection(line)) {
        return kEmptySection;
    }
    if (HasMissingKey(line)) {
        return kMissingKey;
    }
    if (HasMissingValue(line)) {
        return kMissingValue;
    }
    return kConfigOk;
}

// The name class holds neither bracket, so the greedy name run from a "[" ends either at the "]" that
// completes the match or at a character that rules this "[" out; giving back name characters never
// helps. Runs from different "[" never overlap, which keeps the search linear.
std::optional<std::string_view> FindSectionHeader(std::string_view line)
{
    for (Position open = 0; open < line.size(); ++open) {
        if (line[open] != '[') {
            continue;
        }
        Position close = open + 1;
        while (close < line.size() && IsSectionNameCharacter(line[close])) {
            ++close;
        }
        if (close > open + 1 && CharacterAt(line, close, ']')) {
            return line.substr(open + 1, close - open - 1);
        }
    }
    return std::nullopt;
}

// Leftmost match first: the key is a whole word run, since a start inside a run ends where the run
// ends and so fares no better than the run's first character. "[^]+$" takes the rest of the line and
// needs one character of it; when the blanks after "=" reach the end, the backtracking engine gives
// the last blank back to become the value.
std::optional<ConfigEntryMatch> FindEntry(std::string_view line)
{
    Position keyStart = 0;
    while (keyStart < line.size()) {
        if (!IsWordCharacter(line[keyStart])) {
            ++keyStart;
            continue;
        }
        const Position keyEnd = SkipWord(line, keyStart);
        const Position equals = SkipBlanks(line, keyEnd);
        if (CharacterAt(line, equals, '=')) {
            Position valueStart = SkipBlanks(line, equals + 1);
            if (valueStart == line.size() && valueStart > equals + 1) {
                --valueStart;
            }
            if (valueStart < line.size()) {
                return ConfigEntryMatch{line.substr(keyStart, keyEnd - keyStart), line.substr(valueStart)};
            }
        }
        keyStart = keyEnd;
    }
    return std::nullopt;
}

ConfigLine ParseConfigLine(std::string_view line)
{
    const std::string_view content = StripComment(line);
    ConfigLine parsed;
    if (IsBlankLine(content)) {
        parsed.kind = ConfigLineKind::Blank;
        return parsed;
    }
    parsed.error = ValidateLine(content);
    if (parsed.error != kConfigOk) {
        parsed.kind = ConfigLineKind::Malformed;
        return parsed;
    }
    if (const auto section = FindSectionHeader(content)) {
        parsed.kind = ConfigLineKind::Section;
        parsed.name = *section;
        return parsed;
    }
    if (const auto entry = FindEntry(content)) {
        parsed.kind = ConfigLineKind::Entry;
        parsed.name = entry->key;
        parsed.value = entry->value;
        return parsed;
    }
    parsed.kind = ConfigLineKind::Ignored;
    return parsed;
}

} // namespace corvo::utils::config
