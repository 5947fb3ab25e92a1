// The machine's identity from DMI and its USB keyboards' place on the bus, read from sysfs.
#include "platform/MachineInventory.h"

#include <sys/utsname.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <tuple>

#include "platform/linux/SysfsReader.h"

namespace corvo::platform {

namespace {

constexpr char kDmiFolder[] = "class/dmi/id";
constexpr char kUsbDevices[] = "bus/usb/devices";
// HID class, boot-keyboard protocol (USB HID 1.11, 4.1 and 4.3).
constexpr uint32_t kHidClass = 0x03;
constexpr uint32_t kKeyboardProtocol = 0x01;

// A whole number in the given base, or nothing: a stray character makes the value unknown.
std::optional<uint32_t> ParseNumber(const std::optional<std::string>& text, int base)
{
    if (!text) {
        return std::nullopt;
    }
    // "bNumInterfaces" and its kin are printed right-aligned.
    const std::string trimmed = text->substr(std::min(text->find_first_not_of(' '), text->size()));
    char* end = nullptr;
    const unsigned long value = std::strtoul(trimmed.c_str(), &end, base);
    if (trimmed.empty() || !std::isxdigit(static_cast<unsigned char>(trimmed[0])) || *end != '\0'
        || value > 0xFFFFFFFFul) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

// "2.3" as {2, 3}, so that a hub's port comes before the ports of the hub behind it.
std::vector<uint32_t> PortNumbers(const std::string& path)
{
    std::vector<uint32_t> numbers;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t dot = std::min(path.find('.', start), path.size());
        numbers.push_back(ParseNumber(path.substr(start, dot - start), 10).value_or(0));
        start = dot + 1;
    }
    return numbers;
}

class MachineInventoryLinux : public MachineInventory {
public:
    explicit MachineInventoryLinux(const std::string& root) : m_sysfs(root) {}

    MachineIdentity Identity() const override
    {
        const auto dmi = [this](const char* attribute) {
            std::string text = m_sysfs.ReadText(SysfsReader::Join(kDmiFolder, attribute)).value_or("");
            // Firmware pads its strings with blanks.
            text.erase(text.find_last_not_of(' ') + 1);
            return text;
        };
        MachineIdentity identity{dmi("sys_vendor"), dmi("product_name"), dmi("product_version"),
                                 dmi("board_vendor"), dmi("board_name"), {}};
        utsname names{};
        if (uname(&names) == 0) {
            identity.kernelRelease = names.release;
        }
        return identity;
    }

    std::vector<UsbKeyboardPort> UsbKeyboards() const override
    {
        std::vector<UsbKeyboardPort> keyboards;
        for (const std::string& name : m_sysfs.ListDirectory(kUsbDevices)) {
            // Interfaces ("1-2:1.0") and root hubs ("usb1") are not keyboards themselves.
            if (name.find(':') != std::string::npos || name.rfind("usb", 0) == 0) {
                continue;
            }
            if (std::optional<UsbKeyboardPort> keyboard = ReadKeyboard(name)) {
                keyboards.push_back(*keyboard);
            }
        }
        std::sort(keyboards.begin(), keyboards.end(), [](const UsbKeyboardPort& a, const UsbKeyboardPort& b) {
            return std::make_tuple(a.bus, PortNumbers(a.portPath), a.name)
                < std::make_tuple(b.bus, PortNumbers(b.portPath), b.name);
        });
        return keyboards;
    }

private:
    std::optional<uint32_t> Read(const std::string& folder, const char* attribute, int base) const
    {
        return ParseNumber(m_sysfs.ReadText(SysfsReader::Join(folder, attribute)), base);
    }

    // The keyboard interface's folder: the device itself when its descriptor says keyboard, else
    // the first interface that does; empty when neither does.
    std::optional<std::string> KeyboardInterface(const std::string& folder, const std::string& name) const
    {
        if (Read(folder, "bDeviceClass", 16) == kHidClass && Read(folder, "bDeviceProtocol", 16) == kKeyboardProtocol) {
            for (const std::string& entry : m_sysfs.ListDirectory(folder)) {
                if (entry.rfind(name + ":", 0) == 0) {
                    return SysfsReader::Join(folder, entry);
                }
            }
            return folder;
        }
        for (const std::string& entry : m_sysfs.ListDirectory(folder)) {
            const std::string interface = SysfsReader::Join(folder, entry);
            if (entry.rfind(name + ":", 0) == 0 && Read(interface, "bInterfaceClass", 16) == kHidClass
                && Read(interface, "bInterfaceProtocol", 16) == kKeyboardProtocol) {
                return interface;
            }
        }
        return std::nullopt;
    }

    std::optional<UsbKeyboardPort> ReadKeyboard(const std::string& name) const
    {
        const std::string folder = SysfsReader::Join(kUsbDevices, name);
        const std::optional<std::string> interface = KeyboardInterface(folder, name);
        if (!interface) {
            return std::nullopt;
        }
        UsbKeyboardPort keyboard;
        keyboard.name = name;
        keyboard.vendorId = static_cast<uint16_t>(Read(folder, "idVendor", 16).value_or(0));
        keyboard.productId = static_cast<uint16_t>(Read(folder, "idProduct", 16).value_or(0));
        keyboard.bus = Read(folder, "busnum", 10).value_or(0);
        keyboard.portPath = m_sysfs.ReadText(SysfsReader::Join(folder, "devpath")).value_or("");
        if (const std::optional<std::string> speed = m_sysfs.ReadText(SysfsReader::Join(folder, "speed"))) {
            char* end = nullptr;
            const double megabits = std::strtod(speed->c_str(), &end);
            if (!speed->empty() && end != nullptr && *end == '\0' && megabits > 0) {
                keyboard.speedMbits = megabits;
            }
        }
        keyboard.driver = m_sysfs.LinkTargetName(SysfsReader::Join(*interface, "driver")).value_or("");
        return keyboard;
    }

    SysfsReader m_sysfs;
};

} // namespace

std::unique_ptr<MachineInventory> CreateMachineInventory(const std::string& sysfsRoot)
{
    return std::make_unique<MachineInventoryLinux>(sysfsRoot);
}

} // namespace corvo::platform
