// Reads keys, mouse buttons, lock indicators and the pointer from an X server, and releases keys.
#include "platform/linux/X11KeyPointerState.h"

#include <xcb/xcb.h>
// xcb's XKB header names a field "explicit", a C++ keyword.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#include <xcb/xinput.h>
#include <xcb/xtest.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace corvo::platform {

namespace {

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// The lock indicators as xkeyboard-config names them, with the virtual key each one stands for.
struct LockIndicator {
    const char* name;
    uint8_t virtualKey;
};
constexpr LockIndicator kLockIndicators[] = {
    {"Caps Lock", virtual_key::kCapsLock},
    {"Num Lock", virtual_key::kNumLock},
    {"Scroll Lock", virtual_key::kScrollLock},
};

// X pointer buttons to Windows mouse-button codes: 1 left, 2 middle, 3 right, 8 back, 9 forward.
// Buttons 4 to 7 are the wheel, which Windows reports as motion, not as a held button.
struct MouseButton {
    uint8_t button;
    uint8_t virtualKey;
};
constexpr MouseButton kMouseButtons[] = {
    {1, virtual_key::kLeftButton},
    {2, virtual_key::kMiddleButton},
    {3, virtual_key::kRightButton},
    {8, virtual_key::kExtraButton1},
    {9, virtual_key::kExtraButton2},
};

uint8_t ButtonOf(uint8_t virtualKey)
{
    for (const MouseButton& mouseButton : kMouseButtons) {
        if (mouseButton.virtualKey == virtualKey) {
            return mouseButton.button;
        }
    }
    return 0;
}

uint16_t ButtonBits(uint8_t virtualKey)
{
    return static_cast<uint16_t>(1u << virtualKey);
}

} // namespace

X11KeyPointerState::X11KeyPointerState(const std::string& displayName)
{
    const char* environmentDisplay = std::getenv("DISPLAY");
    m_displayName = !displayName.empty() ? displayName : (environmentDisplay ? environmentDisplay : "");
    if (m_displayName.empty()) {
        return;
    }
    int screenNumber = 0;
    m_connection = xcb_connect(m_displayName.c_str(), &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        Disconnect();
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int index = 0; screens.rem > 0 && index < screenNumber; ++index) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        Disconnect();
        return;
    }
    m_root = screens.data->root;

    if (!xkb_x11_setup_xkb_extension(m_connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &m_xkbEventBase,
                                     nullptr)) {
        Disconnect();
        return;
    }
    m_keyboardDevice = xkb_x11_get_core_keyboard_device_id(m_connection);
    m_context = xkb_context_new(
        static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (m_keyboardDevice < 0 || m_context == nullptr) {
        Disconnect();
        return;
    }
    // Server keymaps often name keysyms this xkbcommon does not know; that costs nothing here.
    xkb_context_set_log_level(m_context, XKB_LOG_LEVEL_CRITICAL);
    SelectKeymapEvents();

    xcb_intern_atom_cookie_t atomCookies[3];
    for (std::size_t index = 0; index < 3; ++index) {
        const char* name = kLockIndicators[index].name;
        atomCookies[index] = xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    }
    for (std::size_t index = 0; index < 3; ++index) {
        Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(m_connection, atomCookies[index], nullptr));
        m_lockIndicatorAtoms[index] = atom ? atom->atom : uint32_t{XCB_ATOM_NONE};
    }

    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(m_connection, &xcb_test_id);
    m_hasXTest = xtest != nullptr && xtest->present;
    SetUpExtendedPointer();
    RebuildKeyMap();
}

X11KeyPointerState::~X11KeyPointerState()
{
    Disconnect();
}

void X11KeyPointerState::Disconnect()
{
    if (m_connection != nullptr) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
    if (m_keymap != nullptr) {
        xkb_keymap_unref(m_keymap);
        m_keymap = nullptr;
    }
    if (m_context != nullptr) {
        xkb_context_unref(m_context);
        m_context = nullptr;
    }
}

void X11KeyPointerState::SelectKeymapEvents()
{
    // A new keymap (setxkbmap), changed key symbols (xmodmap) and a switch of the locked layout
    // all change which keycode is which virtual key.
    const uint16_t events =
        XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY | XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
    const uint16_t mapParts = XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS;
    xcb_xkb_select_events_details_t details{};
    details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES | XCB_XKB_NKN_DETAIL_DEVICE_ID;
    details.newKeyboardDetails = details.affectNewKeyboard;
    details.affectState = XCB_XKB_STATE_PART_GROUP_LOCK;
    details.stateDetails = XCB_XKB_STATE_PART_GROUP_LOCK;
    xcb_xkb_select_events_aux(m_connection, static_cast<xcb_xkb_device_spec_t>(m_keyboardDevice), events, 0, 0,
                              mapParts, mapParts, &details);
}

