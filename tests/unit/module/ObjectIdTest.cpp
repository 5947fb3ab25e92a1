// Identifier keys, masking and comparison.
#include <gtest/gtest.h>

#include <map>

#include "module/ObjectId.h"

namespace {

struct KeyRow {
    uint16_t module;
    uint32_t group;
    uint32_t index;
    uint64_t key;
};

class ObjectIdKeyTest : public ::testing::TestWithParam<KeyRow> {};

TEST_P(ObjectIdKeyTest, KeyIsModuleGroupAndIndexPacked)
{
    const KeyRow row = GetParam();
    EXPECT_EQ(ObjectId(row.module, row.group, row.index).GetKey(), row.key);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, ObjectIdKeyTest,
                         ::testing::Values(KeyRow{10, 1, 3, (10ull << 48) | (1ull << 24) | 3},
                                           KeyRow{10, 0, 0, 10ull << 48},
                                           KeyRow{10, 1, 0, (10ull << 48) | (1ull << 24)},
                                           KeyRow{0xFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFFFFFFFFFFFFull}));

TEST(ObjectIdTest, GroupAndIndexAboveTwentyFourBitsAreStoredMasked)
{
    const ObjectId identifier(10, 0x1000001, 0xABCDEF12);
    EXPECT_EQ(identifier.GetGroup(), 0x000001u);
    EXPECT_EQ(identifier.GetIndex(), 0xCDEF12u);
    EXPECT_EQ(identifier.GetModule(), 10u);
}

TEST(ObjectIdTest, KeyIsComputedFromTheNumbersBeforeMasking)
{
    // An index above 24 bits spills into the group bits of the key, so it is not the same
    // identifier as the masked numbers would give.
    const ObjectId wide(10, 1, 0x2000003);
    EXPECT_EQ(wide.GetKey(), (10ull << 48) | (1ull << 24) | 0x2000003ull);
    EXPECT_NE(wide, ObjectId(10, 1, 3));
}

TEST(ObjectIdTest, EqualityAndOrderFollowTheKey)
{
    EXPECT_EQ(ObjectId(10, 1, 3), ObjectId(10, 1, 3));
    EXPECT_NE(ObjectId(10, 1, 3), ObjectId(11, 1, 3));
    EXPECT_NE(ObjectId(10, 1, 3), ObjectId(10, 2, 3));
    EXPECT_LT(ObjectId(10, 0, 5), ObjectId(10, 1, 0));
    EXPECT_LT(ObjectId(10, 1, 4), ObjectId(11, 0, 0));

    std::map<ObjectId, int> byIdentifier;
    byIdentifier[ObjectId(10, 1, 4)] = 4;
    byIdentifier[ObjectId(10, 1, 1)] = 1;
    byIdentifier[ObjectId(10, 1, 1)] = 11;
    ASSERT_EQ(byIdentifier.size(), 2u);
    EXPECT_EQ(byIdentifier.begin()->second, 11);
}

TEST(ObjectIdTest, WrittenAsModuleGroupIndex)
{
    EXPECT_EQ(ObjectId(10, 1, 3).ToString(), "10.1.3");
    EXPECT_EQ(ObjectId(10, 0, 0).ToString(), "10.0.0");
}

} // namespace
