// Runs an interactive test as a host does: the test on a worker thread, its dialog on this thread,
// a script driving the dialog once it holds the keyboard. For programs that link host_common.
#pragma once

#include <gtest/gtest.h>

#include "EventLoopWait.h"
#include "HostExecution.h"
#include "KeyboardFixture.h"
#include "SyntheticInput.h"
#include "TestRunner.h"
#include "components/KeyboardComponent.h"
#include "keycode/AbstractWidgetWrapper.h"
#include "module/InputRequest.h"
#include "module/Test.h"

namespace corvo::gui_testing {

struct InteractiveRun {
    uint32_t result = 0;
    uint32_t answer = 99; // what the dialog returned to the host
    corvo::hosts::RunRecord record;
};

// The machine reports a PS/2 keyboard, so the test always reaches its dialog. afterScript runs
// right after the script, still inside the dialog's loop (to close a dialog the script left open).
template <typename Dialog>
InteractiveRun RunInteractiveTest(Test& test, keyboardtest::ScriptedMachine& machine, SyntheticInput& input,
                                  const std::function<void(Dialog&, corvo::hosts::HostExecution&)>& script,
                                  const std::function<void(Dialog*)>& afterScript = {})
{
    constexpr size_t kPs2KeyboardPortFlag = 9;
    machine.SetPs2Flag(kPs2KeyboardPortFlag);
    KeyboardComponent keyboard("0", machine.Platform());
    InteractiveRun run;
    std::unique_ptr<corvo::hosts::HostExecution> execution;
    corvo::hosts::HostExecution::Callbacks callbacks;
    callbacks.onInputRequest = [&](InputRequest& request) {
        const auto showAndDrive = [&] {
            QTimer::singleShot(0, [&] {
                Dialog* dialog = OpenDialog<Dialog>();
                if (dialog == nullptr || !WaitFor([&input] { return input.IsKeyboardGrabbedElsewhere(); })) {
                    ADD_FAILURE() << "no dialog with the keyboard";
                    return;
                }
                script(*dialog, *execution);
                if (afterScript) {
                    afterScript(dialog);
                }
            });
            run.answer = request.answer = static_cast<uint32_t>(request.widgetWrapper->Execute(nullptr, nullptr, 0));
        };
        QMetaObject::invokeMethod(qApp, showAndDrive, Qt::BlockingQueuedConnection);
    };
    execution = std::make_unique<corvo::hosts::HostExecution>(&keyboard, true, callbacks);
    const corvo::hosts::RunOutcome outcome = corvo::hosts::RunOnWorkerThread(
        test, *execution, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
    run.result = outcome.result;
    run.record = execution->Record();
    return run;
}

} // namespace corvo::gui_testing
