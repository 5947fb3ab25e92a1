// Key text from xkbcommon with the server's keymap: letters, Shift, Caps Lock, Num Lock, dead keys.
#include "platform/linux/X11KeyText.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace corvo::platform {

namespace {

// Dead keysyms of xkbcommon's keysym list and the spacing character that a layout's key-to-text
// call shows for each on its own (the accent, not the combining mark).
struct DeadKeyAccent {
    uint32_t keysym;
    const char* accent;
};
constexpr DeadKeyAccent kDeadKeyAccents[] = {
    {0xfe50, "`"},       // dead_grave
    {0xfe51, "\u00b4"},  // dead_acute
    {0xfe52, "^"},       // dead_circumflex
    {0xfe53, "~"},       // dead_tilde
    {0xfe54, "\u00af"},  // dead_macron
    {0xfe55, "\u02d8"},  // dead_breve
    {0xfe56, "\u02d9"},  // dead_abovedot
    {0xfe57, "\u00a8"},  // dead_diaeresis
    {0xfe58, "\u02da"},  // dead_abovering
    {0xfe59, "\u02dd"},  // dead_doubleacute
    {0xfe5a, "\u02c7"},  // dead_caron
    {0xfe5b, "\u00b8"},  // dead_cedilla
    {0xfe5c, "\u02db"},  // dead_ogonek
    {0xfe5d, "\u037a"},  // dead_iota
    {0xfe60, "."},       // dead_belowdot
    {0xfe64, "\u1fbf"},  // dead_psili
    {0xfe65, "\u1ffe"},  // dead_dasia
};

// Layouts whose name settles the input language; the rest (and variants such as "latam") leave
// it open.
struct LayoutLanguage {
    const char* layout;
    const char* language;
};
constexpr LayoutLanguage kLayoutLanguages[] = {
    {"br", "pt_BR"}, {"cn", "zh_CN"}, {"cz", "cs_CZ"}, {"de", "de_DE"}, {"dk", "da_DK"}, {"es", "es_ES"},
    {"fi", "fi_FI"}, {"fr", "fr_FR"}, {"gb", "en_GB"}, {"gr", "el_GR"}, {"hu", "hu_HU"}, {"it", "it_IT"},
    {"jp", "ja_JP"}, {"kr", "ko_KR"}, {"nl", "nl_NL"}, {"no", "nb_NO"}, {"pl", "pl_PL"}, {"pt", "pt_PT"},
    {"ru", "ru_RU"}, {"se", "sv_SE"}, {"tr", "tr_TR"}, {"tw", "zh_TW"}, {"us", "en_US"},
};

constexpr uint8_t kDownBit = 0x80;
constexpr uint8_t kToggleBit = 0x01;
constexpr uint8_t kShift = 0x10;
constexpr uint8_t kLeftShift = 0xA0;
constexpr uint8_t kRightShift = 0xA1;
constexpr uint8_t kCapsLock = 0x14;
constexpr uint8_t kNumLock = 0x90;

struct StateDeleter {
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
};

xkb_mod_mask_t MaskOf(xkb_keymap* keymap, const char* name)
{
    const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, name);
    return index == XKB_MOD_INVALID ? 0 : (xkb_mod_mask_t{1} << index);
}

int CountCodePoints(const std::string& utf8)
{
    return static_cast<int>(std::count_if(utf8.begin(), utf8.end(),
                                          [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }));
}

} // namespace

X11KeyText::X11KeyText(const std::string& displayName) : m_server(displayName) {}

uint32_t X11KeyText::ScanCodeOf(uint8_t virtualKey)
{
    const std::vector<uint32_t> keycodes = m_server.KeyMap().KeycodesOf(virtualKey);
    return keycodes.empty() ? 0 : keycodes.front();
}

KeyTextResult X11KeyText::Translate(uint8_t virtualKey, uint32_t scanCode, const KeyboardStateBytes& state)
{
    m_server.KeyMap();
    return TranslateKeycode(m_server.Keymap(), m_server.Layout(), scanCode != 0 ? scanCode : ScanCodeOf(virtualKey),
                            state);
}

KeyTextResult TranslateKeycode(xkb_keymap* keymap, uint32_t layout, uint32_t keycode, const KeyboardStateBytes& state)
{
    if (keymap == nullptr || keycode == 0) {
        return {};
    }
    std::unique_ptr<xkb_state, StateDeleter> keyState(xkb_state_new(keymap));
    if (!keyState) {
        return {};
    }
    const bool shiftDown = ((state[kShift] | state[kLeftShift] | state[kRightShift]) & kDownBit) != 0;
    const xkb_mod_mask_t depressed = shiftDown ? MaskOf(keymap, XKB_MOD_NAME_SHIFT) : 0;
    xkb_mod_mask_t locked = 0;
    if ((state[kCapsLock] & kToggleBit) != 0) {
        locked |= MaskOf(keymap, XKB_MOD_NAME_CAPS);
    }
    if ((state[kNumLock] & kToggleBit) != 0) {
        locked |= MaskOf(keymap, XKB_MOD_NAME_NUM);
    }
    xkb_state_update_mask(keyState.get(), depressed, 0, locked, 0, 0, layout);

    const xkb_keysym_t keysym = xkb_state_key_get_one_sym(keyState.get(), keycode);
    const std::string accent = X11KeyText::SpacingAccentOf(keysym);
    if (!accent.empty()) {
        return {-1, accent};
    }
    const int size = xkb_state_key_get_utf8(keyState.get(), keycode, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    xkb_state_key_get_utf8(keyState.get(), keycode, text.data(), text.size());
    text.resize(static_cast<std::size_t>(size));
    return {CountCodePoints(text), text};
}

KeyboardLayoutIdentity X11KeyText::ActiveLayout()
{
    m_server.KeyMap();
    const std::vector<std::string> names = m_server.LayoutNames();
    KeyboardLayoutIdentity identity;
    if (m_server.Layout() < names.size()) {
        identity.name = names[m_server.Layout()];
    }
    identity.language = LanguageOfLayout(identity.name);
    return identity;
}

std::string X11KeyText::SpacingAccentOf(uint32_t keysym)
{
    for (const DeadKeyAccent& row : kDeadKeyAccents) {
        if (row.keysym == keysym) {
            return row.accent;
        }
    }
    return {};
}

std::string X11KeyText::LanguageOfLayout(const std::string& layoutName)
{
    for (const LayoutLanguage& row : kLayoutLanguages) {
        if (layoutName == row.layout) {
            return row.language;
        }
    }
    return {};
}

} // namespace corvo::platform
