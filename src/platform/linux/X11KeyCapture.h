// Key capture on X11: a keyboard grab on the dialog's window and a filter on Qt's xcb events.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "platform/KeyCapture.h"
#include "platform/linux/X11KeyPointerState.h"

struct xcb_connection_t;

namespace corvo::platform {

// The grab sends every key of the server to this client only, so no other client (nor the window
// manager's shortcuts) sees one while the dialog is open. The server still applies each key to its
// own keyboard state (lock toggles, modifiers); whether a key reaches Qt's widgets is the
// handler's choice.
//
// A grab is one per client and ends without notice in several ways: X ends it when its window is
// unmapped; a pop-up of this process (a drop-down list, a context menu) takes it over and Qt's
// ungrab when the pop-up closes ends it for the whole client, with no event at all when the dialog
// has the focus. So the grab is taken again after every pop-up, whenever the dialog becomes
// active, whenever the server reports a grab change, and asserted again twice a second; it is
// left to a pop-up while one is open, and released when the capture goes.
class X11KeyCapture : public QObject, public QAbstractNativeEventFilter, public KeyCapture {
public:
    // Unavailable when the application does not run on xcb. insideWayland: the server is XWayland,
    // whose grab holds only while one of its windows has the compositor's focus, and under which
    // the compositor's own shortcuts still act; a grab taken there is FocusOnly.
    X11KeyCapture(QWidget* window, Handler handler, bool insideWayland = false);
    ~X11KeyCapture() override;

    Hold State() const override
    {
        return m_insideWayland && m_state == Hold::Holding ? Hold::FocusOnly : m_state;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnTick();
    void TryGrab();
    void Release();
    void GrabLost();
    uint32_t WindowId() const;

    QPointer<QWidget> m_window;
    Handler m_handler;
    xcb_connection_t* m_connection = nullptr;
    // Its own connection for the keycode translation, so that reading the keymap never waits
    // on Qt's event queue.
    X11KeyPointerState m_keys;
    QTimer m_tick;
    int m_ticksSinceGrab = 0;
    bool m_grabbed = false;
    uint32_t m_grabWindow = 0;
    Hold m_state = Hold::Unavailable;
    bool m_insideWayland = false;
};

} // namespace corvo::platform
