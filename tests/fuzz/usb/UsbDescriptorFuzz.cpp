// Fuzz entry: device-sent bytes through the descriptor parser and the string-descriptor decoder,
// with the invariants every answer must keep.
#include "usb/UsbDescriptorParser.h"

#include "FuzzSupport.h"

#include <algorithm>

namespace {

// Strict UTF-8: what the decoder writes must never need repairing downstream. U+FFFD is valid only
// where it was written as its own three bytes.
bool IsValidUtf8(std::string_view text)
{
    for (std::size_t length = 0; !text.empty(); text.remove_prefix(std::min(text.size(), length))) {
        const auto lead = static_cast<unsigned char>(text[0]);
        length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (UsbDescriptorParser::FirstCodePoint(text) == 0xFFFD && text.substr(0, 3) != "\xef\xbf\xbd") {
            return false;
        }
    }
    return true;
}

void CheckString(const uint8_t* data, std::size_t size)
{
    const std::optional<std::string> text = UsbDescriptorParser::DecodeStringDescriptor(data, size);
    if (!text) {
        return;
    }
    Check(size >= 2 && size % 2 == 0 && std::size_t{data[0]} == size && data[1] == 3,
          "string descriptor accepted against the rules");
    // At most 3 bytes of UTF-8 per UTF-16 unit (a surrogate pair is 4 bytes for 2 units).
    Check(text->size() <= (size - 2) / 2 * 3, "decoded text longer than its descriptor allows");
    Check(IsValidUtf8(*text), "decoded text is not UTF-8");
    const std::string serial = UsbDescriptorParser::SerialNumberText(*text);
    Check(text->empty() || serial == *text || serial.find_first_not_of("0123456789") == std::string::npos,
          "serial number replaced by something other than a code");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const UsbDescriptorParser::Descriptors parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(data, size);
    Check(parsed.device.has_value() == UsbDescriptorParser::ParseDeviceDescriptor(data, size).has_value(),
          "device descriptor differs between the two entry points");
    Check(!parsed.device || (size >= 18 && data[0] == 18 && data[1] == 1), "device descriptor without length and type");
    // Every interface takes 9 bytes and every configuration at least 9 more.
    const std::size_t room = size > 18 ? size - 18 : 0;
    Check((parsed.interfaces.size() + parsed.configurationCount) * 9 <= room, "more descriptors than bytes");
    const auto first = UsbDescriptorParser::FirstInterfaceWithClass(parsed.interfaces);
    Check(!first || first->interfaceClass != 0, "first interface with a class has class 0");
    // The same bytes as a string descriptor and, so that accepted ones are common, with the length
    // and type bytes made right.
    CheckString(data, size);
    if (size >= 2 && size <= 255) {
        std::vector<uint8_t> fixed(data, data + size - size % 2);
        fixed[0] = static_cast<uint8_t>(fixed.size());
        fixed[1] = 3;
        CheckString(fixed.data(), fixed.size());
    }
    // Arbitrary bytes as sysfs text, for the serial-number rule's reading of UTF-8.
    const std::string_view asText(reinterpret_cast<const char*>(data), size);
    Check(UsbDescriptorParser::SerialNumberText(asText).empty() == asText.empty(), "serial number emptiness changed");
    return 0;
}
