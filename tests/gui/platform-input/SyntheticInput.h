// Presses keys and buttons and moves the pointer on an X server through XTest, as a user would.
#pragma once

#include <cstdint>
#include <string>

struct xcb_connection_t;

namespace corvo::gui_testing {

// A client connection of the test's own. Every call returns after the server has processed it,
// so another client's next request already sees the result.
class SyntheticInput {
public:
    explicit SyntheticInput(const std::string& displayName);
    ~SyntheticInput();
    SyntheticInput(const SyntheticInput&) = delete;
    SyntheticInput& operator=(const SyntheticInput&) = delete;

    bool IsConnected() const;

    // The keycode of a key by its XKB name ("AC01", "LFSH") in the server's current keymap; 0 when
    // the keymap has no such key.
    uint8_t KeycodeOf(const std::string& keyName);
    void PressKey(uint8_t keycode) { FakeInput(2, keycode); }
    void ReleaseKey(uint8_t keycode) { FakeInput(3, keycode); }
    void PressButton(uint8_t button) { FakeInput(4, button); }
    void ReleaseButton(uint8_t button) { FakeInput(5, button); }
    void MovePointer(int x, int y) { FakeInput(6, 0, x, y); }
    // Switches a keyboard indicator by its name ("Scroll Lock"), as xset led does.
    void SetIndicator(const std::string& name, bool on);
    // Locks the layout (XKB group) with the given index.
    void LockLayout(uint8_t layout);
    // Loads a keymap ("de", "us,de") as setxkbmap does; false when it cannot.
    bool LoadLayout(const std::string& layouts);

    // Read back independently of the code under test, from the core protocol.
    bool IsKeycodeDown(uint8_t keycode);
    bool IsCapsLocked();
    // Whether another client holds the keyboard grab: this client's own grab attempt is refused.
    bool IsKeyboardGrabbedElsewhere();

private:
    // type is the core event code: KeyPress 2, KeyRelease 3, ButtonPress 4, ButtonRelease 5,
    // MotionNotify 6.
    void FakeInput(uint8_t type, uint8_t detail, int x = 0, int y = 0);
    void Synchronise();

    std::string m_displayName;
    xcb_connection_t* m_connection = nullptr;
    uint32_t m_root = 0;
};

} // namespace corvo::gui_testing
