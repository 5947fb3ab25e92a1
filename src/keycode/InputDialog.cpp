// The dialog frame: local event loop, one-second cancellation check and trace lines.
#include "keycode/InputDialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QLoggingCategory>
#include <QTimer>
#include <QWindow>

#include "module/ExecutionContext.h"
#include "module/Language.h"
#include "module/MessageKeys.h"
#include "platform/KeyCapture.h"

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

void ShowCaptureNote(QLabel& note, const corvo::platform::KeyCapture* capture)
{
    using Hold = corvo::platform::KeyCapture::Hold;
    const Hold state = capture != nullptr ? capture->State() : Hold::Unavailable;
    const bool shown = state == Hold::HeldElsewhere || state == Hold::FocusOnly;
    if (shown) {
        const QString text = Translated(state == Hold::HeldElsewhere ? corvo::keyboard::keys::kKeyboardHeldElsewhere
                                                                     : corvo::keyboard::keys::kKeysOnlyWhileFocused);
        if (note.text() != text) {
            note.setText(text);
        }
    }
    if (note.isVisibleTo(note.window()) == shown) {
        return;
    }
    note.setVisible(shown);
    // A dialog sized for its texts without the note grows to give the note's lines their room.
    QWidget* window = note.window();
    if (QLayout* layout = window->layout(); shown && layout != nullptr) {
        layout->activate();
        const int needed = layout->hasHeightForWidth() ? layout->heightForWidth(window->width())
                                                       : layout->sizeHint().height();
        if (needed > window->height()) {
            window->resize(window->width(), needed);
        }
    }
}

} // namespace corvo::keycode

namespace {
constexpr int kCancellationCheckMilliseconds = 1000;
}

InputDialog::InputDialog(QObject* eventFilter, QWidget* hostWindow)
    : AccessibleDialogBase(nullptr), m_hostWindow(hostWindow)
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

void InputDialog::setVisible(bool visible)
{
    if (visible) {
        AttachToHost();
    }
    AccessibleDialogBase::setVisible(visible);
}

void InputDialog::AttachToHost()
{
    QWidget* host = m_hostWindow != nullptr ? m_hostWindow->window() : QApplication::activeWindow();
    if (host == nullptr || host == this || host->windowType() == Qt::Popup) {
        host = nullptr;
        for (QWidget* candidate : QApplication::topLevelWidgets()) {
            if (candidate != this && candidate->isVisible() &&
                (candidate->windowType() == Qt::Window || candidate->windowType() == Qt::Dialog)) {
                host = candidate;
                break;
            }
        }
    }
    // Without the hint the window manager sees a dialog of Qt's hidden leader window and lets a
    // click on the host bury it, while the host waits for it.
    create();
    if (host != nullptr && host->windowHandle() != nullptr && windowHandle() != nullptr) {
        windowHandle()->setTransientParent(host->windowHandle());
    }
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &InputDialog::OnFocusWindowChanged,
            Qt::UniqueConnection);
}

void InputDialog::OnFocusWindowChanged(QWindow* window)
{
    // Another window of the host came forward (a click on it, the window manager's choice):
    // the dialog the host waits for goes back on top with the focus. Its own pop-ups may have it.
    if (!isVisible() || window == nullptr || window == windowHandle() || window->type() == Qt::Popup ||
        window->type() == Qt::ToolTip) {
        return;
    }
    // Two dialogs of this kind open at once (a test's world, never a host's) would take the
    // focus from each other for ever.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window && qobject_cast<InputDialog*>(widget) != nullptr) {
            return;
        }
    }
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) {
            raise();
            activateWindow();
        }
    });
}

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
