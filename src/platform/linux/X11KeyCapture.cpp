// Grabs the keyboard for a dialog and turns the grabbed xcb key events into virtual keys.
#include "platform/linux/X11KeyCapture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace corvo::platform {

namespace {

// How often a grab that the server refused (window not yet viewable, another client's grab) is
// asked for again.
constexpr int kRetryMilliseconds = 20;

xcb_connection_t* QtConnection()
{
    auto* application = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return application ? application->connection() : nullptr;
}

} // namespace

X11KeyCapture::X11KeyCapture(QWidget* window, Handler handler)
    : m_window(window), m_handler(std::move(handler)), m_connection(QtConnection())
{
    if (m_connection == nullptr || m_window == nullptr || !m_keys.IsAvailable()) {
        return;
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
    m_retry.setInterval(kRetryMilliseconds);
    QObject::connect(&m_retry, &QTimer::timeout, this, [this] { TryGrab(); });
    m_retry.start();
    TryGrab();
}

X11KeyCapture::~X11KeyCapture()
{
    m_retry.stop();
    if (m_connection != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    Release();
}

uint32_t X11KeyCapture::WindowId() const
{
    if (m_window == nullptr || !m_window->isVisible() || m_window->windowHandle() == nullptr) {
        return 0;
    }
    // The widget's own id goes stale when a change of window flags makes Qt recreate the
    // native window; the window handle always names the current one.
    return static_cast<uint32_t>(m_window->windowHandle()->winId());
}

void X11KeyCapture::TryGrab()
{
    if (m_grabbed) {
        return;
    }
    const uint32_t window = WindowId();
    if (window == 0) {
        return;
    }
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        m_connection,
        xcb_grab_keyboard(m_connection, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    m_grabbed = reply != nullptr && reply->status == XCB_GRAB_STATUS_SUCCESS;
    m_grabWindow = m_grabbed ? window : 0;
    std::free(reply);
}

void X11KeyCapture::Release()
{
    if (!m_grabbed || m_connection == nullptr) {
        return;
    }
    m_grabbed = false;
    m_grabWindow = 0;
    xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

bool X11KeyCapture::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t" || message == nullptr) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_KEY_PRESS:
    case XCB_KEY_RELEASE: {
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        const uint32_t window = WindowId();
        if (!m_grabbed && (window == 0 || key->event != window)) {
            return false;
        }
        const uint8_t virtualKey = m_keys.KeyMap().VirtualKeyOf(key->detail);
        const bool down = (event->response_type & 0x7F) == XCB_KEY_PRESS;
        // A key without a virtual-key code is swallowed like every key the handler keeps.
        return virtualKey == 0 || !m_handler(virtualKey, down);
    }
    case XCB_UNMAP_NOTIFY: {
        // The server has ended the grab with the window; it is taken again when it shows.
        const auto* unmap = static_cast<const xcb_unmap_notify_event_t*>(message);
        if (m_grabbed && unmap->window == m_grabWindow) {
            m_grabbed = false;
            m_grabWindow = 0;
        }
        return false;
    }
    case XCB_FOCUS_OUT: {
        // Another grab of this process (a combo box's popup) replaced ours; take it back when
        // that one ends.
        const auto* focus = static_cast<const xcb_focus_out_event_t*>(message);
        if (m_grabbed && focus->event == m_grabWindow && focus->mode == XCB_NOTIFY_MODE_GRAB) {
            m_grabbed = false;
        }
        return false;
    }
    case XCB_MAP_NOTIFY:
    case XCB_EXPOSE:
        TryGrab();
        return false;
    default:
        return false;
    }
}

} // namespace corvo::platform
