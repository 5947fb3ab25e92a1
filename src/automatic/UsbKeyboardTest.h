// The automatic test of the USB keyboards: does each one identify itself properly.
#pragma once

#include "module/KeyboardTestBase.h"

class UsbKeyboardTest : public KeyboardTestBase {
public:
    explicit UsbKeyboardTest(const ObjectId& identifier);
    ~UsbKeyboardTest() override;

    // True for a keyboard component with at least one USB keyboard.
    bool IsApplicable(SystemComponent* device) override;
    uint32_t Run(ExecutionContext* execution) override;
    bool IsInteractive() override;

    // The identification checks over every USB keyboard of the component.
    virtual uint32_t TestDevice(ExecutionContext* execution, KeyboardComponent* keyboard);
};
