// Tests of the descriptor parser on sound and malformed device, configuration and string data.
#include "usb/UsbDescriptorParser.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "UsbDescriptorBytes.h"

namespace {

using namespace usb_test;

struct ParseRow {
    const char* name;
    Bytes bytes;
    bool hasDevice;
    std::size_t configurationCount;
    // Class of every interface found, in order.
    std::vector<uint8_t> interfaceClasses;
};

void PrintTo(const ParseRow& row, std::ostream* stream)
{
    *stream << row.name;
}

Bytes KeyboardBlob()
{
    return Concat({DeviceDescriptor(), Configuration(1, KeyboardInterface(0))});
}

// The blob with its byte at `index` replaced.
Bytes With(Bytes bytes, std::size_t index, uint8_t value)
{
    bytes.at(index) = value;
    return bytes;
}

Bytes FirstBytes(const Bytes& bytes, std::size_t count)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

// Offsets in KeyboardBlob: device descriptor 0..17, configuration header 18..26, interface 27..35,
// HID descriptor 36..44, endpoint 45..51.
constexpr std::size_t kConfiguration = 18;
constexpr std::size_t kInterface = 27;
constexpr std::size_t kHid = 36;

std::vector<ParseRow> ParseRows()
{
    const Bytes keyboard = KeyboardBlob();
    const auto keyboardSize = static_cast<int>(keyboard.size() - kConfiguration);
    DeviceFields hubDevice;
    hubDevice.deviceClass = 9;
    hubDevice.deviceProtocol = 1;
    return {
        {"BootKeyboard", keyboard, true, 1, {3}},
        {"CompositeReceiver",
         Concat({DeviceDescriptor(), Configuration(1, Concat({KeyboardInterface(0), MouseInterface(1),
                                                              InterfaceDescriptor(2, 3, 0, 0), HidDescriptor(),
                                                              EndpointDescriptor(0x83)}))}),
         true, 1, {3, 3, 3}},
        {"Hub", Concat({DeviceDescriptor(hubDevice), Configuration(1, Concat({InterfaceDescriptor(0, 9, 0, 0),
                                                                             EndpointDescriptor(0x81, 1, 12)}))}),
         true, 1, {9}},
        {"TwoConfigurations",
         Concat({DeviceDescriptor(), Configuration(1, InterfaceDescriptor(0, 0xFF, 0, 0, 0, 0)),
                 Configuration(2, KeyboardInterface(0))}),
         true, 2, {0xFF, 3}},
        {"AlternateSettings",
         Concat({DeviceDescriptor(), Configuration(1, Concat({InterfaceDescriptor(0, 1, 1, 0, 0, 0),
                                                              InterfaceDescriptor(1, 1, 2, 0, 0, 0),
                                                              InterfaceDescriptor(1, 1, 2, 0, 1, 1)}))}),
         true, 1, {1, 1, 1}},
        {"Empty", {}, false, 0, {}},
        {"SingleByte", {18}, false, 0, {}},
        {"DeviceDescriptorOnly", DeviceDescriptor(), true, 0, {}},
        {"DeviceDescriptorTruncated", FirstBytes(DeviceDescriptor(), 17), false, 0, {}},
        {"DeviceLengthZero", With(keyboard, 0, 0), false, 1, {3}},
        {"DeviceLengthPastEnd", With(DeviceDescriptor(), 0, 200), false, 0, {}},
        {"DeviceWrongType", With(keyboard, 1, 0x02), false, 1, {3}},
        {"ConfigurationHeaderTruncated", FirstBytes(keyboard, kConfiguration + 5), true, 0, {}},
        {"ConfigurationLengthZero", With(keyboard, kConfiguration, 0), true, 0, {}},
        {"ConfigurationLengthPastTotal", With(keyboard, kConfiguration, 0xFF), true, 0, {}},
        {"ConfigurationWrongType", With(keyboard, kConfiguration + 1, 0x04), true, 0, {}},
        {"TotalLengthZero", Concat({DeviceDescriptor(), Configuration(1, KeyboardInterface(0), 0)}), true, 0, {}},
        {"TotalLengthBelowNine", Concat({DeviceDescriptor(), Configuration(1, KeyboardInterface(0), 8)}), true, 0, {}},
        {"TotalLengthPastEnd",
         Concat({DeviceDescriptor(), Configuration(1, KeyboardInterface(0), keyboardSize + 100)}), true, 1, {3}},
        {"TotalLengthMaximum", Concat({DeviceDescriptor(), Configuration(1, KeyboardInterface(0), 0xFFFF)}), true, 1,
         {3}},
        {"TotalLengthCutsInterface",
         Concat({DeviceDescriptor(), Configuration(1, Concat({KeyboardInterface(0), KeyboardInterface(1)}), 14)}),
         true, 1, {}},
        {"InterfaceLengthZero", With(keyboard, kInterface, 0), true, 1, {}},
        {"InterfaceLengthOne", With(keyboard, kInterface, 1), true, 1, {}},
        {"LengthOneStopsTheWalk",
         Concat({DeviceDescriptor(), Configuration(1, Concat({Bytes{1}, KeyboardInterface(0)}))}), true, 1, {}},
        {"InterfaceLengthPastEnd", With(keyboard, kInterface, 0xFF), true, 1, {}},
        {"InterfaceTooShortIsSkipped",
         Concat({DeviceDescriptor(),
                 Configuration(1, Concat({Bytes{5, 0x04, 0, 0, 0}, KeyboardInterface(1)}))}),
         true, 1, {3}},
        {"LengthZeroAfterInterface", With(keyboard, kHid, 0), true, 1, {3}},
        {"LastDescriptorPastEnd",
         Concat({DeviceDescriptor(), Configuration(1, Concat({KeyboardInterface(0), Bytes{9, 0x04, 1, 0}}))}), true,
         1, {3}},
        {"TrailingGarbage", Concat({keyboard, Bytes{0xDE, 0xAD, 0xBE}}), true, 1, {3}},
        {"SecondConfigurationBroken",
         Concat({keyboard, With(Configuration(2, MouseInterface(0)), 0, 0)}), true, 1, {3}},
        {"SecondConfigurationTruncated", Concat({keyboard, FirstBytes(Configuration(2, MouseInterface(0)), 12)}),
         true, 2, {3}},
        {"HeaderLongerThanTotal",
         Concat({DeviceDescriptor(), With(Configuration(1, KeyboardInterface(0), 9), 0, 12)}), true, 0, {}},
    };
}

class DescriptorParse : public testing::TestWithParam<ParseRow> {};

TEST_P(DescriptorParse, KeepsWhatIsSoundAndStopsWhereItIsNot)
{
    const ParseRow& row = GetParam();
    const UsbDescriptorParser::Descriptors parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(row.bytes);
    EXPECT_EQ(parsed.device.has_value(), row.hasDevice);
    EXPECT_EQ(parsed.configurationCount, row.configurationCount);
    std::vector<uint8_t> classes;
    for (const auto& interface : parsed.interfaces) {
        classes.push_back(interface.interfaceClass);
    }
    EXPECT_EQ(classes, row.interfaceClasses);
}

INSTANTIATE_TEST_SUITE_P(Rows, DescriptorParse, testing::ValuesIn(ParseRows()),
                         [](const testing::TestParamInfo<ParseRow>& info) { return info.param.name; });

TEST(DescriptorParse, DeviceFieldsAreLittleEndian)
{
    DeviceFields fields;
    fields.usbVersion = 0x0310;
    fields.vendorId = 0x3A10;
    fields.productId = 0x0C52;
    fields.deviceVersion = 0x1201;
    fields.deviceClass = 0xEF;
    fields.deviceSubclass = 2;
    fields.deviceProtocol = 1;
    fields.serialNumberIndex = 3;
    fields.configurationCount = 2;
    const auto device = UsbDescriptorParser::ParseDeviceDescriptor(DeviceDescriptor(fields).data(), 18);
    ASSERT_TRUE(device.has_value());
    EXPECT_EQ(device->usbVersion, 0x0310);
    EXPECT_EQ(device->vendorId, 0x3A10);
    EXPECT_EQ(device->productId, 0x0C52);
    EXPECT_EQ(device->deviceVersion, 0x1201);
    EXPECT_EQ(device->deviceClass, 0xEF);
    EXPECT_EQ(device->deviceSubclass, 2);
    EXPECT_EQ(device->deviceProtocol, 1);
    EXPECT_EQ(device->manufacturerIndex, 1);
    EXPECT_EQ(device->productIndex, 2);
    EXPECT_EQ(device->serialNumberIndex, 3);
    EXPECT_EQ(device->configurationCount, 2);
}

TEST(DescriptorParse, InterfaceFieldsAndTheirConfiguration)
{
    const Bytes bytes = Concat({DeviceDescriptor(), Configuration(1, InterfaceDescriptor(0, 0xFF, 0, 0, 0, 0)),
                                Configuration(7, InterfaceDescriptor(4, 3, 1, 2, 5, 1))});
    const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(bytes);
    ASSERT_EQ(parsed.interfaces.size(), 2u);
    const auto& mouse = parsed.interfaces[1];
    EXPECT_EQ(mouse.configurationValue, 7);
    EXPECT_EQ(mouse.interfaceNumber, 4);
    EXPECT_EQ(mouse.alternateSetting, 5);
    EXPECT_EQ(mouse.endpointCount, 1);
    EXPECT_EQ(mouse.interfaceClass, 3);
    EXPECT_EQ(mouse.interfaceSubclass, 1);
    EXPECT_EQ(mouse.interfaceProtocol, 2);
}

TEST(DescriptorParse, NullDataIsNothing)
{
    const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(nullptr, 64);
    EXPECT_FALSE(parsed.device.has_value());
    EXPECT_EQ(parsed.configurationCount, 0u);
    EXPECT_FALSE(UsbDescriptorParser::DecodeStringDescriptor(nullptr, 4).has_value());
}

// Every prefix of a sound blob is a truncated read; none may read past its end (ASan watches the
// exact-size copies) and none may find an interface that was not wholly there.
TEST(DescriptorParse, EveryTruncationOfAReceiverIsSafe)
{
    const Bytes receiver =
        Concat({DeviceDescriptor(), Configuration(1, Concat({KeyboardInterface(0), MouseInterface(1)}))});
    for (std::size_t size = 0; size <= receiver.size(); ++size) {
        const Bytes prefix = FirstBytes(receiver, size);
        const auto parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(prefix);
        EXPECT_EQ(parsed.device.has_value(), size >= 18) << size;
        const std::size_t whole = size >= 27 + 9 + 9 + 7 + 9 ? 2 : size >= 27 + 9 ? 1 : 0;
        EXPECT_EQ(parsed.interfaces.size(), whole) << size;
    }
}

struct FirstClassRow {
    const char* name;
    std::vector<uint8_t> classes;
    std::optional<uint8_t> expected;
};

void PrintTo(const FirstClassRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class FirstInterfaceWithClass : public testing::TestWithParam<FirstClassRow> {};

TEST_P(FirstInterfaceWithClass, SkipsInterfacesOfClassZero)
{
    std::vector<UsbDescriptorParser::InterfaceDescriptor> interfaces;
    uint8_t number = 0;
    for (const uint8_t interfaceClass : GetParam().classes) {
        UsbDescriptorParser::InterfaceDescriptor interface;
        interface.interfaceNumber = number++;
        interface.interfaceClass = interfaceClass;
        interfaces.push_back(interface);
    }
    const auto found = UsbDescriptorParser::FirstInterfaceWithClass(interfaces);
    ASSERT_EQ(found.has_value(), GetParam().expected.has_value());
    if (found) {
        EXPECT_EQ(found->interfaceClass, *GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, FirstInterfaceWithClass,
                         testing::Values(FirstClassRow{"None", {}, std::nullopt},
                                         FirstClassRow{"OnlyClassZero", {0, 0}, std::nullopt},
                                         FirstClassRow{"First", {3, 8}, 3},
                                         FirstClassRow{"AfterClassZero", {0, 0, 0xFF, 3}, 0xFF}),
                         [](const testing::TestParamInfo<FirstClassRow>& info) { return info.param.name; });

struct StringRow {
    const char* name;
    Bytes bytes;
    std::optional<std::string> expected;
};

void PrintTo(const StringRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class StringDescriptor : public testing::TestWithParam<StringRow> {};

TEST_P(StringDescriptor, AcceptsOnlyWellFormedDescriptors)
{
    EXPECT_EQ(UsbDescriptorParser::DecodeStringDescriptor(GetParam().bytes), GetParam().expected);
}

Bytes LongestString()
{
    return usb_test::StringDescriptor(std::u16string(126, u'x'));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StringDescriptor,
    testing::Values(
        StringRow{"Keyboard", usb_test::StringDescriptor(u"Keyboard"), "Keyboard"},
        StringRow{"EmptyText", {2, 3}, ""},
        StringRow{"NoBytes", {}, std::nullopt},
        StringRow{"OneByte", {2}, std::nullopt},
        StringRow{"WrongType", {4, 2, 'A', 0}, std::nullopt},
        StringRow{"LengthPastEnd", {6, 3, 'A', 0}, std::nullopt},
        StringRow{"LengthShortOfEnd", {4, 3, 'A', 0, 'B', 0}, std::nullopt},
        StringRow{"LengthZero", {0, 3, 'A', 0}, std::nullopt},
        StringRow{"OddLength", {5, 3, 'A', 0, 'B'}, std::nullopt},
        StringRow{"LongestEvenLength", LongestString(), std::string(126, 'x')},
        StringRow{"Umlauts", usb_test::StringDescriptor(u"Gr\u00f6\u00dfe"), "Gr\xc3\xb6\xc3\x9f" "e"},
        StringRow{"Euro", usb_test::StringDescriptor(u"\u20ac"), "\xe2\x82\xac"},
        StringRow{"SurrogatePair", usb_test::StringDescriptor(u"\U0001F600"), "\xf0\x9f\x98\x80"},
        StringRow{"LoneHighSurrogate", usb_test::StringDescriptor(std::u16string{0xD83D, u'A'}), "\xef\xbf\xbd" "A"},
        StringRow{"HighSurrogateAtEnd", usb_test::StringDescriptor(std::u16string{u'A', 0xD83D}), "A\xef\xbf\xbd"},
        StringRow{"LoneLowSurrogate", usb_test::StringDescriptor(std::u16string{0xDE00}), "\xef\xbf\xbd"},
        StringRow{"NulEndsText", usb_test::StringDescriptor(std::u16string{u'A', 0, u'B'}), "A"}),
    [](const testing::TestParamInfo<StringRow>& info) { return info.param.name; });

struct SerialRow {
    const char* name;
    std::string text;
    std::string expected;
};

void PrintTo(const SerialRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class SerialNumberText : public testing::TestWithParam<SerialRow> {};

TEST_P(SerialNumberText, NonAlphanumericFirstCharacterBecomesItsCode)
{
    EXPECT_EQ(UsbDescriptorParser::SerialNumberText(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SerialNumberText,
    testing::Values(SerialRow{"Brace", "{4D36E96B-E325}", "123"},
                    SerialRow{"Letters", "AB12CD", "AB12CD"},
                    SerialRow{"Digits", "0001", "0001"},
                    SerialRow{"LowerCase", "z9", "z9"},
                    SerialRow{"Empty", "", ""},
                    SerialRow{"Dash", "-", "45"},
                    SerialRow{"Blank", " 12", "32"},
                    SerialRow{"Underscore", "_x", "95"},
                    SerialRow{"Delete", "\x7f", "127"},
                    SerialRow{"LatinLetter", "\xc3\xa9t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
                    SerialRow{"OrdinalIndicator", "\xc2\xaa", "\xc2\xaa"},
                    SerialRow{"MultiplicationSign", "\xc3\x97", "215"},
                    SerialRow{"Han", "\xe4\xb8\xad\xe6\x96\x87", "\xe4\xb8\xad\xe6\x96\x87"},
                    SerialRow{"Euro", "\xe2\x82\xac" "12", "8364"},
                    SerialRow{"Emoji", "\xf0\x9f\x98\x80", "128512"},
                    SerialRow{"InvalidLead", "\xff" "A", "65533"},
                    SerialRow{"TruncatedSequence", "\xc3", "65533"},
                    SerialRow{"Overlong", "\xc0\x80", "65533"},
                    SerialRow{"EncodedSurrogate", "\xed\xa0\x80", "65533"},
                    SerialRow{"PastLastCodePoint", "\xf4\x90\x80\x80", "65533"}),
    [](const testing::TestParamInfo<SerialRow>& info) { return info.param.name; });

} // namespace
