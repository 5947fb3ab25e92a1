// Finds the first keyboard input device, the version of its driver, and reprograms its repeat setting.
#include "platform/linux/KeyboardClassDriverLinux.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/linux/EvdevRepeatNode.h"

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

// One step of the PS/2 typematic delays (250 to 1000 ms) and about one of its periods (33 to
// 500 ms); the keyboard's driver moves any value onto a step the keyboard has.
constexpr unsigned int kDelayStepMs = 250;
constexpr unsigned int kPeriodStepMs = 33;

// A value one step away that differs from value and stays positive: down from the larger ones,
// up from the smaller ones.
constexpr unsigned int Neighbour(unsigned int value, unsigned int step)
{
    return value >= 2 * step ? value - step : value + step;
}

std::string RunningKernelRelease()
{
    struct utsname names {};
    return uname(&names) == 0 ? names.release : "";
}

} // namespace

KeyboardClassDriverLinux::KeyboardClassDriverLinux(SysfsReader sysfs, std::string kernelRelease,
                                                   std::string deviceFolder, DeviceOpener openDevice)
    : m_sysfs(std::move(sysfs)), m_kernelRelease(std::move(kernelRelease)), m_deviceFolder(std::move(deviceFolder)),
      m_openDevice(openDevice ? std::move(openDevice) : DeviceOpener(&EvdevRepeatNode::Open))
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
    const std::unique_ptr<EvdevRepeatDevice> device = m_openDevice(m_deviceFolder + "/" + eventName);
    EvdevRepeat original;
    if (!device || !device->ReadRepeat(original)) {
        return false;
    }
    // The kernel hands a repeat value to the keyboard's driver only when it differs from the one
    // it holds, so writing back what was just read would reach nothing after the keyboard's reset.
    // A neighbouring setting first turns the original into a change; the driver programs the
    // keyboard with delay and period together whenever either changes.
    const EvdevRepeat neighbour{Neighbour(original.delayMs, kDelayStepMs), Neighbour(original.periodMs, kPeriodStepMs)};
    const bool changed = device->WriteRepeat(neighbour);
    const auto putBack = [&device, &original] {
        EvdevRepeat now;
        return device->WriteRepeat(original) && device->ReadRepeat(now) && now == original;
    };
    // The neighbour is only a means: should putting the original back fail, it is tried once more
    // rather than leave the keyboard on the neighbour.
    const bool restored = putBack();
    if (!restored) {
        putBack();
    }
    return changed && restored;
}

KeyboardClassDriver& SystemKeyboardClassDriver()
{
    static KeyboardClassDriverLinux driver;
    return driver;
}

} // namespace corvo::platform
