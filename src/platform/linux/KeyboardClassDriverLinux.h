// The keyboard driver facts on Linux, read from the input class in sysfs.
#pragma once

#include <optional>
#include <string>

#include "platform/KeyboardClassDriver.h"
#include "platform/linux/SysfsReader.h"

namespace corvo::platform {

class KeyboardClassDriverLinux : public KeyboardClassDriver {
public:
    // kernelRelease stands in for the version of drivers built into the kernel; empty means the
    // running kernel's.
    // deviceFolder is where the event device nodes live.
    explicit KeyboardClassDriverLinux(SysfsReader sysfs = SysfsReader(), std::string kernelRelease = {},
                                      std::string deviceFolder = "/dev/input");

    // The version of the driver bound to the first input device that is a keyboard: its module's
    // version when the module declares one, else the kernel release (in-tree and built-in drivers
    // are versioned with the kernel).
    bool QueryDriverVersion(std::string& version) const override;
    // Through the event device of the first keyboard (EVIOCGREP, then EVIOCSREP).
    bool RestoreRepeatSettings() const override;

    // "input3" of the first keyboard, by input number.
    std::optional<std::string> FirstKeyboardInput() const;

private:
    bool IsKeyboard(const std::string& input) const;

    SysfsReader m_sysfs;
    std::string m_kernelRelease;
    std::string m_deviceFolder;
};

} // namespace corvo::platform
