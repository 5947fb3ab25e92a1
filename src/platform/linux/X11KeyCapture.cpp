// Grabs the keyboard for a dialog, keeps it through pop-ups and focus changes, and turns the
// grabbed xcb key events into virtual keys.
#include "platform/linux/X11KeyCapture.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace corvo::platform {

namespace {

// How often a grab that the server refused (window not yet viewable, another client's grab) is
// asked for again.
constexpr int kTickMilliseconds = 20;
// A held grab is asserted again every this many ticks, for the ungrabs that come without notice.
constexpr int kReassertTicks = 25;

xcb_connection_t* QtConnection()
{
    auto* application = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return application ? application->connection() : nullptr;
}

// While a pop-up of this process is open it holds the keyboard for this client, and keys must
// reach it (a drop-down list is chosen with the arrow keys); taking the grab back would leave the
// pop-up deaf.
bool PopupOpen()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr &&
           QApplication::activePopupWidget() != nullptr;
}

} // namespace

X11KeyCapture::X11KeyCapture(QWidget* window, Handler handler, bool insideWayland)
    : m_window(window), m_handler(std::move(handler)), m_connection(QtConnection()), m_insideWayland(insideWayland)
{
    if (m_connection == nullptr || m_window == nullptr || !m_keys.IsAvailable()) {
        return;
    }
    m_state = Hold::Pending;
    QCoreApplication::instance()->installNativeEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
    m_tick.setInterval(kTickMilliseconds);
    QObject::connect(&m_tick, &QTimer::timeout, this, [this] { OnTick(); });
    m_tick.start();
    TryGrab();
}

X11KeyCapture::~X11KeyCapture()
{
    m_tick.stop();
    if (m_connection != nullptr && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        QCoreApplication::instance()->removeEventFilter(this);
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

void X11KeyCapture::OnTick()
{
    if (!m_grabbed || ++m_ticksSinceGrab >= kReassertTicks) {
        TryGrab();
    }
}

void X11KeyCapture::TryGrab()
{
    const uint32_t window = WindowId();
    if (window == 0 || PopupOpen()) {
        if (m_state == Hold::Holding) {
            m_state = Hold::Pending;
        }
        return;
    }
    // A grab this client already holds is simply renewed, with no focus events when the window
    // stays the same.
    xcb_grab_keyboard_reply_t* reply = xcb_grab_keyboard_reply(
        m_connection,
        xcb_grab_keyboard(m_connection, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const uint8_t status = reply != nullptr ? reply->status : uint8_t{XCB_GRAB_STATUS_NOT_VIEWABLE};
    std::free(reply);
    m_grabbed = status == XCB_GRAB_STATUS_SUCCESS;
    m_grabWindow = m_grabbed ? window : 0;
    m_ticksSinceGrab = 0;
    if (m_grabbed) {
        m_state = Hold::Holding;
    } else if (status == XCB_GRAB_STATUS_ALREADY_GRABBED || status == XCB_GRAB_STATUS_FROZEN) {
        m_state = Hold::HeldElsewhere;
    } else if (m_state == Hold::Holding) {
        m_state = Hold::Pending;
    }
}

void X11KeyCapture::GrabLost()
{
    m_grabbed = false;
    m_grabWindow = 0;
}

void X11KeyCapture::Release()
{
    if (!m_grabbed || m_connection == nullptr) {
        return;
    }
    GrabLost();
    xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
}

bool X11KeyCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Hide && event->type() != QEvent::WindowActivate) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow()) {
        return false;
    }
    if (event->type() == QEvent::Hide && widget->windowType() == Qt::Popup) {
        // Qt has just ungrabbed for the closing pop-up, which ended our grab too.
        GrabLost();
        TryGrab();
    } else if (event->type() == QEvent::WindowActivate && widget == m_window) {
        TryGrab();
    }
    return false;
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
        // Without the grab, the keys the server gives the focused dialog still count.
        if (!m_grabbed && (window == 0 || key->event != window)) {
            return false;
        }
        const uint8_t virtualKey = m_keys.VirtualKeyOfEvent(key->detail, key->state);
        const bool down = (event->response_type & 0x7F) == XCB_KEY_PRESS;
        // A key without a virtual-key code is swallowed like every key the handler keeps.
        return virtualKey == 0 || !m_handler(virtualKey, down);
    }
    case XCB_UNMAP_NOTIFY: {
        // The server has ended the grab with the window; it is taken again when it shows.
        const auto* unmap = static_cast<const xcb_unmap_notify_event_t*>(message);
        if (m_grabbed && unmap->window == m_grabWindow) {
            GrabLost();
        }
        return false;
    }
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT: {
        // A grab began or ended: another grab of this process (a pop-up's) replaced ours, or an
        // ungrab ended it. Which one does not matter; the next tick finds out.
        const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
        if (focus->mode == XCB_NOTIFY_MODE_GRAB || focus->mode == XCB_NOTIFY_MODE_UNGRAB) {
            GrabLost();
        }
        return false;
    }
    case XCB_MAP_NOTIFY:
    case XCB_EXPOSE:
        if (!m_grabbed) {
            TryGrab();
        }
        return false;
    default:
        return false;
    }
}

} // namespace corvo::platform
