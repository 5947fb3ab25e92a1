// The text a key types in the active keyboard layout, and that layout's identity.
#pragma once

#include <cstdint>
#include <string>

#include "platform/KeyPointerState.h"

namespace corvo::platform {

struct KeyTextResult {
    // As the system's key-to-text call counts it: the number of characters typed, 0 for none,
    // -1 for a dead key whose spacing accent is in text.
    int count = 0;
    std::string text;  // UTF-8
};

struct KeyboardLayoutIdentity {
    std::string name;      // the layout's short name, "us", "de", "jp"
    std::string language;  // "ja_JP" style where it follows from the name; empty otherwise
};

class KeyText {
public:
    virtual ~KeyText() = default;

    // The hardware code of the key that produces the virtual key; 0 when no key does.
    virtual uint32_t ScanCodeOf(uint8_t virtualKey) = 0;
    // What the key types with the given key state: Shift from the down bits of the Shift codes,
    // Caps Lock and Num Lock from their toggle bits. No other modifier counts.
    virtual KeyTextResult Translate(uint8_t virtualKey, uint32_t scanCode, const KeyboardStateBytes& state) = 0;
    virtual KeyboardLayoutIdentity ActiveLayout() = 0;
};

class NoKeyText : public KeyText {
public:
    uint32_t ScanCodeOf(uint8_t) override { return 0; }
    KeyTextResult Translate(uint8_t, uint32_t, const KeyboardStateBytes&) override { return {}; }
    KeyboardLayoutIdentity ActiveLayout() override { return {}; }
};

} // namespace corvo::platform
