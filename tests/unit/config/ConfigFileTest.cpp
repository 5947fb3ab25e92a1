// Reading whole config.ini files: sections, entries, comments, errors, duplicates and line ends.
#include "TemporaryConfigFolder.h"

#include "utils/ConfigFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

namespace corvo::utils::config {
namespace {

struct Loaded {
    ConfigParseResult result;
    ConfigData data;
};

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.IsValid()); }

    Loaded Load(std::string_view content)
    {
        const std::string path = folder_.Write(content);
        EXPECT_FALSE(path.empty()) << "could not write the test file";
        Loaded loaded;
        loaded.result = LoadConfig(path, loaded.data);
        return loaded;
    }

    TemporaryConfigFolder folder_;
};

void ExpectReadToTheEnd(const ConfigParseResult& result)
{
    EXPECT_EQ(result.opened, 1);
    EXPECT_EQ(result.errorCode, kConfigOk);
    EXPECT_EQ(result.line, -1);
    EXPECT_EQ(result.section, "");
    EXPECT_EQ(result.key, "");
}

// --- What a well-formed file yields ------------------------------------------------------------

using ConfigFileReading = ConfigFileTest;

TEST_F(ConfigFileReading, TheModulesThreeSettings)
{
    const Loaded loaded = Load("[LANGUAGE]\n"
                               "DEFAULT_LANGUAGE=de-DE\n"
                               "\n"
                               "[KEYBOARD]\n"
                               "ADVANCED_TEST_LAYOUT=ABNT2\n"
                               "ADVANCED_TEST_STRICT_MODE=1\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionLanguage, kKeyDefaultLanguage), "de-DE");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "ABNT2");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestStrictMode), "1");
}

TEST_F(ConfigFileReading, LowerCaseNamesAreStoredUpperCaseAndValuesKeepTheirCase)
{
    const Loaded loaded = Load("[keyboard]\nadvanced_test_layout = ABNT2\nDefault_Language=pt-br\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "ADVANCED_TEST_LAYOUT"), "ABNT2");
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "DEFAULT_LANGUAGE"), "pt-br");
}

TEST_F(ConfigFileReading, LookUpComparesNamesExactly)
{
    const Loaded loaded = Load("[keyboard]\nadvanced_test_layout = ABNT2\n");
    EXPECT_EQ(GetConfigValue(loaded.data, "keyboard", "ADVANCED_TEST_LAYOUT"), "");
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "advanced_test_layout"), "");
    EXPECT_EQ(GetConfigValue(loaded.data, "LANGUAGE", "ADVANCED_TEST_LAYOUT"), "");
}

TEST_F(ConfigFileReading, KeysBeforeTheFirstHeaderBelongToTheEmptySection)
{
    const Loaded loaded = Load("ADVANCED_TEST_LAYOUT=US\n[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=0\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", kKeyAdvancedTestLayout), "US");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "");
}

TEST_F(ConfigFileReading, TheEmptySectionExistsEvenInAnEmptyFile)
{
    const Loaded loaded = Load("");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(loaded.data, (ConfigData{{"", {}}}));
}

