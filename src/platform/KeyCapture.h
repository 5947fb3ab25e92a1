// Captures every key of the system while a dialog is open, and lets the dialog decide which keys
// keep their effect.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

namespace corvo::platform {

class KeyCapture {
public:
    // Called on the user-interface thread for each key going down (true) or up (false). Returns
    // true when the key may keep its effect on the system's keyboard state (lock toggles,
    // Shift), false when it is swallowed: no other client and no widget sees it.
    using Handler = std::function<bool(uint8_t virtualKey, bool down)>;

    // Destroying the capture ends it, whatever state the window is in.
    virtual ~KeyCapture() = default;

    // True while keys are held for this capture; a capture that cannot take the keyboard (no
    // display, another client holds it) reports false and delivers nothing.
    virtual bool IsActive() const = 0;
};

class NoKeyCapture : public KeyCapture {
public:
    bool IsActive() const override { return false; }
};

} // namespace corvo::platform
