// Key capture from the key events Qt gives the dialog while it has the focus.
#pragma once

#include <QObject>
#include <QPointer>

#include "platform/KeyCapture.h"
#include "platform/linux/VirtualKeyMap.h"

class QWidget;

namespace corvo::platform {

// For systems that let no program hold the keyboard: a Wayland session whose event devices this
// process cannot read. Keys typed while another window has the focus go unseen, and the desktop's
// own shortcuts still act; the dialog says so. Native scan codes are XKB keycodes on both of Qt's
// Linux platforms, and map translates them.
class FocusKeyCapture : public QObject, public KeyCapture {
public:
    FocusKeyCapture(QWidget* window, Handler handler, VirtualKeyMap map);
    ~FocusKeyCapture() override;

    Hold State() const override { return Hold::FocusOnly; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    Handler m_handler;
    VirtualKeyMap m_map;
    // The key event last given to the handler and its first receiver, to know it again as it
    // travels up to the dialog.
    const QEvent* m_lastEvent = nullptr;
    quint64 m_lastTimestamp = 0;
    QPointer<QWidget> m_lastReceiver;
};

} // namespace corvo::platform
