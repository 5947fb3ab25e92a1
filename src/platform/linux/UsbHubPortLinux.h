// What sysfs says about one downstream port of a hub: whether users reach it, Type-C, its peer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/SysfsReader.h"

namespace corvo::platform {

// The kernel makes a port device for every port of every hub, below the hub's interface:
// bus/usb/devices/1-0:1.0/usb1-port2 for port 2 of root hub usb1, 1-2:1.0/1-2-port3 for port 3
// of hub 1-2; a connected device links to it as "port".
class UsbHubPortLinux {
public:
    // Reads the port folder (relative to the sysfs root). The connected device's own "removable"
    // attribute answers whether users can reach the port when the platform firmware does not say.
    static UsbHubPortLinux Read(const SysfsReader& sysfs, const std::string& portFolder,
                                const std::optional<std::string>& deviceRemovable);

    // The port folder of port `port` on hub `hubName` with active configuration `configuration`,
    // as the kernel names it.
    static std::string FolderOf(std::string_view hubName, uint32_t configuration, uint32_t port);

    // The port number in a port device's name: 3 for "usb2-port3" or "2-1-port3".
    static std::optional<uint16_t> PortNumberOfName(std::string_view portName);

    // "hotplug" from the firmware, else a device the kernel calls "removable".
    bool userConnectable = false;
    // The port is wired to a Type-C connector: the kernel links such ports to their connector.
    bool typeC = false;
    // The number of the port on the other root hub of the same connector (the USB 2 port of a
    // SuperSpeed port and back), 0 when the kernel knows no peer.
    uint16_t companionPort = 0;
};

} // namespace corvo::platform
