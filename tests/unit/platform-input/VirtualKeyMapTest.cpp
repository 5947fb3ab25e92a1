// The keycode to virtual-key translation on keymaps compiled from layout names, and its tables.
#include <gtest/gtest.h>

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "platform/KeyPointerState.h"
#include "platform/linux/VirtualKeyMap.h"

namespace corvo::platform {
namespace {

// A keymap compiled from "layout" or "layout:variant", to look keys up by name and read what
// they type independently of the code under test.
struct CompiledLayout {
    explicit CompiledLayout(const std::string& name)
    {
        static xkb_context* const context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const std::size_t colon = std::min(name.find(':'), name.size());
        const std::string layout = name.substr(0, colon);
        const std::string variant = name.substr(std::min(colon + 1, name.size()));
        const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), nullptr};
        keymap.reset(xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }
    uint32_t Keycode(const std::string& keyName) const { return xkb_keymap_key_by_name(keymap.get(), keyName.c_str()); }
    VirtualKeyMap Map(uint32_t layout = 0) const { return VirtualKeyMap::FromKeymap(keymap.get(), layout); }
    // What the key types without modifiers, upper case.
    xkb_keysym_t Types(uint32_t keycode) const
    {
        const xkb_keysym_t* keysyms = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap.get(), keycode, 0, 0, &keysyms);
        return count > 0 ? xkb_keysym_to_upper(keysyms[0]) : XKB_KEY_NoSymbol;
    }

    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{nullptr, &xkb_keymap_unref};
};

const std::string kLettersAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// On many layouts: representative keys of each group read as the published virtual-key code given
// in hex; one key per code; every letter and digit present and read as what its key types; the
// reverse map agreeing with the forward one.
TEST(VirtualKeyMap, EveryLayoutGivesEachKeyItsOwnCode)
{
    const std::map<std::string, std::string> representatives = {
        // editing, cursor and system keys by position (the function keys and the keypad digits are
        // runs the table test checks), the keypad on every layout, the locks and the keys beside
        // the modifiers; media keys by their XF86 keysyms; punctuation by its US position
        {"us", "ESC:1B FK12:7B INS:2D DELE:2E HOME:24 END:23 PGUP:21 PGDN:22 LEFT:25 UP:26 RGHT:27 DOWN:28 "
               "PRSC:2C PAUS:13 BKSP:08 TAB:09 SPCE:20 RTRN:0D KPMU:6A KPAD:6B KPSU:6D KPDL:6E KPDV:6F KPEN:0D "
               "CAPS:14 NMLK:90 SCLK:91 LWIN:5B RWIN:5C COMP:5D MENU:5D MUTE:AD VOL-:AE VOL+:AF I166:A6 I167:A7 "
               "I171:B0 I172:B3 I173:B1 I150:5F AC01:41 AB01:5A AD06:59 AE01:31 AE10:30 TLDE:C0 AE11:BD AE12:BB "
               "AD11:DB AD12:DD BKSL:DC AC10:BA AC11:DE AB08:BC AB09:BE AB10:BF LSGT:E2"},
        // German: Z and Y change places; the umlauts and sharp s keep their position's code; AltGr
        // is the right Alt key
        {"de", "AD06:5A AB01:59 AC01:41 AC10:BA AC11:DE AD11:DB AE11:BD LSGT:E2 RALT:A5"},
        // AZERTY: the "," key takes the code the m key left; the digit row types digits with Shift
        {"fr", "AD01:41 AC01:51 AD02:5A AB01:57 AC10:4D AB07:BA AE01:31 AE10:30 AB08:BC KPDL:6E"},
        // Japanese 106-key positions and input-method keys; Eisu shares Caps Lock's key
        {"jp", "AE13:DC BKSL:DD AD11:C0 AD12:DB AE12:DE AC10:BB AC11:BA AB11:E2 TLDE:F3 HZTG:F3 HENK:1C MUHE:1D "
               "HKTG:F2 CAPS:14 AC01:41 AE01:31"},
        // Brazilian ABNT2: VK_ABNT_C1 and C2 apart from VK_OEM_102 and VK_DECIMAL
        {"br", "AB11:C1 KPPT:C2 LSGT:E2 AC10:BA KPDL:6E AC01:41"},
        // other scripts take their position's codes; Dvorak's ' follows the letters that moved
        {"ru", "AC01:41 AB07:4D AB08:BC"}, {"us:dvorak", "AC01:41 AB10:5A AC10:53 AD01:BA"},
    };
    std::set<uint8_t> byKeysym{0x0D}; // media keys may come twice (play, play/pause); Enter does
    for (const KeysymKey& key : VirtualKeyMap::KeysymKeys()) {
        byKeysym.insert(key.virtualKey);
    }
    for (const char* name : {"us", "de", "fr", "jp", "br", "ru", "gb", "es", "it", "se", "ch", "cz", "tr", "pl", "pt",
                             "no", "dk", "fi", "hu", "be", "latam", "ca", "il", "gr", "ua", "kr", "ara", "th", "lt",
                             "sk", "is", "us:dvorak", "us:colemak", "fr:bepo", "de:neo", "fr:afnor", "rs:latin"}) {
        const CompiledLayout layout(name);
        ASSERT_NE(layout.keymap, nullptr) << name;
        const VirtualKeyMap map = layout.Map();
        std::istringstream words(representatives.count(name) ? representatives.at(name) : "");
        for (std::string key, code; std::getline(words >> std::ws, key, ':') && words >> code;) {
            EXPECT_EQ(map.VirtualKeyOf(layout.Keycode(key)), std::stoi(code, nullptr, 16)) << name << " " << key;
        }
        std::map<int, int> keysPerCode;
        for (uint32_t keycode = 8; keycode < 256; ++keycode) {
            const uint8_t virtualKey = map.VirtualKeyOf(keycode);
            const std::vector<uint32_t> reverse = map.KeycodesOf(virtualKey);
            EXPECT_TRUE(virtualKey == 0 || std::count(reverse.begin(), reverse.end(), keycode) == 1) << name << keycode;
            keysPerCode[virtualKey] += byKeysym.count(virtualKey) == 0 ? 1 : 0;
        }
        for (const auto& [virtualKey, keys] : keysPerCode) {
            EXPECT_TRUE(keys <= 1 || virtualKey == 0) << name << ": " << virtualKey << " is given to several keys";
        }
        for (const char code : kLettersAndDigits) {
            EXPECT_EQ(keysPerCode[code], 1) << name << ": no key reads as " << code;
        }
        std::set<xkb_keysym_t> seen; // of two keys typing the same letter, the first in the table
        for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
            const xkb_keysym_t typed = layout.Types(layout.Keycode(key.keyName));
            if (typed < 0x80 && kLettersAndDigits.find(static_cast<char>(typed)) != std::string::npos &&
                seen.insert(typed).second) {
                EXPECT_EQ(map.VirtualKeyOf(layout.Keycode(key.keyName)), typed) << name << " <" << key.keyName << ">";
            }
        }
    }
}

