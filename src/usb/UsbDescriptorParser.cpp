// Parses raw device, configuration and string descriptors without trusting their lengths.
#include "usb/UsbDescriptorParser.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

uint16_t ReadLittleEndian16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

void AppendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (codePoint >> 18));
        text += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// Blocks of The Unicode Standard's block list (Blocks.txt) above Latin-1 that hold marks,
// punctuation, symbols, private use or specials, but no letters or digits. Every other code point
// above Latin-1 is taken as a letter: scripts are far more numerous than symbol blocks, and a
// serial number that starts with a letter of any script must be reported as text.
constexpr CodePointRange kBlocksWithoutLettersOrDigits[] = {
    {0x0300, 0x036F},   // Combining Diacritical Marks
    {0x2000, 0x206F},   // General Punctuation
    {0x20A0, 0x20CF},   // Currency Symbols
    {0x20D0, 0x20FF},   // Combining Diacritical Marks for Symbols
    {0x2190, 0x245F},   // Arrows to Optical Character Recognition
    {0x2500, 0x2BFF},   // Box Drawing to Miscellaneous Symbols and Arrows
    {0x2E00, 0x2E7F},   // Supplemental Punctuation
    {0x3000, 0x303F},   // CJK Symbols and Punctuation
    {0xD800, 0xDFFF},   // surrogates
    {0xE000, 0xF8FF},   // Private Use Area
    {0xFE00, 0xFE1F},   // Variation Selectors, Vertical Forms
    {0xFE30, 0xFE6F},   // CJK Compatibility Forms, Small Form Variants
    {0xFF00, 0xFF0F},   // fullwidth "!" to "/"
    {0xFF1A, 0xFF20},   // fullwidth ":" to "@"
    {0xFF3B, 0xFF40},   // fullwidth "[" to "`"
    {0xFF5B, 0xFF65},   // fullwidth "{" to "~", halfwidth CJK punctuation
    {0xFFF0, 0xFFFF},   // Specials
    {0x1F000, 0x1FAFF}, // Mahjong Tiles to Symbols and Pictographs Extended-A
    {0xF0000, 0x10FFFF} // Supplementary Private Use Areas
};

} // namespace

std::optional<UsbDescriptorParser::DeviceDescriptor> UsbDescriptorParser::ParseDeviceDescriptor(
    const uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < kDeviceDescriptorLength) {
        return std::nullopt;
    }
    if (data[0] != kDeviceDescriptorLength || data[1] != kDeviceType) {
        return std::nullopt;
    }
    DeviceDescriptor device;
    device.usbVersion = ReadLittleEndian16(data + 2);
    device.deviceClass = data[4];
    device.deviceSubclass = data[5];
    device.deviceProtocol = data[6];
    device.maxPacketSize0 = data[7];
    device.vendorId = ReadLittleEndian16(data + 8);
    device.productId = ReadLittleEndian16(data + 10);
    device.deviceVersion = ReadLittleEndian16(data + 12);
    device.manufacturerIndex = data[14];
    device.productIndex = data[15];
    device.serialNumberIndex = data[16];
    device.configurationCount = data[17];
    return device;
}

std::size_t UsbDescriptorParser::ParseConfiguration(const uint8_t* data, std::size_t size,
                                                    std::vector<InterfaceDescriptor>& interfaces)
{
    if (data == nullptr || size < kConfigurationDescriptorLength) {
        return 0;
    }
    const std::size_t headerLength = data[0];
    if (data[1] != kConfigurationType || headerLength < kConfigurationDescriptorLength) {
        return 0;
    }
    const std::size_t totalLength = ReadLittleEndian16(data + 2);
    // A block shorter than its own header cannot say where it ends.
    if (totalLength < headerLength) {
        return 0;
    }
    const uint8_t configurationValue = data[5];
    // A device that claims more than it sent keeps the interfaces that did arrive.
    const std::size_t end = std::min(totalLength, size);
    std::size_t position = std::min(headerLength, end);
    while (end - position >= 2) {
        const std::size_t length = data[position];
        // A length below 2 would never move on; one past the end would read outside the block.
        if (length < 2 || length > end - position) {
            break;
        }
        if (data[position + 1] == kInterfaceType && length >= kInterfaceDescriptorLength) {
            InterfaceDescriptor interface;
            interface.configurationValue = configurationValue;
            interface.interfaceNumber = data[position + 2];
            interface.alternateSetting = data[position + 3];
            interface.endpointCount = data[position + 4];
            interface.interfaceClass = data[position + 5];
            interface.interfaceSubclass = data[position + 6];
            interface.interfaceProtocol = data[position + 7];
            interface.interfaceStringIndex = data[position + 8];
            interfaces.push_back(interface);
        }
        position += length;
    }
    return totalLength;
}

