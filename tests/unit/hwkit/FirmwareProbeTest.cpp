// Tests of the firmware facts: whole fixture machines, then each source of evidence row by row.
#include "FirmwareProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <thread>

#include "ScratchFolder.h"

namespace {

using corvo::platform::FirmwareProbe;
using corvo::platform::SysfsReader;
using hwkit_test::ScratchFolder;

std::string FixtureRoot(const std::string& machine)
{
    return std::string(HWKIT_FIXTURE_DIRECTORY) + "/" + machine + "/sys";
}

struct MachineRow {
    const char* machine;
    uint8_t smbiosMajor;
    uint8_t smbiosMinor;
    // Bytes 8..14 of the record.
    std::array<uint8_t, 7> flags;
    const char* vendor;
    const char* version;
    const char* releaseDate;
    const char* productName;
};

void PrintTo(const MachineRow& row, std::ostream* stream)
{
    *stream << row.machine;
}

class FirmwareProbeMachine : public testing::TestWithParam<MachineRow> {};

TEST_P(FirmwareProbeMachine, RecordMatchesTheMachine)
{
    const MachineRow& row = GetParam();
    const SysfsReader reader(FixtureRoot(row.machine));
    ASSERT_TRUE(reader.Exists("")) << "fixture missing: " << reader.Root();
    const hwkit::BiosInformation record = FirmwareProbe(reader).Read();

    EXPECT_EQ(record.recordVersion, 1);
    EXPECT_EQ(record.recordSize, sizeof(hwkit::BiosInformation));
    EXPECT_EQ(record.smbiosMajor, row.smbiosMajor);
    EXPECT_EQ(record.smbiosMinor, row.smbiosMinor);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    for (std::size_t index = 0; index < row.flags.size(); ++index) {
        EXPECT_EQ(bytes[8 + index], row.flags[index]) << "byte " << 8 + index;
    }
    EXPECT_EQ(bytes[15], 0);
    EXPECT_STREQ(record.vendor, row.vendor);
    EXPECT_STREQ(record.version, row.version);
    EXPECT_STREQ(record.releaseDate, row.releaseDate);
    EXPECT_STREQ(record.productName, row.productName);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, FirmwareProbeMachine,
    testing::Values(
        // uefi, kbd port, smbios kbd, aux port, smbios mouse, acpi kbd, acpi mouse
        MachineRow{"laptop-ps2-keyboard", 3, 3, {1, 1, 1, 1, 1, 1, 1},
                   "Kestrel Firmware Inc.", "1.21.0", "03/14/2023", "Tern 14 Laptop"},
        MachineRow{"desktop-usb-only", 2, 8, {0, 0, 0, 0, 0, 0, 0},
                   "Kestrel Firmware Inc.", "F12", "11/02/2021", "Heron Tower 5"},
        MachineRow{"smbios-truncated", 3, 0, {0, 0, 1, 0, 0, 0, 0},
                   "Kestrel Firmware Inc.", "0.9b", "01/01/2019", "Unnamed Board"}));

TEST(FirmwareProbe, EmptyTreeHasNoFacts)
{
    const ScratchFolder tree;
    const SysfsReader reader(tree.Root());
    const hwkit::BiosInformation record = FirmwareProbe(reader).Read();
    hwkit::BiosInformation expected{};
    expected.recordVersion = 1;
    expected.recordSize = sizeof expected;
    EXPECT_EQ(std::memcmp(&record, &expected, sizeof record), 0);
}

// Without root the table cannot be read; an entry point alone says nothing about connectors.
TEST(FirmwareProbe, UnreadableTableMeansNoSmbiosFacts)
{
    const ScratchFolder tree;
    tree.Write("firmware/dmi/tables/smbios_entry_point", std::string("_SM3_\0\x18\x03\x03\0\x01\0", 12));
    const SysfsReader reader(tree.Root());
    const FirmwareProbe::SmbiosFacts facts = FirmwareProbe(reader).ReadSmbios();
    EXPECT_FALSE(facts.tableReadable);
    EXPECT_EQ(facts.version.major, 0);
    EXPECT_EQ(facts.version.minor, 0);
    EXPECT_FALSE(facts.keyboardConnector);
}

TEST(FirmwareProbe, TableWithoutEntryPointStillGivesConnectors)
{
    const SysfsReader fixture(FixtureRoot("laptop-ps2-keyboard"));
    const std::optional<std::vector<uint8_t>> table = fixture.ReadBinary("firmware/dmi/tables/DMI");
    ASSERT_TRUE(table.has_value());
    const ScratchFolder tree;
    tree.Write("firmware/dmi/tables/DMI", *table);
    const SysfsReader reader(tree.Root());
    const FirmwareProbe::SmbiosFacts facts = FirmwareProbe(reader).ReadSmbios();
    EXPECT_TRUE(facts.tableReadable);
    EXPECT_EQ(facts.version.major, 0);
    EXPECT_TRUE(facts.keyboardConnector);
    EXPECT_TRUE(facts.mouseConnector);
}

struct SerioRow {
    const char* name;
    const char* description;   // nullptr: no description attribute
    const char* driver;        // nullptr: no driver link
    const char* firmwareId;    // nullptr: no firmware_id attribute
    bool keyboardPort;
    bool auxPort;
};

void PrintTo(const SerioRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class FirmwareProbeSerio : public testing::TestWithParam<SerioRow> {};

TEST_P(FirmwareProbeSerio, JudgesThePort)
{
    const SerioRow& row = GetParam();
    const ScratchFolder tree;
    const std::string port = "devices/platform/i8042/serio0";
    tree.Folder(port);
    if (row.description != nullptr) {
        tree.Attribute(port + "/description", row.description);
    }
    if (row.driver != nullptr) {
        tree.Folder(std::string("bus/serio/drivers/") + row.driver);
        tree.Link(port + "/driver", std::string("../../../../bus/serio/drivers/") + row.driver);
    }
    if (row.firmwareId != nullptr) {
        tree.Attribute(port + "/firmware_id", row.firmwareId);
    }
    tree.Link("bus/serio/devices/serio0", "../../../" + port);
    const SysfsReader reader(tree.Root());
    const FirmwareProbe probe(reader);
    EXPECT_EQ(probe.HasI8042KeyboardPort(), row.keyboardPort);
    EXPECT_EQ(probe.HasI8042AuxPort(), row.auxPort);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirmwareProbeSerio,
    testing::Values(
        SerioRow{"KbdPort", "i8042 KBD port", "atkbd", "PNP: PNP0303", true, false},
        SerioRow{"KbdPortNoDriverBound", "i8042 KBD port", nullptr, nullptr, true, false},
        SerioRow{"KbdPortOtherCase", "I8042 kbd Port", nullptr, nullptr, true, false},
        SerioRow{"AuxPort", "i8042 AUX port", "psmouse", nullptr, false, true},
        SerioRow{"MultiplexedAuxPort", "i8042 AUX2 port", nullptr, nullptr, false, true},
        SerioRow{"KbdPortWithRawDriver", "i8042 KBD port", "serio_raw", nullptr, true, false},
        SerioRow{"UnnamedI8042PortWithKeyboardDriver", "i8042 port", "atkbd", nullptr, true, false},
        SerioRow{"UnnamedI8042PortWithMouseDriver", "i8042 port", "psmouse", nullptr, false, true},
        SerioRow{"NoDescriptionKeyboardFirmwareId", nullptr, nullptr, "PNP: PNP030b PNP0303", true, false},
        SerioRow{"NoDescriptionMouseFirmwareId", nullptr, nullptr, "PNP: SYN1b7f PNP0f13", false, true},
        SerioRow{"TouchPadPassThrough", "Synaptics pass-through", "psmouse", nullptr, false, false},
        SerioRow{"OtherControllerWithKeyboardDriver", "PS/2 port on another controller", "atkbd", nullptr, false, false},
        SerioRow{"FirmwareIdWithoutPrefix", nullptr, nullptr, "PNP0303", false, false},
        SerioRow{"NothingKnown", nullptr, nullptr, nullptr, false, false}));

TEST(FirmwareProbe, NoSerioBusMeansNoPorts)
{
    const ScratchFolder tree;
    tree.Folder("bus");
    const SysfsReader reader(tree.Root());
    EXPECT_FALSE(FirmwareProbe(reader).HasI8042KeyboardPort());
    EXPECT_FALSE(FirmwareProbe(reader).HasI8042AuxPort());
}

struct AcpiRow {
    const char* name;
    const char* entry;        // folder name under bus/acpi/devices
    const char* hardwareId;   // nullptr: no hid attribute
    const char* modalias;     // nullptr: no modalias attribute
    const char* status;       // nullptr: no status attribute (no _STA method)
    bool keyboard;
    bool mouse;
};

void PrintTo(const AcpiRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class FirmwareProbeAcpi : public testing::TestWithParam<AcpiRow> {};

TEST_P(FirmwareProbeAcpi, JudgesTheDevice)
{
    const AcpiRow& row = GetParam();
    const ScratchFolder tree;
    const std::string device = std::string("bus/acpi/devices/") + row.entry;
    tree.Folder(device);
    if (row.hardwareId != nullptr) {
        tree.Attribute(device + "/hid", row.hardwareId);
    }
    if (row.modalias != nullptr) {
        tree.Attribute(device + "/modalias", row.modalias);
    }
    if (row.status != nullptr) {
        tree.Attribute(device + "/status", row.status);
    }
    const SysfsReader reader(tree.Root());
    const FirmwareProbe probe(reader);
    EXPECT_EQ(probe.HasAcpiPs2Keyboard(), row.keyboard);
    EXPECT_EQ(probe.HasAcpiPs2Mouse(), row.mouse);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirmwareProbeAcpi,
    testing::Values(
        AcpiRow{"Keyboard", "PNP0303:00", "PNP0303", "acpi:PNP0303:", "15", true, false},
        AcpiRow{"KeyboardWithoutStatusMethod", "PNP0303:00", "PNP0303", "acpi:PNP0303:", nullptr, true, false},
        AcpiRow{"KeyboardReportedAbsent", "PNP0303:00", "PNP0303", "acpi:PNP0303:", "0", false, false},
        AcpiRow{"KeyboardPresentNotFunctioning", "PNP0303:00", "PNP0303", nullptr, "1", true, false},
        AcpiRow{"KeyboardDisabledButPresentBitClear", "PNP0303:00", "PNP0303", nullptr, "14", false, false},
        AcpiRow{"JapaneseKeyboard", "PNP0320:00", "PNP0320", nullptr, "15", true, false},
        AcpiRow{"CompaqKeyboard", "CPQA0D7:00", "CPQA0D7", nullptr, "15", true, false},
        AcpiRow{"VendorKeyboardCompatibleId", "KST0101:00", "KST0101", "acpi:KST0101:PNP030B:", "15", true, false},
        AcpiRow{"VendorTouchPadCompatibleId", "SYN1B7F:00", "SYN1B7F", "acpi:SYN1B7F:SYN1B00:SYN0002:PNP0F13:", "15", false, true},
        AcpiRow{"PlainPs2Mouse", "PNP0F03:00", "PNP0F03", "acpi:PNP0F03:", "15", false, true},
        AcpiRow{"MouseLowerCaseHex", "PNP0F13:00", "PNP0f13", nullptr, "15", false, true},
        AcpiRow{"NameOnly", "PNP0303:01", nullptr, nullptr, nullptr, true, false},
        AcpiRow{"I2cTouchPadIsNotPs2", "KSTP0001:00", "KSTP0001", "acpi:KSTP0001:PNP0C50:", "15", false, false},
        AcpiRow{"SerialPort", "PNP0501:00", "PNP0501", "acpi:PNP0501:", "15", false, false},
        AcpiRow{"PciRootIsNotAKeyboard", "PNP0A08:00", "PNP0A08", "acpi:PNP0A08:PNP0A03:", "15", false, false}));

TEST(FirmwareProbe, PnpBusListsEveryIdOfADevice)
{
    const ScratchFolder tree;
    tree.Write("bus/pnp/devices/00:04/id", "SYN1b7f\nSYN1b00\nSYN0002\nPNP0f13\n");
    tree.Write("bus/pnp/devices/00:05/id", "PNP0501\n");
    const SysfsReader reader(tree.Root());
    const FirmwareProbe probe(reader);
    EXPECT_TRUE(probe.HasAcpiPs2Mouse());
    EXPECT_FALSE(probe.HasAcpiPs2Keyboard());
    tree.Write("bus/pnp/devices/00:03/id", "PNP0303\n");
    EXPECT_TRUE(probe.HasAcpiPs2Keyboard());
}

struct IdRow {
    const char* id;
    bool keyboard;
    bool mouse;
};

void PrintTo(const IdRow& row, std::ostream* stream)
{
    *stream << (row.id[0] == '\0' ? "Empty" : row.id);
}

class FirmwareProbeIds : public testing::TestWithParam<IdRow> {};

TEST_P(FirmwareProbeIds, ClassOfId)
{
    EXPECT_EQ(FirmwareProbe::IsPs2KeyboardId(GetParam().id), GetParam().keyboard);
    EXPECT_EQ(FirmwareProbe::IsPs2MouseId(GetParam().id), GetParam().mouse);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirmwareProbeIds,
    testing::Values(IdRow{"PNP0300", true, false}, IdRow{"PNP0304", true, false},
                    IdRow{"pnp030b", true, false}, IdRow{"PNP0345", true, false},
                    IdRow{"PNP0307", false, false}, IdRow{"PNP0346", false, false},
                    IdRow{"PNP0F13", false, true}, IdRow{"pnp0f03", false, true},
                    IdRow{"SYN0801", false, true}, IdRow{"PNP0F01", false, false},
                    IdRow{"PNP03030", false, false}, IdRow{"PNP030", false, false},
                    IdRow{"", false, false}));

struct CopyRow {
    const char* name;
    std::string text;
    std::string expected; // what an 8-byte field holds
};

void PrintTo(const CopyRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class FirmwareProbeCopyText : public testing::TestWithParam<CopyRow> {};

TEST_P(FirmwareProbeCopyText, FitsTheField)
{
    char field[8];
    std::memset(field, 'Z', sizeof field);
    FirmwareProbe::CopyText(field, GetParam().text);
    EXPECT_EQ(field[sizeof field - 1], '\0');
    EXPECT_EQ(std::string(field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FirmwareProbeCopyText,
    testing::Values(CopyRow{"Empty", "", ""},
                    CopyRow{"Short", "F12", "F12"},
                    CopyRow{"ExactlyFits", "1234567", "1234567"},
                    CopyRow{"OneTooMany", "12345678", "1234567"},
                    CopyRow{"CutBeforeTwoByteCharacter", "123456\xc3\xa9", "123456"},
                    CopyRow{"TwoByteCharacterFits", "12345\xc3\xa9", "12345\xc3\xa9"},
                    CopyRow{"CutInsideThreeByteCharacter", "12345\xe2\x82\xac", "12345"}));

// The exported record is made once, whichever thread asks first, and stays put.
TEST(FirmwareProbe, ExportedRecordIsSharedAndStable)
{
    std::array<const hwkit::BiosInformation*, 8> seen{};
    std::vector<std::thread> threads;
    for (std::size_t index = 0; index < seen.size(); ++index) {
        threads.emplace_back([&seen, index] { seen[index] = hwkit::get_bios(); });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const hwkit::BiosInformation* record = hwkit::get_bios();
    ASSERT_NE(record, nullptr);
    for (const hwkit::BiosInformation* pointer : seen) {
        EXPECT_EQ(pointer, record);
    }
    EXPECT_EQ(record->recordVersion, 1);
    EXPECT_EQ(record->recordSize, sizeof(hwkit::BiosInformation));
    EXPECT_EQ(record->vendor[sizeof record->vendor - 1], '\0');
    EXPECT_EQ(record->productName[sizeof record->productName - 1], '\0');
}

} // namespace
