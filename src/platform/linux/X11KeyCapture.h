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

// The grab sends every key of the server to this client only, so no other client sees one while
// the dialog is open. The server still applies each key to its own keyboard state (lock toggles,
// modifiers); whether a key reaches Qt's widgets is the handler's choice. X ends a grab when its
// window is unmapped, so the grab is taken again whenever the window is viewable, and released
// when the capture goes.
class X11KeyCapture : public QObject, public QAbstractNativeEventFilter, public KeyCapture {
public:
    // Inactive when the application does not run on xcb.
    X11KeyCapture(QWidget* window, Handler handler);
    ~X11KeyCapture() override;

    bool IsActive() const override { return m_grabbed; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void TryGrab();
    void Release();
    uint32_t WindowId() const;

    QPointer<QWidget> m_window;
    Handler m_handler;
    xcb_connection_t* m_connection = nullptr;
    // Its own connection for the keycode translation, so that reading the keymap never waits
    // on Qt's event queue.
    X11KeyPointerState m_keys;
    QTimer m_retry;
    bool m_grabbed = false;
    uint32_t m_grabWindow = 0;
};

} // namespace corvo::platform
