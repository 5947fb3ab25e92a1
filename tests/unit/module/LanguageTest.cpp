// Choice of the user-interface language, translation look-ups, and the English catalogue of every message key.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "../../support/ScratchFolder.h"
#include "TsCatalogue.h"
#include "keycode/KeyTable.h"
#include "module/Language.h"
#include "platform/UiLanguageSource.h"

namespace {

using namespace corvo::keyboard;

struct StubLanguages : corvo::platform::UiLanguageSource {
    explicit StubLanguages(std::vector<std::string> list) : languages(std::move(list)) {}
    std::vector<std::string> PreferredUiLanguages() const override { return languages; }
    std::vector<std::string> languages;
};

TEST(LanguageTest, ConfiguredLanguageThenTheSystemsThenTheDefault)
{
    const ScratchFolder folder;
    const std::string path = folder.Path("config.ini");
    // The [LANGUAGE] section's text (null: no config.ini at all), the system's languages, the choice.
    const std::vector<std::tuple<const char*, std::vector<std::string>, std::string>> rows = {
        {"DEFAULT_LANGUAGE = Japanese", {"de-DE"}, "ja_JP"}, {"default_language=JAPANESE", {}, "ja_JP"},
        {"DEFAULT_LANGUAGE = PT_BR", {"de-DE"}, "pt_BR"}, {"DEFAULT_LANGUAGE = es_es", {}, "es_ES"},
        {"DEFAULT_LANGUAGE = ZH_cn", {"de-DE"}, "zh_CN"}, {"DEFAULT_LANGUAGE = english", {"de-DE"}, "en_US"},
        {"DEFAULT_LANGUAGE = German", {"fr-FR"}, "de_DE"}, {"DEFAULT_LANGUAGE = spanish", {"fr-FR"}, "es_ES"},
        {"DEFAULT_LANGUAGE = Italian", {"fr-FR"}, "it_IT"}, {"DEFAULT_LANGUAGE = chinese", {"fr-FR"}, "zh_CN"},
        // Portuguese is known by its code only; the reader keeps trailing blanks.
        {"DEFAULT_LANGUAGE = portuguese", {"fr-FR"}, "fr_FR"}, {"DEFAULT_LANGUAGE = german  ", {"it-IT"}, "it_IT"},
        {"DEFAULT_LANGUAGE = klingon", {"nl-NL"}, "nl_NL"}, {"DEFAULT_LANGUAGE = dutch\nbroken", {"de-DE"}, "nl_NL"},
        {"", {"de-DE", "en-US"}, "de_DE"}, {"", {"de-AT"}, "en_US"}, {nullptr, {"de-DE"}, "de_DE"},
        // A known language keeps the system's own spelling.
        {"", {"JA-jp"}, "JA_jp"},
        // Without system languages the previous choice is looked up again.
        {"DEFAULT_LANGUAGE = french", {}, "fr_FR"}, {"", {}, "fr_FR"}, {"", {"xx-YY"}, "en_US"}, {"", {}, "en_US"}};
    for (const auto& [language, system, expected] : rows) {
        std::remove(path.c_str());
        if (language != nullptr) {
            std::ofstream(path) << "[GLOBAL]\nRUN_TIMES = 1\n"
                                << (*language != '\0' ? "[LANGUAGE]\n" + std::string(language) + "\n" : "");
        }
        DetermineLanguage(StubLanguages(system), path);
        EXPECT_EQ(GetLanguage(), expected) << (language != nullptr ? language : "no config.ini") << " / "
                                           << ::testing::PrintToString(system);
    }
}

TEST(LanguageTest, KeysAreTranslatedInTheirContextOnlyAndShownAsThemselvesOtherwise)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(KEYBOARD_QM_FILE))) << KEYBOARD_QM_FILE;
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(TranslateKey("KEYBOARD", "YES"), "Yes");
    EXPECT_EQ(TranslateKey("KEYBOARD", "LATEST_PRESSED_KEY:"), "Latest pressed key:");
    EXPECT_EQ(TranslateKey("AdvancedTestWidget", "YES"), "YES");
    EXPECT_EQ(TranslateKey("KEYBOARD", "NO_SUCH_KEY_ANYWHERE"), "NO_SUCH_KEY_ANYWHERE");
    QCoreApplication::removeTranslator(&translator);
}

// The shipped catalogue: the layout pictures' labels are checked with their form.
TEST(LanguageTest, EveryKeyOfTheModuleHasAnEnglishText)
{
    // Every literal of the key header, adjacent literals joined as the compiler does.
    QFile header(QStringLiteral(MESSAGE_KEYS_HEADER));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString code = QString::fromUtf8(header.readAll());
    static const QRegularExpression definition(
        QStringLiteral(R"re(constexpr\s+char\s+\w+\[\]\s*=\s*((?:"[^"]*"\s*)+);)re"));
    static const QRegularExpression literal(QStringLiteral(R"re("([^"]*)")re"));
    std::set<std::string> keys;
    for (auto match = definition.globalMatch(code); match.hasNext();) {
        std::string key;
        for (auto part = literal.globalMatch(match.next().captured(1)); part.hasNext();) {
            key += part.next().captured(1).toStdString();
        }
        keys.insert(key);
    }
    ASSERT_GT(keys.size(), 60u) << "the header parser found too few keys";

    TsCatalogue catalogue = ReadTsCatalogue(KEYBOARD_TS_FILE);
    auto& messages = catalogue["KEYBOARD"];
    for (const std::string& key : keys) {
        ASSERT_TRUE(messages.count(key)) << "no catalogue entry for " << key;
        EXPECT_FALSE(messages[key].empty()) << "empty or unfinished translation for " << key;
        EXPECT_NE(messages[key], key) << "the English text of " << key << " is the key itself";
    }
    // The keycode dialog shows a key's description, English already, whenever the key types nothing.
    for (const auto& row : corvo::keycode::KeyTableEntries()) {
        ASSERT_TRUE(messages.count(row.description)) << "no catalogue entry for the description of " << row.code;
        EXPECT_FALSE(messages[row.description].empty()) << row.description;
    }
}

} // namespace
