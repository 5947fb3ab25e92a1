// The keycode to virtual-key translation on keymaps compiled from layout names, and its tables.
#include <gtest/gtest.h>

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/VirtualKeyMap.h"

namespace corvo::platform {
namespace {

struct ContextDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};

// A keymap compiled from its names, kept so the test can look keys up by name and read what they
// type independently of the code under test.
class CompiledLayout {
public:
    CompiledLayout(const std::string& layout, const std::string& variant)
        : m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
    {
        const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), nullptr};
        m_keymap.reset(xkb_keymap_new_from_names(m_context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    }

    xkb_keymap* Keymap() const { return m_keymap.get(); }

    uint32_t Keycode(const std::string& keyName) const { return xkb_keymap_key_by_name(Keymap(), keyName.c_str()); }

    xkb_keysym_t BaseKeysym(uint32_t keycode) const
    {
        const xkb_keysym_t* keysyms = nullptr;
        return xkb_keymap_key_get_syms_by_level(Keymap(), keycode, 0, 0, &keysyms) > 0 ? keysyms[0]
                                                                                         : XKB_KEY_NoSymbol;
    }

private:
    std::unique_ptr<xkb_context, ContextDeleter> m_context;
    std::unique_ptr<xkb_keymap, KeymapDeleter> m_keymap;
};

std::string Hex(unsigned value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[(value >> 4) & 15] + kDigits[value & 15];
}

struct LayoutKeyRow {
    const char* layout;
    const char* variant;
    const char* keyName;
    uint8_t virtualKey;
    const char* why;
};

void PrintTo(const LayoutKeyRow& row, std::ostream* out)
{
    *out << row.layout << (row.variant[0] ? "(" : "") << row.variant << (row.variant[0] ? ")" : "") << " <"
         << row.keyName << "> " << Hex(row.virtualKey);
}

class LayoutKeyTest : public ::testing::TestWithParam<LayoutKeyRow> {};

TEST_P(LayoutKeyTest, KeyReadsAsExpectedVirtualKey)
{
    const LayoutKeyRow& row = GetParam();
    const CompiledLayout layout(row.layout, row.variant);
    ASSERT_NE(layout.Keymap(), nullptr) << "layout does not compile";
    const uint32_t keycode = layout.Keycode(row.keyName);
    ASSERT_NE(keycode, XKB_KEYCODE_INVALID) << "no key <" << row.keyName << ">";

    const VirtualKeyMap map = VirtualKeyMap::FromKeymap(layout.Keymap());
    EXPECT_EQ(Hex(map.VirtualKeyOf(keycode)), Hex(row.virtualKey)) << row.why;
    const std::vector<uint32_t> keycodes = map.KeycodesOf(row.virtualKey);
    EXPECT_NE(std::find(keycodes.begin(), keycodes.end(), keycode), keycodes.end()) << "the reverse map finds it";
}

// The keys the module relies on by position, as the published list of virtual-key codes names them.
INSTANTIATE_TEST_SUITE_P(
    FixedPositions, LayoutKeyTest,
    ::testing::Values(
        LayoutKeyRow{"us", "", "ESC", 0x1B, "VK_ESCAPE"}, LayoutKeyRow{"us", "", "LFSH", 0xA0, "VK_LSHIFT"},
        LayoutKeyRow{"us", "", "RTSH", 0xA1, "VK_RSHIFT"}, LayoutKeyRow{"us", "", "LCTL", 0xA2, "VK_LCONTROL"},
        LayoutKeyRow{"us", "", "RCTL", 0xA3, "VK_RCONTROL"}, LayoutKeyRow{"us", "", "LALT", 0xA4, "VK_LMENU"},
        LayoutKeyRow{"us", "", "RALT", 0xA5, "VK_RMENU"}, LayoutKeyRow{"us", "", "LWIN", 0x5B, "VK_LWIN"},
        LayoutKeyRow{"us", "", "RWIN", 0x5C, "VK_RWIN"}, LayoutKeyRow{"us", "", "COMP", 0x5D, "VK_APPS"},
        LayoutKeyRow{"us", "", "MENU", 0x5D, "VK_APPS, the alias of <COMP>"},
        LayoutKeyRow{"us", "", "CAPS", 0x14, "VK_CAPITAL"}, LayoutKeyRow{"us", "", "NMLK", 0x90, "VK_NUMLOCK"},
        LayoutKeyRow{"us", "", "SCLK", 0x91, "VK_SCROLL"}, LayoutKeyRow{"us", "", "FK01", 0x70, "VK_F1"},
        LayoutKeyRow{"us", "", "FK12", 0x7B, "VK_F12"}, LayoutKeyRow{"us", "", "FK13", 0x7C, "VK_F13"},
        LayoutKeyRow{"us", "", "FK24", 0x87, "VK_F24"}, LayoutKeyRow{"us", "", "INS", 0x2D, "VK_INSERT"},
        LayoutKeyRow{"us", "", "DELE", 0x2E, "VK_DELETE"}, LayoutKeyRow{"us", "", "HOME", 0x24, "VK_HOME"},
        LayoutKeyRow{"us", "", "END", 0x23, "VK_END"}, LayoutKeyRow{"us", "", "PGUP", 0x21, "VK_PRIOR"},
        LayoutKeyRow{"us", "", "PGDN", 0x22, "VK_NEXT"}, LayoutKeyRow{"us", "", "LEFT", 0x25, "VK_LEFT"},
        LayoutKeyRow{"us", "", "UP", 0x26, "VK_UP"}, LayoutKeyRow{"us", "", "RGHT", 0x27, "VK_RIGHT"},
        LayoutKeyRow{"us", "", "DOWN", 0x28, "VK_DOWN"}, LayoutKeyRow{"us", "", "PRSC", 0x2C, "VK_SNAPSHOT"},
        LayoutKeyRow{"us", "", "PAUS", 0x13, "VK_PAUSE"}, LayoutKeyRow{"us", "", "KP0", 0x60, "VK_NUMPAD0"},
        LayoutKeyRow{"us", "", "KP5", 0x65, "VK_NUMPAD5"}, LayoutKeyRow{"us", "", "KP9", 0x69, "VK_NUMPAD9"},
        LayoutKeyRow{"us", "", "KPMU", 0x6A, "VK_MULTIPLY"}, LayoutKeyRow{"us", "", "KPAD", 0x6B, "VK_ADD"},
        LayoutKeyRow{"us", "", "KPSU", 0x6D, "VK_SUBTRACT"}, LayoutKeyRow{"us", "", "KPDL", 0x6E, "VK_DECIMAL"},
        LayoutKeyRow{"us", "", "KPDV", 0x6F, "VK_DIVIDE"}, LayoutKeyRow{"us", "", "KPEN", 0x0D, "VK_RETURN"},
        LayoutKeyRow{"us", "", "RTRN", 0x0D, "VK_RETURN"}, LayoutKeyRow{"us", "", "BKSP", 0x08, "VK_BACK"},
        LayoutKeyRow{"us", "", "TAB", 0x09, "VK_TAB"}, LayoutKeyRow{"us", "", "SPCE", 0x20, "VK_SPACE"},
        LayoutKeyRow{"de", "", "RALT", 0xA5, "AltGr is still the right Alt key"},
        LayoutKeyRow{"fr", "", "KPDL", 0x6E, "the keypad keeps its codes on every layout"}));

INSTANTIATE_TEST_SUITE_P(
    UnitedStates, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"us", "", "AC01", 'A', "types a"}, LayoutKeyRow{"us", "", "AB01", 'Z', "types z"},
                      LayoutKeyRow{"us", "", "AD06", 'Y', "types y"}, LayoutKeyRow{"us", "", "AE01", '1', "types 1"},
                      LayoutKeyRow{"us", "", "AE10", '0', "types 0"},
                      LayoutKeyRow{"us", "", "TLDE", 0xC0, "VK_OEM_3, `~"},
                      LayoutKeyRow{"us", "", "AE11", 0xBD, "VK_OEM_MINUS"},
                      LayoutKeyRow{"us", "", "AE12", 0xBB, "VK_OEM_PLUS"},
                      LayoutKeyRow{"us", "", "AD11", 0xDB, "VK_OEM_4, [{"},
                      LayoutKeyRow{"us", "", "AD12", 0xDD, "VK_OEM_6, ]}"},
                      LayoutKeyRow{"us", "", "BKSL", 0xDC, "VK_OEM_5, \\|"},
                      LayoutKeyRow{"us", "", "AC10", 0xBA, "VK_OEM_1, ;:"},
                      LayoutKeyRow{"us", "", "AC11", 0xDE, "VK_OEM_7, '\""},
                      LayoutKeyRow{"us", "", "AB08", 0xBC, "VK_OEM_COMMA"},
                      LayoutKeyRow{"us", "", "AB09", 0xBE, "VK_OEM_PERIOD"},
                      LayoutKeyRow{"us", "", "AB10", 0xBF, "VK_OEM_2, /?"},
                      LayoutKeyRow{"us", "", "LSGT", 0xE2, "VK_OEM_102, the ISO key"},
                      LayoutKeyRow{"us", "", "MUTE", 0xAD, "VK_VOLUME_MUTE by its XF86 keysym"},
                      LayoutKeyRow{"us", "", "VOL-", 0xAE, "VK_VOLUME_DOWN"},
                      LayoutKeyRow{"us", "", "VOL+", 0xAF, "VK_VOLUME_UP"},
                      LayoutKeyRow{"us", "", "I166", 0xA6, "VK_BROWSER_BACK"},
                      LayoutKeyRow{"us", "", "I167", 0xA7, "VK_BROWSER_FORWARD"},
                      LayoutKeyRow{"us", "", "I171", 0xB0, "VK_MEDIA_NEXT_TRACK"},
                      LayoutKeyRow{"us", "", "I172", 0xB3, "VK_MEDIA_PLAY_PAUSE"},
                      LayoutKeyRow{"us", "", "I173", 0xB1, "VK_MEDIA_PREV_TRACK"},
                      LayoutKeyRow{"us", "", "I150", 0x5F, "VK_SLEEP"}));

