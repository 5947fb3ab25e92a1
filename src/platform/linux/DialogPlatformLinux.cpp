// The dialogs' services on Linux: X11 when the application's windows are on an X server.
#include "platform/DialogPlatform.h"

#include <QGuiApplication>

#include "platform/linux/NoKeyPointerState.h"
#include "platform/linux/X11KeyCapture.h"
#include "platform/linux/X11KeyText.h"

namespace corvo::platform {

namespace {

bool OnXcb()
{
    return qGuiApp != nullptr && qGuiApp->nativeInterface<QNativeInterface::QX11Application>() != nullptr;
}

} // namespace

DialogPlatform DialogPlatform::System()
{
    DialogPlatform platform;
    // The X objects open their connections to DISPLAY, the server that Qt's xcb platform uses.
    platform.createKeyCapture = [](QWidget* window, KeyCapture::Handler handler) -> std::unique_ptr<KeyCapture> {
        if (OnXcb()) {
            return std::make_unique<X11KeyCapture>(window, std::move(handler));
        }
        return std::make_unique<NoKeyCapture>();
    };
    platform.createKeyText = []() -> std::unique_ptr<KeyText> {
        if (OnXcb()) {
            return std::make_unique<X11KeyText>();
        }
        return std::make_unique<NoKeyText>();
    };
    platform.createKeyState = []() -> std::unique_ptr<KeyPointerState> {
        if (OnXcb()) {
            return std::make_unique<X11KeyPointerState>();
        }
        return CreateSystemKeyPointerState();
    };
    return platform;
}

} // namespace corvo::platform
