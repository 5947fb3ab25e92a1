// Asks the host to show the keycode dialog and turns the user's answer into the result.
#include "keycode/KeycodeVerificationTest.h"

#include "components/KeyboardComponent.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/ExecutionContext.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ProgressReporter.h"
#include "module/TestResult.h"

using namespace corvo::keyboard;

namespace {
constexpr uint32_t kDialogYes = 3;
constexpr uint32_t kDialogNo = 4;
} // namespace

KeycodeVerificationTest::KeycodeVerificationTest(const ObjectId& identifier)
    : KeyboardTestBase(identifier, kInteractiveTestEventMask)
{
}

KeycodeVerificationTest::~KeycodeVerificationTest() = default;

bool KeycodeVerificationTest::IsApplicable(SystemComponent*)
{
    return true;
}

bool KeycodeVerificationTest::IsInteractive()
{
    return true;
}

uint32_t KeycodeVerificationTest::Run(ExecutionContext* execution)
{
    KeyboardComponent* keyboard = KeyboardOf(execution);
    if (keyboard == nullptr) {
        return InternalError;
    }
    // The reporter is asked before the completeness check below; without one there is nobody
    // to show the dialog to.
    ProgressReporter* reporter = execution->GetProgressReporter();
    if (reporter == nullptr) {
        return InternalError;
    }
    keyboard->RefreshUsbKeyboards();
    if (keyboard->GetUsbKeyboards().empty() && !keyboard->IsPs2KeyboardPresent()) {
        return AbortWith(execution, keys::kDeviceNotIdentified);
    }
    if (!reporter->AcceptsInputRequests()) {
        return NotRun;
    }
    if (!HasCompleteExecution(execution)) {
        return InternalError;
    }
    for (int pass = 0; pass < 2; ++pass) {
        keyboard->RefreshUsbKeyboards();
        Progress(execution, 0);
    }
    if (SystemEventHappened(execution)) {
        return AbortWith(execution, keys::kSystemEventAbort);
    }
    if (execution->IsCancelRequested()) {
        return AbortForCancel(execution);
    }

    KeyboardWidgetWrapper<WinKeycodeTestWidget> wrapper(execution, execution->GetSystemEventSource());
    InputRequest request = InputRequest::Dialog(&wrapper, keys::kKeycodeInputTitle);
    Progress(execution, 30);
    reporter->RequestInput(request);
    Progress(execution, 100);

    if (SystemEventHappened(execution)) {
        return AbortWith(execution, keys::kSystemEventAbort);
    }
    if (request.answer == kDialogYes) {
        return Passed;
    }
    if (request.answer == kDialogNo) {
        return Failed;
    }
    return Aborted;
}
