// The live state of the keyboard and the pointer as the system sees it, in virtual-key codes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace corvo::platform {

struct PointerPosition {
    int x = 0;
    int y = 0;
};

inline bool operator==(const PointerPosition& left, const PointerPosition& right)
{
    return left.x == right.x && left.y == right.y;
}

// Per virtual-key code: bit 0x80 the key (or mouse button) is down now, bit 0x01 it is toggled
// on (Caps Lock, Num Lock, Scroll Lock).
using KeyboardStateBytes = std::array<uint8_t, 256>;

class KeyPointerState {
public:
    virtual ~KeyPointerState() = default;

    // False when nothing can be read (no display and no readable input devices); every query
    // then reports nothing down and no pointer.
    virtual bool IsAvailable() const = 0;
    // Where the state comes from, for the user: "X11 display :0", "evdev (/dev/input)", "none".
    virtual std::string Description() const = 0;

    // One fresh reading of every key and mouse button, in a single round trip where the system
    // allows it.
    virtual KeyboardStateBytes ReadKeyboardState() = 0;
    virtual bool IsKeyDown(uint8_t virtualKey) = 0;
    virtual bool IsToggled(uint8_t virtualKey) = 0;
    virtual std::optional<PointerPosition> ReadPointerPosition() = 0;
    // Tells the system the key went up; false when it cannot be done here.
    virtual bool SynthesizeKeyRelease(uint8_t virtualKey) = 0;
};

// The X server named by DISPLAY when it answers, else the kernel's input devices when they can be
// read (on a Wayland session, the devices first), else a source that reads nothing.
std::unique_ptr<KeyPointerState> CreateSystemKeyPointerState();

} // namespace corvo::platform
