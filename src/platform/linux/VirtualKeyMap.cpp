// Builds the keycode to virtual-key translation from an xkbcommon keymap and the position tables.
#include "platform/linux/VirtualKeyMap.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace corvo::platform {

namespace {

// Keys whose code never depends on the layout: function, editing, cursor, keypad, modifier, lock
// and input-method keys. Names are those of xkeyboard-config's "evdev" keycodes, codes those of
// linux/input-event-codes.h, virtual-key codes those of the published Windows list.
//
// Two codes are given twice on purpose: VK_RETURN (0x0D) to the main Enter key and to keypad
// Enter, which Windows tells apart only by the extended-key flag; VK_APPS (0x5D) to <COMP> and
// <MENU>, two names of the same key in the evdev keycodes.
constexpr FixedPositionKey kFixedPositionKeys[] = {
    {"ESC", KEY_ESC, 0x1B},
    {"FK01", KEY_F1, 0x70},
    {"FK02", KEY_F2, 0x71},
    {"FK03", KEY_F3, 0x72},
    {"FK04", KEY_F4, 0x73},
    {"FK05", KEY_F5, 0x74},
    {"FK06", KEY_F6, 0x75},
    {"FK07", KEY_F7, 0x76},
    {"FK08", KEY_F8, 0x77},
    {"FK09", KEY_F9, 0x78},
    {"FK10", KEY_F10, 0x79},
    {"FK11", KEY_F11, 0x7A},
    {"FK12", KEY_F12, 0x7B},
    {"FK13", KEY_F13, 0x7C},
    {"FK14", KEY_F14, 0x7D},
    {"FK15", KEY_F15, 0x7E},
    {"FK16", KEY_F16, 0x7F},
    {"FK17", KEY_F17, 0x80},
    {"FK18", KEY_F18, 0x81},
    {"FK19", KEY_F19, 0x82},
    {"FK20", KEY_F20, 0x83},
    {"FK21", KEY_F21, 0x84},
    {"FK22", KEY_F22, 0x85},
    {"FK23", KEY_F23, 0x86},
    {"FK24", KEY_F24, 0x87},
    {"PRSC", KEY_SYSRQ, 0x2C},
    {"SCLK", KEY_SCROLLLOCK, 0x91},
    {"PAUS", KEY_PAUSE, 0x13},
    {"INS", KEY_INSERT, 0x2D},
    {"DELE", KEY_DELETE, 0x2E},
    {"HOME", KEY_HOME, 0x24},
    {"END", KEY_END, 0x23},
    {"PGUP", KEY_PAGEUP, 0x21},
    {"PGDN", KEY_PAGEDOWN, 0x22},
    {"LEFT", KEY_LEFT, 0x25},
    {"UP", KEY_UP, 0x26},
    {"RGHT", KEY_RIGHT, 0x27},
    {"DOWN", KEY_DOWN, 0x28},
    {"HELP", KEY_HELP, 0x2F},
    {"BKSP", KEY_BACKSPACE, 0x08},
    {"TAB", KEY_TAB, 0x09},
    {"RTRN", KEY_ENTER, 0x0D},
    {"CAPS", KEY_CAPSLOCK, 0x14},
    {"SPCE", KEY_SPACE, 0x20},
    {"LFSH", KEY_LEFTSHIFT, 0xA0},
    {"RTSH", KEY_RIGHTSHIFT, 0xA1},
    {"LCTL", KEY_LEFTCTRL, 0xA2},
    {"RCTL", KEY_RIGHTCTRL, 0xA3},
    {"LALT", KEY_LEFTALT, 0xA4},
    {"RALT", KEY_RIGHTALT, 0xA5},
    {"LWIN", KEY_LEFTMETA, 0x5B},
    {"RWIN", KEY_RIGHTMETA, 0x5C},
    {"COMP", KEY_COMPOSE, 0x5D},
    {"MENU", KEY_COMPOSE, 0x5D},
    {"NMLK", KEY_NUMLOCK, 0x90},
    {"KP0", KEY_KP0, 0x60},
    {"KP1", KEY_KP1, 0x61},
    {"KP2", KEY_KP2, 0x62},
    {"KP3", KEY_KP3, 0x63},
    {"KP4", KEY_KP4, 0x64},
    {"KP5", KEY_KP5, 0x65},
    {"KP6", KEY_KP6, 0x66},
    {"KP7", KEY_KP7, 0x67},
    {"KP8", KEY_KP8, 0x68},
    {"KP9", KEY_KP9, 0x69},
    {"KPMU", KEY_KPASTERISK, 0x6A},
    {"KPAD", KEY_KPPLUS, 0x6B},
    {"JPCM", KEY_KPJPCOMMA, 0x6C},  // VK_SEPARATOR: the keypad comma of Japanese keyboards
    {"KPSU", KEY_KPMINUS, 0x6D},
    {"KPDL", KEY_KPDOT, 0x6E},
    {"KPDV", KEY_KPSLASH, 0x6F},
    {"KPEN", KEY_KPENTER, 0x0D},
    {"KPEQ", KEY_KPEQUAL, 0x92},    // VK_OEM_NEC_EQUAL, the keypad "=" key
    {"KPPT", KEY_KPCOMMA, 0xC2},    // VK_ABNT_C2, the keypad point of Brazilian ABNT2 keyboards
    {"HENK", KEY_HENKAN, 0x1C},     // VK_CONVERT
    {"MUHE", KEY_MUHENKAN, 0x1D},   // VK_NONCONVERT
    {"HKTG", KEY_KATAKANAHIRAGANA, 0xF2},  // VK_OEM_COPY, which the Japanese layout gives this key
    {"HNGL", KEY_HANGEUL, 0x15},    // VK_HANGUL
    {"HJCV", KEY_HANJA, 0x19},      // VK_HANJA
};

// The typing block, row by row from the top left, so that of two keys typing the same letter the
// upper left one keeps it. Codes by position transcribe the published virtual-key codes as the
// US 101/102-key and the Japanese 106-key layouts give them to each key. The Japanese keyboard
// has the yen key <AE13> and the "ro" key <AB11> but no <LSGT>; the Brazilian ABNT2 keyboard's
// key at <AB11> is VK_ABNT_C1, kept apart from <LSGT>'s VK_OEM_102.
constexpr CharacterKey kCharacterKeys[] = {
    {"TLDE", KEY_GRAVE, 0xC0, 0xF3},  // Japanese: Hankaku/Zenkaku, VK_OEM_AUTO
    {"AE01", KEY_1, '1', '1'},
    {"AE02", KEY_2, '2', '2'},
    {"AE03", KEY_3, '3', '3'},
    {"AE04", KEY_4, '4', '4'},
    {"AE05", KEY_5, '5', '5'},
    {"AE06", KEY_6, '6', '6'},
    {"AE07", KEY_7, '7', '7'},
    {"AE08", KEY_8, '8', '8'},
    {"AE09", KEY_9, '9', '9'},
    {"AE10", KEY_0, '0', '0'},
    {"AE11", KEY_MINUS, 0xBD, 0xBD},
    {"AE12", KEY_EQUAL, 0xBB, 0xDE},
    {"AE13", KEY_YEN, 0, 0xDC},
    {"AD01", KEY_Q, 'Q', 'Q'},
    {"AD02", KEY_W, 'W', 'W'},
    {"AD03", KEY_E, 'E', 'E'},
    {"AD04", KEY_R, 'R', 'R'},
    {"AD05", KEY_T, 'T', 'T'},
    {"AD06", KEY_Y, 'Y', 'Y'},
    {"AD07", KEY_U, 'U', 'U'},
    {"AD08", KEY_I, 'I', 'I'},
    {"AD09", KEY_O, 'O', 'O'},
    {"AD10", KEY_P, 'P', 'P'},
    {"AD11", KEY_LEFTBRACE, 0xDB, 0xC0},
    {"AD12", KEY_RIGHTBRACE, 0xDD, 0xDB},
    {"BKSL", KEY_BACKSLASH, 0xDC, 0xDD},
    {"AC01", KEY_A, 'A', 'A'},
    {"AC02", KEY_S, 'S', 'S'},
    {"AC03", KEY_D, 'D', 'D'},
    {"AC04", KEY_F, 'F', 'F'},
    {"AC05", KEY_G, 'G', 'G'},
    {"AC06", KEY_H, 'H', 'H'},
    {"AC07", KEY_J, 'J', 'J'},
    {"AC08", KEY_K, 'K', 'K'},
    {"AC09", KEY_L, 'L', 'L'},
    {"AC10", KEY_SEMICOLON, 0xBA, 0xBB},
    {"AC11", KEY_APOSTROPHE, 0xDE, 0xBA},
    {"LSGT", KEY_102ND, 0xE2, 0},
    {"AB01", KEY_Z, 'Z', 'Z'},
    {"AB02", KEY_X, 'X', 'X'},
    {"AB03", KEY_C, 'C', 'C'},
    {"AB04", KEY_V, 'V', 'V'},
    {"AB05", KEY_B, 'B', 'B'},
    {"AB06", KEY_N, 'N', 'N'},
    {"AB07", KEY_M, 'M', 'M'},
    {"AB08", KEY_COMMA, 0xBC, 0xBC},
    {"AB09", KEY_DOT, 0xBE, 0xBE},
    {"AB10", KEY_SLASH, 0xBF, 0xBF},
    {"AB11", KEY_RO, 0xC1, 0xE2},
};

// Media, browser and launch keys by the XF86 keysym that xkeyboard-config puts on them, to the
// Windows browser, volume, media and launch codes (0xA6 to 0xB7) and VK_SLEEP.
constexpr KeysymKey kKeysymKeys[] = {
    {XKB_KEY_XF86Sleep, 0x5F},
    {XKB_KEY_XF86Back, 0xA6},
    {XKB_KEY_XF86Forward, 0xA7},
    {XKB_KEY_XF86Refresh, 0xA8},
    {XKB_KEY_XF86Reload, 0xA8},
    {XKB_KEY_XF86Stop, 0xA9},
    {XKB_KEY_XF86Search, 0xAA},
    {XKB_KEY_XF86Favorites, 0xAB},
    {XKB_KEY_XF86HomePage, 0xAC},
    {XKB_KEY_XF86AudioMute, 0xAD},
    {XKB_KEY_XF86AudioLowerVolume, 0xAE},
    {XKB_KEY_XF86AudioRaiseVolume, 0xAF},
    {XKB_KEY_XF86AudioNext, 0xB0},
    {XKB_KEY_XF86AudioPrev, 0xB1},
    {XKB_KEY_XF86AudioStop, 0xB2},
    {XKB_KEY_XF86AudioPlay, 0xB3},
    {XKB_KEY_XF86AudioPause, 0xB3},
    {XKB_KEY_XF86Mail, 0xB4},
    {XKB_KEY_XF86AudioMedia, 0xB5},
    {XKB_KEY_XF86MyComputer, 0xB6},
    {XKB_KEY_XF86Calculator, 0xB7},
};

// Windows reports the generic Shift, Control and Alt codes along with the sided ones; no key of
// its own reads as a generic code.
struct GenericModifier {
    uint8_t generic;
    uint8_t left;
    uint8_t right;
};
constexpr GenericModifier kGenericModifiers[] = {
    {virtual_key::kShift, virtual_key::kLeftShift, virtual_key::kRightShift},
    {virtual_key::kControl, virtual_key::kLeftControl, virtual_key::kRightControl},
    {virtual_key::kAlt, virtual_key::kLeftAlt, virtual_key::kRightAlt},
};

constexpr uint32_t kEvdevToX = 8;
constexpr std::size_t kCharacterKeyCount = sizeof(kCharacterKeys) / sizeof(kCharacterKeys[0]);

struct ContextDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

bool IsUsableKeycode(xkb_keycode_t keycode)
{
    return keycode != XKB_KEYCODE_INVALID && keycode >= kEvdevToX && keycode <= 255;
}

xkb_keysym_t BaseKeysym(xkb_keymap* keymap, xkb_keycode_t keycode, uint32_t layout)
{
    const xkb_keysym_t* keysyms = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, 0, &keysyms);
    return count > 0 ? keysyms[0] : XKB_KEY_NoSymbol;
}

