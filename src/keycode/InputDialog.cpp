// The dialog frame: local event loop, one-second cancellation check and trace lines.
#include "keycode/InputDialog.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

#include "module/ExecutionContext.h"
#include "module/Language.h"

namespace corvo::keycode {

// Debugging output for whoever follows a dialog's life, not for a technician: off unless enabled
// with QT_LOGGING_RULES="halvik.keyboard.dialog.debug=true".
Q_LOGGING_CATEGORY(g_dialogTrace, "halvik.keyboard.dialog", QtWarningMsg)

const QLoggingCategory& DialogTrace() { return g_dialogTrace(); }

// Without source context, as the lines always were, whatever the build type.
void WriteTraceLine(const char* text)
{
    if (g_dialogTrace().isDebugEnabled()) {
        QMessageLogger(nullptr, 0, nullptr, g_dialogTrace().categoryName()).debug().noquote() << text;
    }
}

void WriteTraceLine(const char* text, int code)
{
    if (g_dialogTrace().isDebugEnabled()) {
        QMessageLogger(nullptr, 0, nullptr, g_dialogTrace().categoryName()).debug().noquote().nospace() << text << code;
    }
}

QString Translated(const char* key)
{
    return QString::fromStdString(corvo::keyboard::TranslateKey(corvo::keyboard::kContextKeyboard, key));
}

} // namespace corvo::keycode

namespace {
constexpr int kCancellationCheckMilliseconds = 1000;
}

InputDialog::InputDialog(QObject* eventFilter) : AccessibleDialogBase(nullptr)
{
    if (eventFilter != nullptr) {
        installEventFilter(eventFilter);
    }
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::WindowModal);
    setModal(true);
}

InputDialog::~InputDialog() = default;

int InputDialog::exec()
{
    using corvo::keycode::WriteTraceLine;
    QEventLoop loop;
    connect(this, SIGNAL(finished(int)), &loop, SLOT(quit()));

    QTimer cancellationCheck;
    connect(
        &cancellationCheck, &QTimer::timeout, &cancellationCheck,
        [this] {
            // Ends the loop without touching the result, so a cancelled dialog reports the code
            // it had.
            if (m_execution != nullptr && m_execution->IsCancelRequested()) {
                emit finished(0);
            }
        },
        Qt::DirectConnection);

    WriteTraceLine("Before show: ", result());
    show();
    WriteTraceLine("Before loop: ", result());
    cancellationCheck.start(kCancellationCheckMilliseconds);
    loop.exec();
    WriteTraceLine("After the event loop: ", result());
    return result();
}

void InputDialog::accept()
{
    done(result());
}

void InputDialog::reject()
{
    done(result());
}