INSTANTIATE_TEST_SUITE_P(
    German, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"de", "", "AD06", 'Z', "the key at the US y position types z"},
                      LayoutKeyRow{"de", "", "AB01", 'Y', "the key at the US z position types y"},
                      LayoutKeyRow{"de", "", "AC01", 'A', "types a"},
                      LayoutKeyRow{"de", "", "AC10", 0xBA, "ö keeps the US position code"},
                      LayoutKeyRow{"de", "", "AC11", 0xDE, "ä keeps the US position code"},
                      LayoutKeyRow{"de", "", "AD11", 0xDB, "ü keeps the US position code"},
                      LayoutKeyRow{"de", "", "AE11", 0xBD, "ß keeps the US position code"},
                      LayoutKeyRow{"de", "", "LSGT", 0xE2, "<>| is VK_OEM_102"}));

INSTANTIATE_TEST_SUITE_P(
    FrenchAzerty, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"fr", "", "AD01", 'A', "a sits at the US q position"},
                      LayoutKeyRow{"fr", "", "AC01", 'Q', "q sits at the US a position"},
                      LayoutKeyRow{"fr", "", "AD02", 'Z', "z sits at the US w position"},
                      LayoutKeyRow{"fr", "", "AB01", 'W', "w sits at the US z position"},
                      LayoutKeyRow{"fr", "", "AC10", 'M', "m sits at the US ; position"},
                      LayoutKeyRow{"fr", "", "AB07", 0xBA, "the , key takes the code the m key left"},
                      LayoutKeyRow{"fr", "", "AE01", '1', "& types 1 with Shift: digit by position"},
                      LayoutKeyRow{"fr", "", "AE10", '0', "à types 0 with Shift: digit by position"},
                      LayoutKeyRow{"fr", "", "AB08", 0xBC, "; keeps the US position code"}));

