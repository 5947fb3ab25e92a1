// Translation look-ups and the choice of the user-interface language the dialogs consult.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvo::platform {
class UiLanguageSource;
}

namespace corvo::keyboard {

inline constexpr char kContextKeyboard[] = "KEYBOARD";
inline constexpr char kContextKeycodeTestWidget[] = "KeycodeTestWidget";
inline constexpr char kContextAdvancedTestWidget[] = "AdvancedTestWidget";
inline constexpr char kDefaultLanguage[] = "en_US";

struct LanguageName {
    std::string_view name; // lower case, as config.ini may spell it in any case
    std::string_view code; // the catalogues' suffix: keyboard_<code>.qm
};

// Every language the catalogues are written in, by each name it is known by. Header-only so that
// the hosts, which never link the module, install the catalogues of the language it chooses.
// Portuguese is known only by its code: no configured name "portuguese" selects it.
inline constexpr LanguageName kLanguageMap[] = {
    {"en_us", "en_US"}, {"english", "en_US"}, {"es_es", "es_ES"}, {"spanish", "es_ES"},
    {"fr_fr", "fr_FR"}, {"french", "fr_FR"},  {"it_it", "it_IT"}, {"italian", "it_IT"},
    {"de_de", "de_DE"}, {"german", "de_DE"},  {"nl_nl", "nl_NL"}, {"dutch", "nl_NL"},
    {"zh_cn", "zh_CN"}, {"chinese", "zh_CN"}, {"ja_jp", "ja_JP"}, {"japanese", "ja_JP"},
    {"pt_br", "pt_BR"},
};

// ASCII rules only, so the process locale never decides whether a name is known.
inline std::string ToLowerAscii(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return text;
}

// The language code for a name ("japanese", "ja_jp"), lower-case; empty when it is not known.
inline std::string LanguageCodeForName(std::string_view lowerCaseName)
{
    for (const LanguageName& entry : kLanguageMap) {
        if (entry.name == lowerCaseName) {
            return std::string(entry.code);
        }
    }
    return {};
}

// The choice DetermineLanguage makes: the configured value (as config.ini holds it) when it names a
// known language, else the system's first preferred language ("pt-BR") when it is known, else the
// default. With no system language the previous choice is looked up again. A known system language
// keeps the system's spelling ("JA_jp"); LanguageCodeForName gives its code.
inline std::string ChooseLanguage(const std::string& configured, const std::vector<std::string>& preferred,
                                  std::string previous)
{
    const std::string configuredCode = LanguageCodeForName(ToLowerAscii(configured));
    if (!configuredCode.empty()) {
        return configuredCode;
    }
    if (!preferred.empty()) {
        previous = preferred.front();
        for (char& c : previous) {
            c = c == '-' ? '_' : c;
        }
    }
    return LanguageCodeForName(ToLowerAscii(previous)).empty() ? std::string(kDefaultLanguage) : previous;
}

// The text of the host's installed catalogues for key in context, or the key itself.
std::string TranslateKey(const char* context, const std::string& key);

// Sets the current language from "config.ini" in the current directory, else from the system's
// preferred languages, else "en_US".
void DetermineLanguage();
// The same choice with the system's languages and the configuration file given.
void DetermineLanguage(const corvo::platform::UiLanguageSource& system, const std::string& configPath);

std::string GetLanguage();

} // namespace corvo::keyboard