UsbDescriptorParser::Descriptors UsbDescriptorParser::ParseDeviceAndConfigurations(const uint8_t* data,
                                                                                   std::size_t size)
{
    Descriptors descriptors;
    descriptors.device = ParseDeviceDescriptor(data, size);
    if (data == nullptr || size <= kDeviceDescriptorLength) {
        return descriptors;
    }
    std::size_t offset = kDeviceDescriptorLength;
    while (offset < size) {
        const std::size_t claimed = ParseConfiguration(data + offset, size - offset, descriptors.interfaces);
        if (claimed == 0) {
            break;
        }
        ++descriptors.configurationCount;
        // Each block claims at least 9 bytes, so the walk always moves on and ends.
        if (claimed >= size - offset) {
            break;
        }
        offset += claimed;
    }
    return descriptors;
}

UsbDescriptorParser::Descriptors UsbDescriptorParser::ParseDeviceAndConfigurations(
    const std::vector<uint8_t>& bytes)
{
    return ParseDeviceAndConfigurations(bytes.data(), bytes.size());
}

std::optional<UsbDescriptorParser::InterfaceDescriptor> UsbDescriptorParser::FirstInterfaceWithClass(
    const std::vector<InterfaceDescriptor>& interfaces)
{
    const auto found = std::find_if(interfaces.begin(), interfaces.end(),
                                    [](const InterfaceDescriptor& interface) { return interface.interfaceClass != 0; });
    if (found == interfaces.end()) {
        return std::nullopt;
    }
    return *found;
}

std::optional<std::string> UsbDescriptorParser::DecodeStringDescriptor(const uint8_t* data, std::size_t size)
{
    if (data == nullptr || size < 2) {
        return std::nullopt;
    }
    if (data[1] != kStringType || static_cast<std::size_t>(data[0]) != size || size % 2 != 0) {
        return std::nullopt;
    }
    std::string text;
    std::size_t position = 2;
    while (position + 2 <= size) {
        char32_t unit = ReadLittleEndian16(data + position);
        position += 2;
        if (unit == 0) {
            break;
        }
        if (IsHighSurrogate(unit)) {
            const bool paired = position + 2 <= size && IsLowSurrogate(ReadLittleEndian16(data + position));
            if (paired) {
                const char32_t low = ReadLittleEndian16(data + position);
                position += 2;
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            } else {
                unit = kReplacementCharacter;
            }
        } else if (IsLowSurrogate(unit)) {
            unit = kReplacementCharacter;
        }
        AppendUtf8(text, unit);
    }
    return text;
}

std::optional<std::string> UsbDescriptorParser::DecodeStringDescriptor(const std::vector<uint8_t>& bytes)
{
    return DecodeStringDescriptor(bytes.data(), bytes.size());
}

std::optional<char32_t> UsbDescriptorParser::FirstCodePoint(std::string_view utf8)
{
    if (utf8.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(utf8[0]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return kReplacementCharacter;
    }
    if (utf8.size() < length) {
        return kReplacementCharacter;
    }
    for (std::size_t index = 1; index < length; ++index) {
        const auto continuation = static_cast<unsigned char>(utf8[index]);
        if ((continuation & 0xC0) != 0x80) {
            return kReplacementCharacter;
        }
        codePoint = (codePoint << 6) | (continuation & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return kReplacementCharacter;
    }
    return codePoint;
}

bool UsbDescriptorParser::IsAlphanumeric(char32_t codePoint)
{
    if (codePoint < 0x80) {
        return (codePoint >= '0' && codePoint <= '9') || (codePoint >= 'A' && codePoint <= 'Z')
            || (codePoint >= 'a' && codePoint <= 'z');
    }
    if (codePoint <= 0xFF) {
        // Latin-1 Supplement: the letters, and the two ordinal indicators and micro sign that
        // Unicode counts as letters; its digits-like superscripts and fractions are not digits.
        return codePoint == 0xAA || codePoint == 0xB5 || codePoint == 0xBA
            || (codePoint >= 0xC0 && codePoint != 0xD7 && codePoint != 0xF7);
    }
    if (codePoint > 0x10FFFF) {
        return false;
    }
    return std::none_of(std::begin(kBlocksWithoutLettersOrDigits), std::end(kBlocksWithoutLettersOrDigits),
                        [codePoint](const CodePointRange& range) {
                            return codePoint >= range.first && codePoint <= range.last;
                        });
}

std::string UsbDescriptorParser::SerialNumberText(std::string_view utf8)
{
    const std::optional<char32_t> first = FirstCodePoint(utf8);
    if (first && !IsAlphanumeric(*first)) {
        return std::to_string(static_cast<unsigned long>(*first));
    }
    return std::string(utf8);
}
