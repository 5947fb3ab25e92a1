// The keycode test: its dialog is the keycode dialog.
#include "keycode/KeycodeVerificationTest.h"

#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/ExecutionContext.h"
#include "module/MessageKeys.h"

KeycodeVerificationTest::KeycodeVerificationTest(const ObjectId& identifier)
    : InteractiveDialogTest(identifier, corvo::keyboard::keys::kKeycodeInputTitle)
{
}

KeycodeVerificationTest::~KeycodeVerificationTest() = default;

std::unique_ptr<AbstractWidgetWrapper> KeycodeVerificationTest::MakeDialogWrapper(ExecutionContext* execution)
{
    return std::make_unique<KeyboardWidgetWrapper<WinKeycodeTestWidget>>(execution,
                                                                         execution->GetSystemEventSource());
}
