// Tests and dialogs that stand in for the module's in the desktop host's tests.
#pragma once

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <atomic>
#include <functional>
#include <utility>

#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "keycode/AbstractWidgetWrapper.h"
#include "module/ExecutionContext.h"
#include "module/Test.h"

namespace corvo::gui_testing {

// A test whose run is the given function; records the thread it ran on.
class ScriptedTest : public Test {
public:
    using Body = std::function<uint32_t(ExecutionContext*)>;
    ScriptedTest(const ObjectId& identifier, Body body, bool interactive = false)
        : Test(identifier)
        , m_body(std::move(body))
        , m_interactive(interactive)
    {
    }

    bool IsApplicable(SystemComponent*) override { return true; }
    uint32_t Run(ExecutionContext* execution) override
    {
        runThread.store(QThread::currentThread());
        return m_body(execution);
    }
    bool IsInteractive() override { return m_interactive; }

    std::atomic<QThread*> runThread{nullptr};

private:
    Body m_body;
    bool m_interactive;
};

// Shows a real dialog with a Yes and a No button, posts itself one QEvent::User per "key shown"
// as the module's dialogs do, and has the button for its answer clicked with the X pointer once
// the window is on screen. What it saw is kept for the test to check.
class ClickedDialogWrapper : public AbstractWidgetWrapper {
public:
    ClickedDialogWrapper(bool yes, int keysShown, const std::atomic<bool>* workerReturned)
        : m_yes(yes)
        , m_keysShown(keysShown)
        , m_workerReturned(workerReturned)
    {
    }

    int32_t Execute(QWidget* hostWindow, QObject* eventFilter, int value) override
    {
        executeThread = QThread::currentThread();
        seenHostWindow = hostWindow;
        seenValue = value;
        // Like the module's dialogs: no parent, the host's filter on the dialog itself.
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Keyboard check"));
        if (eventFilter != nullptr) {
            dialog.installEventFilter(eventFilter);
        }
        auto* layout = new QHBoxLayout(&dialog);
        auto* yes = new QPushButton(QStringLiteral("Yes"), &dialog);
        auto* no = new QPushButton(QStringLiteral("No"), &dialog);
        yes->setMinimumSize(120, 60);
        no->setMinimumSize(120, 60);
        layout->addWidget(yes);
        layout->addWidget(no);
        QObject::connect(yes, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(3); });
        QObject::connect(no, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(4); });
        for (int key = 0; key < m_keysShown; ++key) {
            QCoreApplication::postEvent(&dialog, new QEvent(QEvent::User));
        }

        SyntheticInput input(TestDisplay());
        QElapsedTimer clock;
        clock.start();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
            QPushButton* target = m_yes ? yes : no;
            if (dialog.windowHandle() != nullptr && dialog.windowHandle()->isExposed() && target->isVisible()
                && input.IsConnected()) {
                poll.stop();
                workerBlockedWhileShown = m_workerReturned == nullptr || !m_workerReturned->load();
                const QPoint centre = target->mapToGlobal(target->rect().center());
                input.MovePointer(centre.x(), centre.y());
                input.PressButton(1);
                input.ReleaseButton(1);
            } else if (clock.elapsed() > 10000) {
                poll.stop();
                dialog.done(0);
            }
        });
        poll.start(20);
        const int result = dialog.exec();
        return result;
    }

    QThread* executeThread = nullptr;
    QWidget* seenHostWindow = nullptr;
    int seenValue = -1;
    bool workerBlockedWhileShown = false;

private:
    bool m_yes;
    int m_keysShown;
    const std::atomic<bool>* m_workerReturned;
};

// Runs the event loop until the condition holds or the time is up; returns the condition.
inline bool ProcessEventsUntil(const std::function<bool()>& condition, int milliseconds = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return condition();
}

} // namespace corvo::gui_testing