INSTANTIATE_TEST_SUITE_P(
    Japanese, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"jp", "", "AE13", 0xDC, "the yen key is VK_OEM_5"},
                      LayoutKeyRow{"jp", "", "BKSL", 0xDD, "]} is VK_OEM_6 on JIS"},
                      LayoutKeyRow{"jp", "", "AD11", 0xC0, "@` is VK_OEM_3 on JIS"},
                      LayoutKeyRow{"jp", "", "AD12", 0xDB, "[{ is VK_OEM_4 on JIS"},
                      LayoutKeyRow{"jp", "", "AE12", 0xDE, "^~ is VK_OEM_7 on JIS"},
                      LayoutKeyRow{"jp", "", "AC10", 0xBB, ";+ is VK_OEM_PLUS on JIS"},
                      LayoutKeyRow{"jp", "", "AC11", 0xBA, ":* is VK_OEM_1 on JIS"},
                      LayoutKeyRow{"jp", "", "AB11", 0xE2, "the ro key \\_ is VK_OEM_102"},
                      LayoutKeyRow{"jp", "", "TLDE", 0xF3, "Hankaku/Zenkaku is VK_OEM_AUTO"},
                      LayoutKeyRow{"jp", "", "HZTG", 0xF3, "Hankaku/Zenkaku by its own name"},
                      LayoutKeyRow{"jp", "", "HENK", 0x1C, "Henkan is VK_CONVERT"},
                      LayoutKeyRow{"jp", "", "MUHE", 0x1D, "Muhenkan is VK_NONCONVERT"},
                      LayoutKeyRow{"jp", "", "HKTG", 0xF2, "Hiragana/Katakana"},
                      LayoutKeyRow{"jp", "", "CAPS", 0x14, "Eisu shares Caps Lock's key"},
                      LayoutKeyRow{"jp", "", "AC01", 'A', "types a"},
                      LayoutKeyRow{"jp", "", "AE01", '1', "types 1"}));

