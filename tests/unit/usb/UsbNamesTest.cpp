// Tests of the class and subclass name tables: the names users see, and "-" around them.
#include "usb/UsbNames.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace {

struct ClassRow {
    const char* name;
    uint8_t classCode;
    std::string_view expected;
};

void PrintTo(const ClassRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbClassName : public testing::TestWithParam<ClassRow> {};

TEST_P(UsbClassName, NamesListedCodesOnly)
{
    EXPECT_EQ(UsbNames::ClassName(GetParam().classCode), GetParam().expected);
}

// Each named range with its unnamed neighbours.
INSTANTIATE_TEST_SUITE_P(
    Rows, UsbClassName,
    testing::Values(ClassRow{"PerInterface", 0x00, "-"}, ClassRow{"Audio", 0x01, "Audio"},
                    ClassRow{"Hid", 0x03, "Human interface device (HID)"}, ClassRow{"Unassigned04", 0x04, "-"},
                    ClassRow{"Physical", 0x05, "Physical interface device"}, ClassRow{"Hub", 0x09, "Hub"},
                    ClassRow{"SmartCard", 0x0B, "Chip/SmartCard"}, ClassRow{"Unassigned0C", 0x0C, "-"},
                    ClassRow{"ContentSecurity", 0x0D, "Content security"},
                    ClassRow{"AudioVideo", 0x10, "Audio/Video Devices"}, ClassRow{"Billboard", 0x11, "-"},
                    ClassRow{"Below58", 0x57, "-"}, ClassRow{"Xbox", 0x58, "Xbox"}, ClassRow{"Above58", 0x59, "-"},
                    ClassRow{"BelowDiagnostic", 0xDB, "-"}, ClassRow{"Diagnostic", 0xDC, "Diagnostic"},
                    ClassRow{"Wireless", 0xE0, "Wireless"}, ClassRow{"Miscellaneous", 0xEF, "Miscellaneous device"},
                    ClassRow{"BelowApplication", 0xFD, "-"},
                    ClassRow{"Application", 0xFE, "Application specific interface"},
                    ClassRow{"Vendor", 0xFF, "Vendor specific"}),
    [](const testing::TestParamInfo<ClassRow>& info) { return info.param.name; });

struct SubclassRow {
    const char* name;
    uint8_t classCode;
    uint8_t subclassCode;
    std::string_view expected;
};

void PrintTo(const SubclassRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbSubclassName : public testing::TestWithParam<SubclassRow> {};

TEST_P(UsbSubclassName, NamesSubclassWithinItsClass)
{
    EXPECT_EQ(UsbNames::SubclassName(GetParam().classCode, GetParam().subclassCode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsbSubclassName,
    testing::Values(SubclassRow{"HidNone", 0x03, 0x00, "No subclass"},
                    SubclassRow{"HidBoot", 0x03, 0x01, "Boot interface subclass"},
                    SubclassRow{"HidPastBoot", 0x03, 0x02, "-"},
                    SubclassRow{"AudioUndefined", 0x01, 0x00, "-"},
                    SubclassRow{"AudioMidi", 0x01, 0x03, "MIDI streaming"},
                    SubclassRow{"AudioPastMidi", 0x01, 0x04, "-"},
                    SubclassRow{"CommunicationsUndefined", 0x02, 0x00, "-"},
                    SubclassRow{"CommunicationsDirectLine", 0x02, 0x01, "Direct line"},
                    SubclassRow{"CommunicationsEthernetEmulation", 0x02, 0x0C, "Ethernet emulation"},
                    SubclassRow{"CommunicationsPastEmulation", 0x02, 0x0D, "-"},
                    SubclassRow{"Imaging", 0x06, 0x01, "Still image capture"},
                    SubclassRow{"Printer", 0x07, 0x01, "Printer"},
                    SubclassRow{"MassStorageAtapi", 0x08, 0x02, "SFF-8020i, MMC-2 (ATAPI)"},
                    SubclassRow{"MassStorageScsi", 0x08, 0x06, "SCSI"},
                    SubclassRow{"MassStoragePastScsi", 0x08, 0x07, "-"},
                    SubclassRow{"VideoUndefined", 0x0E, 0x00, "Undefined"},
                    SubclassRow{"VideoCollection", 0x0E, 0x03, "Video Interface Collection"},
                    SubclassRow{"VideoPastCollection", 0x0E, 0x04, "-"},
                    SubclassRow{"XboxController", 0x58, 0x42, "Controller"},
                    SubclassRow{"XboxOther", 0x58, 0x41, "-"},
                    SubclassRow{"Diagnostic", 0xDC, 0x01, "Reprogrammable diagnostics"},
                    SubclassRow{"DiagnosticOther", 0xDC, 0x02, "-"},
                    SubclassRow{"WirelessRadio", 0xE0, 0x01, "Radio frequency"},
                    SubclassRow{"WirelessWireAdapter", 0xE0, 0x02, "Wireless USB Wire Adapter"},
                    SubclassRow{"WirelessOther", 0xE0, 0x03, "-"},
                    SubclassRow{"ApplicationFirmwareUpdate", 0xFE, 0x01, "Device firmware update"},
                    SubclassRow{"ApplicationTestAndMeasurement", 0xFE, 0x03, "Test and measurement"},
                    SubclassRow{"ApplicationOther", 0xFE, 0x04, "-"},
                    SubclassRow{"VendorZero", 0xFF, 0x00, "Vendor specific"},
                    SubclassRow{"VendorAny", 0xFF, 0x5A, "Vendor specific"},
                    SubclassRow{"HubHasNoSubclassNames", 0x09, 0x00, "-"},
                    SubclassRow{"BootSubclassOfAnotherClass", 0x08, 0x01, "RBC"},
                    SubclassRow{"PerInterfaceClass", 0x00, 0x01, "-"}),
    [](const testing::TestParamInfo<SubclassRow>& info) { return info.param.name; });

// Sweeps every code, so a row added or lost by mistake shows up as a count.
TEST(UsbNames, NamedCodesAreExactlyTheListedOnes)
{
    int namedClasses = 0;
    int namedSubclasses = 0;
    for (int classCode = 0; classCode <= 0xFF; ++classCode) {
        const auto classByte = static_cast<uint8_t>(classCode);
        const std::string_view className = UsbNames::ClassName(classByte);
        EXPECT_FALSE(className.empty());
        namedClasses += className != UsbNames::kUnknown ? 1 : 0;
        for (int subclassCode = 0; subclassCode <= 0xFF; ++subclassCode) {
            const std::string_view subclassName = UsbNames::SubclassName(classByte, static_cast<uint8_t>(subclassCode));
            EXPECT_FALSE(subclassName.empty());
            if (subclassName != UsbNames::kUnknown) {
                ++namedSubclasses;
                // A subclass name only ever belongs to a named class.
                EXPECT_NE(className, UsbNames::kUnknown) << classCode << "/" << subclassCode;
            }
        }
    }
    EXPECT_EQ(namedClasses, 20);
    // 36 listed subclasses, and every one of the 256 subclasses of the vendor-specific class.
    EXPECT_EQ(namedSubclasses, 36 + 256);
}

} // namespace
