// Reads raw USB descriptors (device, configuration and string) that came from a device.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Descriptors are written by the device's firmware, so every length in them is a claim to check,
// never a size to trust: nothing here reads outside the bytes it was given, and a descriptor that
// does not add up ends the parse at the last sound point instead of guessing past it. The class is
// pure (no I/O), so the same code serves every platform, the tests and the fuzzer.
class UsbDescriptorParser {
public:
    // USB 2.0, Table 9-5 "Descriptor Types".
    static constexpr uint8_t kDeviceType = 0x01;
    static constexpr uint8_t kConfigurationType = 0x02;
    static constexpr uint8_t kStringType = 0x03;
    static constexpr uint8_t kInterfaceType = 0x04;

    static constexpr std::size_t kDeviceDescriptorLength = 18;
    static constexpr std::size_t kConfigurationDescriptorLength = 9;
    static constexpr std::size_t kInterfaceDescriptorLength = 9;

    // USB 2.0, Table 9-8 "Standard Device Descriptor".
    struct DeviceDescriptor {
        uint16_t usbVersion = 0;
        uint8_t deviceClass = 0;
        uint8_t deviceSubclass = 0;
        uint8_t deviceProtocol = 0;
        uint8_t maxPacketSize0 = 0;
        uint16_t vendorId = 0;
        uint16_t productId = 0;
        uint16_t deviceVersion = 0;
        uint8_t manufacturerIndex = 0;
        uint8_t productIndex = 0;
        uint8_t serialNumberIndex = 0;
        uint8_t configurationCount = 0;
    };

    // USB 2.0, Table 9-12 "Standard Interface Descriptor", with the configuration it came from.
    struct InterfaceDescriptor {
        uint8_t configurationValue = 0;
        uint8_t interfaceNumber = 0;
        uint8_t alternateSetting = 0;
        uint8_t endpointCount = 0;
        uint8_t interfaceClass = 0;
        uint8_t interfaceSubclass = 0;
        uint8_t interfaceProtocol = 0;
        uint8_t interfaceStringIndex = 0;
    };

    struct Descriptors {
        // Empty when the first 18 bytes are not a device descriptor.
        std::optional<DeviceDescriptor> device;
        // Every interface descriptor of every configuration, alternate settings included, in the
        // order the device sent them.
        std::vector<InterfaceDescriptor> interfaces;
        // Configurations whose header was sound; a truncated one still counts, with the interfaces
        // that fit.
        std::size_t configurationCount = 0;
    };

    // The first 18 bytes as a device descriptor: its type must be 1 and its length 18.
    static std::optional<DeviceDescriptor> ParseDeviceDescriptor(const uint8_t* data, std::size_t size);

    // A device descriptor followed by whole configurations, each as long as its wTotalLength says:
    // what the Linux kernel shows as a device's "descriptors" attribute, and what a device returns
    // for GET_DESCRIPTOR(DEVICE) followed by GET_DESCRIPTOR(CONFIGURATION) for each index.
    // The configurations start at byte 18 whatever the device descriptor claims, because that is
    // where the kernel puts them.
    static Descriptors ParseDeviceAndConfigurations(const uint8_t* data, std::size_t size);
    static Descriptors ParseDeviceAndConfigurations(const std::vector<uint8_t>& bytes);

    // One configuration block: the configuration descriptor and what follows it, up to
    // wTotalLength or the end of the data, whichever comes first. Appends its interfaces and
    // returns how many bytes the block claims (0 when the header is unusable, which also means the
    // caller cannot know where a next block would start).
    static std::size_t ParseConfiguration(const uint8_t* data, std::size_t size,
                                          std::vector<InterfaceDescriptor>& interfaces);

    // The interface whose class a device of class 0 reports: the first with a nonzero class.
    static std::optional<InterfaceDescriptor> FirstInterfaceWithClass(
        const std::vector<InterfaceDescriptor>& interfaces);

    // A raw string descriptor (bLength, type 3, UTF-16LE text) in UTF-8. Accepted only when at
    // least 2 bytes are given, the type is 3, bLength equals the number of bytes given and is
    // even. The text ends at the first NUL, as the kernel's own conversion does; an unpaired
    // surrogate becomes U+FFFD.
    static std::optional<std::string> DecodeStringDescriptor(const uint8_t* data, std::size_t size);
    static std::optional<std::string> DecodeStringDescriptor(const std::vector<uint8_t>& bytes);

    // What a serial number is reported as: when its first character is not a letter or digit,
    // the character's code in decimal ("{" gives "123"); otherwise the text itself. The empty text
    // stays empty. Invalid UTF-8 counts as U+FFFD.
    static std::string SerialNumberText(std::string_view utf8);

    // Whether a code point counts as a letter or digit for the serial-number rule. Fixed here
    // rather than taken from the C library, whose answer depends on the process's locale.
    static bool IsAlphanumeric(char32_t codePoint);

    // The first code point of UTF-8 text; U+FFFD when the text does not start with a valid
    // sequence, empty for empty text.
    static std::optional<char32_t> FirstCodePoint(std::string_view utf8);
};
