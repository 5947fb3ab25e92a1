// The advanced test's dialog with its system-wide key capture and the 32 ms marking tick.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "advanced/AdvancedTestWidget.h"

namespace corvo::platform {
class KeyCapture;
}

namespace corvo::advanced {

struct VirtualKeyEntry {
    uint32_t code;
    bool pressed;
};

// One entry for every code from 1 to 58 and from 64 to 254, ascending. Only one advanced dialog
// is open at a time, and the capture and the tick both run on the user-interface thread.
std::vector<VirtualKeyEntry>& VirtualKeyTable();

// The capture's decision for one key, as the dialog makes it: the key's entry is flagged on a
// press; the lock keys, both Shifts and the Japanese input-mode keys keep their system effect,
// every other press is swallowed, and releases pass.
bool RecordCapturedKey(std::vector<VirtualKeyEntry>& table, uint8_t virtualKey, bool down);

} // namespace corvo::advanced

class WinAdvancedTestWidget : public AdvancedTestWidget {
    Q_OBJECT

public:
    WinAdvancedTestWidget(QWidget* hostWindow, QObject* eventFilter, SystemEventSource* systemEventSource, int value);
    ~WinAdvancedTestWidget() override;

    // False when the keyboard could not be taken: no key will be marked, the rest still works.
    bool IsCapturing() const;

public slots:
    void UpdateKeyStateFeedBack();

private:
    QTimer* m_feedbackTimer = nullptr;
    std::unique_ptr<corvo::platform::KeyCapture> m_capture;
};
