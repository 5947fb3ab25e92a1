// Flags each captured key press and marks the flagged keys every 32 ms.
#include "advanced/WinAdvancedTestWidget.h"

#include <algorithm>

#include "advanced/LayoutCatalogue.h"
#include "ui_AdvancedTestWidget.h"
#include "platform/DialogPlatform.h"

namespace corvo::advanced {

constexpr int kFeedbackMilliseconds = 32;

namespace {

// Caps Lock, Convert, Non-convert, Num Lock, Scroll Lock, both Shifts and the Japanese input-mode
// keys: they keep working while the dialog is open, so that the lock lights, the shift state and
// the input mode (which changes some Japanese keys' codes) stay true.
constexpr uint8_t kPassThroughKeys[] = {20, 28, 29, 144, 145, 160, 161, 240, 242, 243, 244};

std::vector<VirtualKeyEntry> BuildVirtualKeyTable()
{
    std::vector<VirtualKeyEntry> table;
    for (uint32_t code = 1; code <= 254; ++code) {
        // 59 to 63 are unassigned virtual-key codes.
        if (code < 59 || code > 63) {
            table.push_back({code, false});
        }
    }
    return table;
}

} // namespace

std::vector<VirtualKeyEntry>& VirtualKeyTable()
{
    static std::vector<VirtualKeyEntry> table = BuildVirtualKeyTable();
    return table;
}

bool RecordCapturedKey(std::vector<VirtualKeyEntry>& table, uint8_t virtualKey, bool down)
{
    if (!down) {
        return true;
    }
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [virtualKey](const VirtualKeyEntry& e) { return e.code == virtualKey; });
    if (entry != table.end()) {
        entry->pressed = true;
    }
    return std::find(std::begin(kPassThroughKeys), std::end(kPassThroughKeys), virtualKey) !=
           std::end(kPassThroughKeys);
}

} // namespace corvo::advanced

WinAdvancedTestWidget::WinAdvancedTestWidget(QWidget* hostWindow, QObject* eventFilter,
                                             SystemEventSource* systemEventSource, int value)
    : AdvancedTestWidget(hostWindow, eventFilter, systemEventSource, value)
{
    m_feedbackTimer = new QTimer(this);
    connect(m_feedbackTimer, SIGNAL(timeout()), this, SLOT(UpdateKeyStateFeedBack()));
    // A press left over from an earlier dialog must not mark a key in this one.
    for (corvo::advanced::VirtualKeyEntry& entry : corvo::advanced::VirtualKeyTable()) {
        entry.pressed = false;
    }
    m_feedbackTimer->start(corvo::advanced::kFeedbackMilliseconds);
    m_capture = corvo::platform::CurrentDialogPlatform().createKeyCapture(this, [](uint8_t virtualKey, bool down) {
        return corvo::advanced::RecordCapturedKey(corvo::advanced::VirtualKeyTable(), virtualKey, down);
    });
}

WinAdvancedTestWidget::~WinAdvancedTestWidget()
{
    // The capture goes first, so no key is taken after the dialog has ended.
    m_capture.reset();
}

bool WinAdvancedTestWidget::IsCapturing() const
{
    return m_capture != nullptr && m_capture->IsActive();
}

void WinAdvancedTestWidget::UpdateKeyStateFeedBack()
{
    corvo::keycode::ShowCaptureNote(*m_form->keyboard_advanced_test_label_capture_note, m_capture.get());
    for (corvo::advanced::VirtualKeyEntry& entry : corvo::advanced::VirtualKeyTable()) {
        if (entry.pressed) {
            MarkKeys(QString::fromLatin1(corvo::advanced::kCodeFragmentFormat).arg(entry.code));
            entry.pressed = false;
        }
    }
}
