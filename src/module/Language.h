// Translation look-ups and the choice of the user-interface language the dialogs consult.
#pragma once

#include <string>
#include <vector>

namespace corvo::platform {
class UiLanguageSource;
}

namespace corvo::keyboard {

inline constexpr char kContextKeyboard[] = "KEYBOARD";
inline constexpr char kContextKeycodeTestWidget[] = "KeycodeTestWidget";
inline constexpr char kContextAdvancedTestWidget[] = "AdvancedTestWidget";
inline constexpr char kDefaultLanguage[] = "en_US";

// The text of the host's installed catalogues for key in context, or the key itself.
std::string TranslateKey(const char* context, const std::string& key);

// Sets the current language from "config.ini" in the current directory, else from the system's
// preferred languages, else "en_US".
void DetermineLanguage();
// The same choice with the system's languages and the configuration file given.
void DetermineLanguage(const corvo::platform::UiLanguageSource& system, const std::string& configPath);

std::string GetLanguage();

// The language code for a name ("japanese", "ja_jp"), lower-case; empty when it is not known.
std::string LanguageCodeForName(const std::string& lowerCaseName);

} // namespace corvo::keyboard
