// The keycode dialog's key table against the virtual-key code list it transcribes.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "keycode/KeyTable.h"

namespace {

using corvo::keycode::KeyTableEntries;

TEST(KeyTableTest, RowsFollowTheCodeListWithItsRepeatsAndGaps)
{
    std::vector<uint32_t> codes;
    for (const auto& row : KeyTableEntries()) {
        codes.push_back(row.code);
    }
    ASSERT_EQ(codes.size(), 257u);

    // 0 to 58 with 21 three times, 64 to 238, then 234 to 254.
    std::vector<uint32_t> expected;
    for (uint32_t code = 0; code <= 58; ++code) {
        expected.push_back(code);
        if (code == 21) {
            expected.push_back(21);
            expected.push_back(21);
        }
    }
    for (uint32_t code = 64; code <= 238; ++code) {
        expected.push_back(code);
    }
    for (uint32_t code = 234; code <= 254; ++code) {
        expected.push_back(code);
    }
    EXPECT_EQ(codes, expected);

    const std::set<uint32_t> present(codes.begin(), codes.end());
    for (uint32_t missing : {59u, 60u, 61u, 62u, 63u, 255u}) {
        EXPECT_EQ(present.count(missing), 0u) << missing;
    }
}

TEST(KeyTableTest, NamesAndDescriptionsOfTheRowsUsersSee)
{
    std::map<uint32_t, std::vector<std::pair<std::string, std::string>>> rows;
    for (const auto& row : KeyTableEntries()) {
        rows[row.code].emplace_back(row.name, row.description);
    }
    using Row = std::pair<std::string, std::string>;
    EXPECT_EQ(rows[21], (std::vector<Row>{{"VK_KANA", "IME Kana mode"},
                                          {"VK_HANGUEL", "IME Hanguel mode"},
                                          {"VK_HANGUL", "IME Hangul mode"}}));
    EXPECT_EQ(rows[13].front(), (Row{"VK_RETURN", "ENTER"}));
    EXPECT_EQ(rows[27].front(), (Row{"VK_ESCAPE", "ESC"}));
    EXPECT_EQ(rows[32].front(), (Row{"VK_SPACE", "SPACEBAR"}));
    EXPECT_EQ(rows[48].front(), (Row{"0 key", "0"}));
    EXPECT_EQ(rows[90].front(), (Row{"Z key", "Z"}));
    EXPECT_EQ(rows[58].front(), (Row{"undefined", "UNDEFINED_KEYCODE"}));
    EXPECT_EQ(rows[105].front(), (Row{"VK_NUMPAD9", "Numeric keypad 9"}));
    EXPECT_EQ(rows[116].front(), (Row{"VK_F5", "F5"}));
    EXPECT_EQ(rows[135].front(), (Row{"VK_F24", "F24"}));
    EXPECT_EQ(rows[182].front(), (Row{"VK_LAUNCH_APP1", "APPLICATIONS1"}));
    EXPECT_EQ(rows[183].front(), (Row{"VK_LAUNCH_APP2", "APPLICATIONS2"}));
    EXPECT_EQ(rows[220].front().second, "It can vary by keyboard. For the US standard keyboard, the '\\|' key");
    EXPECT_EQ(rows[236].size(), 2u);
    EXPECT_EQ(rows[240].size(), 1u);
    EXPECT_EQ(rows[254].front(), (Row{"VK_OEM_CLEAR", "Clear"}));
}

TEST(KeyTableTest, FillingTwiceLeavesOneCopyWithEveryFlagClear)
{
    std::vector<corvo::keycode::KeyRow> table;
    corvo::keycode::FillKeyTable(table);
    table[40].down = true;
    corvo::keycode::FillKeyTable(table);
    ASSERT_EQ(table.size(), 257u);
    for (const auto& row : table) {
        EXPECT_FALSE(row.down) << row.code;
    }
    // The first of the rows that share a code is the one a key marks.
    EXPECT_EQ(corvo::keycode::FindRow(table, 21)->name, "VK_KANA");
    EXPECT_EQ(corvo::keycode::FindRow(table, 60), nullptr);
}

} // namespace