// The virtual key of a letter or digit keysym, 0 for every other keysym. Only the ASCII letters
// have codes of their own; "ü" or "é" keys keep the code of their position.
uint8_t LetterOrDigitKey(xkb_keysym_t keysym)
{
    if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z) {
        return static_cast<uint8_t>('A' + (keysym - XKB_KEY_a));
    }
    if (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z) {
        return static_cast<uint8_t>(keysym);
    }
    if (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9) {
        return static_cast<uint8_t>(keysym);
    }
    return 0;
}

uint8_t PositionKey(const CharacterKey& key, VirtualKeyMap::Positions positions)
{
    return positions == VirtualKeyMap::Positions::Japanese ? key.japaneseVirtualKey : key.usVirtualKey;
}

} // namespace

TableView<FixedPositionKey> VirtualKeyMap::FixedPositionKeys()
{
    return {kFixedPositionKeys, sizeof(kFixedPositionKeys) / sizeof(kFixedPositionKeys[0])};
}

TableView<CharacterKey> VirtualKeyMap::CharacterKeys()
{
    return {kCharacterKeys, kCharacterKeyCount};
}

TableView<KeysymKey> VirtualKeyMap::KeysymKeys()
{
    return {kKeysymKeys, sizeof(kKeysymKeys) / sizeof(kKeysymKeys[0])};
}