TEST_F(ConfigFileReading, BlanksInsideTheBracketsArePartOfTheSectionName)
{
    const Loaded loaded = Load("[ KEYBOARD ]\nADVANCED_TEST_LAYOUT=US\n[key board]\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, " KEYBOARD ", kKeyAdvancedTestLayout), "US");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "");
    EXPECT_EQ(loaded.data.count("KEY BOARD"), 1u);
}

TEST_F(ConfigFileReading, ValuesKeepInnerAndTrailingBlanks)
{
    const Loaded loaded = Load("A = two  words  \nB =\tafter tab\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "A"), "two  words  ");
    EXPECT_EQ(GetConfigValue(loaded.data, "", "B"), "after tab");
}

// A rest of blanks only is a key without a value (1014) when the key starts the line; after other
// text the entry search still finds the key, and the value is the one blank it needs.
TEST_F(ConfigFileReading, BlanksOnlyAfterALaterKeyLeaveOneBlankAsValue)
{
    const Loaded loaded = Load("note: LAYOUT =   \n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "LAYOUT"), " ");
}

TEST_F(ConfigFileReading, TheKeyIsTheLastWordBeforeTheEqualsSign)
{
    const Loaded loaded = Load("set the LAYOUT = DE\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(loaded.data.at(""), (ConfigSection{{"LAYOUT", "DE"}}));
}

TEST_F(ConfigFileReading, ABracketedWordAnywhereMakesTheLineASectionHeader)
{
    const Loaded loaded = Load("LAYOUT = see [KEYBOARD]\nSTRICT=1\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "LAYOUT"), "");
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "STRICT"), "1");
}

TEST_F(ConfigFileReading, AnEqualsSignAloneIsSkipped)
{
    const Loaded loaded = Load("=\nA=1\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "A"), "1");
}

TEST_F(ConfigFileReading, ValuesKeepUtf8Text)
{
    const Loaded loaded = Load("LANGUAGE=espa\xC3\xB1ol\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "LANGUAGE"), "espa\xC3\xB1ol");
}

TEST_F(ConfigFileReading, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const Loaded loaded = Load("LANGUAGE=x\xFFy\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "LANGUAGE"), "x\xEF\xBF\xBDy");
}

TEST_F(ConfigFileReading, AByteOrderMarkIsNotPartOfTheFirstLine)
{
    // With the mark kept, "^[\w]+" could not match and the key without a value would pass unnoticed.
    const Loaded loaded = Load("\xEF\xBB\xBF" "LAYOUT =\n");
    EXPECT_EQ(loaded.result.errorCode, kMissingValue);
    EXPECT_EQ(loaded.result.line, 1);
}

TEST_F(ConfigFileReading, TheRelativeNameIsLookedUpInTheCurrentFolder)
{
    folder_.Write("[KEYBOARD]\nADVANCED_TEST_LAYOUT=JIS\n");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Path());
    ConfigData data;
    const ConfigParseResult result = LoadConfig(kConfigFileName, data);
    std::filesystem::current_path(previous);
    ExpectReadToTheEnd(result);
    EXPECT_EQ(GetConfigValue(data, kSectionKeyboard, kKeyAdvancedTestLayout), "JIS");
}

// --- Comments and blank lines ------------------------------------------------------------------

using ConfigFileComments = ConfigFileTest;

TEST_F(ConfigFileComments, TheBlankBeforeTheCommentStaysInTheValue)
{
    const Loaded loaded = Load("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=1 ; strict\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestStrictMode), "1 ");
}

TEST_F(ConfigFileComments, BlankAndCommentOnlyLinesAreSkipped)
{
    const Loaded loaded = Load("; settings\n   \n\t; indented [[ broken\n[KEYBOARD] ; header\n\nA=x;y;z\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(loaded.data.at("KEYBOARD"), (ConfigSection{{"A", "x"}}));
}

TEST_F(ConfigFileComments, ACommentCanLeaveAKeyWithoutValue)
{
    const Loaded loaded = Load("A=1\nB= ; nothing yet\n");
    EXPECT_EQ(loaded.result.errorCode, kMissingValue);
    EXPECT_EQ(loaded.result.line, 2);
}

TEST_F(ConfigFileComments, SyntaxInsideACommentDoesNotCount)
{
    const Loaded loaded = Load("plain words ; A=1\n");
    EXPECT_EQ(loaded.result.errorCode, kNoSyntax);
    EXPECT_EQ(loaded.result.line, 1);
}

TEST_F(ConfigFileComments, LineNumbersCountBlankAndCommentLines)
{
    const Loaded loaded = Load("\n; one\n\n   \n[[\n");
    EXPECT_EQ(loaded.result.errorCode, kOpenBracketTwice);
    EXPECT_EQ(loaded.result.line, 5);
}

// --- Malformed lines: each code, and that reading stops there -----------------------------------

struct MalformedRow {
    const char* name;
    const char* line;
    ConfigError error;
};

void PrintTo(const MalformedRow& row, std::ostream* out)
{
    *out << row.name;
}

class ConfigFileMalformedLine : public ConfigFileTest, public ::testing::WithParamInterface<MalformedRow> {};

TEST_P(ConfigFileMalformedLine, StopsWithItsCodeAndKeepsWhatCameBefore)
{
    const MalformedRow& row = GetParam();
    const Loaded loaded = Load(std::string("[KEYBOARD]\nBEFORE=kept\n") + row.line + "\nAFTER=lost\n[LATER]\n");
    EXPECT_EQ(loaded.result.opened, 1);
    EXPECT_EQ(loaded.result.errorCode, row.error);
    EXPECT_EQ(loaded.result.line, 3);
    EXPECT_EQ(loaded.result.section, "");
    EXPECT_EQ(loaded.result.key, "");
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "BEFORE"), "kept");
    EXPECT_EQ(GetConfigValue(loaded.data, "KEYBOARD", "AFTER"), "");
    EXPECT_EQ(loaded.data.count("LATER"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ConfigFileMalformedLine,
    ::testing::Values(MalformedRow{"OpenBracketTwice", "[[KEYBOARD]", kOpenBracketTwice},
                      MalformedRow{"OpenBracketTwiceAroundAWord", "[ KEY[BOARD]", kOpenBracketTwice},
                      MalformedRow{"CloseBracketTwice", "[KEYBOARD]]", kCloseBracketTwice},
                      MalformedRow{"CloseBracketTwiceAroundAWord", "[A] B]", kCloseBracketTwice},
                      MalformedRow{"EqualsTwice", "LAYOUT==US", kEqualsTwice},
                      MalformedRow{"EqualsTwiceAroundAWord", "LAYOUT = US= DE", kEqualsTwice},
                      MalformedRow{"EqualsBeforeABracket", "LAYOUT=[US]", kBracketNextToEquals},
                      MalformedRow{"BracketBeforeEquals", "[KEYBOARD]=1", kBracketNextToEquals},
                      MalformedRow{"UnclosedSection", "[KEYBOARD", kUnclosedSection},
                      MalformedRow{"UnopenedSection", "KEYBOARD]", kUnopenedSection},
                      MalformedRow{"TwoHeadersOnOneLine", "[A][B]", kReversedBrackets},
                      MalformedRow{"ReversedBrackets", "]KEYBOARD[", kReversedBrackets},
                      MalformedRow{"TwoPlainWords", "two words", kNoSyntax},
                      MalformedRow{"EmptySection", "[]", kEmptySection},
                      MalformedRow{"BlankSection", "[ \t ]", kEmptySection},
                      MalformedRow{"ValueWithoutKey", "= ABNT2", kMissingKey},
                      MalformedRow{"KeyWithoutValue", "ADVANCED_TEST_LAYOUT =", kMissingValue},
                      MalformedRow{"KeyWithBlanksOnly", "ADVANCED_TEST_LAYOUT=  \t ", kMissingValue}),
    [](const ::testing::TestParamInfo<MalformedRow>& info) { return info.param.name; });

// --- Duplicates -------------------------------------------------------------------------------

using ConfigFileDuplicates = ConfigFileTest;

TEST_F(ConfigFileDuplicates, ASecondHeaderOfASectionStopsWithCode1)
{
    const Loaded loaded = Load("[KEYBOARD]\nADVANCED_TEST_LAYOUT=US\n[LANGUAGE]\nDEFAULT_LANGUAGE=en\n"
                               "[Keyboard]\nADVANCED_TEST_STRICT_MODE=1\n");
    EXPECT_EQ(loaded.result.opened, 1);
    EXPECT_EQ(loaded.result.errorCode, kDuplicateSection);
    EXPECT_EQ(loaded.result.line, 5);
    EXPECT_EQ(loaded.result.section, "KEYBOARD");
    EXPECT_EQ(loaded.result.key, "");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "US");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionLanguage, kKeyDefaultLanguage), "en");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestStrictMode), "");
}

TEST_F(ConfigFileDuplicates, ASecondKeyInASectionStopsWithCode2AndKeepsTheFirstValue)
{
    const Loaded loaded = Load("[KEYBOARD]\nADVANCED_TEST_LAYOUT=US\nadvanced_test_layout=DE\n");
    EXPECT_EQ(loaded.result.errorCode, kDuplicateKey);
    EXPECT_EQ(loaded.result.line, 3);
    EXPECT_EQ(loaded.result.section, "KEYBOARD");
    EXPECT_EQ(loaded.result.key, "ADVANCED_TEST_LAYOUT");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "US");
}

TEST_F(ConfigFileDuplicates, ADuplicateKeyInTheEmptySectionNamesTheEmptySection)
{
    const Loaded loaded = Load("A=1\na=2\n");
    EXPECT_EQ(loaded.result.errorCode, kDuplicateKey);
    EXPECT_EQ(loaded.result.line, 2);
    EXPECT_EQ(loaded.result.section, "");
    EXPECT_EQ(loaded.result.key, "A");
}

TEST_F(ConfigFileDuplicates, TheSameKeyInTwoSectionsIsNoDuplicate)
{
    const Loaded loaded = Load("A=0\n[ONE]\nA=1\n[TWO]\nA=2\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "A"), "0");
    EXPECT_EQ(GetConfigValue(loaded.data, "ONE", "A"), "1");
    EXPECT_EQ(GetConfigValue(loaded.data, "TWO", "A"), "2");
}

// --- Line ends ---------------------------------------------------------------------------------

using ConfigFileLineEnds = ConfigFileTest;

TEST_F(ConfigFileLineEnds, WindowsLineEndsLeaveNoCarriageReturnInValues)
{
    const Loaded loaded = Load("[KEYBOARD]\r\nADVANCED_TEST_LAYOUT=ABNT2\r\nADVANCED_TEST_STRICT_MODE=1 \r\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "ABNT2");
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestStrictMode), "1 ");
}

// Regression: with the carriage return kept, "KEY=\r" read as KEY with the value "\r".
TEST_F(ConfigFileLineEnds, AnEmptyValueBeforeWindowsLineEndIsAMissingValue)
{
    const Loaded loaded = Load("[KEYBOARD]\r\nADVANCED_TEST_LAYOUT=\r\n");
    EXPECT_EQ(loaded.result.errorCode, kMissingValue);
    EXPECT_EQ(loaded.result.line, 2);
}

TEST_F(ConfigFileLineEnds, TextModeDropsStrayCarriageReturns)
{
    const Loaded loaded = Load("A=x\ry\n");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, "", "A"), "xy");
}

