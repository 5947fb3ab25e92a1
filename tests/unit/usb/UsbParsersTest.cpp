// The readers of device-sent and kernel-written text and bytes: descriptors, string descriptors,
// serial numbers, class names, and the sysfs attributes and names of the Linux walk.
#include <gtest/gtest.h>

#include <tuple>

#include "UsbSysfsTree.h"
#include "platform/linux/UsbHubPortLinux.h"
#include "platform/linux/UsbSysfsDeviceLinux.h"
#include "platform/linux/UsbTreeWalkerLinux.h"
#include "usb/UsbDescriptorParser.h"
#include "usb/UsbNames.h"

namespace {

using corvo::platform::UsbHubPortLinux;
using corvo::platform::UsbSysfsDeviceLinux;
using corvo::platform::UsbTreeWalkerLinux;
using namespace usb_test;
using std::nullopt;

Bytes With(Bytes bytes, std::size_t index, uint8_t value)
{
    bytes.at(index) = value;
    return bytes;
}

Bytes First(const Bytes& bytes, std::size_t count) { return Bytes(bytes.begin(), bytes.begin() + long(count)); }

// A device descriptor and one configuration around `body`.
Bytes Blob(const Bytes& body, int total = -1) { return Cat({DeviceDescriptor(), Configuration(1, body, total)}); }

// Checks `function` on rows of {input, expected}; a failure names its input.
template <class Input, class Output, class Function>
void ExpectEach(Function function, std::initializer_list<std::pair<Input, Output>> rows)
{
    for (const auto& [input, expected] : rows) {
        EXPECT_EQ(function(input), expected) << input;
    }
}

TEST(UsbDescriptorParser, KeepsWhatIsSoundAndStopsWhereItIsNot)
{
    // Configuration header at 18, interface at 27, HID descriptor at 36.
    const Bytes keyboard = Blob(Keyboard(0));
    const Bytes mouse = Configuration(2, Mouse(0));
    // Name, bytes, whether a device descriptor is found, configurations, the class of each interface.
    const std::tuple<const char*, Bytes, bool, std::size_t, std::vector<uint8_t>> rows[] = {
        {"BootKeyboard", keyboard, true, 1, {3}},
        {"Receiver", Blob(Cat({Keyboard(0), Mouse(1), Interface(2, 3, 0, 0), Hid()})), true, 1, {3, 3, 3}},
        {"Hub", Cat({DeviceDescriptor(0x0200, 9, 0, 1), Configuration(1, Interface(0, 9, 0, 0))}), true, 1, {9}},
        {"TwoConfigurations", Cat({Blob(Interface(0, 0xFF, 0, 0)), Configuration(2, Keyboard(0))}), true, 2, {0xFF, 3}},
        {"AlternateSettings", Blob(Cat({Interface(0, 1, 1, 0), Interface(1, 1, 2, 0), Interface(1, 1, 2, 0, 1)})), true,
         1, {1, 1, 1}},
        {"Empty", {}, false, 0, {}}, {"OneByte", {18}, false, 0, {}}, {"DeviceOnly", DeviceDescriptor(), true, 0, {}},
        {"DeviceTruncated", First(DeviceDescriptor(), 17), false, 0, {}},
        {"DeviceLengthZero", With(keyboard, 0, 0), false, 1, {3}}, {"DeviceType2", With(keyboard, 1, 2), false, 1, {3}},
        {"DeviceLengthPastEnd", With(DeviceDescriptor(), 0, 200), false, 0, {}},
        {"ConfigurationTruncated", First(keyboard, 23), true, 0, {}},
        {"ConfigurationLengthZero", With(keyboard, 18, 0), true, 0, {}},
        {"ConfigurationWrongType", With(keyboard, 19, 4), true, 0, {}},
        {"ConfigurationLengthPastTotal", With(keyboard, 18, 0xFF), true, 0, {}},
        {"TotalLengthZero", Blob(Keyboard(0), 0), true, 0, {}}, {"TotalLength8", Blob(Keyboard(0), 8), true, 0, {}},
        {"TotalLengthPastEnd", Blob(Keyboard(0), 34 + 100), true, 1, {3}},
        {"TotalLengthCutsInterface", Blob(Cat({Keyboard(0), Keyboard(1)}), 14), true, 1, {}},
        {"InterfaceLengthZero", With(keyboard, 27, 0), true, 1, {}},
        {"InterfaceLengthPastEnd", With(keyboard, 27, 0xFF), true, 1, {}},
        {"LengthOneStopsTheWalk", Blob(Cat({{1}, Keyboard(0)})), true, 1, {}},
        {"InterfaceTooShortIsSkipped", Blob(Cat({{5, 4, 0, 0, 0}, Keyboard(1)})), true, 1, {3}},
        {"LengthZeroAfterInterface", With(keyboard, 36, 0), true, 1, {3}},
        {"TrailingGarbage", Cat({keyboard, {0xDE, 0xAD, 0xBE}}), true, 1, {3}},
        {"SecondConfigurationBroken", Cat({keyboard, With(mouse, 0, 0)}), true, 1, {3}},
        {"SecondConfigurationTruncated", Cat({keyboard, First(mouse, 12)}), true, 2, {3}},
        {"HeaderLongerThanTotal", With(Blob(Keyboard(0), 9), 18, 12), true, 0, {}},
    };
    for (const auto& [name, bytes, hasDevice, configurations, interfaceClasses] : rows) {
        const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(bytes);
        std::vector<uint8_t> classes;
        for (const auto& interface : parsed.interfaces) {
            classes.push_back(interface.interfaceClass);
        }
        EXPECT_EQ(std::make_tuple(parsed.device.has_value(), parsed.configurationCount, classes),
                  std::make_tuple(hasDevice, configurations, interfaceClasses)) << name;
    }
    const auto nothing = UsbDescriptorParser::ParseDeviceAndConfigurations(nullptr, 64);
    EXPECT_FALSE(nothing.device.has_value() || nothing.configurationCount != 0);
    // Every prefix of a receiver is a truncated read: none may read past its end (ASan watches the
    // exact-size copies) nor find an interface that was not wholly there.
    const Bytes receiver = Blob(Cat({Keyboard(0), Mouse(1)}));
    for (std::size_t size = 0; size <= receiver.size(); ++size) {
        const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(First(receiver, size));
        EXPECT_EQ(parsed.device.has_value(), size >= 18) << size;
        EXPECT_EQ(parsed.interfaces.size(), size >= 27 + 9 + 9 + 7 + 9 ? 2u : size >= 27 + 9 ? 1u : 0u) << size;
    }
}

TEST(UsbDescriptorParser, ReadsEveryFieldLittleEndian)
{
    const Bytes device{18, 1, 0x10, 0x03, 0xEF, 2, 1, 64, 0x10, 0x3A, 0x52, 0x0C, 0x01, 0x12, 4, 5, 3, 2};
    const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(
        Cat({device, Configuration(1, Interface(0, 0xFF, 0, 0)), Configuration(7, {9, 4, 4, 5, 2, 3, 1, 2, 6})}));
    ASSERT_TRUE(parsed.device.has_value() && parsed.interfaces.size() == 2);
    const auto& d = *parsed.device;
    const auto& i = parsed.interfaces[1];
    char text[128];
    std::snprintf(text, sizeof text, "%04x %x/%x/%x %u %04x:%04x %04x %u/%u/%u %u, %u: %u/%u %u %x/%x/%x %u",
                  d.usbVersion, d.deviceClass, d.deviceSubclass, d.deviceProtocol, d.maxPacketSize0, d.vendorId,
                  d.productId, d.deviceVersion, d.manufacturerIndex, d.productIndex, d.serialNumberIndex,
                  d.configurationCount, i.configurationValue, i.interfaceNumber, i.alternateSetting, i.endpointCount,
                  i.interfaceClass, i.interfaceSubclass, i.interfaceProtocol, i.interfaceStringIndex);
    EXPECT_STREQ(text, "0310 ef/2/1 64 3a10:0c52 1201 4/5/3 2, 7: 4/5 2 3/1/2 6");
}

TEST(UsbDescriptorParser, DecodesOnlyWellFormedStringDescriptors)
{
    const std::tuple<const char*, Bytes, std::optional<std::string>> rows[] = {
        {"Keyboard", StringDescriptor(u"Keyboard"), "Keyboard"}, {"EmptyText", {2, 3}, ""}, {"NoBytes", {}, nullopt},
        {"OneByte", {2}, nullopt}, {"WrongType", {4, 2, 'A', 0}, nullopt}, {"LengthPastEnd", {6, 3, 'A', 0}, nullopt},
        {"LengthShortOfEnd", {4, 3, 'A', 0, 'B', 0}, nullopt}, {"LengthZero", {0, 3, 'A', 0}, nullopt},
        {"OddLength", {5, 3, 'A', 0, 'B'}, nullopt},
        {"LongestEvenLength", StringDescriptor(std::u16string(126, u'x')), std::string(126, 'x')},
        // U+0001, the last one-byte, the first and last two-byte, three-byte and four-byte characters.
        {"EncodingBoundaries",
         StringDescriptor({0x0001, 0x007F, 0x0080, 0x07FF, 0x0800, 0xFFFF, 0xD800, 0xDC00, 0xDBFF, 0xDFFF}),
         "\x01\x7f\xc2\x80\xdf\xbf\xe0\xa0\x80\xef\xbf\xbf\xf0\x90\x80\x80\xf4\x8f\xbf\xbf"},
        {"UmlautsEuroEmoji", StringDescriptor(u"Gr\u00f6\u00dfe \u20ac\U0001F600"),
         "Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac\xf0\x9f\x98\x80"},
        {"LoneHighSurrogate", StringDescriptor({0xD83D, u'A'}), "\xef\xbf\xbd" "A"},
        {"HighSurrogateAtEnd", StringDescriptor({u'A', 0xD83D}), "A\xef\xbf\xbd"},
        {"LoneLowSurrogate", StringDescriptor({0xDE00}), "\xef\xbf\xbd"},
        {"NulEndsText", StringDescriptor({u'A', 0, u'B'}), "A"}};
    for (const auto& [name, bytes, expected] : rows) {
        EXPECT_EQ(UsbDescriptorParser::DecodeStringDescriptor(bytes), expected) << name;
    }
    EXPECT_FALSE(UsbDescriptorParser::DecodeStringDescriptor(nullptr, 4).has_value());
}

TEST(UsbDescriptorParser, SerialNumberStartingWithNeitherLetterNorDigitIsItsFirstCode)
{
    ExpectEach<std::string, std::string>(UsbDescriptorParser::SerialNumberText, {
        {"{4D36E96B-E325}", "123"}, {"AB12CD", "AB12CD"}, {"0001", "0001"}, {"z9", "z9"}, {"", ""}, {"-", "45"},
        {" 12", "32"}, {"_x", "95"}, {"\x01", "1"}, {"\x7f", "127"}, {"\xc2\x80", "128"}, {"\xc2\xaa", "\xc2\xaa"},
        {"\xc3\x97", "215"}, {"\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"}, {"\xdf\xbf", "\xdf\xbf"},
        {"\xe0\xa0\x80", "\xe0\xa0\x80"}, {"\xe4\xb8\xad\xe6\x96\x87", "\xe4\xb8\xad\xe6\x96\x87"},
        {"\xe2\x82\xac" "12", "8364"}, {"\xef\xbf\xbf", "65535"}, {"\xf0\x90\x80\x80", "\xf0\x90\x80\x80"},
        {"\xf0\x9f\x98\x80", "128512"},
        // Invalid UTF-8: a stray byte, a cut sequence, overlong forms, a surrogate, past U+10FFFF.
        {"\xff" "A", "65533"}, {"\xc3", "65533"}, {"\xc0\x80", "65533"}, {"\xe0\x9f\xbf", "65533"},
        {"\xf0\x8f\xbf\xbf", "65533"}, {"\xed\xa0\x80", "65533"}, {"\xf4\x90\x80\x80", "65533"}});
}

TEST(UsbNames, NamesListedCodesWithinTheirClassOnly)
{
    const std::string_view cdc = "Communications and CDC Control", hid = "Human interface device (HID)",
                           storage = "Mass storage", application = "Application specific interface";
    const std::tuple<uint8_t, uint8_t, std::string_view, std::string_view> rows[] = {
        {0x00, 0x01, "-", "-"}, {0x01, 0x00, "Audio", "-"}, {0x01, 0x03, "Audio", "MIDI streaming"},
        {0x01, 0x04, "Audio", "-"}, {0x02, 0x00, cdc, "-"}, {0x02, 0x01, cdc, "Direct line"},
        {0x02, 0x0C, cdc, "Ethernet emulation"}, {0x02, 0x0D, cdc, "-"}, {0x03, 0x00, hid, "No subclass"},
        {0x03, 0x01, hid, "Boot interface subclass"}, {0x03, 0x02, hid, "-"}, {0x04, 0x00, "-", "-"},
        {0x05, 0x00, "Physical interface device", "-"}, {0x06, 0x01, "Imaging", "Still image capture"},
        {0x07, 0x01, "Printer", "Printer"}, {0x08, 0x01, storage, "RBC"}, {0x08, 0x06, storage, "SCSI"},
        {0x08, 0x02, storage, "SFF-8020i, MMC-2 (ATAPI)"}, {0x08, 0x07, storage, "-"}, {0x09, 0x00, "Hub", "-"},
        {0x0B, 0x00, "Chip/SmartCard", "-"}, {0x0C, 0x00, "-", "-"}, {0x0D, 0x00, "Content security", "-"},
        {0x0E, 0x00, "Video", "Undefined"}, {0x0E, 0x03, "Video", "Video Interface Collection"},
        {0x0E, 0x04, "Video", "-"}, {0x10, 0x00, "Audio/Video Devices", "-"}, {0x11, 0x00, "-", "-"},
        {0x57, 0x42, "-", "-"}, {0x58, 0x41, "Xbox", "-"}, {0x58, 0x42, "Xbox", "Controller"}, {0x59, 0x42, "-", "-"},
        {0xDB, 0x01, "-", "-"}, {0xDC, 0x01, "Diagnostic", "Reprogrammable diagnostics"}, {0xFD, 0x01, "-", "-"},
        {0xDC, 0x02, "Diagnostic", "-"}, {0xE0, 0x01, "Wireless", "Radio frequency"}, {0xE0, 0x03, "Wireless", "-"},
        {0xE0, 0x02, "Wireless", "Wireless USB Wire Adapter"}, {0xEF, 0x00, "Miscellaneous device", "-"},
        {0xFE, 0x01, application, "Device firmware update"}, {0xFE, 0x03, application, "Test and measurement"},
        {0xFE, 0x04, application, "-"}, {0xFF, 0x00, "Vendor specific", "Vendor specific"},
        {0xFF, 0x5A, "Vendor specific", "Vendor specific"}};
    for (const auto& [classCode, subclassCode, className, subclassName] : rows) {
        EXPECT_EQ(UsbNames::ClassName(classCode), className) << +classCode;
        EXPECT_EQ(UsbNames::SubclassName(classCode, subclassCode), subclassName) << +classCode << "/" << +subclassCode;
    }
    // Every code swept, so that a row added or lost by mistake shows up as a count.
    int namedClasses = 0, namedSubclasses = 0;
    for (unsigned classCode = 0; classCode <= 0xFF; ++classCode) {
        const std::string_view className = UsbNames::ClassName(uint8_t(classCode));
        EXPECT_FALSE(className.empty());
        namedClasses += className != UsbNames::kUnknown ? 1 : 0;
        for (unsigned subclassCode = 0; subclassCode <= 0xFF; ++subclassCode) {
            const auto name = UsbNames::SubclassName(uint8_t(classCode), uint8_t(subclassCode));
            namedSubclasses += name != UsbNames::kUnknown ? 1 : 0;
            // A subclass name only ever belongs to a named class.
            EXPECT_TRUE(name == UsbNames::kUnknown || (!name.empty() && className != UsbNames::kUnknown)) << classCode;
        }
    }
    EXPECT_EQ(namedClasses, 20);
    // 36 listed subclasses, and every one of the 256 subclasses of the vendor-specific class.
    EXPECT_EQ(namedSubclasses, 36 + 256);
}

TEST(UsbSysfsText, KernelTextIsParsedWholeOrNotAtAll)
{
    using Sysfs = UsbSysfsDeviceLinux;
    using Speed = std::pair<int, std::optional<uint32_t>>;
    const auto speed = [](const char* text) { return Speed(Sysfs::SpeedByte(text), Sysfs::SpeedMegabits(text)); };
    ExpectEach<const char*, Speed>(speed, {{"1.5", {0, 1}}, {"12", {1, 12}}, {"480", {2, 480}}, {"53.3-480", {2, 480}},
        {"5000", {3, 5000}}, {"10000", {4, 10000}}, {"20000", {4, 20000}}, {"unknown", {0xFF, nullopt}},
        {"", {0xFF, nullopt}}, {"1", {0xFF, nullopt}}, {"480x", {0xFF, nullopt}}});
    // As hexadecimal, as decimal.
    using Number = std::pair<std::optional<uint32_t>, std::optional<uint32_t>>;
    const auto number = [](const char* text) { return Number(Sysfs::ParseHex(text), Sysfs::ParseDecimal(text)); };
    ExpectEach<const char*, Number>(number, {{"3a1f", {0x3A1F, nullopt}}, {"12", {0x12, 12}}, {" 0", {0, 0}},
        {"", {nullopt, nullopt}}, {"-1", {nullopt, nullopt}}, {"0x12", {nullopt, nullopt}},
        {"4294967295", {nullopt, 4294967295u}}, {"4294967296", {nullopt, nullopt}}, {"1 2", {nullopt, nullopt}},
        {"ffffffff", {0xFFFFFFFFu, nullopt}}, {"100000000", {nullopt, 100000000u}}});
    // bcdUSB as the kernel prints it, "%2x.%02x".
    ExpectEach<const char*, std::optional<uint16_t>>(Sysfs::ParseVersion, {
        {" 2.00", 0x0200}, {" 1.10", 0x0110}, {" 3.10", 0x0310}, {"3.20", 0x0320}, {"10.00", 0x1000}, {" 2.1a", 0x021A},
        {"", nullopt}, {"200", nullopt}, {"2.0", nullopt}, {"2.000", nullopt}, {"100.00", nullopt}, {"2. 0", nullopt},
        {".00", nullopt}, {"x.yz", nullopt}});
    ExpectEach<const char*, std::optional<uint32_t>>(UsbTreeWalkerLinux::RootHubNumber, {
        {"usb1", 1}, {"usb12", 12}, {"usb", nullopt}, {"usb0", nullopt}, {"usb01", nullopt}, {"usb1x", nullopt},
        {"usb 1", nullopt}, {"1-1", nullopt}, {"1-0:1.0", nullopt}, {"usb99999999999", nullopt}, {"xusb1", nullopt}});
    ExpectEach<const char*, std::optional<uint16_t>>(UsbHubPortLinux::PortNumberOfName, {
        {"usb2-port3", 3}, {"2-1.4-port12", 12}, {"usb1-port0", nullopt}, {"usb1-port", nullopt}, {"usb1", nullopt},
        {"usb1-port 2", nullopt}, {"usb1-port65536", nullopt}});
    EXPECT_EQ(UsbHubPortLinux::FolderOf("usb1", 1, 2), "bus/usb/devices/usb1/1-0:1.0/usb1-port2");
    EXPECT_EQ(UsbHubPortLinux::FolderOf("3-1.4", 2, 1), "bus/usb/devices/3-1.4/3-1.4:2.0/3-1.4-port1");
    // Device and function of a PCI address; "-" where it is none.
    const auto pciAddress = [](const char* address) {
        uint16_t device = 0xAAAA;
        uint16_t function = 0xAAAA;
        return UsbTreeWalkerLinux::ParsePciAddress(address, device, function) ? Format("%x.%x", device, function) : "-";
    };
    ExpectEach<const char*, std::string>(pciAddress, {
        {"0000:00:14.0", "14.0"}, {"0000:00:1d.7", "1d.7"}, {"0000:03:00.3", "0.3"}, {"10000:e1:1f.0", "1f.0"},
        {"0000:00:20.0", "-"}, {"0000:00:14.8", "-"}, {"xhci-hcd.0.auto", "-"}, {"00:14.0", "-"}, {"", "-"},
        {"0000:00:14", "-"}, {"0000:0g:14.0", "-"}});
}

TEST(UsbSysfsText, PortUsbVersionFollowsTheHubsKind)
{
    // Hub class and protocol, link speed, bcdUSB, and the version of the hub's ports.
    const std::tuple<uint8_t, uint8_t, std::optional<uint32_t>, uint16_t, uint16_t> rows[] = {
        {9, 3, 10000, 0x0310, 0x0300}, {9, 1, 480, 0x0200, 0x0200}, {9, 0, 12, 0x0110, 0x0200},
        {9, 3, nullopt, 0, 0x0300}, {0, 3, nullopt, 0, 0x0000}, {9, 0, 5000, 0, 0x0300},
        // The USB 2 half of a USB 3 hub: the link is what counts, not bcdUSB.
        {9, 2, 480, 0x0300, 0x0200}, {9, 0, nullopt, 0x0320, 0x0300}, {9, 0, nullopt, 0x0200, 0x0200},
        {9, 0, nullopt, 0, 0}};
    for (const auto& [hubClass, protocol, megabits, usbVersion, expected] : rows) {
        UsbSysfsDeviceLinux hub;
        std::tie(hub.descriptor.deviceClass, hub.descriptor.deviceProtocol, hub.speedMegabits) =
            std::tie(hubClass, protocol, megabits);
        hub.descriptor.usbVersion = usbVersion;
        EXPECT_EQ(UsbTreeWalkerLinux::PortUsbVersionOf(hub), expected) << +hubClass << "/" << +protocol << usbVersion;
    }
}

} // namespace
