// Finds the first keyboard input device and the version of its driver.
#include "platform/linux/KeyboardClassDriverLinux.h"

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

namespace corvo::platform {

namespace {

constexpr char kInputClass[] = "class/input";

// The number of "input12", or -1 for names of other shapes.
long InputNumber(const std::string& name)
{
    if (name.rfind("input", 0) != 0 || name.size() == 5) {
        return -1;
    }
    char* end = nullptr;
    const long number = std::strtol(name.c_str() + 5, &end, 10);
    return *end == '\0' ? number : -1;
}

std::string RunningKernelRelease()
{
    struct utsname names {};
    return uname(&names) == 0 ? names.release : "";
}

} // namespace

KeyboardClassDriverLinux::KeyboardClassDriverLinux(SysfsReader sysfs, std::string kernelRelease,
                                                   std::string deviceFolder)
    : m_sysfs(std::move(sysfs)), m_kernelRelease(std::move(kernelRelease)), m_deviceFolder(std::move(deviceFolder))
{
}

bool KeyboardClassDriverLinux::IsKeyboard(const std::string& input) const
{
    // The kernel prints key capabilities as hexadecimal words, most significant first; the last
    // word holds KEY_ESC (1) up to KEY_D (32). A device with all of those is a full keyboard, the
    // test udev applies; power buttons and media remotes have only a few of them.
    const auto keys = m_sysfs.ReadText(SysfsReader::Join(SysfsReader::Join(kInputClass, input), "capabilities/key"));
    if (!keys || keys->empty()) {
        return false;
    }
    std::istringstream words(*keys);
    std::string word;
    std::string last;
    while (words >> word) {
        last = word;
    }
    char* end = nullptr;
    const unsigned long long lowest = std::strtoull(last.c_str(), &end, 16);
    if (end == last.c_str() || *end != '\0') {
        return false;
    }
    return (lowest & 0xFFFFFFFEull) == 0xFFFFFFFEull;
}

std::optional<std::string> KeyboardClassDriverLinux::FirstKeyboardInput() const
{
    std::vector<std::pair<long, std::string>> inputs;
    for (const std::string& name : m_sysfs.ListDirectory(kInputClass)) {
        const long number = InputNumber(name);
        if (number >= 0) {
            inputs.emplace_back(number, name);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& input : inputs) {
        if (IsKeyboard(input.second)) {
            return input.second;
        }
    }
    return std::nullopt;
}

bool KeyboardClassDriverLinux::QueryDriverVersion(std::string& version) const
{
    const std::optional<std::string> input = FirstKeyboardInput();
    if (!input) {
        return false;
    }
    const std::string device = SysfsReader::Join(SysfsReader::Join(kInputClass, *input), "device");
    if (!m_sysfs.LinkTargetName(SysfsReader::Join(device, "driver"))) {
        return false;
    }
    const std::string release = m_kernelRelease.empty() ? RunningKernelRelease() : m_kernelRelease;
    const std::optional<std::string> module = m_sysfs.LinkTargetName(SysfsReader::Join(device, "driver/module"));
    if (module) {
        const auto moduleVersion = m_sysfs.ReadText(SysfsReader::Join(SysfsReader::Join("module", *module), "version"));
        if (moduleVersion && !moduleVersion->empty()) {
            version = *moduleVersion;
            return true;
        }
    }
    if (release.empty()) {
        return false;
    }
    version = release;
    return true;
}

bool KeyboardClassDriverLinux::RestoreRepeatSettings() const
{
    const std::optional<std::string> input = FirstKeyboardInput();
    if (!input) {
        return false;
    }
    std::string eventName;
    for (const std::string& name : m_sysfs.ListDirectory(SysfsReader::Join(kInputClass, *input))) {
        if (name.rfind("event", 0) == 0) {
            eventName = name;
            break;
        }
    }
    if (eventName.empty()) {
        return false;
    }
    const std::string node = m_deviceFolder + "/" + eventName;
    const int fd = open(node.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    unsigned int repeat[2] = {0, 0}; // delay in ms, period in ms
    const bool restored = ioctl(fd, EVIOCGREP, repeat) == 0 && ioctl(fd, EVIOCSREP, repeat) == 0;
    close(fd);
    return restored;
}

KeyboardClassDriver& SystemKeyboardClassDriver()
{
    static KeyboardClassDriverLinux driver;
    return driver;
}

} // namespace corvo::platform