void X11KeyPointerState::SetUpExtendedPointer()
{
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(m_connection, &xcb_input_id);
    if (input == nullptr || !input->present) {
        return;
    }
    // The server answers X Input 2 requests only from clients that announced the version first.
    const Reply<xcb_input_xi_query_version_reply_t> versionReply(
        xcb_input_xi_query_version_reply(m_connection, xcb_input_xi_query_version(m_connection, 2, 0), nullptr));
    if (!versionReply || versionReply->major_version < 2) {
        return;
    }
    const Reply<xcb_input_xi_get_client_pointer_reply_t> pointerReply(xcb_input_xi_get_client_pointer_reply(
        m_connection, xcb_input_xi_get_client_pointer(m_connection, XCB_WINDOW_NONE), nullptr));
    if (!pointerReply) {
        return;
    }
    m_pointerDevice = pointerReply->deviceid;
    m_hasExtendedPointer = true;
}

void X11KeyPointerState::RebuildKeyMap()
{
    m_keymapStale = false;
    const auto device = static_cast<xcb_xkb_device_spec_t>(m_keyboardDevice);
    const xcb_xkb_get_state_cookie_t stateCookie = xcb_xkb_get_state(m_connection, device);
    xcb_xkb_get_named_indicator_cookie_t indicatorCookies[3];
    for (std::size_t index = 0; index < 3; ++index) {
        indicatorCookies[index] = xcb_xkb_get_named_indicator(
            m_connection, device, XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID, m_lockIndicatorAtoms[index]);
    }
    Reply<xcb_xkb_get_state_reply_t> state(xcb_xkb_get_state_reply(m_connection, stateCookie, nullptr));
    m_layout = state ? state->lockedGroup : 0;
    for (std::size_t index = 0; index < 3; ++index) {
        Reply<xcb_xkb_get_named_indicator_reply_t> indicator(
            xcb_xkb_get_named_indicator_reply(m_connection, indicatorCookies[index], nullptr));
        m_lockIndicators[index] = indicator && indicator->found ? indicator->ndx : -1;
    }

    xkb_keymap* keymap = xkb_x11_keymap_new_from_device(m_context, m_connection, m_keyboardDevice,
                                                       XKB_KEYMAP_COMPILE_NO_FLAGS);
    // A keymap that cannot be read still has the evdev keycodes that every current server uses.
    m_map = keymap != nullptr ? VirtualKeyMap::FromKeymap(keymap, m_layout) : VirtualKeyMap::FromEvdevPositions();
    if (m_keymap != nullptr) {
        xkb_keymap_unref(m_keymap);
    }
    m_keymap = keymap;
}

std::vector<std::string> X11KeyPointerState::LayoutNames()
{
    std::vector<std::string> names;
    if (!IsAvailable()) {
        return names;
    }
    // setxkbmap and the X server record the names the keymap was built from on the root window:
    // rules, model, layouts, variants and options, each ended by a zero byte.
    static const char kRulesNames[] = "_XKB_RULES_NAMES";
    Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 1, sizeof kRulesNames - 1, kRulesNames), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return names;
    }
    Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, m_root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->format != 8) {
        return names;
    }
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(property.get()));
    const std::string value(bytes, static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
    std::size_t start = 0;
    for (int field = 0; field < 2 && start != std::string::npos; ++field) {
        start = value.find('\0', start);
        start = start == std::string::npos ? start : start + 1;
    }
    if (start == std::string::npos || start >= value.size()) {
        return names;
    }
    const std::string layouts = value.substr(start, value.find('\0', start) - start);
    std::size_t from = 0;
    while (from <= layouts.size()) {
        const std::size_t comma = std::min(layouts.find(',', from), layouts.size());
        names.push_back(layouts.substr(from, comma - from));
        from = comma + 1;
    }
    return names;
}

void X11KeyPointerState::FollowKeymapChanges()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        if ((event->response_type & 0x7F) == m_xkbEventBase) {
            // Every XKB event carries its own type in the second byte.
            const uint8_t xkbType = reinterpret_cast<const uint8_t*>(event)[1];
            if (xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY || xkbType == XCB_XKB_MAP_NOTIFY) {
                m_keymapStale = true;
            } else if (xkbType == XCB_XKB_STATE_NOTIFY) {
                const auto* stateEvent = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);
                m_keymapStale = m_keymapStale || stateEvent->lockedGroup != m_layout;
            }
        }
        std::free(event);
    }
    if (m_keymapStale && !xcb_connection_has_error(m_connection)) {
        RebuildKeyMap();
    }
}

