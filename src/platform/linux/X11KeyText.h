// The text of a key in the X server's keymap and locked layout, through xkbcommon.
#pragma once

#include <string>

#include "platform/KeyText.h"
#include "platform/linux/X11KeyPointerState.h"

struct xkb_keymap;

namespace corvo::platform {

// What the key with the XKB keycode types in the keymap's layout, with Shift, Caps Lock and Num
// Lock as the state bytes give them; a dead key gives its spacing accent and a count of -1.
KeyTextResult TranslateKeycode(xkb_keymap* keymap, uint32_t layout, uint32_t keycode, const KeyboardStateBytes& state);

// Scan codes are X keycodes. The keymap and layout follow the server while the object lives.
class X11KeyText : public KeyText {
public:
    explicit X11KeyText(const std::string& displayName = {});

    bool IsAvailable() const { return m_server.IsAvailable(); }

    uint32_t ScanCodeOf(uint8_t virtualKey) override;
    KeyTextResult Translate(uint8_t virtualKey, uint32_t scanCode, const KeyboardStateBytes& state) override;
    KeyboardLayoutIdentity ActiveLayout() override;

    // The spacing form of a dead key's accent ("´" for dead_acute), empty for other keysyms.
    static std::string SpacingAccentOf(uint32_t keysym);
    // "ja_JP" for "jp" and the other layouts whose language is plain from the name; empty otherwise.
    static std::string LanguageOfLayout(const std::string& layoutName);

private:
    X11KeyPointerState m_server;
};

} // namespace corvo::platform
