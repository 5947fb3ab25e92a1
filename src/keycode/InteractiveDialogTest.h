// The run both interactive tests share: check for a keyboard, hand the host a dialog request,
// turn the user's verdict into the result.
#pragma once

#include <memory>

#include "module/KeyboardTestBase.h"

class AbstractWidgetWrapper;
class ExecutionContext;

class InteractiveDialogTest : public KeyboardTestBase {
public:
    // titleKey names the request's title; it must outlive the test (a message key constant).
    InteractiveDialogTest(const ObjectId& identifier, const char* titleKey);
    ~InteractiveDialogTest() override;

    // The dialogs work with any keyboard; the run itself checks for one.
    bool IsApplicable(SystemComponent* device) override;
    uint32_t Run(ExecutionContext* execution) override;
    bool IsInteractive() override;

protected:
    InteractiveDialogTest(const InteractiveDialogTest&) = default;

    // The wrapper that builds this test's dialog on the host's user-interface thread.
    virtual std::unique_ptr<AbstractWidgetWrapper> MakeDialogWrapper(ExecutionContext* execution) = 0;

private:
    const char* m_titleKey;
};