VirtualKeyMap VirtualKeyMap::FromKeymap(xkb_keymap* keymap, uint32_t layout)
{
    VirtualKeyMap map;
    if (keymap == nullptr) {
        return map;
    }
    for (const FixedPositionKey& key : kFixedPositionKeys) {
        const xkb_keycode_t keycode = xkb_keymap_key_by_name(keymap, key.keyName);
        if (IsUsableKeycode(keycode) && map.m_virtualKeys[keycode] == 0) {
            map.m_virtualKeys[keycode] = key.virtualKey;
        }
    }

    // Only Japanese layouts put a symbol on the yen key, so it tells which keyboard the
    // punctuation codes should follow.
    const xkb_keycode_t yenKey = xkb_keymap_key_by_name(keymap, "AE13");
    if (IsUsableKeycode(yenKey) && BaseKeysym(keymap, yenKey, layout) != XKB_KEY_NoSymbol) {
        map.m_positions = Positions::Japanese;
    }

    // First the keys that type a letter or a digit take that letter's or digit's code.
    std::array<xkb_keycode_t, kCharacterKeyCount> keycodes{};
    std::array<int, 256> takenBy;  // row of the character key that took a code, or -1
    takenBy.fill(-1);
    std::array<bool, kCharacterKeyCount> assigned{};
    for (std::size_t row = 0; row < kCharacterKeyCount; ++row) {
        keycodes[row] = xkb_keymap_key_by_name(keymap, kCharacterKeys[row].keyName);
        if (!IsUsableKeycode(keycodes[row]) || map.m_virtualKeys[keycodes[row]] != 0) {
            continue;
        }
        const uint8_t letter = LetterOrDigitKey(BaseKeysym(keymap, keycodes[row], layout));
        if (letter != 0 && takenBy[letter] < 0) {
            map.m_virtualKeys[keycodes[row]] = letter;
            takenBy[letter] = static_cast<int>(row);
            assigned[row] = true;
        }
    }
    // Then every other key takes its position's code. Where a letter took that code (the ","
    // key of AZERTY sits where US keyboards have M), the key takes the position code of the key
    // that typed the letter, following such moves until a free code turns up; the codes
    // therefore stay one per key on every layout.
    for (std::size_t row = 0; row < kCharacterKeyCount; ++row) {
        if (assigned[row] || !IsUsableKeycode(keycodes[row]) || map.m_virtualKeys[keycodes[row]] != 0) {
            continue;
        }
        uint8_t code = PositionKey(kCharacterKeys[row], map.m_positions);
        for (std::size_t step = 0; code != 0 && takenBy[code] >= 0 && step < kCharacterKeyCount; ++step) {
            code = PositionKey(kCharacterKeys[takenBy[code]], map.m_positions);
        }
        if (code != 0 && takenBy[code] < 0) {
            map.m_virtualKeys[keycodes[row]] = code;
            takenBy[code] = static_cast<int>(row);
        }
    }

    // Last the keys without a fixed place, by their keysym.
    for (xkb_keycode_t keycode = kEvdevToX; keycode <= 255; ++keycode) {
        if (map.m_virtualKeys[keycode] != 0) {
            continue;
        }
        const xkb_keysym_t keysym = BaseKeysym(keymap, keycode, layout);
        for (const KeysymKey& key : kKeysymKeys) {
            if (key.keysym == keysym) {
                map.m_virtualKeys[keycode] = key.virtualKey;
                break;
            }
        }
    }
    return map;
}

