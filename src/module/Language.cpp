// Translation look-ups and the user-interface language choice.
#include "module/Language.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/UiLanguageSource.h"
#include "utils/ConfigFile.h"

namespace corvo::keyboard {

namespace {

// Portuguese is known only by its code: no configured name "portuguese" selects it.
const std::map<std::string, std::string>& LanguageMap()
{
    static const std::map<std::string, std::string> map = {
        {"en_us", "en_US"}, {"english", "en_US"},  {"es_es", "es_ES"},   {"spanish", "es_ES"},
        {"fr_fr", "fr_FR"}, {"french", "fr_FR"},   {"it_it", "it_IT"},   {"italian", "it_IT"},
        {"de_de", "de_DE"}, {"german", "de_DE"},   {"nl_nl", "nl_NL"},   {"dutch", "nl_NL"},
        {"zh_cn", "zh_CN"}, {"chinese", "zh_CN"},  {"ja_jp", "ja_JP"},   {"japanese", "ja_JP"},
        {"pt_br", "pt_BR"},
    };
    return map;
}

std::string ToLowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

std::string& CurrentLanguage()
{
    static std::string language;
    return language;
}

} // namespace

std::string TranslateKey(const char* context, const std::string& key)
{
    return QCoreApplication::translate(context, key.c_str()).toStdString();
}

std::string LanguageCodeForName(const std::string& lowerCaseName)
{
    const auto found = LanguageMap().find(lowerCaseName);
    return found == LanguageMap().end() ? std::string() : found->second;
}

void DetermineLanguage(const corvo::platform::UiLanguageSource& system, const std::string& configPath)
{
    namespace config = corvo::utils::config;
    config::ConfigData data;
    config::LoadConfig(configPath, data);
    const std::string configured =
        ToLowerAscii(config::GetConfigValue(data, config::kSectionLanguage, config::kKeyDefaultLanguage));

    std::string& current = CurrentLanguage();
    const std::string configuredCode = LanguageCodeForName(configured);
    if (!configuredCode.empty()) {
        current = configuredCode;
        return;
    }

    const std::vector<std::string> preferred = system.PreferredUiLanguages();
    if (!preferred.empty()) {
        current = preferred.front();
        std::replace(current.begin(), current.end(), '-', '_');
    }
    // The system's text stays as it is ("ja_JP") when it names a known language; a language the
    // module has no name for falls back to the default.
    if (LanguageCodeForName(ToLowerAscii(current)).empty()) {
        current = kDefaultLanguage;
    }
}

void DetermineLanguage()
{
    DetermineLanguage(corvo::platform::SystemUiLanguages(), corvo::utils::config::kConfigFileName);
}

std::string GetLanguage() { return CurrentLanguage(); }

} // namespace corvo::keyboard
