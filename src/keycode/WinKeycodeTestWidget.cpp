// Marks each captured key in the key table and shows the last one, every 32 ms.
#include "keycode/WinKeycodeTestWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "keycode/KeyTable.h"
#include "module/Language.h"
#include "platform/DialogPlatform.h"
#include "ui_KeycodeTestWidget.h"

namespace {

using corvo::keycode::KeyRow;

constexpr int kFeedbackMilliseconds = 32;
// A server that lights Scroll Lock may report the light before the dialog sees the press that
// lit it; a light that has held this long is past any such press.
constexpr qint64 kSteadyLightMilliseconds = 100;
constexpr uint8_t kToggleBit = 0x01;

constexpr uint8_t kCapsLock = 20;
constexpr uint8_t kNumLock = 144;
constexpr uint8_t kScrollLock = 145;
constexpr uint8_t kLeftShift = 160;
constexpr uint8_t kRightShift = 161;
constexpr uint8_t kShift = 16;

// The keys that keep their effect on the system while the dialog is open: the lock keys toggle
// and Shift changes the text; everything else is swallowed.
bool IsPassThrough(uint32_t code)
{
    return code == kCapsLock || code == kNumLock || code == kScrollLock || code == kLeftShift || code == kRightShift;
}

// Mouse buttons have rows but never show anything.
bool IsMouseButton(uint32_t code)
{
    return code == 1 || code == 2 || code == 4 || code == 5 || code == 6;
}

// Backspace, Tab, Enter, Escape and Space show their description rather than what they type.
bool AlwaysShowsDescription(uint32_t code)
{
    return code == 8 || code == 9 || code == 13 || code == 27 || code == 32;
}

// A control character (Delete types U+007F) has no glyph; a font draws a box for it.
bool HasControlCharacter(const QString& text)
{
    for (const QChar character : text) {
        const char16_t unit = character.unicode();
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
            return true;
        }
    }
    return false;
}

} // namespace

WinKeycodeTestWidget::WinKeycodeTestWidget(QWidget* hostWindow, QObject* eventFilter,
                                           SystemEventSource* systemEventSource, int)
    : KeycodeTestWidget(hostWindow, eventFilter, systemEventSource, 0)
{
    const corvo::platform::DialogPlatform& platform = corvo::platform::CurrentDialogPlatform();
    m_keyState = platform.createKeyState();
    m_keyText = platform.createKeyText();

    m_feedbackTimer = new QTimer(this);
    connect(m_feedbackTimer, SIGNAL(timeout()), this, SLOT(UpdateKeyStateFeedBack()));
    BuildKeyTable();
    m_feedbackTimer->start(kFeedbackMilliseconds);
    RefreshKeyboardState();
    m_scrollLocked = m_scrollLight = m_keyState->IsToggled(kScrollLock);
    m_capture = platform.createKeyCapture(
        this, [this](uint8_t virtualKey, bool down) { return OnCapturedKey(virtualKey, down); });
}

WinKeycodeTestWidget::~WinKeycodeTestWidget()
{
    // The capture goes first, so no key reaches a half-destroyed dialog and the keyboard is free
    // again before anything else happens.
    m_capture.reset();
}

void WinKeycodeTestWidget::BuildKeyTable()
{
    corvo::keycode::FillKeyTable(corvo::keycode::KeyTable());
}

void WinKeycodeTestWidget::RefreshKeyboardState()
{
    corvo::platform::KeyboardStateBytes state = m_keyState->ReadKeyboardState();
    // Keys the dialog swallows must not change the text (Control must not turn "a" into a
    // control character), so only the pass-through keys keep their down bits.
    for (std::size_t code = 0; code < state.size(); ++code) {
        if (!IsPassThrough(static_cast<uint32_t>(code))) {
            state[code] &= kToggleBit;
        }
    }
    state[kShift] = static_cast<uint8_t>((state[kShift] & kToggleBit) | ((state[kLeftShift] | state[kRightShift]) & 0x80));
    corvo::keycode::SharedKeyboardState() = state;
}

bool WinKeycodeTestWidget::OnCapturedKey(uint8_t virtualKey, bool down)
{
    KeyRow* row = corvo::keycode::FindRow(corvo::keycode::KeyTable(), virtualKey);
    RefreshKeyboardState();
    if (row != nullptr) {
        row->down = down;
    }
    // The server's Scroll Lock indicator follows no key in stock X keymaps, so the box follows
    // the presses seen here, until the indicator says otherwise; a held key's repeats are not
    // presses.
    if (virtualKey == kScrollLock && down && !m_scrollLockDown) {
        m_scrollLocked = !m_scrollLocked;
    }
    if (virtualKey == kScrollLock) {
        m_scrollLockDown = down;
    }
    return IsPassThrough(virtualKey);
}

void WinKeycodeTestWidget::UpdateToggleKeysCheckBoxes()
{
    // One reading for the three boxes: on the event devices each reading asks every keyboard.
    const corvo::platform::KeyboardStateBytes state = m_keyState->ReadKeyboardState();
    m_form->keycode_test_check_caps->setChecked((state[kCapsLock] & kToggleBit) != 0);
    m_form->keycode_test_check_num->setChecked((state[kNumLock] & kToggleBit) != 0);
    // Where the indicator does move (a keyboard's own light, set by this dialog's capture, the
    // console or another program), it is the truth once it has settled.
    const bool light = (state[kScrollLock] & kToggleBit) != 0;
    if (light != m_scrollLight) {
        m_scrollLight = light;
        m_scrollLightSteady.start();
    } else if (m_scrollLightSteady.isValid() && m_scrollLightSteady.elapsed() >= kSteadyLightMilliseconds) {
        m_scrollLocked = light;
        m_scrollLightSteady.invalidate();
    }
    m_form->keycode_test_check_scroll->setChecked(m_scrollLocked);
}

void WinKeycodeTestWidget::UpdateKeyStateFeedBack()
{
    UpdateToggleKeysCheckBoxes();
    corvo::keycode::ShowCaptureNote(*m_form->keycode_test_label_capture_note, m_capture.get());
    std::vector<KeyRow>& table = corvo::keycode::KeyTable();
    for (KeyRow& row : table) {
        if (!row.down) {
            continue;
        }
        row.down = false;
        if (IsMouseButton(row.code)) {
            continue;
        }
        const auto code = static_cast<uint8_t>(row.code);
        const uint32_t scanCode = m_keyText->ScanCodeOf(code);
        const corvo::platform::KeyTextResult typed =
            m_keyText->Translate(code, scanCode, corvo::keycode::SharedKeyboardState());
        QString text = QString::fromStdString(typed.text);
        if (typed.count == 0 || AlwaysShowsDescription(row.code) || HasControlCharacter(text)) {
            text = QString::fromStdString(
                corvo::keyboard::TranslateKey(corvo::keyboard::kContextKeyboard, row.description));
        } else {
            if (typed.count >= 2) {
                // Only the last character of a multi-character result shows.
                text = text.right(text.size() > 1 && text.back().isLowSurrogate() ? 2 : 1);
            }
        }
        m_form->keycode_test_line_edit_last_key->setText(text);
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
}
