// The process-wide choice between the system's theme and one put in front of it.
#include "platform/SystemTheme.h"

#include <atomic>

namespace corvo::platform {

namespace {

std::atomic<SystemTheme*> installedTheme{nullptr};

} // namespace

SystemTheme& CurrentSystemTheme()
{
    if (SystemTheme* theme = installedTheme.load())
        return *theme;
    // Left alive on purpose: native events keep arriving while static objects are destroyed.
    static SystemTheme* const systemTheme = CreateSystemTheme().release();
    return *systemTheme;
}

SystemTheme* InstallSystemTheme(SystemTheme* theme)
{
    return installedTheme.exchange(theme);
}

} // namespace corvo::platform
