// Translates X keycodes to Windows virtual-key codes and back for one keymap.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "utils/TableView.h"

struct xkb_keymap;

namespace corvo::platform {

// The virtual-key codes that the Linux backends name in their own logic (mouse buttons, the
// generic and sided modifiers, the lock keys); values from the published list of Windows
// virtual-key codes.
namespace virtual_key {
constexpr uint8_t kLeftButton = 0x01;
constexpr uint8_t kRightButton = 0x02;
constexpr uint8_t kMiddleButton = 0x04;
constexpr uint8_t kExtraButton1 = 0x05;
constexpr uint8_t kExtraButton2 = 0x06;
constexpr uint8_t kShift = 0x10;
constexpr uint8_t kControl = 0x11;
constexpr uint8_t kAlt = 0x12;
constexpr uint8_t kCapsLock = 0x14;
constexpr uint8_t kNumLock = 0x90;
constexpr uint8_t kScrollLock = 0x91;
constexpr uint8_t kLeftShift = 0xA0;
constexpr uint8_t kRightShift = 0xA1;
constexpr uint8_t kLeftControl = 0xA2;
constexpr uint8_t kRightControl = 0xA3;
constexpr uint8_t kLeftAlt = 0xA4;
constexpr uint8_t kRightAlt = 0xA5;
} // namespace virtual_key

// A key whose virtual-key code follows from where it sits, whatever the layout types on it.
struct FixedPositionKey {
    const char* keyName;  // in the XKB keycodes, without the angle brackets
    uint16_t evdevCode;   // KEY_* of the Linux input interface
    uint8_t virtualKey;
};

// A key of the typing block: letters, digits and punctuation. Its code comes from the letter or
// digit it types, else from its position on a US or a Japanese keyboard; 0 where that keyboard
// has no such key.
struct CharacterKey {
    const char* keyName;
    uint16_t evdevCode;
    uint8_t usVirtualKey;
    uint8_t japaneseVirtualKey;
};

// A key that has no fixed place (media and browser keys): its code comes from its keysym.
struct KeysymKey {
    uint32_t keysym;
    uint8_t virtualKey;
};

using corvo::utils::TableView;

class VirtualKeyMap {
public:
    // Which table gave the typing block its punctuation codes.
    enum class Positions { UnitedStates, Japanese };

    // Every keycode reads as no virtual key.
    VirtualKeyMap() = default;

    // The map of a compiled keymap, reading the keysyms of the given layout (group).
    static VirtualKeyMap FromKeymap(xkb_keymap* keymap, uint32_t layout = 0);
    // Compiles a keymap from rules, model, layout, variant and options with the system's XKB data
    // (empty fields take xkbcommon's defaults, which honour XKB_DEFAULT_*); nullopt when the names
    // do not compile.
    static std::optional<VirtualKeyMap> FromNames(const std::string& layout, const std::string& variant = {},
                                                  const std::string& model = {}, const std::string& options = {},
                                                  const std::string& rules = {});
    // Without any keymap: fixed positions and US positions, with the evdev convention that an X
    // keycode is the kernel's key code plus 8.
    static VirtualKeyMap FromEvdevPositions();

    // 0 when the keycode has no virtual key.
    uint8_t VirtualKeyOf(uint32_t keycode) const;
    // The same for a key code of the kernel's input interface, which is the X keycode less 8.
    uint8_t VirtualKeyOfEvdevCode(uint32_t code) const;
    // Every keycode that reads as the virtual key, lowest first; the generic Shift, Control and
    // Alt codes stand for both of their keys.
    std::vector<uint32_t> KeycodesOf(uint8_t virtualKey) const;
    Positions PositionsUsed() const { return m_positions; }

    // The code of a keypad keysym that edits or moves (KP_Home, KP_Begin, KP_Delete), which is
    // what a keypad digit types without Num Lock; 0 for any other keysym.
    static uint8_t KeypadNavigationKey(uint32_t keysym);
    // A keypad digit or decimal key's code, which Num Lock decides.
    static bool IsKeypadDigit(uint8_t virtualKey) { return (virtualKey >= 0x60 && virtualKey <= 0x69) || virtualKey == 0x6E; }

    // Sets the generic Shift, Control and Alt codes down (0x80) wherever one of their two sided
    // codes is down, as Windows reports them.
    static void AddGenericModifiers(std::array<uint8_t, 256>& state);

    static TableView<FixedPositionKey> FixedPositionKeys();
    static TableView<CharacterKey> CharacterKeys();
    static TableView<KeysymKey> KeysymKeys();

private:
    // X keycodes run from 8 to 255; the kernel's codes beyond 247 have no X keycode.
    std::array<uint8_t, 256> m_virtualKeys{};
    Positions m_positions = Positions::UnitedStates;
};

} // namespace corvo::platform
