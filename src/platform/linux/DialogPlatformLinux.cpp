// The dialogs' services on Linux: X11 when the application's windows are on an X server, else the
// keys Qt delivers to the focused dialog, typed with the session's keymap.
#include "platform/DialogPlatform.h"

#include <QGuiApplication>

#include "platform/linux/EvdevKeyCapture.h"
#include "platform/linux/FocusKeyCapture.h"
#include "platform/linux/NoKeyPointerState.h"
#include "platform/linux/SessionKeyboard.h"
#include "platform/linux/X11KeyCapture.h"
#include "platform/linux/X11KeyText.h"

namespace corvo::platform {

namespace {

bool WaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland";
}

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
        // An X client on a Wayland session (XWayland) sees only the keys the compositor gives it,
        // so there the keyboards' own event devices come first, as everywhere without X.
        if (OnXcb() && !WaylandSession()) {
            return std::make_unique<X11KeyCapture>(window, std::move(handler));
        }
        const SessionKeyText session;
        auto devices = std::make_unique<EvdevKeyCapture>(handler, "/dev/input", session.KeyMap());
        if (devices->State() != KeyCapture::Hold::Unavailable) {
            return devices;
        }
        devices.reset();
        if (OnXcb()) {
            return std::make_unique<X11KeyCapture>(window, std::move(handler));
        }
        // Neither an X server to grab from nor readable devices: the keys Qt gives the focused
        // dialog, read with the session's keymap.
        return std::make_unique<FocusKeyCapture>(window, std::move(handler), session.KeyMap());
    };
    platform.createKeyText = []() -> std::unique_ptr<KeyText> {
        if (OnXcb()) {
            return std::make_unique<X11KeyText>();
        }
        return std::make_unique<SessionKeyText>();
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
