// Tests of the SMBIOS table reader on whole, cut, broken and mutated tables, and of the PS/2 connector judgement.
#include "SmbiosTable.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using corvo::platform::ClassifyPortConnector;
using corvo::platform::Ps2PortConnector;
using corvo::platform::SmbiosParseResult;
using corvo::platform::SmbiosStructure;
using corvo::platform::SmbiosTable;
using Stop = SmbiosParseResult::Stop;
using Bytes = std::vector<uint8_t>;

// One structure as firmware lays it out: header, formatted bytes, strings, double NUL.
Bytes Structure(uint8_t type, uint16_t handle, const Bytes& formatted, const std::vector<std::string>& strings = {})
{
    Bytes bytes = {type, static_cast<uint8_t>(4 + formatted.size()), static_cast<uint8_t>(handle & 0xFF),
                   static_cast<uint8_t>(handle >> 8)};
    bytes.insert(bytes.end(), formatted.begin(), formatted.end());
    for (const std::string& text : strings) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    if (strings.empty()) {
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

Bytes PortConnector(uint16_t handle, uint8_t internalType, uint8_t externalType, uint8_t portType,
                    const std::vector<std::string>& designators)
{
    const uint8_t internalString = designators.empty() ? 0 : 1;
    const uint8_t externalString = designators.size() < 2 ? 0 : 2;
    return Structure(8, handle, {internalString, internalType, externalString, externalType, portType}, designators);
}

Bytes Concatenated(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Bytes kBios = Structure(0, 0x0000, {1, 2, 0x00, 0xF0, 3, 0xFF}, {"Kestrel", "1.0", "01/02/2023"});
const Bytes kKeyboardPort = PortConnector(0x0008, 0x00, 0x0F, 0x0D, {"PS2Keyboard", "Keyboard"});
const Bytes kMousePort = PortConnector(0x0009, 0x00, 0x0F, 0x0E, {"PS2Mouse", "Mouse"});
const Bytes kNoStrings = Structure(32, 0x0020, {0, 0, 0, 0, 0, 0, 0});
const Bytes kEnd = Structure(127, 0x00FF, {});

Bytes GoodTable()
{
    return Concatenated({kBios, kKeyboardPort, kNoStrings, kMousePort, kEnd});
}

// Parses from a buffer of exactly that size, so a sanitizer build sees any read past the end.
SmbiosParseResult ParseExact(const Bytes& table, std::size_t size)
{
    const Bytes exact(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(size));
    return SmbiosTable::Parse(exact.data(), exact.size());
}

std::vector<uint8_t> Types(const SmbiosParseResult& result)
{
    std::vector<uint8_t> types;
    for (const SmbiosStructure& structure : result.structures) {
        types.push_back(structure.type);
    }
    return types;
}

TEST(SmbiosTable, ReadsWholeTable)
{
    const Bytes table = GoodTable();
    const SmbiosParseResult result = SmbiosTable::Parse(table);
    EXPECT_EQ(result.stop, Stop::EndOfTableStructure);
    ASSERT_EQ(Types(result), (std::vector<uint8_t>{0, 8, 32, 8, 127}));

    const SmbiosStructure& bios = result.structures[0];
    EXPECT_EQ(bios.offset, 0u);
    EXPECT_EQ(bios.formatted.size(), 10u);
    EXPECT_EQ(bios.strings, (std::vector<std::string>{"Kestrel", "1.0", "01/02/2023"}));
    EXPECT_EQ(bios.String(2), "1.0");

    const SmbiosStructure& keyboard = result.structures[1];
    EXPECT_EQ(keyboard.offset, kBios.size());
    EXPECT_EQ(keyboard.handle, 0x0008);
    EXPECT_EQ(keyboard.Byte(8), 0x0D);
    EXPECT_FALSE(keyboard.Byte(9).has_value());

    EXPECT_TRUE(result.structures[2].strings.empty());
    EXPECT_EQ(result.structures[4].handle, 0x00FF);
}

TEST(SmbiosTable, StringNumbersOutsideTheSetAreEmpty)
{
    const SmbiosParseResult result = SmbiosTable::Parse(kKeyboardPort);
    ASSERT_EQ(result.structures.size(), 1u);
    EXPECT_EQ(result.structures[0].String(0), "");
    EXPECT_EQ(result.structures[0].String(1), "PS2Keyboard");
    EXPECT_EQ(result.structures[0].String(3), "");
    EXPECT_EQ(result.structures[0].String(255), "");
}

TEST(SmbiosTable, IgnoresBytesAfterEndOfTable)
{
    const Bytes table = Concatenated({kBios, kEnd, kKeyboardPort, {0xFF, 0x00}});
    const SmbiosParseResult result = SmbiosTable::Parse(table);
    EXPECT_EQ(result.stop, Stop::EndOfTableStructure);
    EXPECT_EQ(Types(result), (std::vector<uint8_t>{0, 127}));
}

TEST(SmbiosTable, TableWithoutEndStructureEndsAtItsLastByte)
{
    const SmbiosParseResult result = SmbiosTable::Parse(Concatenated({kBios, kKeyboardPort}));
    EXPECT_EQ(result.stop, Stop::EndOfData);
    EXPECT_EQ(Types(result), (std::vector<uint8_t>{0, 8}));
}

TEST(SmbiosTable, EmptyAndNullInput)
{
    EXPECT_EQ(SmbiosTable::Parse(nullptr, 100).structures.size(), 0u);
    const SmbiosParseResult empty = SmbiosTable::Parse(Bytes{});
    EXPECT_EQ(empty.stop, Stop::EndOfData);
    EXPECT_TRUE(empty.structures.empty());
}

struct BrokenRow {
    const char* name;
    Bytes tail;           // appended after one good structure
    Stop expectedStop;
};

void PrintTo(const BrokenRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmbiosTableBroken : public testing::TestWithParam<BrokenRow> {};

// Whatever breaks, the structure before it is kept and nothing past the break is.
TEST_P(SmbiosTableBroken, KeepsWhatCameBeforeTheBreak)
{
    const Bytes table = Concatenated({kKeyboardPort, GetParam().tail});
    const SmbiosParseResult result = ParseExact(table, table.size());
    EXPECT_EQ(result.stop, GetParam().expectedStop);
    ASSERT_EQ(result.structures.size(), 1u);
    EXPECT_EQ(result.structures[0].handle, 0x0008);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SmbiosTableBroken,
    testing::Values(
        BrokenRow{"OneByteOfHeader", {0x08}, Stop::TruncatedHeader},
        BrokenRow{"ThreeBytesOfHeader", {0x08, 0x09, 0x00}, Stop::TruncatedHeader},
        BrokenRow{"ZeroLength", {0x08, 0x00, 0x01, 0x00, 0x00, 0x00}, Stop::InvalidLength},
        BrokenRow{"LengthThree", {0x08, 0x03, 0x01, 0x00, 0x00, 0x00}, Stop::InvalidLength},
        BrokenRow{"FormattedAreaPastEnd", {0x08, 0x09, 0x01, 0x00, 0x01, 0x00}, Stop::FormattedAreaPastEnd},
        BrokenRow{"LengthOneBytePastEnd", {0x7F, 0x05, 0xFF, 0x00}, Stop::FormattedAreaPastEnd},
        BrokenRow{"MissingStringSection", {0x7F, 0x04, 0xFF, 0x00}, Stop::StringSetPastEnd},
        BrokenRow{"SingleNulOnly", {0x7F, 0x04, 0xFF, 0x00, 0x00}, Stop::StringSetPastEnd},
        BrokenRow{"UnterminatedString", {0x08, 0x05, 0x01, 0x00, 0x01, 'K', 'e', 'y', 0x00}, Stop::StringSetPastEnd}));

// Every cut of a good table gives a prefix of the whole table's structures, complete ones only.
TEST(SmbiosTable, EveryTruncationGivesAPrefix)
{
    const Bytes table = GoodTable();
    const SmbiosParseResult whole = SmbiosTable::Parse(table);
    for (std::size_t size = 0; size <= table.size(); ++size) {
        SCOPED_TRACE("cut at " + std::to_string(size));
        const SmbiosParseResult cut = ParseExact(table, size);
        ASSERT_LE(cut.structures.size(), whole.structures.size());
        for (std::size_t index = 0; index < cut.structures.size(); ++index) {
            EXPECT_EQ(cut.structures[index].offset, whole.structures[index].offset);
            EXPECT_EQ(cut.structures[index].formatted, whole.structures[index].formatted);
            EXPECT_EQ(cut.structures[index].strings, whole.structures[index].strings);
        }
        if (size < table.size()) {
            EXPECT_LT(cut.structures.size(), whole.structures.size());
        }
    }
}

// Random damage: the reader must stay inside the buffer (the sanitizer build checks every read)
// and report only structures that lie inside it.
TEST(SmbiosTable, SurvivesRandomDamage)
{
    const Bytes good = GoodTable();
    std::mt19937 random(20240611u);
    for (int round = 0; round < 20000; ++round) {
        Bytes damaged = good;
        const int flips = 1 + static_cast<int>(random() % 8);
        for (int flip = 0; flip < flips; ++flip) {
            damaged[random() % damaged.size()] = static_cast<uint8_t>(random());
        }
        const std::size_t size = random() % (damaged.size() + 1);
        const SmbiosParseResult result = ParseExact(damaged, size);
        ASSERT_LE(result.structures.size() * 6, size + 0u) << "round " << round;
        for (const SmbiosStructure& structure : result.structures) {
            ASSERT_GE(structure.formatted.size(), 4u);
            ASSERT_LE(structure.offset + structure.formatted.size(), size) << "round " << round;
        }
    }
}

struct EntryPointRow {
    const char* name;
    Bytes bytes;
    std::optional<std::pair<int, int>> expected;
};

void PrintTo(const EntryPointRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class SmbiosEntryPoint : public testing::TestWithParam<EntryPointRow> {};

TEST_P(SmbiosEntryPoint, Version)
{
    const auto version = SmbiosTable::EntryPointVersion(GetParam().bytes);
    ASSERT_EQ(version.has_value(), GetParam().expected.has_value());
    if (version) {
        EXPECT_EQ(version->major, GetParam().expected->first);
        EXPECT_EQ(version->minor, GetParam().expected->second);
    }
}

Bytes WithAnchor(const std::string& anchor, std::size_t size, std::initializer_list<std::pair<std::size_t, uint8_t>> bytes)
{
    Bytes entry(size, 0);
    std::copy(anchor.begin(), anchor.end(), entry.begin());
    for (const auto& [offset, value] : bytes) {
        entry[offset] = value;
    }
    return entry;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SmbiosEntryPoint,
    testing::Values(
        EntryPointRow{"Sm3", WithAnchor("_SM3_", 24, {{6, 0x18}, {7, 3}, {8, 3}}), std::make_pair(3, 3)},
        EntryPointRow{"Sm3ShortestUsable", WithAnchor("_SM3_", 9, {{7, 3}, {8, 7}}), std::make_pair(3, 7)},
        EntryPointRow{"Sm3TooShort", WithAnchor("_SM3_", 8, {{7, 3}}), std::nullopt},
        EntryPointRow{"Sm", WithAnchor("_SM_", 31, {{5, 0x1F}, {6, 2}, {7, 8}}), std::make_pair(2, 8)},
        EntryPointRow{"SmTooShort", WithAnchor("_SM_", 7, {{6, 2}}), std::nullopt},
        EntryPointRow{"LegacyDmiBcd", WithAnchor("_DMI_", 15, {{14, 0x21}}), std::make_pair(2, 1)},
        EntryPointRow{"LegacyDmiTooShort", WithAnchor("_DMI_", 14, {}), std::nullopt},
        EntryPointRow{"Garbage", Bytes{'X', 'S', 'M', '_', 0, 0, 3, 3, 0}, std::nullopt},
        EntryPointRow{"Empty", Bytes{}, std::nullopt}));

struct ConnectorRow {
    const char* name;
    Bytes structure;
    bool keyboard;
    bool mouse;
};

void PrintTo(const ConnectorRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class PortConnectorJudgement : public testing::TestWithParam<ConnectorRow> {};

TEST_P(PortConnectorJudgement, Classifies)
{
    const SmbiosParseResult parsed = SmbiosTable::Parse(GetParam().structure);
    ASSERT_EQ(parsed.structures.size(), 1u);
    const Ps2PortConnector port = ClassifyPortConnector(parsed.structures[0]);
    EXPECT_EQ(port.keyboard, GetParam().keyboard);
    EXPECT_EQ(port.mouse, GetParam().mouse);
}

constexpr uint8_t kNone = 0x00;
constexpr uint8_t kPs2 = 0x0F;
constexpr uint8_t kUsbConnector = 0x12;
constexpr uint8_t kKeyboardPortType = 0x0D;
constexpr uint8_t kMousePortType = 0x0E;
constexpr uint8_t kUsbPortType = 0x10;
constexpr uint8_t kOther = 0xFF;

INSTANTIATE_TEST_SUITE_P(
    Rows, PortConnectorJudgement,
    testing::Values(
        ConnectorRow{"KeyboardPortType", PortConnector(1, kNone, kPs2, kKeyboardPortType, {"J1", "Back"}), true, false},
        ConnectorRow{"KeyboardPortTypeWithoutConnector", PortConnector(1, kNone, kNone, kKeyboardPortType, {}), true, false},
        ConnectorRow{"MousePortType", PortConnector(1, kNone, kPs2, kMousePortType, {"J2"}), false, true},
        ConnectorRow{"Ps2OtherKeyboardLabel", PortConnector(1, kNone, kPs2, kOther, {"J1", "PS/2 Keyboard"}), true, false},
        ConnectorRow{"Ps2NoneKbdLabel", PortConnector(1, kPs2, kNone, kNone, {"KBD1"}), true, false},
        ConnectorRow{"Ps2CombinedLabel", PortConnector(1, kNone, kPs2, kOther, {"J1", "PS2 KB/MS"}), true, true},
        ConnectorRow{"Ps2MouseLabel", PortConnector(1, kNone, kPs2, kOther, {"PS2 Mouse"}), false, true},
        ConnectorRow{"Ps2Unlabelled", PortConnector(1, kNone, kPs2, kOther, {"J1A1"}), false, false},
        ConnectorRow{"Ps2NoStrings", PortConnector(1, kNone, kPs2, kOther, {}), false, false},
        ConnectorRow{"UsbWithKeyboardLabel", PortConnector(1, kNone, kUsbConnector, kOther, {"Keyboard"}), false, false},
        ConnectorRow{"Ps2JackWithUsbPortType", PortConnector(1, kNone, kPs2, kUsbPortType, {"Keyboard"}), false, false},
        ConnectorRow{"NotAPortConnector", Structure(9, 1, {1, 0x0F, 0x0D, 0x0D, 0x0D}, {"Keyboard"}), false, false},
        ConnectorRow{"TooShortForPortType", Structure(8, 1, {1, kNone, 2, kPs2}, {"Keyboard", "KB"}), false, false},
        ConnectorRow{"DesignatorNumberPastSet", Structure(8, 1, {7, kNone, 9, kPs2, kOther}, {"Keyboard"}), false, false}));

} // namespace
