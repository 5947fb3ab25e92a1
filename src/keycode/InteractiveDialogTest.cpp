// Asks the host to show a test's dialog and turns the user's answer into the result.
#include "keycode/InteractiveDialogTest.h"

#include "components/KeyboardComponent.h"
#include "keycode/AbstractWidgetWrapper.h"
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

InteractiveDialogTest::InteractiveDialogTest(const ObjectId& identifier, const char* titleKey)
    : KeyboardTestBase(identifier, kInteractiveTestEventMask), m_titleKey(titleKey)
{
}

InteractiveDialogTest::~InteractiveDialogTest() = default;

bool InteractiveDialogTest::IsApplicable(SystemComponent*)
{
    return true;
}

bool InteractiveDialogTest::IsInteractive()
{
    return true;
}

uint32_t InteractiveDialogTest::Run(ExecutionContext* execution)
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
    // Also before the completeness check: AbortWith sends its message only to a sink that exists.
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

    const std::unique_ptr<AbstractWidgetWrapper> wrapper = MakeDialogWrapper(execution);
    InputRequest request = InputRequest::Dialog(wrapper.get(), m_titleKey);
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