TEST_F(ConfigFileLineEnds, TheLastLineNeedsNoLineEnd)
{
    const Loaded loaded = Load("[KEYBOARD]\nADVANCED_TEST_LAYOUT=US");
    ExpectReadToTheEnd(loaded.result);
    EXPECT_EQ(GetConfigValue(loaded.data, kSectionKeyboard, kKeyAdvancedTestLayout), "US");
}

// --- Files that cannot be opened ---------------------------------------------------------------

using ConfigFileUnopened = ConfigFileTest;

void ExpectNotOpened(const ConfigParseResult& result)
{
    EXPECT_EQ(result.opened, 0);
    EXPECT_EQ(result.errorCode, kConfigOk);
    EXPECT_EQ(result.line, -1);
    EXPECT_EQ(result.section, "");
    EXPECT_EQ(result.key, "");
}

TEST_F(ConfigFileUnopened, AMissingFileLeavesTheDictionaryUntouched)
{
    ConfigData data{{"KEEP", {{"A", "1"}}}};
    const ConfigData before = data;
    ExpectNotOpened(LoadConfig((folder_.Path() / "absent.ini").string(), data));
    EXPECT_EQ(data, before);
}

TEST_F(ConfigFileUnopened, AFolderIsNotAFile)
{
    ConfigData data;
    ExpectNotOpened(LoadConfig(folder_.Path().string(), data));
    EXPECT_TRUE(data.empty());
}

