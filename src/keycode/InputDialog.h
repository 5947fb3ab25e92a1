// The base of the interactive tests' dialogs: its own exec with the cancellation check.
#pragma once

#include <cstdint>
#include <string>

#include <QLoggingCategory>
#include <QString>

#include "utils/accessibility/AccessibleDialogBase.h"

class ExecutionContext;

class InputDialog : public corvo::utils::accessibility::AccessibleDialogBase {
    Q_OBJECT

public:
    // The dialog never has a parent; the host's eventFilter sees its events.
    explicit InputDialog(QObject* eventFilter);
    ~InputDialog() override;

    // Runs the dialog in a local event loop until it finishes or the execution asks to cancel;
    // returns result().
    int exec() override;
    // Both keep the current result: only done() with a code gives a verdict.
    void accept() override;
    void reject() override;

    void SetExecution(ExecutionContext* execution) { m_execution = execution; }
    ExecutionContext* Execution() const { return m_execution; }

private:
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

} // namespace corvo::keycode
