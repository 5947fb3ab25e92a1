// Reads one USB device's folder: binary descriptors first, text attributes where they fall short.
#include "platform/linux/UsbSysfsDeviceLinux.h"

#include <algorithm>
#include <limits>
#include <map>
#include <utility>

namespace corvo::platform {

namespace {

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<uint32_t> ParseDigits(std::string_view text, uint32_t base)
{
    text = TrimSpaces(text);
    if (text.empty()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char character : text) {
        uint32_t digit = 0;
        if (character >= '0' && character <= '9') {
            digit = static_cast<uint32_t>(character - '0');
        } else if (base == 16 && character >= 'a' && character <= 'f') {
            digit = static_cast<uint32_t>(character - 'a' + 10);
        } else if (base == 16 && character >= 'A' && character <= 'F') {
            digit = static_cast<uint32_t>(character - 'A' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > std::numeric_limits<uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> ReadNumber(const SysfsReader& sysfs, const std::string& path, bool hexadecimal)
{
    const std::optional<std::string> text = sysfs.ReadText(path);
    if (!text) {
        return std::nullopt;
    }
    return hexadecimal ? UsbSysfsDeviceLinux::ParseHex(*text) : UsbSysfsDeviceLinux::ParseDecimal(*text);
}

// A number that must fit its descriptor field; a larger one is as unknown as a missing one.
std::optional<uint32_t> ReadBounded(const SysfsReader& sysfs, const std::string& path, bool hexadecimal,
                                    uint32_t largest)
{
    const std::optional<uint32_t> value = ReadNumber(sysfs, path, hexadecimal);
    if (!value || *value > largest) {
        return std::nullopt;
    }
    return value;
}

std::optional<uint8_t> ReadHexByte(const SysfsReader& sysfs, const std::string& path)
{
    const auto value = ReadBounded(sysfs, path, true, 0xFF);
    return value ? std::optional<uint8_t>(static_cast<uint8_t>(*value)) : std::nullopt;
}

std::optional<uint8_t> ReadDecimalByte(const SysfsReader& sysfs, const std::string& path)
{
    const auto value = ReadBounded(sysfs, path, false, 0xFF);
    return value ? std::optional<uint8_t>(static_cast<uint8_t>(*value)) : std::nullopt;
}

std::optional<uint16_t> ReadHexWord(const SysfsReader& sysfs, const std::string& path)
{
    const auto value = ReadBounded(sysfs, path, true, 0xFFFF);
    return value ? std::optional<uint16_t>(static_cast<uint16_t>(*value)) : std::nullopt;
}

struct SpeedRow {
    std::string_view text;
    uint8_t speedByte;
    uint32_t megabits;
};

// The values the kernel writes to a USB device's "speed" attribute (Documentation/ABI/testing/
// sysfs-bus-usb, "speed"; drivers/usb/core/sysfs.c), with the speed byte of USB 2.0 Table 11-24's
// low/full/high order extended by SuperSpeed (3) and SuperSpeedPlus (4). Wireless USB links ran
// at up to high speed and are reported as such.
constexpr SpeedRow kSpeeds[] = {
    {"1.5", 0, 1},
    {"12", 1, 12},
    {"480", 2, 480},
    {"53.3-480", 2, 480},
    {"5000", 3, 5000},
    {"10000", 4, 10000},
    {"20000", 4, 20000},
};

const SpeedRow* FindSpeed(std::string_view text)
{
    text = TrimSpaces(text);
    const auto found = std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                                    [text](const SpeedRow& row) { return row.text == text; });
    return found == std::end(kSpeeds) ? nullptr : found;
}

} // namespace

std::string UsbSysfsDeviceLinux::FolderOf(std::string_view name)
{
    return SysfsReader::Join("bus/usb/devices", name);
}

std::optional<uint32_t> UsbSysfsDeviceLinux::ParseHex(std::string_view text)
{
    return ParseDigits(text, 16);
}

std::optional<uint32_t> UsbSysfsDeviceLinux::ParseDecimal(std::string_view text)
{
    return ParseDigits(text, 10);
}

std::optional<uint16_t> UsbSysfsDeviceLinux::ParseVersion(std::string_view text)
{
    text = TrimSpaces(text);
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 2 || text.size() - dot - 1 != 2) {
        return std::nullopt;
    }
    const std::optional<uint32_t> major = ParseHex(text.substr(0, dot));
    const std::optional<uint32_t> minor = ParseHex(text.substr(dot + 1));
    // ParseHex skips blanks, so "1. 0" would otherwise pass as 1.00.
    if (!major || !minor || text[dot + 1] == ' ') {
        return std::nullopt;
    }
    return static_cast<uint16_t>((*major << 8) | *minor);
}

uint8_t UsbSysfsDeviceLinux::SpeedByte(std::string_view text)
{
    const SpeedRow* row = FindSpeed(text);
    return row == nullptr ? kUnknownSpeed : row->speedByte;
}

std::optional<uint32_t> UsbSysfsDeviceLinux::SpeedMegabits(std::string_view text)
{
    const SpeedRow* row = FindSpeed(text);
    if (row == nullptr) {
        return std::nullopt;
    }
    return row->megabits;
}

UsbSysfsDeviceLinux UsbSysfsDeviceLinux::Read(const SysfsReader& sysfs, const std::string& name,
                                              const UsbStringReaderLinux* strings)
{
    UsbSysfsDeviceLinux device;
    device.name = name;
    const std::string folder = FolderOf(name);
    device.present = sysfs.Exists(folder);
    if (!device.present) {
        return device;
    }
    device.busNumber = ReadNumber(sysfs, folder + "/busnum", false);
    device.deviceNumber = ReadNumber(sysfs, folder + "/devnum", false);
    device.devicePath = sysfs.ReadText(folder + "/devpath");
    device.ReadDescriptor(sysfs, folder);
    device.manufacturer = sysfs.ReadText(folder + "/manufacturer");
    device.product = sysfs.ReadText(folder + "/product");
    device.serialNumber = sysfs.ReadText(folder + "/serial");
    if (strings != nullptr) {
        device.ReadMissingStrings(*strings);
    }
    if (const std::optional<std::string> speedText = sysfs.ReadText(folder + "/speed")) {
        device.speed = SpeedByte(*speedText);
        device.speedMegabits = SpeedMegabits(*speedText);
    }
    device.portCount = ReadNumber(sysfs, folder + "/maxchild", false).value_or(0);
    device.configurationValue = ReadNumber(sysfs, folder + "/bConfigurationValue", false).value_or(1);
    device.removable = sysfs.ReadText(folder + "/removable");
    device.driverBound = sysfs.LinkTargetName(folder + "/driver").has_value();
    return device;
}

void UsbSysfsDeviceLinux::ReadDescriptor(const SysfsReader& sysfs, const std::string& folder)
{
    // Binary attributes are read exactly; a trimmed newline would be a lost descriptor byte.
    const auto bytes = sysfs.ReadBinary(folder + "/descriptors", kDescriptorsLimit);
    if (bytes) {
        UsbDescriptorParser::Descriptors parsed = UsbDescriptorParser::ParseDeviceAndConfigurations(*bytes);
        if (parsed.device) {
            descriptor = *parsed.device;
            descriptorFromBinary = true;
        }
        interfaces = std::move(parsed.interfaces);
    }
    if (!descriptorFromBinary) {
        ReadTextDescriptor(sysfs, folder);
    }
    // Only a device of class 0 needs its interfaces; the folders are the active configuration's.
    if (interfaces.empty() && descriptor.deviceClass == 0) {
        ReadInterfaceFolders(sysfs, folder);
    }
}

void UsbSysfsDeviceLinux::ReadMissingStrings(const UsbStringReaderLinux& strings)
{
    // The kernel makes no attribute for an empty string nor for one it failed to read: only the
    // binary descriptor says that there is a string, and only the device whether it is empty.
    if (!descriptorFromBinary || !busNumber || !deviceNumber) {
        return;
    }
    const std::pair<uint8_t, std::optional<std::string>*> fields[] = {
        {descriptor.manufacturerIndex, &manufacturer},
        {descriptor.productIndex, &product},
        {descriptor.serialNumberIndex, &serialNumber}};
    std::vector<uint8_t> missing;
    for (const auto& [index, text] : fields) {
        if (index != 0 && !*text) {
            missing.push_back(index);
        }
    }
    if (missing.empty()) {
        return;
    }
    const std::map<uint8_t, std::string> found = strings.ReadStrings(*busNumber, *deviceNumber, missing);
    for (const auto& [index, text] : fields) {
        const auto string = found.find(index);
        if (!*text && string != found.end()) {
            *text = string->second;
        }
    }
}

void UsbSysfsDeviceLinux::ReadTextDescriptor(const SysfsReader& sysfs, const std::string& folder)
{
    descriptor.vendorId = ReadHexWord(sysfs, folder + "/idVendor").value_or(0);
    descriptor.productId = ReadHexWord(sysfs, folder + "/idProduct").value_or(0);
    descriptor.deviceVersion = ReadHexWord(sysfs, folder + "/bcdDevice").value_or(0);
    if (const std::optional<std::string> version = sysfs.ReadText(folder + "/version")) {
        descriptor.usbVersion = ParseVersion(*version).value_or(0);
    }
    descriptor.deviceClass = ReadHexByte(sysfs, folder + "/bDeviceClass").value_or(0);
    descriptor.deviceSubclass = ReadHexByte(sysfs, folder + "/bDeviceSubClass").value_or(0);
    descriptor.deviceProtocol = ReadHexByte(sysfs, folder + "/bDeviceProtocol").value_or(0);
    descriptor.configurationCount = ReadDecimalByte(sysfs, folder + "/bNumConfigurations").value_or(0);
}

void UsbSysfsDeviceLinux::ReadInterfaceFolders(const SysfsReader& sysfs, const std::string& folder)
{
    // Interface folders are the entries named "<device>:<configuration>.<interface>"; child
    // devices and attributes have no colon in their names.
    for (const std::string& entry : sysfs.ListDirectory(folder)) {
        if (entry.find(':') == std::string::npos) {
            continue;
        }
        const std::string interfaceFolder = SysfsReader::Join(folder, entry);
        const auto interfaceClass = ReadHexByte(sysfs, interfaceFolder + "/bInterfaceClass");
        if (!interfaceClass) {
            continue;
        }
        UsbDescriptorParser::InterfaceDescriptor interface;
        interface.configurationValue = static_cast<uint8_t>(configurationValue);
        interface.interfaceNumber = ReadHexByte(sysfs, interfaceFolder + "/bInterfaceNumber").value_or(0);
        interface.alternateSetting = ReadDecimalByte(sysfs, interfaceFolder + "/bAlternateSetting").value_or(0);
        interface.interfaceClass = *interfaceClass;
        interface.interfaceSubclass = ReadHexByte(sysfs, interfaceFolder + "/bInterfaceSubClass").value_or(0);
        interface.interfaceProtocol = ReadHexByte(sysfs, interfaceFolder + "/bInterfaceProtocol").value_or(0);
        interfaces.push_back(interface);
    }
    // The folder listing is sorted by name, where "1-1:1.10" comes before "1-1:1.2".
    std::stable_sort(interfaces.begin(), interfaces.end(),
                     [](const UsbDescriptorParser::InterfaceDescriptor& left,
                        const UsbDescriptorParser::InterfaceDescriptor& right) {
                         return left.interfaceNumber < right.interfaceNumber;
                     });
}

uint8_t UsbSysfsDeviceLinux::ReportedClass() const
{
    if (descriptor.deviceClass != 0) {
        return descriptor.deviceClass;
    }
    const auto interface = UsbDescriptorParser::FirstInterfaceWithClass(interfaces);
    return interface ? interface->interfaceClass : descriptor.deviceClass;
}

uint8_t UsbSysfsDeviceLinux::ReportedSubclass() const
{
    if (descriptor.deviceClass != 0) {
        return descriptor.deviceSubclass;
    }
    const auto interface = UsbDescriptorParser::FirstInterfaceWithClass(interfaces);
    return interface ? interface->interfaceSubclass : descriptor.deviceSubclass;
}

uint8_t UsbSysfsDeviceLinux::ReportedProtocol() const
{
    if (descriptor.deviceClass != 0) {
        return descriptor.deviceProtocol;
    }
    const auto interface = UsbDescriptorParser::FirstInterfaceWithClass(interfaces);
    return interface ? interface->interfaceProtocol : descriptor.deviceProtocol;
}

} // namespace corvo::platform
