// The keycode dialog with its key table, the key capture and the 32 ms feedback.
#pragma once

#include <QElapsedTimer>

#include <memory>

#include "keycode/KeycodeTestWidget.h"

namespace corvo::platform {
class KeyCapture;
class KeyPointerState;
class KeyText;
} // namespace corvo::platform

class WinKeycodeTestWidget : public KeycodeTestWidget {
    Q_OBJECT

public:
    WinKeycodeTestWidget(QWidget* hostWindow, QObject* eventFilter, SystemEventSource* systemEventSource, int value);
    ~WinKeycodeTestWidget() override;

    void BuildKeyTable() override;

public slots:
    void UpdateKeyStateFeedBack();
    void UpdateToggleKeysCheckBoxes();

private:
    // The capture's decision for one key: true lets it keep its effect on the system.
    bool OnCapturedKey(uint8_t virtualKey, bool down);
    void RefreshKeyboardState();

    QTimer* m_feedbackTimer = nullptr;
    std::unique_ptr<corvo::platform::KeyPointerState> m_keyState;
    std::unique_ptr<corvo::platform::KeyText> m_keyText;
    std::unique_ptr<corvo::platform::KeyCapture> m_capture;
    bool m_scrollLocked = false;
    bool m_scrollLockDown = false;
    // The Scroll Lock indicator as last read, and how long it has read so since it changed
    // (invalid while it has not changed since the dialog opened or was last adopted).
    bool m_scrollLight = false;
    QElapsedTimer m_scrollLightSteady;
};
