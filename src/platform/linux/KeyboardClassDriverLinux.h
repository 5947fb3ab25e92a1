// The keyboard driver on Linux: facts read from the input class in sysfs, the repeat setting through evdev.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/KeyboardClassDriver.h"
#include "platform/linux/EvdevRepeatDevice.h"
#include "platform/linux/SysfsReader.h"

namespace corvo::platform {

class KeyboardClassDriverLinux : public KeyboardClassDriver {
public:
    // Opens an event device node by path; null when it cannot be opened.
    using DeviceOpener = std::function<std::unique_ptr<EvdevRepeatDevice>(const std::string& path)>;

    // kernelRelease stands in for the version of drivers built into the kernel; empty means the
    // running kernel's.
    // deviceFolder is where the event device nodes live; openDevice opens one of them (the real
    // node when not given).
    explicit KeyboardClassDriverLinux(SysfsReader sysfs = SysfsReader(), std::string kernelRelease = {},
                                      std::string deviceFolder = "/dev/input", DeviceOpener openDevice = {});

    // The version of the driver bound to the first input device that is a keyboard: its module's
    // version when the module declares one, else the kernel release (in-tree and built-in drivers
    // are versioned with the kernel).
    bool QueryDriverVersion(std::string& version) const override;
    // Through the first event device of the first keyboard: reads its setting, writes a
    // neighbouring one and then the original, and reads the original back.
    bool RestoreRepeatSettings() const override;

    // "input3" of the first keyboard, by input number.
    std::optional<std::string> FirstKeyboardInput() const;

private:
    bool IsKeyboard(const std::string& input) const;

    SysfsReader m_sysfs;
    std::string m_kernelRelease;
    std::string m_deviceFolder;
    DeviceOpener m_openDevice;
};

} // namespace corvo::platform
