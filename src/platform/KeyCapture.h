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

    enum class Hold {
        Holding,       // every key of the system comes here first
        Pending,       // not yet: the window is not on screen, or it is a moment after a pop-up
        HeldElsewhere, // another program holds the keyboard; keys reach it, not this capture
        FocusOnly,     // keys come only while the dialog has the focus; the desktop's shortcuts act
        Unavailable,   // this system offers no capture at all
    };

    // Holding while keys are held for this capture. A capture that cannot take the keyboard still
    // delivers the keys that the system gives the dialog's own window while it has the focus.
    virtual Hold State() const = 0;
    bool IsActive() const { return State() == Hold::Holding; }
};

class NoKeyCapture : public KeyCapture {
public:
    Hold State() const override { return Hold::Unavailable; }
};

} // namespace corvo::platform