INSTANTIATE_TEST_SUITE_P(
    BrazilianAbnt2, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"br", "", "AB11", 0xC1, "/? next to right Shift is VK_ABNT_C1"},
                      LayoutKeyRow{"br", "", "KPPT", 0xC2, "the keypad point is VK_ABNT_C2"},
                      LayoutKeyRow{"br", "", "LSGT", 0xE2, "\\| is VK_OEM_102"},
                      LayoutKeyRow{"br", "", "AC10", 0xBA, "ç keeps the US position code"},
                      LayoutKeyRow{"br", "", "KPDL", 0x6E, "the keypad comma key is VK_DECIMAL"},
                      LayoutKeyRow{"br", "", "AC01", 'A', "types a"}));

INSTANTIATE_TEST_SUITE_P(
    OtherScripts, LayoutKeyTest,
    ::testing::Values(LayoutKeyRow{"ru", "", "AC01", 'A', "Cyrillic letters take their position's code"},
                      LayoutKeyRow{"ru", "", "AB07", 'M', "Cyrillic soft sign at the US m position"},
                      LayoutKeyRow{"ru", "", "AB08", 0xBC, "Cyrillic be at the US , position"},
                      LayoutKeyRow{"us", "dvorak", "AC01", 'A', "types a"},
                      LayoutKeyRow{"us", "dvorak", "AB10", 'Z', "z sits at the US / position"},
                      LayoutKeyRow{"us", "dvorak", "AC10", 'S', "s sits at the US ; position"},
                      LayoutKeyRow{"us", "dvorak", "AD01", 0xBA,
                                   "' follows the letters that moved, q x b n l p r o s, to VK_OEM_1"}));

// Across many layouts: one key per code, every letter and digit present, the letters and digits a
// key types respected, and the reverse map agreeing with the forward one.
class LayoutInvariantTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LayoutInvariantTest, EveryKeyHasItsOwnCode)
{
    std::string name = GetParam();
    std::string variant;
    if (const auto colon = name.find(':'); colon != std::string::npos) {
        variant = name.substr(colon + 1);
        name.resize(colon);
    }
    const CompiledLayout layout(name, variant);
    ASSERT_NE(layout.Keymap(), nullptr);
    const VirtualKeyMap map = VirtualKeyMap::FromKeymap(layout.Keymap());

