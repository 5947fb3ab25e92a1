// The automatic test of a PS/2 keyboard: resets it through the keyboard controller and judges
// its self-test, with the keyboard interrupt switched off only around the exchange.
#pragma once

#include "module/KeyboardTestBase.h"

class UserInterventionDetector;

class PS2KeyboardTest : public KeyboardTestBase {
public:
    explicit PS2KeyboardTest(const ObjectId& identifier);
    ~PS2KeyboardTest() override;

    // True for a keyboard component with a ready driver service and a firmware-reported PS/2
    // keyboard.
    bool IsApplicable(SystemComponent* device) override;
    uint32_t Run(ExecutionContext* execution) override;
    bool IsInteractive() override;

    // The exchange with the keyboard, interrupts off between switching them off and on.
    virtual uint32_t TestDevice(KeyboardComponent* keyboard, ExecutionContext* execution,
                                UserInterventionDetector& detector);

private:
    enum class QuietOutcome { Quiet, Cancelled, SystemEvent, Intervention };

    // Two seconds in which nobody may touch keyboard or pointer.
    QuietOutcome QuietPhase(ExecutionContext* execution, UserInterventionDetector& detector);
    static uint32_t EndQuietPhase(ExecutionContext* execution, QuietOutcome outcome);

    bool m_keysTouched = false;
};
