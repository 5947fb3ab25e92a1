// The process's dialog services and their replacement.
#include "platform/DialogPlatform.h"

#include <optional>

namespace corvo::platform {

namespace {
// Written only by InstallDialogPlatform, read by dialogs on the user-interface thread.
std::optional<DialogPlatform>& Installed()
{
    static std::optional<DialogPlatform> platform;
    return platform;
}
} // namespace

const DialogPlatform& CurrentDialogPlatform()
{
    auto& installed = Installed();
    if (!installed) {
        installed = DialogPlatform::System();
    }
    return *installed;
}

void InstallDialogPlatform(DialogPlatform platform)
{
    if (!platform.createKeyCapture || !platform.createKeyText || !platform.createKeyState) {
        Installed().reset();
        return;
    }
    Installed() = std::move(platform);
}

} // namespace corvo::platform