    std::set<uint8_t> byKeysym;
    for (const KeysymKey& key : VirtualKeyMap::KeysymKeys()) {
        byKeysym.insert(key.virtualKey);
    }
    std::map<uint8_t, std::vector<uint32_t>> keysByCode;
    for (uint32_t keycode = 8; keycode < 256; ++keycode) {
        const uint8_t virtualKey = map.VirtualKeyOf(keycode);
        if (virtualKey == 0) {
            continue;
        }
        const std::vector<uint32_t> reverse = map.KeycodesOf(virtualKey);
        EXPECT_NE(std::find(reverse.begin(), reverse.end(), keycode), reverse.end()) << Hex(virtualKey);
        // Media keys often come twice (play and play/pause); Enter is documented twice.
        if (byKeysym.count(virtualKey) == 0 && virtualKey != 0x0D) {
            keysByCode[virtualKey].push_back(keycode);
        }
    }
    for (const auto& [virtualKey, keycodes] : keysByCode) {
        EXPECT_EQ(keycodes.size(), 1u) << Hex(virtualKey) << " is given to several keys";
    }
    for (uint8_t code : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
        EXPECT_EQ(keysByCode.count(code), 1u) << "no key reads as " << code;
    }

    std::set<xkb_keysym_t> seen;
    for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
        const uint32_t keycode = layout.Keycode(key.keyName);
        xkb_keysym_t keysym = layout.BaseKeysym(keycode);
        if (keysym >= XKB_KEY_a && keysym <= XKB_KEY_z) {
            keysym = keysym - XKB_KEY_a + XKB_KEY_A;
        }
        const bool letterOrDigit =
            (keysym >= XKB_KEY_A && keysym <= XKB_KEY_Z) || (keysym >= XKB_KEY_0 && keysym <= XKB_KEY_9);
        if (letterOrDigit && seen.insert(keysym).second) {
            EXPECT_EQ(Hex(map.VirtualKeyOf(keycode)), Hex(keysym)) << "<" << key.keyName << "> types it";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutInvariantTest,
                         ::testing::Values("us", "de", "fr", "jp", "br", "ru", "gb", "es", "it", "se", "ch", "cz",
                                           "tr", "pl", "pt", "no", "dk", "fi", "hu", "be", "latam", "ca", "il", "gr",
                                           "ua", "kr", "ara", "th", "lt", "sk", "is", "us:dvorak", "us:colemak",
                                           "fr:bepo", "de:neo", "fr:afnor", "rs:latin"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& character : name) {
                                 character = character == ':' ? '_' : character;
                             }
                             return name;
                         });

TEST(VirtualKeyTables, FixedCodesAreValidAndGivenOnceButTheDocumentedPairs)
{
    std::map<uint8_t, std::set<std::string>> namesByCode;
    std::set<std::string> names;
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        EXPECT_GE(key.virtualKey, 1) << key.keyName;
        EXPECT_LE(key.virtualKey, 254) << key.keyName;
        EXPECT_TRUE(names.insert(key.keyName).second) << key.keyName << " is listed twice";
        namesByCode[key.virtualKey].insert(key.keyName);
    }
    const std::map<uint8_t, std::set<std::string>> documented{{0x0D, {"RTRN", "KPEN"}}, {0x5D, {"COMP", "MENU"}}};
    for (const auto& [virtualKey, keyNames] : namesByCode) {
        if (keyNames.size() > 1) {
            ASSERT_EQ(documented.count(virtualKey), 1u) << Hex(virtualKey) << " is given twice";
            EXPECT_EQ(keyNames, documented.at(virtualKey));
        }
    }
    EXPECT_EQ(namesByCode.size() + 2, names.size()) << "exactly the two documented pairs share a code";
}

TEST(VirtualKeyTables, CharacterCodesAreOnePerKeyAndApartFromTheFixedOnes)
{
    std::set<uint8_t> fixed;
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        fixed.insert(key.virtualKey);
    }
    for (const bool japanese : {false, true}) {
        std::set<uint8_t> codes;
        for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
            const uint8_t virtualKey = japanese ? key.japaneseVirtualKey : key.usVirtualKey;
            if (virtualKey == 0) {
                continue;
            }
            EXPECT_LE(virtualKey, 254) << key.keyName;
            EXPECT_TRUE(codes.insert(virtualKey).second) << key.keyName << " repeats " << Hex(virtualKey);
            EXPECT_EQ(fixed.count(virtualKey), 0u) << key.keyName << " collides with a fixed key";
        }
        for (uint8_t code : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
            EXPECT_EQ(codes.count(code), 1u) << "no position for " << code << (japanese ? " (Japanese)" : " (US)");
        }
    }
}

