// What sysfs says about one USB device (root hubs included), read once from its folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/SysfsReader.h"
#include "platform/linux/UsbStringReaderLinux.h"
#include "usb/UsbDescriptorParser.h"

namespace corvo::platform {

// Every field is what could be read; a missing or unreadable attribute leaves its field empty
// or 0, and the walk goes on with what is there.
class UsbSysfsDeviceLinux {
public:
    // The speed byte when the kernel does not know the speed.
    static constexpr uint8_t kUnknownSpeed = 0xFF;
    // A device descriptor and up to eight configurations (the kernel's USB_MAXCONFIG) of the
    // largest size wTotalLength can state.
    static constexpr std::size_t kDescriptorsLimit = 18 + 8 * 65535;

    // Reads the device named "1-2.3" (or the root hub "usb1") below bus/usb/devices. With a
    // string reader, strings that the device descriptor names and sysfs lacks are asked of the
    // device itself.
    static UsbSysfsDeviceLinux Read(const SysfsReader& sysfs, const std::string& name,
                                    const UsbStringReaderLinux* strings = nullptr);

    // "bus/usb/devices/<name>", the folder every attribute is read from.
    static std::string FolderOf(std::string_view name);

    // The kernel's text formats, each parsed whole: a stray character makes the value unknown.
    static std::optional<uint32_t> ParseHex(std::string_view text);
    static std::optional<uint32_t> ParseDecimal(std::string_view text);
    // The "version" attribute, bcdUSB printed as "%2x.%02x" (" 2.00", "3.10").
    static std::optional<uint16_t> ParseVersion(std::string_view text);
    // The "speed" attribute in Mbit/s ("1.5", "12", "480", "5000", ...) as the speed byte.
    static uint8_t SpeedByte(std::string_view text);
    // The same attribute as a whole number of Mbit/s (1 for "1.5"); empty when unknown.
    static std::optional<uint32_t> SpeedMegabits(std::string_view text);

    // Class, subclass and protocol that the device reports: those of the device descriptor, or
    // for class 0 (each interface says what it is) those of the first interface with a class.
    uint8_t ReportedClass() const;
    uint8_t ReportedSubclass() const;
    uint8_t ReportedProtocol() const;

    std::string name;
    bool present = false;
    std::optional<uint32_t> busNumber;
    std::optional<uint32_t> deviceNumber;
    // The kernel's "devpath": the port chain below the root hub, "2.3" for device "1-2.3".
    std::optional<std::string> devicePath;
    // True when the descriptor came from the binary "descriptors" attribute; false when its
    // fields were pieced together from the text attributes.
    bool descriptorFromBinary = false;
    UsbDescriptorParser::DeviceDescriptor descriptor;
    std::vector<UsbDescriptorParser::InterfaceDescriptor> interfaces;
    // Empty when the device has no such string: its index is 0, or sysfs has no attribute and the
    // device could not be asked. Empty text is a string the device sent without characters.
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
    std::optional<std::string> serialNumber;
    uint8_t speed = kUnknownSpeed;
    std::optional<uint32_t> speedMegabits;
    // "maxchild": the hub's port count, 0 for other devices.
    uint32_t portCount = 0;
    uint32_t configurationValue = 1;
    // "removable", "fixed" or "unknown": the kernel's view of the port this device is on.
    std::optional<std::string> removable;
    bool driverBound = false;

private:
    void ReadDescriptor(const SysfsReader& sysfs, const std::string& folder);
    void ReadTextDescriptor(const SysfsReader& sysfs, const std::string& folder);
    void ReadInterfaceFolders(const SysfsReader& sysfs, const std::string& folder);
    void ReadMissingStrings(const UsbStringReaderLinux& strings);
};

} // namespace corvo::platform