// --- The suite's vocabulary --------------------------------------------------------------------

using ConfigFileVocabulary = ConfigFileTest;

// Every name the suite uses must survive a round trip through the reader, or a setting written
// under it could never be found.
TEST_F(ConfigFileVocabulary, EverySuiteNameReadsBack)
{
    std::string content;
    for (const std::string_view section : kSuiteSections) {
        content += "[" + std::string(section) + "]\n";
        for (const std::string_view key : kSuiteKeys) {
            content += std::string(key) + "=" + std::string(section) + "\n";
        }
    }
    const Loaded loaded = Load(content);
    ExpectReadToTheEnd(loaded.result);
    for (const std::string_view section : kSuiteSections) {
        for (const std::string_view key : kSuiteKeys) {
            EXPECT_EQ(GetConfigValue(loaded.data, std::string(section), std::string(key)), section) << key;
        }
    }
}

struct ValuePatternRow {
    const ConfigValuePattern* pattern;
    const char* value;
    bool accepted;
};

void PrintTo(const ValuePatternRow& row, std::ostream* out)
{
    *out << row.pattern->kind << " \"" << row.value << "\"";
}

class ConfigValuePatternRows : public ::testing::TestWithParam<ValuePatternRow> {};

TEST_P(ConfigValuePatternRows, AcceptsExactlyItsShape)
{
    const ValuePatternRow& row = GetParam();
    const std::regex pattern{std::string(row.pattern->expression)};
    EXPECT_EQ(std::regex_search(std::string(row.value), pattern), row.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ConfigValuePatternRows,
    ::testing::Values(ValuePatternRow{&kFlagValuePattern, "0", true}, ValuePatternRow{&kFlagValuePattern, "1", true},
                      ValuePatternRow{&kFlagValuePattern, "2", false},
                      ValuePatternRow{&kFlagValuePattern, "01", false},
                      ValuePatternRow{&kFlagValuePattern, "1 ", false},
                      ValuePatternRow{&kWholeNumberValuePattern, "0", true},
                      ValuePatternRow{&kWholeNumberValuePattern, "120", true},
                      ValuePatternRow{&kWholeNumberValuePattern, "-1", false},
                      ValuePatternRow{&kWholeNumberValuePattern, "", false},
                      ValuePatternRow{&kWholeNumberValuePattern, "1.5", false},
                      ValuePatternRow{&kDecimalNumberValuePattern, "1.5", true},
                      ValuePatternRow{&kDecimalNumberValuePattern, "-.5", true},
                      ValuePatternRow{&kDecimalNumberValuePattern, "+2.", true},
                      ValuePatternRow{&kDecimalNumberValuePattern, "12", false},
                      ValuePatternRow{&kDecimalNumberValuePattern, ".", false},
                      ValuePatternRow{&kDecimalNumberValuePattern, "1.2.3", false},
                      ValuePatternRow{&kDecimalNumberValuePattern, "--1.0", false}));

} // namespace
} // namespace corvo::utils::config