std::optional<VirtualKeyMap> VirtualKeyMap::FromNames(const std::string& layout, const std::string& variant,
                                                      const std::string& model, const std::string& options,
                                                      const std::string& rules)
{
    const std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    if (!context) {
        return std::nullopt;
    }
    // Names that do not compile are the caller's answer (nullopt), not a message on stderr.
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    auto field = [](const std::string& text) { return text.empty() ? nullptr : text.c_str(); };
    const xkb_rule_names names{field(rules), field(model), field(layout), field(variant), field(options)};
    const std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return std::nullopt;
    }
    return FromKeymap(keymap.get());
}

VirtualKeyMap VirtualKeyMap::FromEvdevPositions()
{
    VirtualKeyMap map;
    for (const FixedPositionKey& key : kFixedPositionKeys) {
        map.m_virtualKeys[key.evdevCode + kEvdevToX] = key.virtualKey;
    }
    for (const CharacterKey& key : kCharacterKeys) {
        if (key.usVirtualKey != 0) {
            map.m_virtualKeys[key.evdevCode + kEvdevToX] = key.usVirtualKey;
        }
    }
    return map;
}

void VirtualKeyMap::AddGenericModifiers(std::array<uint8_t, 256>& state)
{
    for (const GenericModifier& modifier : kGenericModifiers) {
        if ((state[modifier.left] | state[modifier.right]) & 0x80) {
            state[modifier.generic] |= 0x80;
        }
    }
}