TEST(VirtualKeyTables, KeysymCodesAreApartFromPositionCodes)
{
    std::set<uint8_t> positioned;
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        positioned.insert(key.virtualKey);
    }
    for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
        positioned.insert(key.usVirtualKey);
        positioned.insert(key.japaneseVirtualKey);
    }
    std::set<uint32_t> keysyms;
    for (const KeysymKey& key : VirtualKeyMap::KeysymKeys()) {
        EXPECT_TRUE(keysyms.insert(key.keysym).second) << "keysym " << key.keysym << " listed twice";
        EXPECT_EQ(positioned.count(key.virtualKey), 0u) << Hex(key.virtualKey);
        EXPECT_GE(key.virtualKey, 1);
        EXPECT_LE(key.virtualKey, 254);
    }
}

TEST(VirtualKeyTables, EvdevCodesMatchTheKeyNamesOfTheEvdevKeycodes)
{
    const CompiledLayout layout("us", "");
    ASSERT_NE(layout.Keymap(), nullptr);
    for (const FixedPositionKey& key : VirtualKeyMap::FixedPositionKeys()) {
        EXPECT_EQ(layout.Keycode(key.keyName), key.evdevCode + 8u) << key.keyName;
    }
    for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
        EXPECT_EQ(layout.Keycode(key.keyName), key.evdevCode + 8u) << key.keyName;
    }
}

TEST(VirtualKeyMap, EmptyMapHasNoCodes)
{
    const VirtualKeyMap map;
    for (uint32_t keycode = 0; keycode < 300; ++keycode) {
        EXPECT_EQ(map.VirtualKeyOf(keycode), 0) << keycode;
    }
    EXPECT_TRUE(map.KeycodesOf(0x41).empty());
}

TEST(VirtualKeyMap, GenericModifiersStandForBothKeys)
{
    const CompiledLayout layout("us", "");
    const VirtualKeyMap map = VirtualKeyMap::FromKeymap(layout.Keymap());
    const struct {
        uint8_t virtualKey;
        const char* left;
        const char* right;
    } rows[] = {{0x10, "LFSH", "RTSH"}, {0x11, "LCTL", "RCTL"}, {0x12, "LALT", "RALT"}, {0x0D, "RTRN", "KPEN"}};
    for (const auto& row : rows) {
        std::vector<uint32_t> expected{layout.Keycode(row.left), layout.Keycode(row.right)};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(map.KeycodesOf(row.virtualKey), expected) << Hex(row.virtualKey);
    }
    EXPECT_TRUE(map.KeycodesOf(0).empty()) << "code 0 is no key";
    EXPECT_TRUE(map.KeycodesOf(0x07).empty()) << "unassigned in the Windows list";
    EXPECT_TRUE(map.KeycodesOf(0x01).empty()) << "mouse buttons have no keycode";
}

struct ModifierRow {
    uint8_t sided;
    uint8_t generic;
};

void PrintTo(const ModifierRow& row, std::ostream* out)
{
    *out << Hex(row.sided) << " sets " << Hex(row.generic);
}

class GenericModifierTest : public ::testing::TestWithParam<ModifierRow> {};

