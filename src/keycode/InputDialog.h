// The base of the interactive tests' dialogs: its own exec with the cancellation check.
#pragma once

#include <cstdint>
#include <string>

#include <QLoggingCategory>
#include <QPointer>
#include <QString>

#include "utils/accessibility/AccessibleDialogBase.h"

class ExecutionContext;
class QLabel;
class QWindow;

namespace corvo::platform {
class KeyCapture;
}

class InputDialog : public corvo::utils::accessibility::AccessibleDialogBase {
    Q_OBJECT

public:
    // The dialog never has a parent; the host's eventFilter sees its events. It stays above
    // hostWindow (or, when the host names none, above the window that was active when it showed):
    // the window manager keeps it there as that window's transient, and the dialog raises itself
    // again whenever that window or any other of the host's becomes active while it is shown.
    explicit InputDialog(QObject* eventFilter, QWidget* hostWindow = nullptr);
    ~InputDialog() override;

    void setVisible(bool visible) override;

    // Runs the dialog in a local event loop until it finishes or the execution asks to cancel;
    // returns result().
    int exec() override;
    // Both keep the current result: only done() with a code gives a verdict.
    void accept() override;
    void reject() override;

    void SetExecution(ExecutionContext* execution) { m_execution = execution; }
    ExecutionContext* Execution() const { return m_execution; }

private:
    void AttachToHost();
    void OnFocusWindowChanged(QWindow* window);

    QPointer<QWidget> m_hostWindow;
    std::string m_text;
    ExecutionContext* m_execution = nullptr;
};

namespace corvo::keycode {

// The dialog frame's trace lines go to Qt's debug log without source context.
// The frame's trace lines go to this category, "halvik.keyboard.dialog", off by default.
const QLoggingCategory& DialogTrace();
void WriteTraceLine(const char* text);
void WriteTraceLine(const char* text, int code);

// Any of these system events ends an open dialog without a verdict; 4 alone does not.
inline constexpr uint32_t kDialogAbortEvents = 0x1FB;

// The translation of a message key in the context "KEYBOARD".
QString Translated(const char* key);

// Shows in note why keys may not show while the capture does not hold the keyboard, and hides it
// while it does.
void ShowCaptureNote(QLabel& note, const corvo::platform::KeyCapture* capture);

} // namespace corvo::keycode
