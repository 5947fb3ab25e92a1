// Turns the key events of the dialog's own widgets into virtual keys for its handler.
#include "platform/linux/FocusKeyCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace corvo::platform {

FocusKeyCapture::FocusKeyCapture(QWidget* window, Handler handler, VirtualKeyMap map)
    : m_window(window), m_handler(std::move(handler)), m_map(std::move(map))
{
    // On the application, because a key goes to the dialog's focused child, not to the dialog.
    QCoreApplication::instance()->installEventFilter(this);
}

FocusKeyCapture::~FocusKeyCapture()
{
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

bool FocusKeyCapture::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || m_window == nullptr || widget->window() != m_window) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        return false;
    }
    // A key the focused widget does not take goes on to its parents, through this filter again:
    // the handler has seen it already.
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (event == m_lastEvent && key->timestamp() == m_lastTimestamp && m_lastReceiver != nullptr &&
        widget != m_lastReceiver && widget->isAncestorOf(m_lastReceiver)) {
        return false;
    }
    m_lastEvent = event;
    m_lastTimestamp = key->timestamp();
    m_lastReceiver = widget;
    const uint8_t virtualKey = m_map.VirtualKeyOf(key->nativeScanCode());
    // A key without a virtual-key code is swallowed like every key the handler keeps.
    return virtualKey == 0 || !m_handler(virtualKey, type == QEvent::KeyPress);
}

} // namespace corvo::platform
