// Moving a frameless dialog by its header bar.
#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

namespace corvo::keycode {

// A press on the header (not on its close button) starts a drag; moves follow the pointer until a
// release over the header ends it.
class HeaderDrag {
public:
    void Press(QWidget* dialog, const QWidget* header, const QWidget* closeButton, const QMouseEvent* event)
    {
        if (header->underMouse() && !closeButton->underMouse()) {
            m_dragging = true;
            m_origin = event->position().toPoint();
            dialog->setCursor(Qt::ClosedHandCursor);
        }
    }

    void Move(QWidget* dialog, const QMouseEvent* event) const
    {
        if (m_dragging) {
            dialog->move(event->globalPosition().toPoint() - m_origin);
        }
    }

    void Release(QWidget* dialog, const QWidget* header)
    {
        if (header->underMouse()) {
            m_dragging = false;
            dialog->unsetCursor();
        }
    }

    bool IsDragging() const { return m_dragging; }

private:
    QPoint m_origin;
    bool m_dragging = false;
};

} // namespace corvo::keycode
