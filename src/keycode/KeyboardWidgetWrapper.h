// Builds a test's dialog on the host's user-interface thread, runs it and returns its verdict.
#pragma once

#include "keycode/AbstractWidgetWrapper.h"
#include "keycode/InputDialog.h"

class ExecutionContext;
class SystemEventSource;

template <typename W>
class KeyboardWidgetWrapper : public AbstractWidgetWrapper {
public:
    KeyboardWidgetWrapper(ExecutionContext* execution, SystemEventSource* systemEventSource)
        : m_execution(execution), m_systemEventSource(systemEventSource)
    {
    }

    int32_t Execute(QWidget* hostWindow, QObject* eventFilter, int value) override
    {
        W dialog(hostWindow, eventFilter, m_systemEventSource, value);
        dialog.SetExecution(m_execution);
        corvo::keycode::WriteTraceLine("exec filter installed");
        // Shown once on top and hidden again, so that the window comes to the front before it
        // runs.
        dialog.setWindowFlags(dialog.windowFlags() | Qt::WindowStaysOnTopHint);
        dialog.open();
        dialog.hide();
        dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowStaysOnTopHint);
        const int32_t code = dialog.InputDialog::exec();
        corvo::keycode::WriteTraceLine("Returning: ", code);
        return code;
    }

private:
    ExecutionContext* m_execution;
    SystemEventSource* m_systemEventSource;
};