bool X11KeyPointerState::IsAvailable() const
{
    return m_connection != nullptr && !xcb_connection_has_error(m_connection);
}

std::string X11KeyPointerState::Description() const
{
    return "X11 display " + m_displayName;
}

const VirtualKeyMap& X11KeyPointerState::KeyMap()
{
    if (IsAvailable()) {
        // A round trip brings in every event the server sent before it.
        Reply<xcb_get_input_focus_reply_t>(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        FollowKeymapChanges();
    }
    return m_map;
}

uint8_t X11KeyPointerState::VirtualKeyOfEvent(uint32_t keycode, uint16_t modifierState)
{
    const uint8_t virtualKey = KeyMap().VirtualKeyOf(keycode);
    if (!VirtualKeyMap::IsKeypadDigit(virtualKey) || m_keymap == nullptr) {
        return virtualKey;
    }
    // The keymap's own keypad type decides, with whichever modifier this keymap gives Num Lock;
    // the event's state holds the modifiers in effect, locks included.
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(m_keymap), &xkb_state_unref);
    if (!state) {
        return virtualKey;
    }
    xkb_state_update_mask(state.get(), modifierState & 0xFFu, 0, 0, 0, 0, m_layout);
    const uint8_t navigation = VirtualKeyMap::KeypadNavigationKey(xkb_state_key_get_one_sym(state.get(), keycode));
    return navigation != 0 ? navigation : virtualKey;
}

unsigned int X11KeyPointerState::SendPointerQuery()
{
    if (m_hasExtendedPointer) {
        return xcb_input_xi_query_pointer(m_connection, m_root, m_pointerDevice).sequence;
    }
    return xcb_query_pointer(m_connection, m_root).sequence;
}

X11KeyPointerState::PointerReading X11KeyPointerState::ReceivePointerReading(unsigned int sequence)
{
    PointerReading reading;
    if (m_hasExtendedPointer) {
        const Reply<xcb_input_xi_query_pointer_reply_t> reply(
            xcb_input_xi_query_pointer_reply(m_connection, xcb_input_xi_query_pointer_cookie_t{sequence}, nullptr));
        if (!reply) {
            return reading;
        }
        // Positions are 16.16 fixed point; the whole part is the pixel, as the core request says.
        reading.position = {reply->root_x >> 16, reply->root_y >> 16};
        const auto* mask = reinterpret_cast<const uint8_t*>(xcb_input_xi_query_pointer_buttons(reply.get()));
        const std::size_t maskBytes =
            std::size_t(std::max(0, xcb_input_xi_query_pointer_buttons_length(reply.get()))) * 4;
        for (const MouseButton& mouseButton : kMouseButtons) {
            if (mouseButton.button / 8 < maskBytes && (mask[mouseButton.button / 8] & (1u << (mouseButton.button % 8)))) {
                reading.buttons |= ButtonBits(mouseButton.virtualKey);
            }
        }
        reading.valid = true;
        return reading;
    }
    xcb_query_pointer_cookie_t cookie{sequence};
    Reply<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(m_connection, cookie, nullptr));
    if (!reply) {
        return reading;
    }
    reading.position = {reply->root_x, reply->root_y};
    // The core request knows buttons 1 to 5 only.
    const uint16_t coreMasks[] = {XCB_BUTTON_MASK_1, XCB_BUTTON_MASK_2, XCB_BUTTON_MASK_3};
    for (std::size_t index = 0; index < 3; ++index) {
        if (reply->mask & coreMasks[index]) {
            reading.buttons |= ButtonBits(kMouseButtons[index].virtualKey);
        }
    }
    reading.valid = true;
    return reading;
}

void X11KeyPointerState::AddKeysDown(const uint8_t (&keys)[32], KeyboardStateBytes& state) const
{
    for (uint32_t keycode = 8; keycode < 256; ++keycode) {
        if (keys[keycode / 8] & (1u << (keycode % 8))) {
            const uint8_t virtualKey = m_map.VirtualKeyOf(keycode);
            if (virtualKey != 0) {
                state[virtualKey] |= 0x80;
            }
        }
    }
    VirtualKeyMap::AddGenericModifiers(state);
}

