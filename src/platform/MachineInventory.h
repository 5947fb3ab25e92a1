// What a run report says about the machine: its identity and where its USB keyboards hang.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvo::platform {

// The firmware's names for the machine (DMI), each empty when the firmware gives none, and the
// running kernel's release.
struct MachineIdentity {
    std::string vendor;        // sys_vendor
    std::string product;       // product_name
    std::string productVersion;
    std::string boardVendor;
    std::string boardName;
    std::string kernelRelease; // "6.1.0-27-amd64"
};

// A USB device with an HID boot-keyboard interface, as the kernel sees it.
struct UsbKeyboardPort {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    // The kernel's device name, "1-2.3": bus 1, port 2 of the root hub, port 3 of the hub there.
    std::string name;
    uint32_t bus = 0;
    std::string portPath;              // "2.3"
    std::optional<double> speedMbits;  // 1.5, 12, 480, 5000...; empty when the kernel does not say
    std::string driver;                // bound to the keyboard interface ("usbhid"); empty when none
};

class MachineInventory {
public:
    virtual ~MachineInventory() = default;

    virtual MachineIdentity Identity() const = 0;
    // In the order the module walks the USB tree: by bus, then depth-first by port.
    virtual std::vector<UsbKeyboardPort> UsbKeyboards() const = 0;
};

// Reads below sysfsRoot; empty means the running kernel's. Tests hand in a fixture tree.
std::unique_ptr<MachineInventory> CreateMachineInventory(const std::string& sysfsRoot = {});

} // namespace corvo::platform
