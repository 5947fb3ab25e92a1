// Choice of the user-interface language and translation look-ups.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <fstream>
#include <map>
#include <optional>

#include "module/Language.h"
#include "platform/UiLanguageSource.h"
#include "platform/linux/EnvironmentUiLanguageSource.h"

namespace {

using corvo::keyboard::DetermineLanguage;
using corvo::keyboard::GetLanguage;
using corvo::platform::EnvironmentUiLanguageSource;

class StubLanguages : public corvo::platform::UiLanguageSource {
public:
    explicit StubLanguages(std::vector<std::string> languages) : m_languages(std::move(languages)) {}
    std::vector<std::string> PreferredUiLanguages() const override { return m_languages; }

private:
    std::vector<std::string> m_languages;
};

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    // Writes config.ini with the given DEFAULT_LANGUAGE line (nothing when empty) and returns its path.
    std::string Config(const std::string& line)
    {
        const std::string path = m_folder.filePath("config.ini").toStdString();
        std::ofstream out(path, std::ios::trunc);
        out << "[GLOBAL]\nRUN_TIMES = 1\n";
        if (!line.empty()) {
            out << "[LANGUAGE]\n" << line << "\n";
        }
        return path;
    }

    std::string Determine(const std::string& configLine, std::vector<std::string> system)
    {
        DetermineLanguage(StubLanguages(std::move(system)), Config(configLine));
        return GetLanguage();
    }

    QTemporaryDir m_folder;
};

struct ChoiceRow {
    const char* configLine;
    std::vector<std::string> system;
    const char* expected;
};

class LanguageChoiceTest : public LanguageTest, public ::testing::WithParamInterface<ChoiceRow> {};