uint8_t VirtualKeyMap::KeypadNavigationKey(uint32_t keysym)
{
    static constexpr KeysymKey kKeypadNavigation[] = {
        {XKB_KEY_KP_Home, 0x24},  {XKB_KEY_KP_Up, 0x26},    {XKB_KEY_KP_Prior, 0x21}, {XKB_KEY_KP_Left, 0x25},
        {XKB_KEY_KP_Begin, 0x0C}, {XKB_KEY_KP_Right, 0x27}, {XKB_KEY_KP_End, 0x23},   {XKB_KEY_KP_Down, 0x28},
        {XKB_KEY_KP_Next, 0x22},  {XKB_KEY_KP_Insert, 0x2D}, {XKB_KEY_KP_Delete, 0x2E},
    };
    for (const KeysymKey& key : kKeypadNavigation) {
        if (key.keysym == keysym) {
            return key.virtualKey;
        }
    }
    return 0;
}

uint8_t VirtualKeyMap::VirtualKeyOf(uint32_t keycode) const
{
    return keycode < m_virtualKeys.size() ? m_virtualKeys[keycode] : 0;
}

uint8_t VirtualKeyMap::VirtualKeyOfEvdevCode(uint32_t code) const
{
    return code <= 255 - kEvdevToX ? VirtualKeyOf(code + kEvdevToX) : 0;
}

std::vector<uint32_t> VirtualKeyMap::KeycodesOf(uint8_t virtualKey) const
{
    std::vector<uint32_t> keycodes;
    if (virtualKey == 0) {
        return keycodes;
    }
    uint8_t left = virtualKey;
    uint8_t right = virtualKey;
    for (const GenericModifier& modifier : kGenericModifiers) {
        if (modifier.generic == virtualKey) {
            left = modifier.left;
            right = modifier.right;
        }
    }
    for (uint32_t keycode = 0; keycode < m_virtualKeys.size(); ++keycode) {
        if (m_virtualKeys[keycode] == left || m_virtualKeys[keycode] == right) {
            keycodes.push_back(keycode);
        }
    }
    return keycodes;
}

} // namespace corvo::platform
