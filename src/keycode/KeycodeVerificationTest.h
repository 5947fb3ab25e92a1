// The interactive test in which the user types freely and then judges the keyboard.
#pragma once

#include "module/KeyboardTestBase.h"

class KeycodeVerificationTest : public KeyboardTestBase {
public:
    explicit KeycodeVerificationTest(const ObjectId& identifier);
    ~KeycodeVerificationTest() override;

    // The dialog works with any keyboard; the run itself checks for one.
    bool IsApplicable(SystemComponent* device) override;
    uint32_t Run(ExecutionContext* execution) override;
    bool IsInteractive() override;
};
