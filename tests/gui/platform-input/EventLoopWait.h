// Waiting in the event loop, so that timers, X events and posted events go on while a test waits.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace corvo::gui_testing {

inline void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// True as soon as the condition holds, false if it still does not after the time given.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000)
{
    for (int waited = 0; waited < milliseconds && !condition(); waited += 10) {
        Wait(10);
    }
    return condition();
}

// The visible top-level dialog of that class, if one is open.
template <typename Dialog>
Dialog* OpenDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

} // namespace corvo::gui_testing
