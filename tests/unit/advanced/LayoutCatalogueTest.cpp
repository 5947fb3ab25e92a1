// The layout catalogue's tables and look-ups: page records, drop-down orders, configuration names.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "advanced/LayoutCatalogue.h"

namespace corvo::advanced {
namespace {

TEST(LayoutCatalogueTest, PagesAreInStackOrderWithConsistentCounts)
{
    std::set<std::string> containers;
    for (int page = 0; page < kPageCount; ++page) {
        const LayoutPage& layout = kLayoutPages[static_cast<std::size_t>(page)];
        SCOPED_TRACE(layout.layoutName);
        EXPECT_EQ(layout.index, page);
        EXPECT_EQ(layout.keysToMark, layout.keyButtons - layout.ignoredKeys);
        EXPECT_GE(layout.ignoredKeys, 1) << "every page has an Fn key";
        EXPECT_TRUE(containers.insert(layout.containerObjectName).second);
    }
}

TEST(LayoutCatalogueTest, PageTagsHaveTwoDigits)
{
    EXPECT_EQ(PageTag(0), "K00");
    EXPECT_EQ(PageTag(9), "K09");
    EXPECT_EQ(PageTag(10), "K10");
    EXPECT_EQ(PageTag(12), "K12");
    EXPECT_EQ(PageTag(13), "");
    EXPECT_EQ(PageTag(-1), "");
}

TEST(LayoutCatalogueTest, IgnoredKeysAreThePagesUntestableKeysAndTheIllustrationKeys)
{
    std::set<std::string> names(kIgnoredKeyNames.begin(), kIgnoredKeyNames.end());
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kIgnoredKeyCount)) << "a name is listed twice";

    int keyButtons = 0;
    for (const LayoutPage& layout : kLayoutPages) {
        const std::string tag = "_" + PageTag(layout.index);
        const auto onPage = std::count_if(names.begin(), names.end(), [&](const std::string& name) {
            return name.rfind(kKeyButtonPrefix, 0) == 0 && name.size() > tag.size()
                   && name.compare(name.size() - tag.size(), tag.size(), tag) == 0;
        });
        EXPECT_EQ(onPage, layout.ignoredKeys) << layout.layoutName;
        EXPECT_TRUE(IsIgnoredKey(std::string(kIllustrationKeyPrefix) + PageTag(layout.index)));
        keyButtons += layout.ignoredKeys;
    }
    EXPECT_EQ(keyButtons + kPageCount, kIgnoredKeyCount);

    EXPECT_TRUE(IsIgnoredKey("keyboard_advanced_test_button1_WX1__K08"));
    EXPECT_FALSE(IsIgnoredKey("keyboard_advanced_test_button1_WX_L151_21_K01"));
    EXPECT_FALSE(IsIgnoredKey("keyboard_advanced_test_button1_W162_L37_23_K00"));
    EXPECT_FALSE(IsIgnoredKey("keyboard_advanced_test_ilustration_K13"));
    EXPECT_FALSE(IsIgnoredKey(""));
}

TEST(LayoutCatalogueTest, ConfigurationNamesAreTheLayoutNamesExactly)
{
    for (const LayoutPage& layout : kLayoutPages) {
        EXPECT_EQ(PageForLayoutName(layout.layoutName), layout.index) << layout.layoutName;
    }
    EXPECT_EQ(PageForLayoutName("juno(JP)"), std::nullopt);
    EXPECT_EQ(PageForLayoutName("Juno(JP) "), std::nullopt);
    EXPECT_EQ(PageForLayoutName("Juno"), std::nullopt);
    EXPECT_EQ(PageForLayoutName(""), std::nullopt);
    EXPECT_EQ(PageForLayoutName(std::string_view("Kora-14\0", 8)), std::nullopt);
}

TEST(LayoutCatalogueTest, StrictModeCountsOnlyZeroAndOne)
{
    EXPECT_EQ(StrictModeForConfigValue("0"), 0);
    EXPECT_EQ(StrictModeForConfigValue("1"), 1);
    EXPECT_EQ(StrictModeForConfigValue("2"), std::nullopt);
    EXPECT_EQ(StrictModeForConfigValue(" 1"), std::nullopt);
    EXPECT_EQ(StrictModeForConfigValue("01"), std::nullopt);
    EXPECT_EQ(StrictModeForConfigValue("true"), std::nullopt);
    EXPECT_EQ(StrictModeForConfigValue(""), std::nullopt);
}

TEST(LayoutCatalogueTest, DefaultOrderFollowsThePages)
{
    for (int position = 0; position < kPageCount; ++position) {
        EXPECT_EQ(PageForDropDownPosition(kDefaultDropDownOrder, position), position);
    }
    EXPECT_STREQ(kDefaultDropDownOrder.front().layoutName, "Kora-14");
    EXPECT_STREQ(kDefaultDropDownOrder.back().layoutName, "Vesk-13(JP)");
}

TEST(LayoutCatalogueTest, JapaneseOrderListsTheJapaneseLayoutsFirst)
{
    const char* expected[kPageCount] = {"Juno(JP)", "Pell-15(JP)", "Kora-15(JP)", "Vesk-13(JP)", "Kora-14",
                                        "Rima",     "Nerv",        "Pell-14",     "Tamb-14",     "Pell-15",
                                        "Ozel",     "Sola",        "ABNT2"};
    for (int position = 0; position < kPageCount; ++position) {
        const auto page = PageForDropDownPosition(kJapaneseDropDownOrder, position);
        ASSERT_TRUE(page.has_value()) << position;
        EXPECT_STREQ(kLayoutPages[static_cast<std::size_t>(*page)].layoutName, expected[position]);
    }
    EXPECT_EQ(PageForDropDownPosition(kJapaneseDropDownOrder, -1), std::nullopt);
    EXPECT_EQ(PageForDropDownPosition(kJapaneseDropDownOrder, kPageCount), std::nullopt);
}

TEST(LayoutCatalogueTest, BothOrdersAreIndexedByPageAndUseEachPositionOnce)
{
    for (const DropDownOrder* order : {&kDefaultDropDownOrder, &kJapaneseDropDownOrder}) {
        std::set<int> positions;
        for (int page = 0; page < kPageCount; ++page) {
            const DropDownEntry& entry = (*order)[static_cast<std::size_t>(page)];
            EXPECT_EQ(entry.page, page);
            EXPECT_STREQ(entry.layoutName, kLayoutPages[static_cast<std::size_t>(page)].layoutName);
            positions.insert(entry.position);
        }
        EXPECT_EQ(positions.size(), static_cast<std::size_t>(kPageCount));
        EXPECT_EQ(*positions.begin(), 0);
        EXPECT_EQ(*positions.rbegin(), kPageCount - 1);
    }
}

TEST(LayoutCatalogueTest, ConfiguredJunoSelectsPageNineInEitherOrder)
{
    const auto page = PageForLayoutName("Juno(JP)");
    ASSERT_EQ(page, 9);
    for (const DropDownOrder* order : {&kDefaultDropDownOrder, &kJapaneseDropDownOrder}) {
        const int position = (*order)[static_cast<std::size_t>(*page)].position;
        EXPECT_EQ(PageForDropDownPosition(*order, position), 9);
    }
}

} // namespace
} // namespace corvo::advanced
