// Walks the USB tree in sysfs: root hubs in bus order, then each hub's ports depth-first.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/SysfsReader.h"
#include "platform/linux/UsbStringReaderLinux.h"
#include "platform/linux/UsbSysfsDeviceLinux.h"
#include "usb/UsbDeviceImpl.h"
#include "usb/UsbHostControllerDeviceImpl.h"

namespace corvo::platform {

// One controller record per root hub. An xHCI controller has two root hubs, one for its USB 2
// bus and one for its SuperSpeed bus, each with its own bus number and ports; the kernel shows
// them as two buses of one controller, and so do we: two records with the same path and PCI
// numbers and different bus numbers. A device is on exactly one of them.
class UsbTreeWalkerLinux {
public:
    struct ControllerRecord {
        std::unique_ptr<UsbHostControllerDeviceImpl> controller;
        // Every device below the root hub, hubs included, in depth-first port order.
        std::vector<std::unique_ptr<UsbDeviceImpl>> devices;
    };

    // The kernel refuses to configure a hub six tiers below the root hub (MAX_TOPO_LEVEL), so no
    // real device is deeper than this; the limit also bounds a walk through a damaged tree.
    static constexpr uint32_t kMaxDepth = 6;
    // A hub descriptor counts its ports in one byte.
    static constexpr uint32_t kMaxPortCount = 255;

    // Strings missing from sysfs are asked of the devices (through /dev) only when `sysfs` is the
    // running kernel's: a tree kept elsewhere is a copy, and the device that has its numbers here,
    // if any, is a different one.
    explicit UsbTreeWalkerLinux(SysfsReader sysfs);

    // The root hubs ("usb1", "usb2", ...) in bus-number order.
    std::vector<std::string> RootHubNames() const;

    // A complete fresh walk. What cannot be read is left out; nothing here fails as a whole.
    std::vector<ControllerRecord> Walk() const;

    // 3 for "usb3"; empty for anything else ("usb", "usb3x", "usb03", "1-0:1.0").
    static std::optional<uint32_t> RootHubNumber(std::string_view name);
    // PCI device and function from a PCI device name such as "0000:00:14.0".
    static bool ParsePciAddress(std::string_view name, uint16_t& device, uint16_t& function);
    // The USB version of the ports of a hub: 0x0300 for a SuperSpeed hub, 0x0200 for a USB 2
    // or older one, 0 when nothing tells.
    static uint16_t PortUsbVersionOf(const UsbSysfsDeviceLinux& hub);

private:
    struct ControllerFacts {
        std::string path;
        uint16_t deviceNumber = 0;
        uint16_t functionNumber = 0;
    };

    ControllerFacts FindController(const std::string& rootHubName) const;
    void WalkHub(const UsbSysfsDeviceLinux& hub, const std::string& childPrefix, uint32_t depth,
                 ControllerRecord& record, std::set<std::string>& visited) const;
    std::unique_ptr<UsbDeviceImpl> MakeDevice(const UsbSysfsDeviceLinux& device, const UsbSysfsDeviceLinux& hub,
                                              uint32_t port) const;

    SysfsReader m_sysfs;
    std::shared_ptr<const UsbStringReaderLinux> m_strings;
};

} // namespace corvo::platform