KeyboardStateBytes X11KeyPointerState::ReadKeyboardState()
{
    KeyboardStateBytes state{};
    if (!IsAvailable()) {
        return state;
    }
    // All three requests leave before the first reply is awaited: one round trip in all.
    const xcb_query_keymap_cookie_t keymapCookie = xcb_query_keymap(m_connection);
    const unsigned int pointerSequence = SendPointerQuery();
    const xcb_xkb_get_indicator_state_cookie_t indicatorCookie =
        xcb_xkb_get_indicator_state(m_connection, static_cast<xcb_xkb_device_spec_t>(m_keyboardDevice));

    Reply<xcb_query_keymap_reply_t> keymap(xcb_query_keymap_reply(m_connection, keymapCookie, nullptr));
    const PointerReading pointer = ReceivePointerReading(pointerSequence);
    Reply<xcb_xkb_get_indicator_state_reply_t> indicators(
        xcb_xkb_get_indicator_state_reply(m_connection, indicatorCookie, nullptr));
    FollowKeymapChanges();

    if (keymap) {
        AddKeysDown(keymap->keys, state);
    }
    for (const MouseButton& mouseButton : kMouseButtons) {
        if (pointer.buttons & ButtonBits(mouseButton.virtualKey)) {
            state[mouseButton.virtualKey] |= 0x80;
        }
    }
    if (indicators) {
        for (std::size_t index = 0; index < 3; ++index) {
            if (m_lockIndicators[index] >= 0 && (indicators->state & (1u << m_lockIndicators[index]))) {
                state[kLockIndicators[index].virtualKey] |= 0x01;
            }
        }
    }
    return state;
}

bool X11KeyPointerState::IsKeyDown(uint8_t virtualKey)
{
    if (!IsAvailable() || virtualKey == 0) {
        return false;
    }
    if (ButtonOf(virtualKey) != 0) {
        const PointerReading pointer = ReceivePointerReading(SendPointerQuery());
        FollowKeymapChanges();
        return (pointer.buttons & ButtonBits(virtualKey)) != 0;
    }
    Reply<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(m_connection, xcb_query_keymap(m_connection), nullptr));
    FollowKeymapChanges();
    if (!keymap) {
        return false;
    }
    KeyboardStateBytes state{};
    AddKeysDown(keymap->keys, state);
    return (state[virtualKey] & 0x80) != 0;
}

bool X11KeyPointerState::IsToggled(uint8_t virtualKey)
{
    if (!IsAvailable()) {
        return false;
    }
    for (std::size_t index = 0; index < 3; ++index) {
        if (kLockIndicators[index].virtualKey != virtualKey) {
            continue;
        }
        Reply<xcb_xkb_get_indicator_state_reply_t> indicators(xcb_xkb_get_indicator_state_reply(
            m_connection,
            xcb_xkb_get_indicator_state(m_connection, static_cast<xcb_xkb_device_spec_t>(m_keyboardDevice)),
            nullptr));
        FollowKeymapChanges();
        return indicators && m_lockIndicators[index] >= 0 && (indicators->state & (1u << m_lockIndicators[index]));
    }
    return false;
}

std::optional<PointerPosition> X11KeyPointerState::ReadPointerPosition()
{
    if (!IsAvailable()) {
        return std::nullopt;
    }
    Reply<xcb_query_pointer_reply_t> reply(
        xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr));
    if (!reply) {
        return std::nullopt;
    }
    return PointerPosition{reply->root_x, reply->root_y};
}

bool X11KeyPointerState::ReleaseButton(uint8_t button)
{
    const xcb_void_cookie_t cookie =
        xcb_test_fake_input_checked(m_connection, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
    xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
    std::free(error);
    return error == nullptr;
}

bool X11KeyPointerState::SynthesizeKeyRelease(uint8_t virtualKey)
{
    if (!IsAvailable() || !m_hasXTest || virtualKey == 0) {
        return false;
    }
    const uint8_t button = ButtonOf(virtualKey);
    if (button != 0) {
        return ReleaseButton(button) && !IsKeyDown(virtualKey);
    }
    const std::vector<uint32_t> keycodes = KeyMap().KeycodesOf(virtualKey);
    if (keycodes.empty()) {
        return false;
    }
    std::vector<xcb_void_cookie_t> cookies;
    for (const uint32_t keycode : keycodes) {
        cookies.push_back(xcb_test_fake_input_checked(m_connection, XCB_KEY_RELEASE, static_cast<uint8_t>(keycode),
                                                      XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0));
    }
    bool accepted = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
        accepted = accepted && error == nullptr;
        std::free(error);
    }
    return accepted && !IsKeyDown(virtualKey);
}

} // namespace corvo::platform
