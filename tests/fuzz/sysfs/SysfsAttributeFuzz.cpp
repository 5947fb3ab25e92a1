// Fuzz entry: an attribute file's bytes read the way sysfs is read, then through every parser of
// attribute text and device names.
#include "platform/linux/UsbHubPortLinux.h"
#include "platform/linux/UsbTreeWalkerLinux.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

using namespace corvo::platform;

namespace {

bool Clean(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

// The kernel's number formats read by the standard library: blanks around, digits only, 32 bits.
std::optional<uint32_t> Expected(std::string_view text, int base)
{
    const std::size_t first = text.find_first_not_of(' ');
    text = first == std::string_view::npos ? std::string_view() : text.substr(first, text.find_last_not_of(' ') + 1 - first);
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() ? std::optional(value) : std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // The bytes as an attribute file, read through a reader rooted where the file is.
    const std::string path = AsFile(data, size);
    const SysfsReader sysfs(path.substr(0, path.rfind('/')));
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> text = sysfs.ReadText(name);
    Check(text == (size <= SysfsReader::kTextLimit ? std::optional(SysfsReader::CleanText(raw)) : std::nullopt),
          "text read differs from the cleaned bytes");
    Check(sysfs.ReadBinary(name) == std::vector<uint8_t>(data, data + size), "binary read differs from the bytes");
    if (const auto lines = sysfs.ReadLines(name))
        Check(std::all_of(lines->begin(), lines->end(), Clean) && (lines->empty() || !lines->back().empty()),
              "lines not cleaned");
    const std::string value = text.value_or(SysfsReader::CleanText(raw));
    Check(Clean(value) && value.size() <= size, "cleaned text");

    Check(UsbSysfsDeviceLinux::ParseHex(value) == Expected(value, 16), "hexadecimal number");
    Check(UsbSysfsDeviceLinux::ParseDecimal(value) == Expected(value, 10), "decimal number");
    if (const auto version = UsbSysfsDeviceLinux::ParseVersion(value)) {
        char printed[8];
        std::snprintf(printed, sizeof printed, "%2x.%02x", *version >> 8, *version & 0xFF);
        Check(UsbSysfsDeviceLinux::ParseVersion(printed) == version, "version does not read back");
    }
    Check((UsbSysfsDeviceLinux::SpeedByte(value) == UsbSysfsDeviceLinux::kUnknownSpeed)
              == !UsbSysfsDeviceLinux::SpeedMegabits(value), "speed byte and megabits disagree");
    const auto port = UsbHubPortLinux::PortNumberOfName(value);
    Check(!port || *port > 0, "port 0");
    const auto bus = UsbTreeWalkerLinux::RootHubNumber(value);
    Check(!bus || value == "usb" + std::to_string(*bus), "root hub name");
    uint16_t device = 0xFFFF, function = 0xFFFF;
    Check(UsbTreeWalkerLinux::ParsePciAddress(value, device, function) ? device <= 0x1F && function <= 7
                                                                       : device == 0xFFFF && function == 0xFFFF,
          "PCI address");
    return 0;
}
