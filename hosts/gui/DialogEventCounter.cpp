// Counting of the user events a dialog posts while it runs.
#include "DialogEventCounter.h"

#include <QEvent>

namespace corvo::hosts::gui {

void DialogEventCounter::Reset()
{
    if (m_count != 0) {
        m_count = 0;
        emit countChanged(m_count);
    }
}

bool DialogEventCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::User) {
        ++m_count;
        emit countChanged(m_count);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace corvo::hosts::gui
