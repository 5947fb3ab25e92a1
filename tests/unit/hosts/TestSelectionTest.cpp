// Matching of test selectors: the module's command names, then the first word of a name key.
#include <gtest/gtest.h>

#include "TestSelection.h"

namespace {

using namespace corvo::hosts;

const ObjectId kPs2(10, 1, 1);
const ObjectId kUsb(10, 1, 2);
const ObjectId kKeycode(10, 1, 3);
const ObjectId kAdvanced(10, 1, 4);

std::vector<TestNames> KeyboardNames()
{
    return {TestNames{kPs2, {"p", "ps2", 0}, "PS2_KEYBOARD_TEST"},
            TestNames{kUsb, {"u", "usb", 0}, "USB_KEYBOARD_TEST"},
            TestNames{kKeycode, {"k", "key", 0}, "KEYCODE_VERIFICATION_TEST"},
            TestNames{kAdvanced, {"a", "adv", 0}, "ADVANCED_TEST"}};
}

struct MatchRow {
    const char* item;
    uint64_t key;
};

class TestMatchTest : public ::testing::TestWithParam<MatchRow> {};

TEST_P(TestMatchTest, FindsTheTest)
{
    ObjectId match{0, 0, 0};
    std::string error;
    ASSERT_TRUE(MatchTest(KeyboardNames(), GetParam().item, match, error)) << error;
    EXPECT_EQ(match.GetKey(), GetParam().key);
    EXPECT_EQ(error, "");
}

INSTANTIATE_TEST_SUITE_P(
    Names, TestMatchTest,
    ::testing::Values(MatchRow{"p", kPs2.GetKey()}, MatchRow{"ps2", kPs2.GetKey()}, MatchRow{"u", kUsb.GetKey()},
                      MatchRow{"usb", kUsb.GetKey()}, MatchRow{"key", kKeycode.GetKey()},
                      // The first word of the name key, in any case.
                      MatchRow{"keycode", kKeycode.GetKey()}, MatchRow{"KeyCode", kKeycode.GetKey()},
                      MatchRow{"advanced", kAdvanced.GetKey()}, MatchRow{"usb_keyboard_test", kUsb.GetKey()}));

struct MismatchRow {
    std::vector<TestNames> known;
    const char* item;
    const char* error;
};

class TestMismatchTest : public ::testing::TestWithParam<MismatchRow> {};

TEST_P(TestMismatchTest, IsRejectedWithTheKnownNames)
{
    ObjectId match{7, 7, 7};
    std::string error;
    EXPECT_FALSE(MatchTest(GetParam().known, GetParam().item, match, error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(match, ObjectId(7, 7, 7)) << "left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Names, TestMismatchTest,
    ::testing::Values(
        MismatchRow{KeyboardNames(), "z", "unknown test 'z' (known: p/ps2, u/usb, k/key, a/adv)"},
        // Command names are exact; only name keys ignore case.
        MismatchRow{KeyboardNames(), "P", "unknown test 'P' (known: p/ps2, u/usb, k/key, a/adv)"},
        MismatchRow{KeyboardNames(), "keyboard", "unknown test 'keyboard' (known: p/ps2, u/usb, k/key, a/adv)"},
        MismatchRow{{TestNames{kPs2, {"p", "ps2", 0}, "USB_A_TEST"}, TestNames{kUsb, {"u", "usb", 0}, "USB_B_TEST"}},
                    "usb_c", "unknown test 'usb_c' (known: p/ps2, u/usb)"},
        MismatchRow{{TestNames{kPs2, {"p", "ps2", 0}, "USB_A_TEST"}, TestNames{kUsb, {"", "", 0}, "USB_B_TEST"}},
                    "usb", "ambiguous test 'usb' (known: p/ps2)"}));

TEST(TestListMatchTest, KeepsTheOrderGivenAndEachTestOnce)
{
    std::vector<ObjectId> chosen;
    std::string error;
    ASSERT_TRUE(MatchTestList(KeyboardNames(), "u, keycode,ps2,u", chosen, error)) << error;
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen[0], kUsb);
    EXPECT_EQ(chosen[1], kKeycode);
    EXPECT_EQ(chosen[2], kPs2);
}

TEST(TestListMatchTest, FirstBadItemStopsTheList)
{
    std::vector<ObjectId> chosen;
    std::string error;
    EXPECT_FALSE(MatchTestList(KeyboardNames(), "\"p,,u\"", chosen, error));
    EXPECT_EQ(error, "empty test name in list '\"p,,u\"'");
    EXPECT_FALSE(MatchTestList(KeyboardNames(), "p,nope,u", chosen, error));
    EXPECT_EQ(error, "unknown test 'nope' (known: p/ps2, u/usb, k/key, a/adv)");
}

} // namespace
