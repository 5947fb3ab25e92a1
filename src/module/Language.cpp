// Translation look-ups and the user-interface language choice.
#include "module/Language.h"

#include <QCoreApplication>
#include <QString>

#include "platform/UiLanguageSource.h"
#include "utils/ConfigFile.h"

namespace corvo::keyboard {

namespace {

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

void DetermineLanguage(const corvo::platform::UiLanguageSource& system, const std::string& configPath)
{
    namespace config = corvo::utils::config;
    config::ConfigData data;
    config::LoadConfig(configPath, data);
    std::string& current = CurrentLanguage();
    current = ChooseLanguage(config::GetConfigValue(data, config::kSectionLanguage, config::kKeyDefaultLanguage),
                             system.PreferredUiLanguages(), current);
}

void DetermineLanguage()
{
    DetermineLanguage(corvo::platform::SystemUiLanguages(), corvo::utils::config::kConfigFileName);
}

std::string GetLanguage() { return CurrentLanguage(); }

} // namespace corvo::keyboard
