// Fuzz entry: device-sent bytes through the descriptor parser and the string-descriptor decoder,
// with the invariants every answer must keep.
#include "usb/UsbDescriptorParser.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "usb descriptor invariant broken: %s\n", what);
    std::abort();
}

// Strict UTF-8: what the decoder writes must never need repairing downstream.
bool IsValidUtf8(std::string_view text)
{
    std::size_t index = 0;
    while (index < text.size()) {
        const std::string_view rest = text.substr(index);
        const std::optional<char32_t> codePoint = UsbDescriptorParser::FirstCodePoint(rest);
        const auto lead = static_cast<unsigned char>(rest[0]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        // U+FFFD is only valid when it was written as its own three bytes.
        if (!codePoint || (*codePoint == 0xFFFD && rest.substr(0, 3) != "\xef\xbf\xbd")) {
            return false;
        }
        index += length;
    }
    return index == text.size();
}

void CheckDescriptors(const uint8_t* data, std::size_t size)
{
    const UsbDescriptorParser::Descriptors parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(data, size);
    if (parsed.device.has_value() != (UsbDescriptorParser::ParseDeviceDescriptor(data, size).has_value())) {
        Broken("device descriptor differs between the two entry points");
    }
    if (parsed.device && (size < 18 || data[0] != 18 || data[1] != 1)) {
        Broken("device descriptor accepted without its length and type");
    }
    // Every interface takes 9 bytes and every configuration at least 9 more.
    const std::size_t room = size > 18 ? size - 18 : 0;
    if (parsed.interfaces.size() * 9 + parsed.configurationCount * 9 > room) {
        Broken("more descriptors than bytes");
    }
    const auto first = UsbDescriptorParser::FirstInterfaceWithClass(parsed.interfaces);
    if (first && first->interfaceClass == 0) {
        Broken("first interface with a class has class 0");
    }
}

void CheckString(const uint8_t* data, std::size_t size)
{
    const std::optional<std::string> text = UsbDescriptorParser::DecodeStringDescriptor(data, size);
    if (!text) {
        return;
    }
    if (size < 2 || size % 2 != 0 || static_cast<std::size_t>(data[0]) != size || data[1] != 3) {
        Broken("string descriptor accepted against the rules");
    }
    // At most 3 bytes of UTF-8 per UTF-16 unit (a surrogate pair is 4 bytes for 2 units).
    if (text->size() > (size - 2) / 2 * 3) {
        Broken("decoded text longer than its descriptor allows");
    }
    if (!IsValidUtf8(*text)) {
        Broken("decoded text is not UTF-8");
    }
    const std::string serial = UsbDescriptorParser::SerialNumberText(*text);
    if (!text->empty() && serial != *text && serial.find_first_not_of("0123456789") != std::string::npos) {
        Broken("serial number replaced by something other than a code");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CheckDescriptors(data, size);
    // The same bytes as a string descriptor, and, so that accepted ones are common, with the
    // length and type bytes made right.
    CheckString(data, size);
    if (size >= 2 && size <= 255) {
        std::vector<uint8_t> fixed(data, data + size - size % 2);
        fixed[0] = static_cast<uint8_t>(fixed.size());
        if (fixed.size() >= 2) {
            fixed[1] = 3;
        }
        CheckString(fixed.data(), fixed.size());
    }
    // Arbitrary bytes as sysfs text, for the serial-number rule's UTF-8 reading.
    const std::string_view asText(reinterpret_cast<const char*>(data), size);
    const std::string serial = UsbDescriptorParser::SerialNumberText(asText);
    if (serial.empty() != asText.empty()) {
        Broken("serial number emptiness changed");
    }
    return 0;
}
