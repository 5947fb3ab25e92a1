// The interactive test in which the user presses every key of the laptop's layout and watches
// each one light up.
#pragma once

#include "keycode/InteractiveDialogTest.h"

class AdvancedTest : public InteractiveDialogTest {
public:
    explicit AdvancedTest(const ObjectId& identifier);
    ~AdvancedTest() override;

protected:
    std::unique_ptr<AbstractWidgetWrapper> MakeDialogWrapper(ExecutionContext* execution) override;
};
