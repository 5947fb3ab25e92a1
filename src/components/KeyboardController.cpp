// Switching the keyboard interrupt, echo and reset exchanges with the keyboard behind an i8042.
#include "components/KeyboardController.h"

#include <utility>

#include "intervention/UserInterventionDetector.h"
#include "platform/HDXService.h"
#include "platform/hwkit.h"

namespace {

constexpr uint32_t kPollMilliseconds = 100;
constexpr double kBufferWaitSeconds = 2.0;
constexpr double kAttemptWaitSeconds = 1.0;
constexpr uint32_t kDetectMilliseconds = 100;

// Measures from the moment it is made, in the platform timer's seconds.
class Stopwatch {
public:
    Stopwatch() : m_timer(hwkit::get_timer()), m_start(m_timer->GetTick()) {}
    double Elapsed() const { return m_timer->ElapsedSeconds(m_start, m_timer->GetTick()); }
    void Sleep(uint32_t milliseconds) const { m_timer->Sleep(milliseconds); }

private:
    hwkit::Timer* m_timer;
    uint32_t m_start;
};

} // namespace

KeyboardController::KeyboardController(std::function<HDXService*()> service) : m_service(std::move(service)) {}

uint8_t KeyboardController::ReadPort(uint16_t port)
{
    HDXService* service = m_service();
    if (service == nullptr) {
        // A service that went away reads as a controller with nothing to say and a full input
        // buffer, which every wait below treats as "no answer".
        return port == kStatusPort ? kInputBufferFull : 0;
    }
    HDXPortRequest request{port, 0, 1};
    uint32_t value = 0;
    service->ReadPort(&request, &value);
    return static_cast<uint8_t>(value & 0xFF);
}

void KeyboardController::WritePort(uint16_t port, uint8_t value)
{
    if (HDXService* service = m_service()) {
        HDXPortWriteRequest request{port, 0, 1, &value};
        service->WritePort(&request);
    }
}

bool KeyboardController::WaitForInputBufferEmpty(double timeoutSeconds)
{
    const Stopwatch stopwatch;
    while (true) {
        if ((ReadPort(kStatusPort) & kInputBufferFull) == 0) {
            return true;
        }
        stopwatch.Sleep(kPollMilliseconds);
        if (stopwatch.Elapsed() > timeoutSeconds) {
            return false;
        }
    }
}

bool KeyboardController::WriteConfiguration(uint8_t configuration)
{
    if (!WaitForInputBufferEmpty(kBufferWaitSeconds)) {
        return false;
    }
    WritePort(kStatusPort, kWriteConfiguration);
    if (!WaitForInputBufferEmpty(kBufferWaitSeconds)) {
        return false;
    }
    WritePort(kDataPort, configuration);
    return true;
}

bool KeyboardController::DisableKeyboardInterrupts() { return WriteConfiguration(kConfigurationInterruptOff); }

// Writes the fixed "on" configuration rather than one read earlier: what matters afterwards is
// that the keyboard interrupt runs again.
bool KeyboardController::EnableKeyboardInterrupts() { return WriteConfiguration(kConfigurationInterruptOn); }

ControllerReadStatus KeyboardController::ReadControllerResponse(uint8_t& data, bool& foreignInput, double timeoutSeconds)
{
    const Stopwatch stopwatch;
    ControllerReadStatus status = ControllerReadStatus::None;
    while (true) {
        if (stopwatch.Elapsed() > timeoutSeconds) {
            return status;
        }
        const uint8_t controllerStatus = ReadPort(kStatusPort);
        if ((controllerStatus & kOutputBufferFull) != 0) {
            if ((controllerStatus & kAuxiliaryData) != 0) {
                // The pointer's byte is left for the system's own driver.
                status = ControllerReadStatus::AuxiliaryData;
                foreignInput = true;
            } else {
                status = (controllerStatus & kParityError) != 0    ? ControllerReadStatus::ParityError
                    : (controllerStatus & kTimeoutError) != 0      ? ControllerReadStatus::TimeoutError
                                                                   : ControllerReadStatus::KeyboardData;
                data = ReadPort(kDataPort);
                return status;
            }
        }
        stopwatch.Sleep(kPollMilliseconds);
    }
}

