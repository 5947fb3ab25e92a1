// The advanced test: its dialog is the layout picture with the key capture.
#include "advanced/AdvancedTest.h"

#include "advanced/WinAdvancedTestWidget.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "module/ExecutionContext.h"
#include "module/MessageKeys.h"

AdvancedTest::AdvancedTest(const ObjectId& identifier)
    : InteractiveDialogTest(identifier, corvo::keyboard::keys::kAdvancedTestInputTitle)
{
}

AdvancedTest::~AdvancedTest() = default;

std::unique_ptr<AbstractWidgetWrapper> AdvancedTest::MakeDialogWrapper(ExecutionContext* execution)
{
    return std::make_unique<KeyboardWidgetWrapper<WinAdvancedTestWidget>>(execution,
                                                                          execution->GetSystemEventSource());
}