TEST(VirtualKeyTables, CodesAreValidGivenOnceAndFollowTheEvdevKeycodes)
{
    const CompiledLayout us("us");
    std::set<std::string> names;
    std::map<int, std::set<std::string>> fixed;
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        EXPECT_TRUE(key.virtualKey >= 1 && key.virtualKey <= 254 && names.insert(key.keyName).second) << key.keyName;
        EXPECT_EQ(us.Keycode(key.keyName), key.evdevCode + 8u) << key.keyName;
        fixed[key.virtualKey].insert(key.keyName);
        // VK_F1 to VK_F24 and VK_NUMPAD0 to VK_NUMPAD9 are runs of codes.
        int number = 0;
        if (std::sscanf(key.keyName, "FK%d", &number) == 1 || std::sscanf(key.keyName, "KP%d", &number) == 1) {
            EXPECT_EQ(key.virtualKey, (key.keyName[0] == 'F' ? 0x6F : 0x60) + number) << key.keyName;
        }
    }
    // Only Enter and keypad Enter, and the two names of the menu key, share a code.
    const std::set<std::set<std::string>> pairs{{"KPEN", "RTRN"}, {"COMP", "MENU"}};
    for (const auto& [virtualKey, keyNames] : fixed) {
        EXPECT_TRUE(keyNames.size() == 1 || pairs.count(keyNames) == 1) << virtualKey << " is given twice";
    }
    std::set<int> positioned;
    for (const bool japanese : {false, true}) {
        std::set<int> codes;
        for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
            EXPECT_EQ(us.Keycode(key.keyName), key.evdevCode + 8u) << key.keyName;
            const int virtualKey = japanese ? key.japaneseVirtualKey : key.usVirtualKey;
            EXPECT_TRUE(virtualKey == 0 || (virtualKey <= 254 && codes.insert(virtualKey).second &&
                                            fixed.count(virtualKey) == 0))
                << key.keyName << " repeats " << virtualKey << " or collides with a fixed key";
        }
        for (const char code : kLettersAndDigits) {
            EXPECT_EQ(codes.count(code), 1u) << "no position for " << code << (japanese ? " (Japanese)" : " (US)");
        }
        positioned.insert(codes.begin(), codes.end());
    }
    std::set<uint32_t> keysyms;
    for (const KeysymKey& key : VirtualKeyMap::KeysymKeys()) {
        EXPECT_TRUE(keysyms.insert(key.keysym).second) << "keysym " << key.keysym << " listed twice";
        EXPECT_TRUE(key.virtualKey >= 1 && key.virtualKey <= 254 && fixed.count(key.virtualKey) == 0 &&
                    positioned.count(key.virtualKey) == 0)
            << int{key.virtualKey} << " is taken by a key with a place";
    }
}

