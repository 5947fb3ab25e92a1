// The system services the interactive dialogs reach: key capture, key text and key state.
#pragma once

#include <functional>
#include <memory>

#include "platform/KeyCapture.h"
#include "platform/KeyPointerState.h"
#include "platform/KeyText.h"

class QWidget;

namespace corvo::platform {

// The dialogs are built by wrappers whose constructor arguments are fixed by the host protocol,
// so they find their services here rather than through a parameter.
struct DialogPlatform {
    std::function<std::unique_ptr<KeyCapture>(QWidget* window, KeyCapture::Handler handler)> createKeyCapture;
    std::function<std::unique_ptr<KeyText>()> createKeyText;
    std::function<std::unique_ptr<KeyPointerState>()> createKeyState;

    // The display the application's windows are on, when there is one; services that read
    // nothing otherwise.
    static DialogPlatform System();
};

// What this process's dialogs use: System() unless another platform was installed.
const DialogPlatform& CurrentDialogPlatform();
// Replaces the platform for every dialog built afterwards (the static core's tests install
// doubles this way; the shared module does not export it). An empty platform restores System().
void InstallDialogPlatform(DialogPlatform platform);

} // namespace corvo::platform
