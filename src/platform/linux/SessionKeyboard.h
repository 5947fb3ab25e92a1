// The keyboard layout of a session that no X server describes (a Wayland session, a text console),
// and the text its keys type.
#pragma once

#include <memory>
#include <string>

#include "platform/KeyText.h"
#include "platform/linux/VirtualKeyMap.h"

struct xkb_context;
struct xkb_keymap;

namespace corvo::platform {

// The XKB names of the session's keymap, as consoles and Wayland compositors take them: the
// XKB_DEFAULT_* variables of the environment where any is set, else the system's keyboard
// configuration (XKBMODEL, XKBLAYOUT, XKBVARIANT, XKBOPTIONS), else xkbcommon's defaults (a US
// keyboard). source says which: "environment", the configuration file's path, or "default".
struct SessionXkbNames {
    std::string rules;
    std::string model;
    std::string layout;
    std::string variant;
    std::string options;
    std::string source;
};
SessionXkbNames ReadSessionXkbNames(const std::string& configurationFile = "/etc/default/keyboard");

// Key text with the session's keymap, through xkbcommon; scan codes are XKB keycodes (the kernel's
// key code plus 8). The first layout of the names is the active one: without a server nothing
// says which layout group a compositor has locked.
class SessionKeyText : public KeyText {
public:
    explicit SessionKeyText(const SessionXkbNames& names = ReadSessionXkbNames());
    ~SessionKeyText() override;
    SessionKeyText(const SessionKeyText&) = delete;
    SessionKeyText& operator=(const SessionKeyText&) = delete;

    // False when the names do not compile (no XKB data installed); nothing is typed then.
    bool IsAvailable() const { return m_keymap != nullptr; }
    const VirtualKeyMap& KeyMap() const { return m_map; }

    uint32_t ScanCodeOf(uint8_t virtualKey) override;
    KeyTextResult Translate(uint8_t virtualKey, uint32_t scanCode, const KeyboardStateBytes& state) override;
    KeyboardLayoutIdentity ActiveLayout() override;

private:
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    VirtualKeyMap m_map;
    std::string m_layoutName;
};

} // namespace corvo::platform
