// Tests of the sysfs reader: text cleaning, binary exactness, folders, links and the settable root.
#include "platform/linux/SysfsReader.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

namespace {

using corvo::platform::SysfsReader;
using hwkit_test::ScratchFolder;

struct TextRow {
    const char* name;
    std::string raw;
    std::string expected;
};

void PrintTo(const TextRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class SysfsReaderText : public testing::TestWithParam<TextRow> {};

TEST_P(SysfsReaderText, CleansWhatTheKernelWrote)
{
    const ScratchFolder tree;
    tree.Write("attribute", GetParam().raw);
    const SysfsReader reader(tree.Root());
    const std::optional<std::string> text = reader.ReadText("attribute");
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SysfsReaderText,
    testing::Values(TextRow{"Newline", "i8042 KBD port\n", "i8042 KBD port"},
                    TextRow{"NoNewline", "PNP0303", "PNP0303"},
                    TextRow{"SeveralNewlines", "15\n\n\n", "15"},
                    TextRow{"CarriageReturnNewline", "abc\r\n", "abc"},
                    TextRow{"Empty", "", ""},
                    TextRow{"OnlyNewline", "\n", ""},
                    TextRow{"BlanksKept", "  1.21.0   \n", "  1.21.0   "},
                    TextRow{"Tab", "a\tb\n", "a?b"},
                    TextRow{"InnerNewline", "a\nb\n", "a?b"},
                    TextRow{"Nul", std::string("a\0b", 3), "a?b"},
                    TextRow{"Escape", "\x1b[31mred\n", "?[31mred"},
                    TextRow{"Delete", "x\x7fy", "x?y"},
                    TextRow{"Utf8Kept", "Gr\xc3\xb6\xc3\x9f" "e\n", "Gr\xc3\xb6\xc3\x9f" "e"}));

TEST(SysfsReader, MissingFileGivesNothing)
{
    const ScratchFolder tree;
    const SysfsReader reader(tree.Root());
    EXPECT_FALSE(reader.ReadText("bus/serio/devices/serio0/description").has_value());
    EXPECT_FALSE(reader.ReadBinary("firmware/dmi/tables/DMI").has_value());
    EXPECT_FALSE(reader.ReadLines("bus/pnp/devices/00:01/id").has_value());
}

TEST(SysfsReader, FolderIsNotAnAttribute)
{
    const ScratchFolder tree;
    tree.Folder("class/dmi/id");
    const SysfsReader reader(tree.Root());
    EXPECT_FALSE(reader.ReadText("class/dmi/id").has_value());
    EXPECT_FALSE(reader.ReadBinary("class/dmi/id").has_value());
}

TEST(SysfsReader, OversizedTextIsRefused)
{
    const ScratchFolder tree;
    tree.Write("fits", std::string(SysfsReader::kTextLimit, 'x'));
    tree.Write("too-long", std::string(SysfsReader::kTextLimit + 1, 'x'));
    const SysfsReader reader(tree.Root());
    ASSERT_TRUE(reader.ReadText("fits").has_value());
    EXPECT_EQ(reader.ReadText("fits")->size(), SysfsReader::kTextLimit);
    EXPECT_FALSE(reader.ReadText("too-long").has_value());
}

TEST(SysfsReader, BinaryIsExactAndUntrimmed)
{
    const ScratchFolder tree;
    const std::vector<uint8_t> bytes = {0x12, 0x01, 0x00, 0x02, 0x0A, 0x00, 0x1F, 0x7F, 0x0A};
    tree.Write("descriptors", bytes);
    const SysfsReader reader(tree.Root());
    const std::optional<std::vector<uint8_t>> read = reader.ReadBinary("descriptors");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, bytes);
}

TEST(SysfsReader, BinaryLimitIsInclusive)
{
    const ScratchFolder tree;
    tree.Write("table", std::vector<uint8_t>(100, 0xAB));
    const SysfsReader reader(tree.Root());
    ASSERT_TRUE(reader.ReadBinary("table", 100).has_value());
    EXPECT_EQ(reader.ReadBinary("table", 100)->size(), 100u);
    EXPECT_FALSE(reader.ReadBinary("table", 99).has_value());
}

TEST(SysfsReader, BinaryLargerThanOneReadBuffer)
{
    const ScratchFolder tree;
    std::vector<uint8_t> bytes(10000);
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        bytes[index] = static_cast<uint8_t>(index * 7);
    }
    tree.Write("big", bytes);
    const SysfsReader reader(tree.Root());
    EXPECT_EQ(reader.ReadBinary("big"), bytes);
}

