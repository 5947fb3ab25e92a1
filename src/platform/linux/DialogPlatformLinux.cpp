// The dialogs' services on Linux, chosen from what the session offers: X11 on an X session, the
// keyboards' event devices on Wayland sessions and consoles where they can be opened, else the
// keys Qt delivers to the focused dialog, typed with the session's keymap.
#include "platform/DialogPlatform.h"

#include <QGuiApplication>

#include "platform/linux/EvdevKeyCapture.h"
#include "platform/linux/FocusKeyCapture.h"
#include "platform/linux/InputChoice.h"
#include "platform/linux/NoKeyPointerState.h"
#include "platform/linux/SessionKeyboard.h"
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
        const InputSurvey survey = SurveyInput(OnXcb());
        const KeySource source = ChooseInput(survey).capture;
        const SessionKeyText session;
        if (source == KeySource::EventDevices) {
            auto devices = std::make_unique<EvdevKeyCapture>(handler, "/dev/input", session.KeyMap());
            // A keyboard may have gone since the survey.
            if (devices->State() != KeyCapture::Hold::Unavailable) {
                return devices;
            }
        }
        if (OnXcb()) {
            return std::make_unique<X11KeyCapture>(window, std::move(handler), !survey.waylandEvidence.empty());
        }
        return std::make_unique<FocusKeyCapture>(window, std::move(handler), session.KeyMap());
    };
    platform.createKeyText = []() -> std::unique_ptr<KeyText> {
        if (OnXcb()) {
            return std::make_unique<X11KeyText>();
        }
        return std::make_unique<SessionKeyText>();
    };
    platform.createKeyState = []() -> std::unique_ptr<KeyPointerState> {
        const InputSurvey survey = SurveyInput(OnXcb());
        return CreateKeyPointerState(ChooseInput(survey).dialogState, survey);
    };
    return platform;
}

} // namespace corvo::platform
