// The PS/2 keyboard test: quiet phases, up to 100 resets, typematic restore and key release.
#include "automatic/PS2KeyboardTest.h"

#include <string>

#include "components/KeyboardComponent.h"
#include "intervention/UserInterventionDetector.h"
#include "module/ExecutionContext.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ProgressReporter.h"
#include "module/TestResult.h"
#include "platform/hwkit.h"

using namespace corvo::keyboard;

namespace {

constexpr uint32_t kSettleMilliseconds = 500;
constexpr uint32_t kQuietPassMilliseconds = 20;
constexpr uint32_t kDetectMilliseconds = 100;
constexpr double kQuietSeconds = 2.0;
constexpr double kExchangeSeconds = 2.0;
constexpr int kResetAttempts = 100;
constexpr uint32_t kWatchKeyboardAndPointer = UserInterventionDetector::WatchKeyboard | UserInterventionDetector::WatchPointer;
// Sent literally: this one text is not a message key.
constexpr char kInternalError[] = "Internal error.";

} // namespace

PS2KeyboardTest::PS2KeyboardTest(const ObjectId& identifier) : KeyboardTestBase(identifier, kAutomaticTestEventMask) {}

PS2KeyboardTest::~PS2KeyboardTest() = default;

bool PS2KeyboardTest::IsApplicable(SystemComponent* device)
{
    auto* keyboard = dynamic_cast<KeyboardComponent*>(device);
    return keyboard != nullptr && keyboard->HasDriverService() && keyboard->IsPs2KeyboardPresent();
}

bool PS2KeyboardTest::IsInteractive() { return false; }

PS2KeyboardTest::QuietOutcome PS2KeyboardTest::QuietPhase(ExecutionContext* execution, UserInterventionDetector& detector)
{
    hwkit::Timer* timer = hwkit::get_timer();
    const uint32_t start = timer->GetTick();
    do {
        timer->Sleep(kQuietPassMilliseconds);
        if (execution->IsCancelRequested()) {
            return QuietOutcome::Cancelled;
        }
        if (SystemEventHappened(execution)) {
            return QuietOutcome::SystemEvent;
        }
        if (detector.Detect(kDetectMilliseconds)) {
            return QuietOutcome::Intervention;
        }
    } while (timer->ElapsedSeconds(start, timer->GetTick()) < kQuietSeconds);
    return QuietOutcome::Quiet;
}

uint32_t PS2KeyboardTest::EndQuietPhase(ExecutionContext* execution, QuietOutcome outcome)
{
    switch (outcome) {
    case QuietOutcome::Cancelled:
        return AbortForCancel(execution);
    case QuietOutcome::SystemEvent:
        return AbortWith(execution, keys::kSystemEventAbort);
    case QuietOutcome::Intervention:
        Message(execution, keys::kUserIntervention, Information);
        Progress(execution, 100, keys::kUserIntervention);
        return Aborted;
    case QuietOutcome::Quiet:
        break;
    }
    return Passed;
}

uint32_t PS2KeyboardTest::Run(ExecutionContext* execution)
{
    m_keysTouched = false;
    if (!HasCompleteExecution(execution)) {
        return InternalError;
    }
    Progress(execution, 0);
    KeyboardComponent* keyboard = KeyboardOf(execution);
    if (keyboard == nullptr) {
        return InternalError;
    }
    const bool ps2Keyboard = keyboard->IsPs2KeyboardPresent();
    if (!ps2Keyboard || !keyboard->HasDriverService()) {
        // A keyboard the firmware reports is not to blame for a driver service that cannot serve:
        // the loader's reason, in its own words, tells the technician what to mend.
        const std::string reason = ps2Keyboard ? keyboard->DriverServiceProblem() : "";
        const std::string note = reason.empty() ? keys::kDeviceNotIdentified : reason;
        Progress(execution, 100, note);
        Message(execution, note, Information);
        return NotRun;
    }
    if (execution->IsCancelRequested()) {
        return AbortForCancel(execution);
    }
    if (SystemEventHappened(execution)) {
        return AbortWith(execution, keys::kSystemEventAbort);
    }
    ProgressReporter* reporter = execution->GetProgressReporter();
    if (reporter->AcceptsInputRequests()) {
        InputRequest notice = InputRequest::Notice(keys::kPs2KeyboardTest, keys::kAvoidUserIntervention, execution);
        reporter->RequestInput(notice);
    }

    hwkit::get_timer()->Sleep(kSettleMilliseconds);
    const std::unique_ptr<UserInterventionDetector> detector =
        UserInterventionDetector::Create(kWatchKeyboardAndPointer, keyboard->KeyState());

    const QuietOutcome before = QuietPhase(execution, *detector);
    if (before != QuietOutcome::Quiet) {
        return EndQuietPhase(execution, before);
    }
    Progress(execution, 25);

    uint32_t result = TestDevice(keyboard, execution, *detector);
    Progress(execution, 50);

    if (!keyboard->RestoreTypematic()) {
        Message(execution, keys::kCouldNotRestoreTypematic, Warning);
        Progress(execution, 100, keys::kCouldNotRestoreTypematic);
        if (result == Passed) {
            result = PassedWithWarnings;
        }
    }
    if (m_keysTouched) {
        keyboard->ReleasePressedKeys();
    }
    Progress(execution, 75);

    const QuietOutcome after = QuietPhase(execution, *detector);
    if (after != QuietOutcome::Quiet) {
        return EndQuietPhase(execution, after);
    }
    Progress(execution, 100);
    return result;
}

uint32_t PS2KeyboardTest::TestDevice(KeyboardComponent* keyboard, ExecutionContext* execution,
                                     UserInterventionDetector& detector)
{
    if (keyboard == nullptr) {
        return InternalError;
    }
    if (!keyboard->HasDriverService()) {
        Message(execution, kInternalError, Warning);
        return InternalError;
    }
    hwkit::get_timer()->Sleep(100);
    if (detector.Detect(kDetectMilliseconds)) {
        return Aborted;
    }
    if (!keyboard->DisableKeyboardInterrupts()) {
        Message(execution, keys::kCouldNotDisableInterrupts, Warning);
        return Aborted;
    }

    // From here on the keyboard interrupt is off: every path below goes through the re-enable.
    uint32_t result = Passed;
    bool foreignInput = false;
    bool passed = false;
    bool stopped = false;
    for (int attempt = 0; attempt < kResetAttempts; ++attempt) {
        if (execution->IsCancelRequested() || SystemEventHappened(execution)) {
            result = Aborted;
            stopped = true;
            break;
        }
        m_keysTouched = true;
        if (keyboard->ResetKeyboard(foreignInput, detector, kExchangeSeconds)) {
            passed = true;
            break;
        }
        if (foreignInput) {
            result = Aborted;
            stopped = true;
            break;
        }
    }
    if (!passed && !stopped && (execution->IsCancelRequested() || SystemEventHappened(execution))) {
        // The echo would keep the interrupt off for seconds more after the last reset.
        result = Aborted;
        stopped = true;
    }
    if (!passed && !stopped) {
        if (keyboard->IsPs2KeyboardPresent()) {
            result = Failed;
        } else if (keyboard->EchoKeyboard(foreignInput, kExchangeSeconds)) {
            result = Failed;
        } else {
            if (!foreignInput) {
                Message(execution, keys::kCheckConnections, Information);
            }
            result = Aborted;
        }
    }

    if (!keyboard->EnableKeyboardInterrupts()) {
        Message(execution, keys::kCouldNotReenableInterrupts, Warning);
        if (result == Passed) {
            result = PassedWithWarnings;
        }
    }
    return result;
}
