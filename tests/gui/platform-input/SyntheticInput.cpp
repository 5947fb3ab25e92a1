// Drives an X server through XTest and XKB requests from the test process itself.
#include "SyntheticInput.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>
// xcb's XKB header names a field "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

namespace corvo::gui_testing {

namespace {
template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> Owned(Reply* reply)
{
    return {reply, &std::free};
}
} // namespace

SyntheticInput::SyntheticInput(const std::string& displayName)
    : m_displayName(displayName), m_connection(xcb_connect(displayName.c_str(), nullptr))
{
    if (IsConnected()) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xkb_x11_setup_xkb_extension(m_connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr);
    }
}

SyntheticInput::~SyntheticInput()
{
    xcb_disconnect(m_connection);
}

bool SyntheticInput::IsConnected() const
{
    return !xcb_connection_has_error(m_connection);
}

uint8_t SyntheticInput::KeycodeOf(const std::string& keyName)
{
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                            &xkb_context_unref);
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_x11_keymap_new_from_device(context.get(), m_connection, xkb_x11_get_core_keyboard_device_id(m_connection),
                                       XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref);
    const xkb_keycode_t keycode = keymap ? xkb_keymap_key_by_name(keymap.get(), keyName.c_str()) : 0;
    return keycode == XKB_KEYCODE_INVALID || keycode > 255 ? 0 : static_cast<uint8_t>(keycode);
}

bool SyntheticInput::IsKeyboardGrabbedElsewhere()
{
    const auto reply = Owned(xcb_grab_keyboard_reply(
        m_connection,
        xcb_grab_keyboard(m_connection, 0, m_root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr));
    if (reply && reply->status == XCB_GRAB_STATUS_SUCCESS) {
        xcb_ungrab_keyboard(m_connection, XCB_CURRENT_TIME);
        Synchronise();
    }
    return !reply || reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
}

void SyntheticInput::Synchronise()
{
    // XTest requests take effect while the server processes them, so one answered request later
    // everything sent before it has happened.
    Owned(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

void SyntheticInput::FakeInput(uint8_t type, uint8_t detail, int x, int y)
{
    // Motion is absolute on the root window; keys and buttons need no window.
    xcb_test_fake_input(m_connection, type, detail, XCB_CURRENT_TIME,
                        type == XCB_MOTION_NOTIFY ? m_root : xcb_window_t{XCB_WINDOW_NONE}, static_cast<int16_t>(x),
                        static_cast<int16_t>(y), 0);
    Synchronise();
}

void SyntheticInput::SetIndicator(const std::string& name, bool on)
{
    const auto atom = Owned(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr));
    if (atom) {
        xcb_xkb_set_named_indicator(m_connection, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                    XCB_XKB_ID_DFLT_XI_ID, atom->atom, 1, on ? 1 : 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        Synchronise();
    }
}

void SyntheticInput::LockLayout(uint8_t layout)
{
    xcb_xkb_latch_lock_state(m_connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0, 1, layout, 0, 0, 0);
    Synchronise();
}

bool SyntheticInput::LoadLayout(const std::string& layouts)
{
    return std::system(("setxkbmap -display " + m_displayName + " " + layouts).c_str()) == 0;
}

bool SyntheticInput::IsCapsLocked()
{
    const auto pointer = Owned(xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
    return pointer && (pointer->mask & XCB_MOD_MASK_LOCK) != 0;
}

bool SyntheticInput::IsKeycodeDown(uint8_t keycode)
{
    const auto keys = Owned(xcb_query_keymap_reply(m_connection, xcb_query_keymap(m_connection), nullptr));
    return keys && (keys->keys[keycode / 8] & (1u << (keycode % 8)));
}

} // namespace corvo::gui_testing
