// Reads a hub port's connect type, Type-C connector link and peer port from sysfs.
#include "platform/linux/UsbHubPortLinux.h"

#include "platform/linux/UsbSysfsDeviceLinux.h"

namespace corvo::platform {

std::string UsbHubPortLinux::FolderOf(std::string_view hubName, uint32_t configuration, uint32_t port)
{
    // Root hub "usb1" names its interface "1-0:1.0"; any other hub "1-2" names it "1-2:1.0".
    std::string interfaceName;
    if (hubName.substr(0, 3) == "usb") {
        interfaceName = std::string(hubName.substr(3)) + "-0";
    } else {
        interfaceName = std::string(hubName);
    }
    interfaceName += ":" + std::to_string(configuration) + ".0";
    const std::string portName = std::string(hubName) + "-port" + std::to_string(port);
    return SysfsReader::Join(SysfsReader::Join(UsbSysfsDeviceLinux::FolderOf(hubName), interfaceName), portName);
}

std::optional<uint16_t> UsbHubPortLinux::PortNumberOfName(std::string_view portName)
{
    constexpr std::string_view kMarker = "-port";
    const std::size_t marker = portName.rfind(kMarker);
    if (marker == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view digits = portName.substr(marker + kMarker.size());
    if (digits.empty() || digits.front() == ' ') {
        return std::nullopt;
    }
    const std::optional<uint32_t> number = UsbSysfsDeviceLinux::ParseDecimal(digits);
    if (!number || *number == 0 || *number > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(*number);
}

UsbHubPortLinux UsbHubPortLinux::Read(const SysfsReader& sysfs, const std::string& portFolder,
                                      const std::optional<std::string>& deviceRemovable)
{
    UsbHubPortLinux port;
    // The firmware (ACPI _UPC/_PLD or a device-tree connector) says how the port is wired:
    // "hotplug" is a port users plug into, "hardwired" a soldered-on device, "not used" a dead
    // port; "unknown" leaves the question to the hub's own removable bit.
    const std::optional<std::string> connectType = sysfs.ReadText(portFolder + "/connect_type");
    if (connectType && (*connectType == "hotplug" || *connectType == "hardwired" || *connectType == "not used")) {
        port.userConnectable = *connectType == "hotplug";
    } else {
        port.userConnectable = deviceRemovable && *deviceRemovable == "removable";
    }
    // The Type-C class holds nothing but Type-C connectors, so a link to one settles it.
    port.typeC = sysfs.Exists(portFolder + "/connector");
    if (const std::optional<std::string> peer = sysfs.LinkTargetName(portFolder + "/peer")) {
        port.companionPort = PortNumberOfName(*peer).value_or(0);
    }
    return port;
}

} // namespace corvo::platform
