// The dialog frame: local event loop, one-second cancellation check and trace lines.
#include "keycode/InputDialog.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <QTimer>

#include "module/ExecutionContext.h"
#include "module/Language.h"

namespace corvo::keycode {

void WriteTraceLine(const char* text)
{
    QMessageLogger(nullptr, 0, nullptr).debug().noquote() << text;
}

void WriteTraceLine(const char* text, int code)
{
    QMessageLogger(nullptr, 0, nullptr).debug().noquote().nospace() << text << code;
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
