// The SMBIOS table reader on whole, cut, broken and damaged tables, entry points, and the PS/2 connector judgement.
#include "SmbiosTable.h"

#include <gtest/gtest.h>

namespace {

using corvo::platform::ClassifyPortConnector;
using corvo::platform::SmbiosParseResult;
using corvo::platform::SmbiosStructure;
using corvo::platform::SmbiosTable;
using Stop = SmbiosParseResult::Stop;
using Bytes = std::vector<uint8_t>;

// One structure as firmware lays it out: header, formatted bytes, strings, double NUL.
Bytes Structure(uint8_t type, uint16_t handle, const Bytes& formatted, const std::vector<std::string>& strings = {})
{
    Bytes bytes = {type, static_cast<uint8_t>(4 + formatted.size()), static_cast<uint8_t>(handle),
                   static_cast<uint8_t>(handle >> 8)};
    bytes.insert(bytes.end(), formatted.begin(), formatted.end());
    for (const std::string& text : strings) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    bytes.resize(bytes.size() + (strings.empty() ? 2 : 1), 0);
    return bytes;
}

// A port connector whose internal designator is string 1 and external one string 2, when given.
Bytes PortConnector(uint8_t internalType, uint8_t externalType, uint8_t portType, const std::vector<std::string>& labels)
{
    return Structure(8, 0x0008, {static_cast<uint8_t>(labels.empty() ? 0 : 1), internalType,
                                 static_cast<uint8_t>(labels.size() < 2 ? 0 : 2), externalType, portType}, labels);
}

Bytes Concatenated(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes kBios = Structure(0, 0x0000, {1, 2, 0x00, 0xF0, 3, 0xFF}, {"Kestrel", "1.0", "01/02/2023"});
const Bytes kKeyboardPort = PortConnector(0x00, 0x0F, 0x0D, {"PS2Keyboard", "Keyboard"});
const Bytes kEnd = Structure(127, 0x00FF, {});
const Bytes kGoodTable = Concatenated({kBios, kKeyboardPort, Structure(32, 0x0020, {0, 0, 0, 0, 0, 0, 0}),
                                       Structure(8, 0x0009, {1, 0, 2, 0x0F, 0x0E}, {"PS2Mouse", "Mouse"}), kEnd});

// Parses from a buffer of exactly that size, so a sanitizer build sees any read past the end.
SmbiosParseResult ParseExact(const Bytes& table, std::size_t size)
{
    const Bytes exact(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(size));
    return SmbiosTable::Parse(exact.data(), exact.size());
}

std::vector<uint8_t> Types(const SmbiosParseResult& result)
{
    std::vector<uint8_t> types;
    for (const SmbiosStructure& structure : result.structures)
        types.push_back(structure.type);
    return types;
}

TEST(SmbiosTable, ReadsAWholeTable)
{
    const SmbiosParseResult result = SmbiosTable::Parse(kGoodTable);
    EXPECT_EQ(result.stop, Stop::EndOfTableStructure);
    ASSERT_EQ(Types(result), (std::vector<uint8_t>{0, 8, 32, 8, 127}));
    const SmbiosStructure& bios = result.structures[0];
    EXPECT_EQ(bios.offset, 0u);
    EXPECT_EQ(bios.formatted.size(), 10u);
    EXPECT_EQ(bios.strings, (std::vector<std::string>{"Kestrel", "1.0", "01/02/2023"}));
    // String numbers are one-based; the last one counts, 0 and numbers past the set are empty.
    EXPECT_EQ(bios.String(1) + "|" + bios.String(3), "Kestrel|01/02/2023");
    EXPECT_EQ(bios.String(0) + bios.String(4) + bios.String(255), "");
    const SmbiosStructure& keyboard = result.structures[1];
    EXPECT_EQ(keyboard.offset, kBios.size());
    EXPECT_EQ(keyboard.handle, 0x0008);
    EXPECT_EQ(keyboard.Byte(8), 0x0D);
    EXPECT_EQ(keyboard.Byte(9), std::nullopt);
    EXPECT_TRUE(result.structures[2].strings.empty());
    EXPECT_EQ(result.structures[4].handle, 0x00FF);

    EXPECT_EQ(Types(SmbiosTable::Parse(Concatenated({kBios, kEnd, kKeyboardPort, {0xFF, 0x00}}))),
              (std::vector<uint8_t>{0, 127})) << "bytes after the end structure are not read";
    const SmbiosParseResult withoutEnd = SmbiosTable::Parse(Concatenated({kBios, kKeyboardPort}));
    EXPECT_EQ(withoutEnd.stop, Stop::EndOfData);
    EXPECT_EQ(Types(withoutEnd), (std::vector<uint8_t>{0, 8}));
    EXPECT_TRUE(SmbiosTable::Parse(nullptr, 100).structures.empty());
    EXPECT_EQ(SmbiosTable::Parse(Bytes{}).stop, Stop::EndOfData);
}

// Whatever breaks, the structure before it is kept and nothing past the break is.
TEST(SmbiosTable, BrokenStructuresStopReadingWithTheirReason)
{
    const std::tuple<const char*, Bytes, Stop> rows[] = {
        {"ThreeBytesOfHeader", {0x08, 0x09, 0x00}, Stop::TruncatedHeader},
        {"LengthThree", {0x08, 0x03, 0x01, 0x00, 0x00, 0x00}, Stop::InvalidLength},
        {"FormattedAreaPastEnd", {0x08, 0x09, 0x01, 0x00, 0x01, 0x00}, Stop::FormattedAreaPastEnd},
        {"LengthOneBytePastEnd", {0x7F, 0x05, 0xFF, 0x00}, Stop::FormattedAreaPastEnd},
        {"MissingStringSection", {0x7F, 0x04, 0xFF, 0x00}, Stop::StringSetPastEnd},
        {"SingleNulOnly", {0x7F, 0x04, 0xFF, 0x00, 0x00}, Stop::StringSetPastEnd},
        {"UnterminatedString", {0x08, 0x05, 0x01, 0x00, 0x01, 'K', 'e', 'y', 0x00}, Stop::StringSetPastEnd},
    };
    for (const auto& [name, tail, stop] : rows) {
        const Bytes table = Concatenated({kKeyboardPort, tail});
        const SmbiosParseResult result = ParseExact(table, table.size());
        EXPECT_EQ(result.stop, stop) << name;
        EXPECT_EQ(Types(result), (std::vector<uint8_t>{8})) << name;
    }
    // Every cut of a good table gives a prefix of its structures, complete ones only.
    const SmbiosParseResult whole = SmbiosTable::Parse(kGoodTable);
    for (std::size_t size = 0; size <= kGoodTable.size(); ++size) {
        const SmbiosParseResult cut = ParseExact(kGoodTable, size);
        ASSERT_LE(cut.structures.size(), whole.structures.size() - (size < kGoodTable.size() ? 1 : 0)) << size;
        for (std::size_t index = 0; index < cut.structures.size(); ++index) {
            EXPECT_EQ(cut.structures[index].offset, whole.structures[index].offset) << size;
            EXPECT_EQ(cut.structures[index].formatted, whole.structures[index].formatted) << size;
            EXPECT_EQ(cut.structures[index].strings, whole.structures[index].strings) << size;
        }
    }
}

Bytes EntryPoint(const std::string& anchor, std::size_t size, std::initializer_list<std::pair<std::size_t, uint8_t>> bytes)
{
    Bytes entry(size, 0);
    std::copy(anchor.begin(), anchor.end(), entry.begin());
    for (const auto& [offset, value] : bytes)
        entry[offset] = value;
    return entry;
}

TEST(SmbiosTable, EntryPointVersion)
{
    const std::tuple<const char*, Bytes, int, int> rows[] = {  // -1: no version
        {"Sm3", EntryPoint("_SM3_", 24, {{6, 0x18}, {7, 3}, {8, 3}}), 3, 3},
        {"Sm3ShortestUsable", EntryPoint("_SM3_", 9, {{7, 3}, {8, 7}}), 3, 7},
        {"Sm3TooShort", EntryPoint("_SM3_", 8, {{7, 3}}), -1, -1},
        {"Sm", EntryPoint("_SM_", 31, {{5, 0x1F}, {6, 2}, {7, 8}}), 2, 8},
        {"SmTooShort", EntryPoint("_SM_", 7, {{6, 2}}), -1, -1},
        {"LegacyDmiBcd", EntryPoint("_DMI_", 15, {{14, 0x21}}), 2, 1},
        {"LegacyDmiTooShort", EntryPoint("_DMI_", 14, {}), -1, -1},
        {"Garbage", Bytes{'X', 'S', 'M', '_', 0, 0, 3, 3, 0}, -1, -1},
        {"Empty", Bytes{}, -1, -1},
    };
    for (const auto& [name, bytes, major, minor] : rows) {
        const auto version = SmbiosTable::EntryPointVersion(bytes);
        EXPECT_EQ(version ? version->major : -1, major) << name;
        EXPECT_EQ(version ? version->minor : -1, minor) << name;
    }
}

TEST(SmbiosTable, PortConnectorJudgement)
{
    // Connector types none, PS/2, USB; port types keyboard, mouse, USB, other.
    constexpr uint8_t kNone = 0x00, kPs2 = 0x0F, kUsb = 0x12, kKeyboard = 0x0D, kMouse = 0x0E, kUsbPort = 0x10,
                      kOther = 0xFF;
    const std::tuple<const char*, Bytes, bool, bool> rows[] = {  // keyboard, mouse
        {"KeyboardPortType", PortConnector(kNone, kPs2, kKeyboard, {"J1", "Back"}), true, false},
        {"KeyboardPortTypeWithoutConnector", PortConnector(kNone, kNone, kKeyboard, {}), true, false},
        {"MousePortType", PortConnector(kNone, kPs2, kMouse, {"J2"}), false, true},
        {"Ps2OtherKeyboardLabel", PortConnector(kNone, kPs2, kOther, {"J1", "PS/2 Keyboard"}), true, false},
        {"Ps2NoneKbdLabel", PortConnector(kPs2, kNone, kNone, {"KBD1"}), true, false},
        {"Ps2CombinedLabel", PortConnector(kNone, kPs2, kOther, {"J1", "PS2 KB/MS"}), true, true},
        {"Ps2MouseLabel", PortConnector(kNone, kPs2, kOther, {"PS2 Mouse"}), false, true},
        {"Ps2Unlabelled", PortConnector(kNone, kPs2, kOther, {"J1A1"}), false, false},
        {"Ps2NoStrings", PortConnector(kNone, kPs2, kOther, {}), false, false},
        {"UsbWithKeyboardLabel", PortConnector(kNone, kUsb, kOther, {"Keyboard"}), false, false},
        {"Ps2JackWithUsbPortType", PortConnector(kNone, kPs2, kUsbPort, {"Keyboard"}), false, false},
        {"NotAPortConnector", Structure(9, 1, {1, 0x0F, 0x0D, 0x0D, 0x0D}, {"Keyboard"}), false, false},
        {"TooShortForPortType", Structure(8, 1, {1, kNone, 2, kPs2}, {"Keyboard", "KB"}), false, false},
        {"DesignatorNumberPastSet", Structure(8, 1, {7, kNone, 9, kPs2, kOther}, {"Keyboard"}), false, false},
    };
    for (const auto& [name, structure, keyboard, mouse] : rows) {
        const SmbiosParseResult parsed = SmbiosTable::Parse(structure);
        ASSERT_EQ(parsed.structures.size(), 1u) << name;
        EXPECT_EQ(ClassifyPortConnector(parsed.structures[0]).keyboard, keyboard) << name;
        EXPECT_EQ(ClassifyPortConnector(parsed.structures[0]).mouse, mouse) << name;
    }
}

} // namespace