bool KeyboardController::EchoKeyboard(bool& foreignInput, double timeoutSeconds)
{
    const Stopwatch overall;
    while (overall.Elapsed() < timeoutSeconds) {
        // Wait until the controller can take a byte: nothing in its input buffer, and nothing of
        // the keyboard's waiting unless that byte is an error report.
        bool send = false;
        const Stopwatch attempt;
        while (attempt.Elapsed() <= kAttemptWaitSeconds) {
            const uint8_t status = ReadPort(kStatusPort);
            const bool inputFull = (status & kInputBufferFull) != 0;
            const bool outputFull = (status & kOutputBufferFull) != 0;
            const bool pointerData = outputFull && (status & kAuxiliaryData) != 0;
            const bool errorByte = outputFull && !pointerData && (status & (kTimeoutError | kParityError)) != 0;
            if (pointerData) {
                foreignInput = true;
            }
            if (!inputFull && (!outputFull || errorByte)) {
                send = true;
                break;
            }
            attempt.Sleep(kPollMilliseconds);
        }
        if (!send) {
            continue;
        }
        WritePort(kDataPort, kEcho);
        while (true) {
            uint8_t reply = 0;
            const ControllerReadStatus status = ReadControllerResponse(reply, foreignInput, kAttemptWaitSeconds);
            if (status == ControllerReadStatus::KeyboardData && (reply == kEcho || reply == kAcknowledge)) {
                return true;
            }
            if (status == ControllerReadStatus::KeyboardData || status == ControllerReadStatus::AuxiliaryData) {
                continue;
            }
            if (status == ControllerReadStatus::TimeoutError) {
                return false;
            }
            break; // None or ParityError: try again while time remains
        }
    }
    return false;
}

bool KeyboardController::ResetKeyboard(bool& foreignInput, UserInterventionDetector& detector, double timeoutSeconds)
{
    if (detector.Detect(kDetectMilliseconds)) {
        foreignInput = true;
        return false;
    }
    const Stopwatch overall;
    while (overall.Elapsed() < timeoutSeconds) {
        const Stopwatch attempt;
        uint8_t status = ReadPort(kStatusPort);
        while ((status & kInputBufferFull) != 0 && attempt.Elapsed() <= kAttemptWaitSeconds) {
            attempt.Sleep(kPollMilliseconds);
            status = ReadPort(kStatusPort);
        }
        if ((status & kInputBufferFull) != 0) {
            foreignInput = true;
            return false;
        }
        if ((status & kOutputBufferFull) != 0 && (status & kAuxiliaryData) != 0) {
            foreignInput = true;
        }
        WritePort(kDataPort, kReset);

        bool resend = false;
        while (!resend) {
            uint8_t reply = 0;
            const ControllerReadStatus replyStatus = ReadControllerResponse(reply, foreignInput, kAttemptWaitSeconds);
            switch (replyStatus) {
            case ControllerReadStatus::KeyboardData:
                if (reply == kAcknowledge) {
                    continue;
                }
                if (reply == kSelfTestPassed) {
                    return true;
                }
                if (reply == kResend) {
                    resend = true;
                    continue;
                }
                if (reply != kSelfTestFailed1 && reply != kSelfTestFailed2) {
                    // A scan code or anything else: somebody typed during the reset.
                    foreignInput = true;
                }
                return false;
            case ControllerReadStatus::AuxiliaryData:
                foreignInput = true;
                return false;
            case ControllerReadStatus::TimeoutError:
                return false;
            case ControllerReadStatus::None:
            case ControllerReadStatus::ParityError:
                resend = true;
                break;
            }
        }
    }
    return false;
}
