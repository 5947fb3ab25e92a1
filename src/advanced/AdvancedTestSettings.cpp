// Strict mode and the configured layout of the advanced test.
#include "advanced/AdvancedTestSettings.h"

#include <mutex>

#include "advanced/LayoutCatalogue.h"
#include "utils/ConfigFile.h"

namespace corvo::advanced {

namespace {

// The dialog reads on the user-interface thread; a host may build dialogs from more than one
// thread over its life, so the shared values are guarded all the same.
std::mutex& SettingsMutex()
{
    static std::mutex mutex;
    return mutex;
}

AdvancedTestSettings& StoredSettings()
{
    static AdvancedTestSettings settings;
    return settings;
}

} // namespace

AdvancedTestSettings ReadAdvancedTestSettings(const std::string& configPath)
{
    namespace config = corvo::utils::config;
    config::ConfigData data;
    config::LoadConfig(configPath, data);
    const std::string strict = config::GetConfigValue(data, config::kSectionKeyboard, config::kKeyAdvancedTestStrictMode);
    const std::string layout = config::GetConfigValue(data, config::kSectionKeyboard, config::kKeyAdvancedTestLayout);

    std::lock_guard<std::mutex> lock(SettingsMutex());
    AdvancedTestSettings& stored = StoredSettings();
    if (const std::optional<int> strictMode = StrictModeForConfigValue(strict)) {
        stored.strictMode = *strictMode;
    }
    if (const std::optional<int> page = PageForLayoutName(layout)) {
        stored.layoutPage = page;
    }
    return stored;
}

AdvancedTestSettings ReadAdvancedTestSettings()
{
    return ReadAdvancedTestSettings(corvo::utils::config::kConfigFileName);
}

void ResetAdvancedTestSettings()
{
    std::lock_guard<std::mutex> lock(SettingsMutex());
    StoredSettings() = AdvancedTestSettings{};
}

} // namespace corvo::advanced