TEST_P(LanguageChoiceTest, ConfiguredLanguageThenSystemThenDefault)
{
    const ChoiceRow& row = GetParam();
    EXPECT_EQ(Determine(row.configLine, row.system), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, LanguageChoiceTest,
    ::testing::Values(
        ChoiceRow{"DEFAULT_LANGUAGE = Japanese", {"de-DE"}, "ja_JP"},
        ChoiceRow{"default_language=JAPANESE", {}, "ja_JP"},
        ChoiceRow{"DEFAULT_LANGUAGE = PT_BR", {"de-DE"}, "pt_BR"},
        ChoiceRow{"DEFAULT_LANGUAGE = es_es", {}, "es_ES"},
        // Portuguese is known by its code only.
        ChoiceRow{"DEFAULT_LANGUAGE = portuguese", {"fr-FR"}, "fr_FR"},
        // The reader keeps trailing blanks, so this is not a known name.
        ChoiceRow{"DEFAULT_LANGUAGE = german  ", {"it-IT"}, "it_IT"},
        ChoiceRow{"", {"de-DE", "en-US"}, "de_DE"},
        ChoiceRow{"", {"de-AT"}, "en_US"},
        ChoiceRow{"", {"ja-JP"}, "ja_JP"},
        ChoiceRow{"", {"pt-BR"}, "pt_BR"},
        ChoiceRow{"", {"zh-CN"}, "zh_CN"},
        ChoiceRow{"DEFAULT_LANGUAGE = klingon", {"nl-NL"}, "nl_NL"}));

TEST_F(LanguageTest, SystemTextIsKeptAsTheSystemSpellsIt)
{
    // A known language keeps the system's own spelling; it is not replaced by the mapped code.
    EXPECT_EQ(Determine("", {"JA-jp"}), "JA_jp");
}

TEST_F(LanguageTest, WithoutSystemLanguagesThePreviousChoiceIsLookedUpAgain)
{
    EXPECT_EQ(Determine("DEFAULT_LANGUAGE = french", {}), "fr_FR");
    EXPECT_EQ(Determine("", {}), "fr_FR");
    EXPECT_EQ(Determine("", {"xx-YY"}), "en_US");
    EXPECT_EQ(Determine("", {}), "en_US");
}

TEST_F(LanguageTest, MissingConfigurationFileFallsThroughToTheSystem)
{
    DetermineLanguage(StubLanguages({"de-DE"}), m_folder.filePath("absent.ini").toStdString());
    EXPECT_EQ(GetLanguage(), "de_DE");
}

TEST_F(LanguageTest, MalformedLineAfterTheSettingStillLeavesTheSettingFound)
{
    const std::string path = m_folder.filePath("config.ini").toStdString();
    std::ofstream(path) << "[LANGUAGE]\nDEFAULT_LANGUAGE = dutch\nthis line is broken\n";
    DetermineLanguage(StubLanguages({"de-DE"}), path);
    EXPECT_EQ(GetLanguage(), "nl_NL");
}

TEST(LanguageNamesTest, KnownNamesAndCodes)
{
    EXPECT_EQ(corvo::keyboard::LanguageCodeForName("english"), "en_US");
    EXPECT_EQ(corvo::keyboard::LanguageCodeForName("zh_cn"), "zh_CN");
    EXPECT_EQ(corvo::keyboard::LanguageCodeForName("portuguese"), "");
    EXPECT_EQ(corvo::keyboard::LanguageCodeForName("English"), "") << "callers lower-case first";
}

TEST(TranslateKeyTest, KeyWithoutCatalogueEntryIsShownAsTheKey)
{
    EXPECT_EQ(corvo::keyboard::TranslateKey("KEYBOARD", "NO_SUCH_KEY_ANYWHERE"), "NO_SUCH_KEY_ANYWHERE");
}

TEST(TranslateKeyTest, InstalledCatalogueTranslatesInItsContextOnly)
{
    int argc = 1;
    char name[] = "language_test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(KEYBOARD_QM_FILE))) << KEYBOARD_QM_FILE;
    QCoreApplication::installTranslator(&translator);

    EXPECT_EQ(corvo::keyboard::TranslateKey("KEYBOARD", "YES"), "Yes");
    EXPECT_EQ(corvo::keyboard::TranslateKey("KEYBOARD", "LATEST_PRESSED_KEY:"), "Latest pressed key:");
    EXPECT_EQ(corvo::keyboard::TranslateKey("AdvancedTestWidget", "YES"), "YES");
    QCoreApplication::removeTranslator(&translator);
}

struct EnvironmentRow {
    std::map<std::string, std::string> variables;
    std::vector<std::string> expected;
};

class EnvironmentLanguagesTest : public ::testing::TestWithParam<EnvironmentRow> {};

TEST_P(EnvironmentLanguagesTest, FollowsTheCLibraryPrecedence)
{
    const EnvironmentRow row = GetParam();
    EnvironmentUiLanguageSource source([&row](const char* name) -> std::optional<std::string> {
        const auto found = row.variables.find(name);
        if (found == row.variables.end()) {
            return std::nullopt;
        }
        return found->second;
    });
    EXPECT_EQ(source.PreferredUiLanguages(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, EnvironmentLanguagesTest,
    ::testing::Values(
        EnvironmentRow{{{"LANG", "de_DE.UTF-8"}}, {"de-DE"}},
        EnvironmentRow{{{"LANG", "de_AT.UTF-8@euro"}}, {"de-AT"}},
        EnvironmentRow{{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, {"ja-JP"}},
        EnvironmentRow{{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ja_JP"}, {"LC_ALL", "fr_FR"}}, {"fr-FR"}},
        EnvironmentRow{{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:en"}}, {"pt-BR", "en"}},
        EnvironmentRow{{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::"}}, {"de-DE"}},
        // In the C locale the list in LANGUAGE is ignored, as the C library does.
        EnvironmentRow{{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja_JP"}}, {}},
        EnvironmentRow{{{"LC_ALL", "POSIX"}}, {}},
        EnvironmentRow{{}, {}}));

} // namespace
