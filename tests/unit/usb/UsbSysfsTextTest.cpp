// Tests of how the kernel's USB text attributes and names are read: numbers, versions, speeds,
// root hub names, PCI addresses, port names, and the port version a hub gives its ports.
#include "platform/linux/UsbHubPortLinux.h"
#include "platform/linux/UsbSysfsDeviceLinux.h"
#include "platform/linux/UsbTreeWalkerLinux.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using corvo::platform::UsbHubPortLinux;
using corvo::platform::UsbSysfsDeviceLinux;
using corvo::platform::UsbTreeWalkerLinux;

struct SpeedRow {
    const char* name;
    const char* text;
    uint8_t speedByte;
    std::optional<uint32_t> megabits;
};

void PrintTo(const SpeedRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class SpeedAttribute : public testing::TestWithParam<SpeedRow> {};

TEST_P(SpeedAttribute, MapsToSpeedByte)
{
    EXPECT_EQ(UsbSysfsDeviceLinux::SpeedByte(GetParam().text), GetParam().speedByte);
    EXPECT_EQ(UsbSysfsDeviceLinux::SpeedMegabits(GetParam().text), GetParam().megabits);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SpeedAttribute,
    testing::Values(SpeedRow{"Low", "1.5", 0, 1}, SpeedRow{"Full", "12", 1, 12}, SpeedRow{"High", "480", 2, 480},
                    SpeedRow{"Wireless", "53.3-480", 2, 480}, SpeedRow{"Super", "5000", 3, 5000},
                    SpeedRow{"SuperPlus", "10000", 4, 10000}, SpeedRow{"SuperPlusTwoLanes", "20000", 4, 20000},
                    SpeedRow{"Unknown", "unknown", 0xFF, std::nullopt},
                    SpeedRow{"Empty", "", 0xFF, std::nullopt},
                    SpeedRow{"NotAPrefix", "1", 0xFF, std::nullopt},
                    SpeedRow{"Trailing", "480x", 0xFF, std::nullopt}),
    [](const testing::TestParamInfo<SpeedRow>& info) { return info.param.name; });

struct VersionRow {
    const char* name;
    const char* text;
    std::optional<uint16_t> expected;
};

void PrintTo(const VersionRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class VersionAttribute : public testing::TestWithParam<VersionRow> {};

TEST_P(VersionAttribute, ReadsBcdUsbAsPrinted)
{
    EXPECT_EQ(UsbSysfsDeviceLinux::ParseVersion(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, VersionAttribute,
    testing::Values(VersionRow{"Usb2", " 2.00", 0x0200}, VersionRow{"Usb11", " 1.10", 0x0110},
                    VersionRow{"Usb31", " 3.10", 0x0310}, VersionRow{"Usb32", "3.20", 0x0320},
                    VersionRow{"TwoDigitMajor", "10.00", 0x1000}, VersionRow{"HexMinor", " 2.1a", 0x021A},
                    VersionRow{"Empty", "", std::nullopt}, VersionRow{"NoDot", "200", std::nullopt},
                    VersionRow{"ShortMinor", "2.0", std::nullopt}, VersionRow{"LongMinor", "2.000", std::nullopt},
                    VersionRow{"LongMajor", "100.00", std::nullopt}, VersionRow{"BlankMinor", "2. 0", std::nullopt},
                    VersionRow{"NoMajor", ".00", std::nullopt}, VersionRow{"Letters", "x.yz", std::nullopt}),
    [](const testing::TestParamInfo<VersionRow>& info) { return info.param.name; });

struct NumberRow {
    const char* name;
    const char* text;
    std::optional<uint32_t> hex;
    std::optional<uint32_t> decimal;
};

void PrintTo(const NumberRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class NumberAttribute : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberAttribute, ParsesWholeTextOnly)
{
    EXPECT_EQ(UsbSysfsDeviceLinux::ParseHex(GetParam().text), GetParam().hex);
    EXPECT_EQ(UsbSysfsDeviceLinux::ParseDecimal(GetParam().text), GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberAttribute,
    testing::Values(NumberRow{"VendorId", "3a1f", 0x3A1F, std::nullopt}, NumberRow{"Digits", "12", 0x12, 12},
                    NumberRow{"PaddedByKernel", " 0", 0, 0}, NumberRow{"Empty", "", std::nullopt, std::nullopt},
                    NumberRow{"Negative", "-1", std::nullopt, std::nullopt},
                    NumberRow{"HexPrefix", "0x12", std::nullopt, std::nullopt},
                    NumberRow{"LargestDecimal", "4294967295", std::nullopt, 4294967295u},
                    NumberRow{"DecimalOverflow", "4294967296", std::nullopt, std::nullopt},
                    NumberRow{"LargestHex", "ffffffff", 0xFFFFFFFFu, std::nullopt},
                    NumberRow{"HexOverflow", "100000000", std::nullopt, 100000000u},
                    NumberRow{"InnerBlank", "1 2", std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<NumberRow>& info) { return info.param.name; });

struct RootHubRow {
    const char* name;
    const char* entry;
    std::optional<uint32_t> number;
};

void PrintTo(const RootHubRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class RootHubName : public testing::TestWithParam<RootHubRow> {};

TEST_P(RootHubName, OnlyUsbFollowedByABusNumber)
{
    EXPECT_EQ(UsbTreeWalkerLinux::RootHubNumber(GetParam().entry), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RootHubName,
    testing::Values(RootHubRow{"First", "usb1", 1}, RootHubRow{"TwoDigits", "usb12", 12},
                    RootHubRow{"NoNumber", "usb", std::nullopt}, RootHubRow{"BusZero", "usb0", std::nullopt},
                    RootHubRow{"LeadingZero", "usb01", std::nullopt}, RootHubRow{"Suffix", "usb1x", std::nullopt},
                    RootHubRow{"Blank", "usb 1", std::nullopt}, RootHubRow{"Device", "1-1", std::nullopt},
                    RootHubRow{"Interface", "1-0:1.0", std::nullopt},
                    RootHubRow{"Overflow", "usb99999999999", std::nullopt},
                    RootHubRow{"OtherPrefix", "xusb1", std::nullopt}),
    [](const testing::TestParamInfo<RootHubRow>& info) { return info.param.name; });

struct PciRow {
    const char* name;
    const char* address;
    bool parsed;
    uint16_t device;
    uint16_t function;
};

void PrintTo(const PciRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class PciAddress : public testing::TestWithParam<PciRow> {};

TEST_P(PciAddress, GivesDeviceAndFunction)
{
    uint16_t device = 0xAAAA;
    uint16_t function = 0xAAAA;
    EXPECT_EQ(UsbTreeWalkerLinux::ParsePciAddress(GetParam().address, device, function), GetParam().parsed);
    if (GetParam().parsed) {
        EXPECT_EQ(device, GetParam().device);
        EXPECT_EQ(function, GetParam().function);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PciAddress,
    testing::Values(PciRow{"Xhci", "0000:00:14.0", true, 0x14, 0}, PciRow{"Ehci", "0000:00:1d.7", true, 0x1D, 7},
                    PciRow{"AddOnCard", "0000:03:00.3", true, 0, 3},
                    PciRow{"WideDomain", "10000:e1:1f.0", true, 0x1F, 0},
                    PciRow{"DevicePastFiveBits", "0000:00:20.0", false, 0, 0},
                    PciRow{"FunctionPastThreeBits", "0000:00:14.8", false, 0, 0},
                    PciRow{"Platform", "xhci-hcd.0.auto", false, 0, 0},
                    PciRow{"NoDomain", "00:14.0", false, 0, 0}, PciRow{"Empty", "", false, 0, 0},
                    PciRow{"NoFunction", "0000:00:14", false, 0, 0},
                    PciRow{"NotHex", "0000:0g:14.0", false, 0, 0}),
    [](const testing::TestParamInfo<PciRow>& info) { return info.param.name; });

struct PortNameRow {
    const char* name;
    const char* portName;
    std::optional<uint16_t> port;
};

void PrintTo(const PortNameRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class PortName : public testing::TestWithParam<PortNameRow> {};

TEST_P(PortName, GivesPortNumber)
{
    EXPECT_EQ(UsbHubPortLinux::PortNumberOfName(GetParam().portName), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PortName,
    testing::Values(PortNameRow{"RootHubPort", "usb2-port3", 3}, PortNameRow{"HubPort", "2-1.4-port12", 12},
                    PortNameRow{"PortZero", "usb1-port0", std::nullopt},
                    PortNameRow{"NoNumber", "usb1-port", std::nullopt},
                    PortNameRow{"NotAPort", "usb1", std::nullopt},
                    PortNameRow{"Blank", "usb1-port 2", std::nullopt},
                    PortNameRow{"TooLarge", "usb1-port65536", std::nullopt}),
    [](const testing::TestParamInfo<PortNameRow>& info) { return info.param.name; });

TEST(PortFolder, FollowsTheKernelsNames)
{
    EXPECT_EQ(UsbHubPortLinux::FolderOf("usb1", 1, 2), "bus/usb/devices/usb1/1-0:1.0/usb1-port2");
    EXPECT_EQ(UsbHubPortLinux::FolderOf("1-2", 1, 3), "bus/usb/devices/1-2/1-2:1.0/1-2-port3");
    EXPECT_EQ(UsbHubPortLinux::FolderOf("3-1.4", 2, 1), "bus/usb/devices/3-1.4/3-1.4:2.0/3-1.4-port1");
}

struct PortVersionRow {
    const char* name;
    uint8_t hubClass;
    uint8_t hubProtocol;
    std::optional<uint32_t> speedMegabits;
    uint16_t usbVersion;
    uint16_t expected;
};

void PrintTo(const PortVersionRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class PortUsbVersion : public testing::TestWithParam<PortVersionRow> {};

TEST_P(PortUsbVersion, FollowsTheHubsKind)
{
    UsbSysfsDeviceLinux hub;
    hub.descriptor.deviceClass = GetParam().hubClass;
    hub.descriptor.deviceProtocol = GetParam().hubProtocol;
    hub.descriptor.usbVersion = GetParam().usbVersion;
    hub.speedMegabits = GetParam().speedMegabits;
    EXPECT_EQ(UsbTreeWalkerLinux::PortUsbVersionOf(hub), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PortUsbVersion,
    testing::Values(PortVersionRow{"SuperSpeedRootHub", 9, 3, 10000, 0x0310, 0x0300},
                    PortVersionRow{"HighSpeedRootHub", 9, 1, 480, 0x0200, 0x0200},
                    PortVersionRow{"FullSpeedRootHub", 9, 0, 12, 0x0110, 0x0200},
                    PortVersionRow{"SuperSpeedHubProtocolOnly", 9, 3, std::nullopt, 0, 0x0300},
                    PortVersionRow{"SuperSpeedBySpeed", 9, 0, 5000, 0, 0x0300},
                    // The USB 2 half of a USB 3 hub: the link is what counts, not bcdUSB.
                    PortVersionRow{"Usb3HubOnUsb2Link", 9, 2, 480, 0x0300, 0x0200},
                    PortVersionRow{"SuperSpeedByVersion", 9, 0, std::nullopt, 0x0320, 0x0300},
                    PortVersionRow{"Usb2ByVersion", 9, 0, std::nullopt, 0x0200, 0x0200},
                    PortVersionRow{"NothingKnown", 9, 0, std::nullopt, 0, 0x0000}),
    [](const testing::TestParamInfo<PortVersionRow>& info) { return info.param.name; });

} // namespace