TEST(VirtualKeyMap, GenericModifiersStandForBothSides)
{
    const CompiledLayout us("us");
    const VirtualKeyMap map = us.Map();
    const struct { int generic; const char* left; const char* right; int leftCode; } rows[] = {
        {0x10, "LFSH", "RTSH", 0xA0}, {0x11, "LCTL", "RCTL", 0xA2}, {0x12, "LALT", "RALT", 0xA4},
        {0x0D, "RTRN", "KPEN", 0}};
    for (const auto& row : rows) {
        std::vector<uint32_t> both{us.Keycode(row.left), us.Keycode(row.right)};
        std::sort(both.begin(), both.end());
        EXPECT_EQ(map.KeycodesOf(static_cast<uint8_t>(row.generic)), both) << row.left;
        for (int sided = row.leftCode; row.leftCode != 0 && sided <= row.leftCode + 1; ++sided) {
            KeyboardStateBytes state{};
            KeyboardStateBytes expected{};
            state[sided] = expected[sided] = expected[row.generic] = 0x80;
            VirtualKeyMap::AddGenericModifiers(state);
            EXPECT_EQ(state, expected) << "sided code " << sided;
        }
    }
    KeyboardStateBytes toggledOnly{};
    toggledOnly[0xA0] = 0x01;
    VirtualKeyMap::AddGenericModifiers(toggledOnly);
    EXPECT_EQ(toggledOnly[0x10], 0) << "a toggled but released Shift sets no generic code";
    // 0 is no key, 0x07 is unassigned in the Windows list, mouse buttons have no keycode.
    EXPECT_TRUE(map.KeycodesOf(0).empty() && map.KeycodesOf(0x07).empty() && map.KeycodesOf(0x01).empty());
}

TEST(VirtualKeyMap, OtherSourcesOfTheMap)
{
    for (const VirtualKeyMap& empty : {VirtualKeyMap(), VirtualKeyMap::FromKeymap(nullptr)}) {
        for (uint32_t keycode = 0; keycode < 300; ++keycode) {
            EXPECT_EQ(empty.VirtualKeyOf(keycode), 0) << keycode;
        }
        EXPECT_TRUE(empty.KeycodesOf(0x41).empty());
    }
    EXPECT_FALSE(VirtualKeyMap::FromNames("no-such-layout").has_value());

    const CompiledLayout twoLayouts("us,de");
    EXPECT_EQ(twoLayouts.Map(0).VirtualKeyOf(twoLayouts.Keycode("AD06")), 'Y');
    EXPECT_EQ(twoLayouts.Map(1).VirtualKeyOf(twoLayouts.Keycode("AD06")), 'Z') << "the second layout when asked";

    const std::optional<VirtualKeyMap> french = VirtualKeyMap::FromNames("fr", "", "pc105", "", "evdev");
    ASSERT_TRUE(french.has_value());
    EXPECT_EQ(french->PositionsUsed(), VirtualKeyMap::Positions::UnitedStates);
    EXPECT_EQ(VirtualKeyMap::FromNames("jp")->PositionsUsed(), VirtualKeyMap::Positions::Japanese);
    EXPECT_EQ(french->VirtualKeyOf(CompiledLayout("fr").Keycode("AD01")), 'A') << "the names reach the keymap";
    // Without a keymap, every key with a place reads as on a US keyboard, at its kernel code + 8.
    const VirtualKeyMap us = CompiledLayout("us").Map();
    const VirtualKeyMap evdev = VirtualKeyMap::FromEvdevPositions();
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        EXPECT_EQ(evdev.VirtualKeyOf(key.evdevCode + 8), us.VirtualKeyOf(key.evdevCode + 8)) << key.keyName;
    }
    for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
        EXPECT_EQ(evdev.VirtualKeyOf(key.evdevCode + 8), us.VirtualKeyOf(key.evdevCode + 8)) << key.keyName;
    }
}

} // namespace
} // namespace corvo::platform
