// Which language a host installs the catalogues of: bare language names from the environment, and
// the module's choice between config.ini and the system's languages made again by the hosts.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../../support/ScratchFolder.h"
#include "Catalogues.h"
#include "module/Language.h"
#include "platform/linux/EnvironmentUiLanguageSource.h"

namespace {

using corvo::platform::EnvironmentUiLanguageSource;
using Environment = std::map<std::string, std::string>;

EnvironmentUiLanguageSource SourceOf(const Environment& variables)
{
    return EnvironmentUiLanguageSource([variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found != variables.end() ? std::optional<std::string>(found->second) : std::nullopt;
    });
}

TEST(LanguagesTest, BareLanguageNamesTakeTheRegionOfTheirCatalogue)
{
    const std::vector<std::pair<Environment, std::vector<std::string>>> rows = {
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:en"}}, {"de-DE", "en-US"}},
        {{{"LANG", "de"}}, {"de-DE"}}, {{{"LANG", "pt.UTF-8"}}, {"pt-BR"}}, {{{"LC_MESSAGES", "zh"}}, {"zh-CN"}},
        {{{"LANG", "C.UTF-8"}, {"LC_ALL", "ja"}}, {"ja-JP"}},
        // Full names keep their own region, a language without a catalogue stays as it is.
        {{{"LANG", "de_AT.UTF-8"}, {"LANGUAGE", "de_AT:es:xx"}}, {"de-AT", "es-ES", "xx"}},
        {{{"LANG", "pt_PT.UTF-8"}}, {"pt-PT"}}, {{{"LANG", "C"}, {"LANGUAGE", "de"}}, {}},
        // The C library's precedence: LC_ALL, then LC_MESSAGES, then LANG; LANGUAGE outside the C locale only.
        {{{"LANG", "de_AT.UTF-8@euro"}}, {"de-AT"}}, {{{"LANG", "de"}, {"LC_MESSAGES", "ja_JP.UTF-8"}}, {"ja-JP"}},
        {{{"LANG", "de"}, {"LC_MESSAGES", "ja_JP"}, {"LC_ALL", "fr_FR"}}, {"fr-FR"}},
        {{{"LANG", "de"}, {"LANGUAGE", "::"}}, {"de-DE"}}, {{{"LC_ALL", "POSIX"}, {"LANGUAGE", "ja"}}, {}}, {{}, {}}};
    for (const auto& [variables, expected] : rows) {
        EXPECT_EQ(SourceOf(variables).PreferredUiLanguages(), expected) << ::testing::PrintToString(variables);
    }
    // Every language of the module's map, named bare, is chosen with its own code.
    for (const corvo::keyboard::LanguageName& entry : corvo::keyboard::kLanguageMap) {
        const std::string bare(entry.code.substr(0, 2));
        const std::string chosen = corvo::keyboard::ChooseLanguage(
            "", SourceOf({{"LANG", "C.UTF-8"}, {"LC_MESSAGES", bare + ".UTF-8"}}).PreferredUiLanguages(), "");
        EXPECT_EQ(chosen, entry.code) << bare;
    }
}

TEST(LanguagesTest, HostsChooseAsTheModuleDoes)
{
    ScratchFolder folder;
    // config.ini's text (null: none), the environment, the catalogues' language.
    const std::vector<std::tuple<const char*, Environment, std::string>> rows = {
        {nullptr, {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de:en"}}, "de_DE"},
        {"[language]\ndefault_language=Japanese\n", {{"LANG", "de"}}, "ja_JP"},
        // The module stops reading at a malformed line: what came before it still counts.
        {"[LANGUAGE]\nDEFAULT_LANGUAGE = french\n[[broken\n", {{"LANG", "de"}}, "fr_FR"},
        {"[[broken\n[LANGUAGE]\nDEFAULT_LANGUAGE = french\n", {{"LANG", "de"}}, "de_DE"},
        // The module keeps the system's spelling; the catalogue's name has the code's.
        {nullptr, {{"LANG", "DE_de"}}, "de_DE"}, {nullptr, {{"LANG", "de_CH.UTF-8"}}, "en_US"}, {nullptr, {}, "en_US"}};
    for (const auto& [config, variables, expected] : rows) {
        std::filesystem::remove(folder.Path("config.ini"));
        if (config != nullptr) {
            folder.Write("config.ini", config);
        }
        EXPECT_EQ(corvo::hosts::ChooseCatalogueLanguage(folder.Root(), SourceOf(variables)), expected)
            << (config != nullptr ? config : "no config.ini") << ::testing::PrintToString(variables);
    }
}

} // namespace
