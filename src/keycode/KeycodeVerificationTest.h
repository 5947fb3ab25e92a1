// The interactive test in which the user types freely and then judges the keyboard.
#pragma once

#include "keycode/InteractiveDialogTest.h"

class KeycodeVerificationTest : public InteractiveDialogTest {
public:
    explicit KeycodeVerificationTest(const ObjectId& identifier);
    ~KeycodeVerificationTest() override;

protected:
    std::unique_ptr<AbstractWidgetWrapper> MakeDialogWrapper(ExecutionContext* execution) override;
};