TEST_P(GenericModifierTest, EitherSideSetsTheGenericCode)
{
    std::array<uint8_t, 256> state{};
    state[GetParam().sided] = 0x80;
    VirtualKeyMap::AddGenericModifiers(state);
    for (int code = 0; code < 256; ++code) {
        const bool expected = code == GetParam().sided || code == GetParam().generic;
        EXPECT_EQ(state[code], expected ? 0x80 : 0) << Hex(static_cast<unsigned>(code));
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, GenericModifierTest,
                         ::testing::Values(ModifierRow{0xA0, 0x10}, ModifierRow{0xA1, 0x10}, ModifierRow{0xA2, 0x11},
                                           ModifierRow{0xA3, 0x11}, ModifierRow{0xA4, 0x12},
                                           ModifierRow{0xA5, 0x12}));

TEST(VirtualKeyMap, ToggledOnlySidedKeyLeavesGenericUp)
{
    std::array<uint8_t, 256> state{};
    state[0xA0] = 0x01;  // toggled but up
    VirtualKeyMap::AddGenericModifiers(state);
    EXPECT_EQ(state[0x10], 0);
}

TEST(VirtualKeyMap, SecondLayoutDecidesWhenAskedFor)
{
    const CompiledLayout layout("us,de", "");
    ASSERT_NE(layout.Keymap(), nullptr);
    const uint32_t usYKey = layout.Keycode("AD06");
    EXPECT_EQ(VirtualKeyMap::FromKeymap(layout.Keymap(), 0).VirtualKeyOf(usYKey), 'Y');
    EXPECT_EQ(VirtualKeyMap::FromKeymap(layout.Keymap(), 1).VirtualKeyOf(usYKey), 'Z');
}

TEST(VirtualKeyMap, FromNamesAgreesWithTheCompiledKeymap)
{
    const std::optional<VirtualKeyMap> byNames = VirtualKeyMap::FromNames("fr", "", "pc105", "", "evdev");
    ASSERT_TRUE(byNames.has_value());
    EXPECT_EQ(byNames->PositionsUsed(), VirtualKeyMap::Positions::UnitedStates);
    const CompiledLayout layout("fr", "");
    const VirtualKeyMap compiled = VirtualKeyMap::FromKeymap(layout.Keymap());
    for (uint32_t keycode = 0; keycode < 256; ++keycode) {
        EXPECT_EQ(byNames->VirtualKeyOf(keycode), compiled.VirtualKeyOf(keycode)) << keycode;
    }
    EXPECT_EQ(VirtualKeyMap::FromNames("jp")->PositionsUsed(), VirtualKeyMap::Positions::Japanese);
}

TEST(VirtualKeyMap, UnknownLayoutDoesNotCompile)
{
    EXPECT_FALSE(VirtualKeyMap::FromNames("no-such-layout").has_value());
}

TEST(VirtualKeyMap, EvdevPositionsNeedNoKeymap)
{
    const VirtualKeyMap map = VirtualKeyMap::FromEvdevPositions();
    const struct {
        unsigned evdevCode;
        uint8_t virtualKey;
    } rows[] = {{KEY_ESC, 0x1B},       {KEY_A, 'A'},           {KEY_Z, 'Z'},          {KEY_1, '1'},
                {KEY_LEFTSHIFT, 0xA0}, {KEY_RIGHTMETA, 0x5C},  {KEY_102ND, 0xE2},     {KEY_RO, 0xC1},
                {KEY_KPENTER, 0x0D},   {KEY_F24, 0x87},        {KEY_SEMICOLON, 0xBA}, {KEY_YEN, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(Hex(map.VirtualKeyOf(row.evdevCode + 8)), Hex(row.virtualKey)) << "evdev code " << row.evdevCode;
    }
    // Without a keymap the letters cannot follow the layout: US positions it is.
    const std::optional<VirtualKeyMap> us = VirtualKeyMap::FromNames("us", "", "pc105", "", "evdev");
    ASSERT_TRUE(us.has_value());
    for (const CharacterKey& key : VirtualKeyMap::CharacterKeys()) {
        EXPECT_EQ(map.VirtualKeyOf(key.evdevCode + 8), us->VirtualKeyOf(key.evdevCode + 8)) << key.keyName;
    }
}

TEST(VirtualKeyMap, NullKeymapGivesEmptyMap)
{
    const VirtualKeyMap map = VirtualKeyMap::FromKeymap(nullptr);
    for (uint32_t keycode = 0; keycode < 256; ++keycode) {
        EXPECT_EQ(map.VirtualKeyOf(keycode), 0);
    }
}

} // namespace
} // namespace corvo::platform
