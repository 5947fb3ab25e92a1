// The hand-written line matchers against std::regex on generated lines, and their boundary cases.
#include "ConfigLineReference.h"

#include "utils/ConfigLineParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvo::utils::config {
namespace {

using reference::Describe;
using reference::Escaped;
using reference::LineVerdict;
using reference::PatternPair;

// Lines written to sit on the edges of the patterns: empty repetitions, given-back blanks, marks
// separated by blanks instead of words, the bracket conditions of 1007 and 1008, bytes outside ASCII.
const std::vector<std::string>& TrickyLines()
{
    static const std::vector<std::string> lines = {
        "",
        " ",
        "\t\v\f\r",
        "[",
        "]",
        "=",
        "[]",
        "][",
        "[ ]",
        "[ [",
        "] ]",
        "= =",
        "[a[",
        "[ a[",
        "[a [",
        "]a]",
        "] a]",
        "=a=",
        "= a=",
        "=a =",
        "a=[",
        "a=]",
        "[=",
        "]=",
        "=[",
        "=]",
        "=a[",
        "=a]",
        "[a=",
        "]a=",
        "= a[",
        "[ a=",
        "[a",
        "a[",
        "[a]",
        "a]",
        "]a",
        "a]b[",
        "]a[",
        "] a[",
        "[\t]]",
        "[  ]",
        "=a",
        " \t= a",
        " =",
        "a=",
        "a= ",
        "a=  \t ",
        "a =",
        "a b=",
        "x y=  ",
        "x y=",
        "a=b",
        "a =b ",
        "a = b = c",
        "a = b=c",
        "=a b=c",
        "[KEYBOARD]",
        "[ KEYBOARD ]",
        "[key board]",
        "[*]",
        "[* *]",
        "[a][b]",
        "[x[a]",
        "[a] b=c",
        "a=x [1]",
        "ADVANCED_TEST_STRICT_MODE=1 ; strict",
        "ADVANCED_TEST_LAYOUT =",
        "two words",
        "a;=b",
        ";",
        "[\xC3\xA9]",
        "\xC3\xA9=1",
        "k=\xC3\xA9",
        "[a\x80]",
        "a\x80=1",
        std::string("a=\0", 3),
        std::string("[\0]", 3),
        "a=\n",
        "\n=a",
    };
    return lines;
}

// Every line up to five characters over one representative of each character class that the
// patterns tell apart: the three marks, a blank, a word character, "*" (a name character only), ";"
// (starts a comment) and "-" (in no class).
std::vector<std::string> AllShortLines()
{
    static const std::string alphabet = "[]= a*;-";
    std::vector<std::string> lines = {""};
    std::size_t previousStart = 0;
    for (int length = 1; length <= 5; ++length) {
        const std::size_t previousEnd = lines.size();
        for (std::size_t index = previousStart; index < previousEnd; ++index) {
            for (const char character : alphabet) {
                lines.push_back(lines[index] + character);
            }
        }
        previousStart = previousEnd;
    }
    return lines;
}

// Longer lines, weighted towards the marks so that the interesting shapes come up often. The seed is
// fixed: a mismatch found once is found again.
std::vector<std::string> RandomLines()
{
    static const std::string alphabet = "[[]]== \t ab_1Zx*;\r\v\f-.\x80\xC3";
    std::mt19937 generator(20240611u);
    std::uniform_int_distribution<std::size_t> lengthDistribution(0, 60);
    std::uniform_int_distribution<std::size_t> characterDistribution(0, alphabet.size() - 1);
    std::vector<std::string> lines;
    for (int count = 0; count < 30000; ++count) {
        std::string line(lengthDistribution(generator), ' ');
        for (char& character : line) {
            character = alphabet[characterDistribution(generator)];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

const std::vector<std::string>& GeneratedLines()
{
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> all = TrickyLines();
        const std::vector<std::string> shortLines = AllShortLines();
        const std::vector<std::string> randomLines = RandomLines();
        all.insert(all.end(), shortLines.begin(), shortLines.end());
        all.insert(all.end(), randomLines.begin(), randomLines.end());
        return all;
    }();
    return lines;
}

// Collects mismatches instead of failing on each, so one broken matcher does not flood the log.
class MismatchLog {
public:
    void Add(const std::string& line, const std::string& expected, const std::string& actual)
    {
        if (++count_ <= 20) {
            text_ << "\n  line \"" << Escaped(line) << "\": regex " << expected << ", matcher " << actual;
        }
    }
    int Count() const { return count_; }
    std::string Text() const { return text_.str(); }

private:
    int count_ = 0;
    std::ostringstream text_;
};

class PatternAgreesWithRegex : public ::testing::TestWithParam<PatternPair> {};

TEST_P(PatternAgreesWithRegex, OnEveryGeneratedLine)
{
    const PatternPair& pair = GetParam();
    const std::regex pattern(pair.pattern);
    MismatchLog mismatches;
    for (const std::string& line : GeneratedLines()) {
        const bool expected = std::regex_search(line, pattern);
        const bool actual = pair.matcher(line);
        if (expected != actual) {
            mismatches.Add(line, expected ? "matches" : "does not match", actual ? "matches" : "does not match");
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << pair.pattern << mismatches.Text();
}

INSTANTIATE_TEST_SUITE_P(LinePatterns, PatternAgreesWithRegex, ::testing::ValuesIn(reference::PatternPairs()),
                         [](const ::testing::TestParamInfo<PatternPair>& info) { return info.param.name; });

std::string DescribeGroups(const std::smatch& match, bool found, std::size_t groups)
{
    if (!found) {
        return "no match";
    }
    std::string text;
    for (std::size_t group = 1; group <= groups; ++group) {
        text += "\"" + Escaped(match[group].str()) + "\" ";
    }
    return text;
}

TEST(SectionHeaderAgreesWithRegex, NameIsTheRegexGroup)
{
    MismatchLog mismatches;
    for (const std::string& line : GeneratedLines()) {
        std::smatch match;
        const bool found = std::regex_search(line, match, reference::SectionPattern());
        const std::optional<std::string_view> name = FindSectionHeader(line);
        const std::string actual = name ? "\"" + Escaped(*name) + "\" " : "no match";
        const std::string expected = DescribeGroups(match, found, 1);
        if (expected != actual) {
            mismatches.Add(line, expected, actual);
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Text();
}

TEST(EntryAgreesWithRegex, KeyAndValueAreTheRegexGroups)
{
    MismatchLog mismatches;
    for (const std::string& line : GeneratedLines()) {
        std::smatch match;
        const bool found = std::regex_search(line, match, reference::EntryPattern());
        const std::optional<ConfigEntryMatch> entry = FindEntry(line);
        const std::string actual =
            entry ? "\"" + Escaped(entry->key) + "\" \"" + Escaped(entry->value) + "\" " : "no match";
        const std::string expected = DescribeGroups(match, found, 2);
        if (expected != actual) {
            mismatches.Add(line, expected, actual);
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Text();
}

TEST(LineVerdictAgreesWithRegex, WholeLineTreatment)
{
    MismatchLog mismatches;
    for (const std::string& line : GeneratedLines()) {
        const LineVerdict expected = reference::ParseWithRegex(line);
        const LineVerdict actual = reference::VerdictOf(ParseConfigLine(line));
        if (expected != actual) {
            mismatches.Add(line, Describe(expected), Describe(actual));
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << mismatches.Text();
}

// The generated lines must reach every outcome, or agreement would prove less than it seems.
TEST(LineVerdictAgreesWithRegex, GeneratedLinesReachEveryOutcome)
{
    std::vector<int> kinds(5, 0);
    std::vector<int32_t> errors;
    for (const std::string& line : GeneratedLines()) {
        const ConfigLine parsed = ParseConfigLine(line);
        ++kinds[static_cast<std::size_t>(parsed.kind)];
        errors.push_back(parsed.error);
    }
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        EXPECT_GT(kinds[kind], 0) << "no generated line of kind " << kind;
    }
    for (const int32_t code : {1001, 1002, 1003, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1014}) {
        EXPECT_NE(std::find(errors.begin(), errors.end(), code), errors.end()) << "no generated line gives " << code;
    }
}

struct ValidationRow {
    const char* line;
    ConfigError expected;
};

void PrintTo(const ValidationRow& row, std::ostream* out)
{
    *out << "\"" << Escaped(row.line) << "\" -> " << row.expected;
}

class ValidateLineBoundary : public ::testing::TestWithParam<ValidationRow> {};

TEST_P(ValidateLineBoundary, GivesTheFirstErrorInOrder)
{
    EXPECT_EQ(ValidateLine(GetParam().line), GetParam().expected);
}

// Pairs of near misses: each line that fails is followed by the closest line that does not, or that
// fails with a later code.
INSTANTIATE_TEST_SUITE_P(NearMisses, ValidateLineBoundary,
                         ::testing::Values(
                             // A word between two marks counts, blanks alone do not.
                             ValidationRow{"[[", kOpenBracketTwice}, ValidationRow{"[ [", kConfigOk},
                             ValidationRow{" [ a[", kOpenBracketTwice}, ValidationRow{"[a [", kUnclosedSection},
                             ValidationRow{"]]", kCloseBracketTwice}, ValidationRow{"] ]", kConfigOk},
                             ValidationRow{"a==b", kEqualsTwice}, ValidationRow{"a = b = c", kConfigOk},
                             ValidationRow{"a = b=c", kEqualsTwice},
                             // Words may stand between "=" and a bracket, blanks may not.
                             ValidationRow{"a=b[", kBracketNextToEquals}, ValidationRow{"a= [b]", kConfigOk},
                             ValidationRow{"[b]=1", kBracketNextToEquals}, ValidationRow{"[b] =1", kConfigOk},
                             // 1007 and 1008 only hold without the other bracket anywhere on the line.
                             ValidationRow{"[a", kUnclosedSection}, ValidationRow{"a[", kUnclosedSection},
                             ValidationRow{"[ a", kConfigOk}, ValidationRow{"a]", kUnopenedSection},
                             ValidationRow{"]a", kUnopenedSection}, ValidationRow{"a ]", kConfigOk},
                             ValidationRow{"]a[", kReversedBrackets}, ValidationRow{"] [", kConfigOk},
                             ValidationRow{"[ \t]", kEmptySection}, ValidationRow{"[ * ]", kConfigOk},
                             ValidationRow{" = a", kMissingKey}, ValidationRow{"x = a", kConfigOk},
                             ValidationRow{"=", kConfigOk}, ValidationRow{"a =", kMissingValue},
                             ValidationRow{"a = \t", kMissingValue}, ValidationRow{" a =", kConfigOk},
                             ValidationRow{"a b =", kConfigOk},
                             // Lines with several faults report the first in the checking order.
                             ValidationRow{"[[]]", kOpenBracketTwice}, ValidationRow{"[ ]]", kCloseBracketTwice},
                             ValidationRow{"a==[", kEqualsTwice}, ValidationRow{"=[a", kBracketNextToEquals},
                             ValidationRow{"=a]", kBracketNextToEquals}, ValidationRow{"[a b", kUnclosedSection},
                             ValidationRow{"= a=", kEqualsTwice},
                             // Only ASCII letters, digits and "_" are word characters.
                             ValidationRow{"[\xC3\xA9", kConfigOk}, ValidationRow{"\xC3\xA9]", kConfigOk},
                             ValidationRow{"two words", kNoSyntax}));

struct EntryRow {
    const char* line;
    const char* key;    // nullptr: no entry
    const char* value;
};

void PrintTo(const EntryRow& row, std::ostream* out)
{
    *out << "\"" << Escaped(row.line) << "\"";
}

class FindEntryBoundary : public ::testing::TestWithParam<EntryRow> {};

TEST_P(FindEntryBoundary, TakesTheLeftmostKeyAndTheRestAsValue)
{
    const EntryRow& row = GetParam();
    const std::optional<ConfigEntryMatch> entry = FindEntry(row.line);
    if (row.key == nullptr) {
        EXPECT_FALSE(entry.has_value()) << "key \"" << entry->key << "\"";
        return;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->key, row.key);
    EXPECT_EQ(entry->value, row.value);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, FindEntryBoundary,
                         ::testing::Values(EntryRow{"a=b", "a", "b"}, EntryRow{"a =b ", "a", "b "},
                                           EntryRow{"a=", nullptr, nullptr},
                                           // Blanks up to the end: one is given back to be the value.
                                           EntryRow{"a= ", "a", " "}, EntryRow{"a=  \t", "a", "\t"},
                                           EntryRow{"x y=  ", "y", " "},
                                           // The key is the first word run that an "=" follows.
                                           EntryRow{"=a b=c", "b", "c"}, EntryRow{"x-key = 1", "key", "1"},
                                           EntryRow{"a=b=c", "a", "b=c"}, EntryRow{"a= ; c", "a", "; c"}));

struct SectionRow {
    const char* line;
    const char* name;  // nullptr: no header
};

void PrintTo(const SectionRow& row, std::ostream* out)
{
    *out << "\"" << Escaped(row.line) << "\"";
}

class FindSectionHeaderBoundary : public ::testing::TestWithParam<SectionRow> {};

TEST_P(FindSectionHeaderBoundary, TakesTheLeftmostBracketedName)
{
    const SectionRow& row = GetParam();
    const std::optional<std::string_view> name = FindSectionHeader(row.line);
    if (row.name == nullptr) {
        EXPECT_FALSE(name.has_value()) << "name \"" << *name << "\"";
        return;
    }
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, row.name);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, FindSectionHeaderBoundary,
                         ::testing::Values(SectionRow{"[a]", "a"}, SectionRow{"[ a b ]", " a b "},
                                           SectionRow{"[*]", "*"}, SectionRow{"[]", nullptr},
                                           SectionRow{"[a", nullptr}, SectionRow{"[a][b]", "a"},
                                           SectionRow{"[x[a]", "a"}, SectionRow{"key = x [1]", "1"},
                                           SectionRow{"[a-b]", nullptr}, SectionRow{"[\xC3\xA9]", nullptr}));

} // namespace
} // namespace corvo::utils::config