TEST(SysfsReader, LinesSplitAndCleaned)
{
    const ScratchFolder tree;
    tree.Write("id", "SYN1b7f\nSYN1b00\nPNP0f13\n\n");
    tree.Write("tabbed", "a\tb\nc");
    const SysfsReader reader(tree.Root());
    EXPECT_EQ(reader.ReadLines("id"), (std::vector<std::string>{"SYN1b7f", "SYN1b00", "PNP0f13"}));
    EXPECT_EQ(reader.ReadLines("tabbed"), (std::vector<std::string>{"a?b", "c"}));
}

TEST(SysfsReader, RootCanBeChanged)
{
    const ScratchFolder first;
    const ScratchFolder second;
    first.Attribute("class/dmi/id/bios_vendor", "First");
    second.Attribute("class/dmi/id/bios_vendor", "Second");
    SysfsReader reader(first.Root());
    EXPECT_EQ(reader.ReadText("class/dmi/id/bios_vendor"), "First");
    reader.SetRoot(second.Root() + "/");
    EXPECT_EQ(reader.Root(), second.Root());
    EXPECT_EQ(reader.ReadText("/class/dmi/id/bios_vendor"), "Second");
}

TEST(SysfsReader, DefaultRootIsTheKernels)
{
    EXPECT_EQ(SysfsReader().Root(), "/sys");
    EXPECT_EQ(SysfsReader().PathOf("bus/serio/devices"), "/sys/bus/serio/devices");
    EXPECT_EQ(SysfsReader("").Root(), "/sys");
    EXPECT_EQ(SysfsReader("/").PathOf("/bus"), "/bus");
}

TEST(SysfsReader, JoinUsesSingleSlashes)
{
    EXPECT_EQ(SysfsReader::Join("bus/serio/devices", "serio0"), "bus/serio/devices/serio0");
    EXPECT_EQ(SysfsReader::Join("bus/serio/devices/", "/serio0"), "bus/serio/devices/serio0");
    EXPECT_EQ(SysfsReader::Join("", "serio0"), "serio0");
    EXPECT_EQ(SysfsReader::Join("/sys", ""), "/sys");
}

TEST(SysfsReader, ListsFolderSorted)
{
    const ScratchFolder tree;
    tree.Folder("bus/serio/devices/serio2");
    tree.Folder("bus/serio/devices/serio0");
    tree.Attribute("bus/serio/devices/serio1", "");
    const SysfsReader reader(tree.Root());
    EXPECT_EQ(reader.ListDirectory("bus/serio/devices"),
              (std::vector<std::string>{"serio0", "serio1", "serio2"}));
    EXPECT_TRUE(reader.ListDirectory("bus/usb/devices").empty());
}

TEST(SysfsReader, LinkTargetName)
{
    const ScratchFolder tree;
    tree.Folder("bus/serio/drivers/atkbd");
    tree.Link("devices/serio0/driver", "../../bus/serio/drivers/atkbd");
    tree.Link("devices/serio0/dangling", "../../bus/serio/drivers/psmouse/");
    tree.Attribute("devices/serio0/description", "i8042 KBD port");
    const SysfsReader reader(tree.Root());
    EXPECT_EQ(reader.LinkTargetName("devices/serio0/driver"), "atkbd");
    EXPECT_EQ(reader.LinkTargetName("devices/serio0/dangling"), "psmouse");
    EXPECT_FALSE(reader.LinkTargetName("devices/serio0/description").has_value());
    EXPECT_FALSE(reader.LinkTargetName("devices/serio0/missing").has_value());
}

TEST(SysfsReader, ExistsFollowsLinks)
{
    const ScratchFolder tree;
    tree.Folder("firmware/efi");
    tree.Attribute("class/dmi/id/product_name", "Box");
    tree.Link("bus/serio/devices/serio9", "../../../devices/nowhere");
    const SysfsReader reader(tree.Root());
    EXPECT_TRUE(reader.Exists("firmware/efi"));
    EXPECT_TRUE(reader.Exists("class/dmi/id/product_name"));
    EXPECT_FALSE(reader.Exists("bus/serio/devices/serio9"));
    EXPECT_FALSE(reader.Exists("firmware/dmi"));
}

} // namespace
