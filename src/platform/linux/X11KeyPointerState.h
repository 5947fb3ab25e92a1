// The key and pointer state of an X display, read over a connection of this object's own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/KeyPointerState.h"
#include "platform/linux/VirtualKeyMap.h"

struct xcb_connection_t;
struct xkb_context;
struct xkb_keymap;

namespace corvo::platform {

// Keys from the core keymap bits, mouse buttons from the client pointer (X Input 2 where the
// server has it, so the side buttons 8 and 9 are seen too), toggles from the XKB indicators,
// releases through XTest. The translation to virtual keys follows the server's keymap and its
// locked layout, and is rebuilt when either changes.
//
// Any thread may use the object, one thread at a time: it owns its connection and keeps no
// state that another object shares.
class X11KeyPointerState : public KeyPointerState {
public:
    // displayName as in DISPLAY; empty means DISPLAY itself. Unavailable when the server does not
    // answer or lacks the XKB extension.
    explicit X11KeyPointerState(const std::string& displayName = {});
    ~X11KeyPointerState() override;
    X11KeyPointerState(const X11KeyPointerState&) = delete;
    X11KeyPointerState& operator=(const X11KeyPointerState&) = delete;

    bool IsAvailable() const override;
    std::string Description() const override;
    KeyboardStateBytes ReadKeyboardState() override;
    bool IsKeyDown(uint8_t virtualKey) override;
    bool IsToggled(uint8_t virtualKey) override;
    std::optional<PointerPosition> ReadPointerPosition() override;
    // Releases every key that reads as the virtual key (a mouse button for codes 1, 2, 4, 5, 6)
    // through XTest, and answers whether the key reads up afterwards. The server drops a release
    // for a key that the sending device does not hold, so this lets go of keys that XTest holds
    // but not of a key that a physical keyboard still reports down.
    bool SynthesizeKeyRelease(uint8_t virtualKey) override;

    // The translation in force, first brought up to date with the server's keymap.
    const VirtualKeyMap& KeyMap();
    // The virtual key of a key event with the modifier state it carries: keypad digits read as
    // the cursor and editing keys they type without Num Lock (Home for 7, Clear for 5), as on
    // the keyboards whose codes these are.
    uint8_t VirtualKeyOfEvent(uint32_t keycode, uint16_t modifierState);
    // The server's keymap and locked layout behind that translation, as of the last KeyMap()
    // call; null when the keymap could not be read. Owned by this object.
    xkb_keymap* Keymap() const { return m_keymap; }
    uint32_t Layout() const { return m_layout; }
    // The layouts of the server's keymap by their short names ("us", "de", "jp"), as the
    // keymap was configured; empty when the server does not say.
    std::vector<std::string> LayoutNames();

private:
    struct PointerReading {
        PointerPosition position;
        uint16_t buttons = 0;  // one bit per virtual-key mouse button code
        bool valid = false;
    };

    void Disconnect();
    void SelectKeymapEvents();
    void SetUpExtendedPointer();
    void RebuildKeyMap();
    // Reads the events queued on the connection and rebuilds the translation when the keymap or
    // the locked layout changed.
    void FollowKeymapChanges();
    unsigned int SendPointerQuery();
    PointerReading ReceivePointerReading(unsigned int sequence);
    void AddKeysDown(const uint8_t (&keys)[32], KeyboardStateBytes& state) const;
    bool ReleaseButton(uint8_t button);

    xcb_connection_t* m_connection = nullptr;
    xkb_context* m_context = nullptr;
    std::string m_displayName;
    uint32_t m_root = 0;
    int32_t m_keyboardDevice = -1;
    uint8_t m_xkbEventBase = 0;
    bool m_hasXTest = false;
    bool m_hasExtendedPointer = false;
    uint16_t m_pointerDevice = 0;
    // Indicator numbers of Caps Lock, Num Lock and Scroll Lock; -1 where the keymap has none.
    std::array<int, 3> m_lockIndicators{-1, -1, -1};
    std::array<uint32_t, 3> m_lockIndicatorAtoms{};
    uint32_t m_layout = 0;
    bool m_keymapStale = false;
    VirtualKeyMap m_map;
    xkb_keymap* m_keymap = nullptr;
};

} // namespace corvo::platform
