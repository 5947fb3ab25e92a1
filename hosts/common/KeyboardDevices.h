// The keyboards a module lists, joined with what the kernel says about where each USB keyboard hangs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "module/DeviceEntry.h"
#include "platform/MachineInventory.h"

namespace corvo::hosts {

struct KeyboardDevice {
    enum class Kind { Ps2, Usb, Other };

    Kind kind = Kind::Other;
    std::string index;  // the module's "INDEX" text, "2"
    std::string title;  // the device's translated name and index, "Keyboard 2"
    std::string name;   // USB: "[Acme Input - Acme Office Keyboard]", as the module gives it
    std::optional<uint16_t> vendorId;
    std::optional<uint16_t> productId;
    // Where the kernel shows this USB keyboard; empty when no keyboard there has its ids.
    std::optional<platform::UsbKeyboardPort> port;
    PropertyList properties; // as the module gave them
};

// One per device entry, in the module's order. USB entries are paired with ports in order among
// those with the same vendor and product ids, as the module walks the same tree the same way.
std::vector<KeyboardDevice> DescribeKeyboards(const std::vector<DeviceEntry>& devices,
                                              const std::vector<platform::UsbKeyboardPort>& ports);

// Four hex digits, as lsusb prints ids: "3a7c".
std::string HexId(uint16_t id);

// "bus 1 port 2 (usb 1-2), 12 Mbit/s, driver usbhid"
std::string PortSummary(const platform::UsbKeyboardPort& port);

// "Keyboard 1: PS/2", "Keyboard 2: USB 3a7c:0101 [Acme Input - Acme Office Keyboard], bus 1 port 2"
std::string KeyboardLabel(const KeyboardDevice& keyboard);

} // namespace corvo::hosts
