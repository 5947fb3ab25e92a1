// Asks a USB device itself, through its usbdevfs node, for string descriptors sysfs does not show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corvo::platform {

// The kernel reads a device's manufacturer, product and serial-number strings once, when it
// enumerates the device, and makes an attribute only for a string that came back with text: an
// empty string and a failed read both leave no attribute. Only the device can tell the two apart,
// so for an index the device descriptor names and sysfs lacks, we ask it: GET_DESCRIPTOR(STRING)
// as a control transfer on /dev/bus/usb/BBB/DDD, first the language table (index 0), then the
// string in the device's first language, as the kernel does.
//
// That needs write access to the node (usbfs refuses every request on a read-only one), so in
// practice root; without it, or when the device does not answer, nothing is read and the string
// stays absent. Answers are the device firmware's claims: one that does not add up counts as no
// answer. Every transfer has a timeout, and a device that fails one transfer is asked nothing more,
// so a device that never answers costs one timeout per walk.
class UsbStringReaderLinux {
public:
    // Per transfer. The kernel allows its own string reads 5 s; a device that needs more than this
    // is misbehaving, and the user is waiting for the walk.
    static constexpr uint32_t kTimeoutMilliseconds = 1000;
    // What the kernel asks for: bLength is one byte, so no string descriptor is longer.
    static constexpr std::size_t kRequestLength = 255;

    // Device nodes are looked for below `deviceRoot`: "<deviceRoot>/bus/usb/001/002".
    explicit UsbStringReaderLinux(std::string deviceRoot = "/dev");

    // The strings at `indices` (index 0 is never asked) of device `deviceNumber` on bus
    // `busNumber`, in UTF-8 with control characters replaced as SysfsReader shows attributes. An
    // index whose string could not be read has no entry; an empty string is an entry.
    std::map<uint8_t, std::string> ReadStrings(uint32_t busNumber, uint32_t deviceNumber,
                                               const std::vector<uint8_t>& indices) const;

private:
    std::string m_deviceRoot;
};

} // namespace corvo::platform
