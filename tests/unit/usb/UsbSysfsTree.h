// Raw USB descriptors byte by byte, and small sysfs trees of controllers, hubs and devices in a
// scratch folder, laid out as the kernel lays them out (devices under devices/, links under bus/).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "../../support/ScratchFolder.h"

namespace usb_test {

using Bytes = std::vector<uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline std::string Format(const char* format, unsigned first, unsigned second = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, format, first, second);
    return text;
}

inline std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }
inline Bytes Le16(std::size_t value) { return {uint8_t(value & 0xFF), uint8_t(value >> 8)}; }

// bcdDevice 1.10, manufacturer and product strings 1 and 2, no serial, one configuration.
inline Bytes DeviceDescriptor(uint16_t usbVersion = 0x0200, uint8_t deviceClass = 0, uint8_t subclass = 0,
                              uint8_t protocol = 0, uint16_t vendorId = 0x1234, uint16_t productId = 0x5678)
{
    return Cat({{18, 1}, Le16(usbVersion), {deviceClass, subclass, protocol, 8}, Le16(vendorId), Le16(productId),
                {0x10, 0x01, 1, 2, 0, 1}});
}

inline Bytes Interface(uint8_t number, uint8_t interfaceClass, uint8_t subclass, uint8_t protocol,
                       uint8_t alternate = 0)
{
    return {9, 4, number, alternate, 1, interfaceClass, subclass, protocol, 0};
}

inline Bytes Endpoint(uint8_t address) { return {7, 5, address, 3, 8, 0, 10}; }
// HID 1.11 section 6.2.1: the class descriptor that follows a HID interface.
inline Bytes Hid() { return {9, 0x21, 0x11, 0x01, 0, 1, 0x22, 63, 0}; }
inline Bytes Keyboard(uint8_t number) { return Cat({Interface(number, 3, 1, 1), Hid(), Endpoint(0x81)}); }
inline Bytes Mouse(uint8_t number) { return Cat({Interface(number, 3, 1, 2), Hid(), Endpoint(0x82)}); }

// A configuration descriptor in front of `body`, wTotalLength counted unless one is forced.
inline Bytes Configuration(uint8_t value, const Bytes& body, int totalLength = -1)
{
    const std::size_t total = totalLength >= 0 ? std::size_t(totalLength) : 9 + body.size();
    return Cat({{9, 2}, Le16(total), {1, value, 0, 0xA0, 50}, body});
}

// A string descriptor of UTF-16 code units, little-endian.
inline Bytes StringDescriptor(const std::u16string& text)
{
    Bytes bytes{uint8_t(2 + 2 * text.size()), 3};
    for (const char16_t unit : text) {
        bytes = Cat({bytes, Le16(unit)});
    }
    return bytes;
}

// What the tree writes for one device; the defaults are a low-speed boot keyboard on a user port.
struct FixtureDevice {
    uint16_t vendorId = 0x3A10, productId = 0x0011, usbVersion = 0x0110;
    uint8_t deviceClass = 0, deviceSubclass = 0, deviceProtocol = 0;
    std::vector<std::array<uint8_t, 3>> interfaces = {{3, 1, 1}};
    std::optional<std::string> manufacturer = "Corvo Input", product = "Corvo Keyboard", serial;
    std::string speed = "1.5";
    uint32_t portCount = 0; // maxchild: nonzero makes a hub with port folders
    // Of the port the device is on; an empty connect type writes none.
    std::string connectType = "hotplug", removable = "removable";
};

// A hub, root hubs included: protocol 1 is a high-speed hub with one transaction translator, 3 a
// SuperSpeed hub.
inline FixtureDevice Hub(uint32_t ports, bool superSpeed = false)
{
    FixtureDevice hub;
    std::tie(hub.usbVersion, hub.deviceClass, hub.deviceProtocol, hub.speed, hub.portCount) =
        std::tuple(superSpeed ? 0x0320 : 0x0210, 9, superSpeed ? 3 : 1, superSpeed ? "5000" : "480", ports);
    hub.interfaces = {{9, 0, 0}};
    return hub;
}

class UsbSysfsTree {
public:
    std::string Root() const { return m_folder.Root(); }

    // Root hub usb<bus> of a controller ("0000:00:14.0" on the PCI bus, "xhci-hcd.0.auto" on the
    // platform bus), which is added with its first root hub; returns the root hub's name.
    std::string AddRootHub(const std::string& controller, uint32_t bus, const FixtureDevice& device,
                           const std::string& subsystem = "pci")
    {
        const std::string folder = (subsystem == "pci" ? "devices/pci0000:00/" : "devices/platform/") + controller;
        Link(folder + "/subsystem", "bus/" + subsystem);
        Link("bus/" + subsystem + "/devices/" + controller, folder);
        return Add(folder, "usb" + std::to_string(bus), bus, "0", device);
    }

    // The device on port `port` of hub `hubName`; returns its name ("1-2", "1-2.3").
    std::string AddDevice(const std::string& hubName, uint32_t port, const FixtureDevice& device)
    {
        const bool root = hubName.rfind("usb", 0) == 0;
        const uint32_t bus = uint32_t(std::stoul(hubName.substr(root ? 3 : 0)));
        const std::string path = (root ? "" : hubName.substr(hubName.find('-') + 1) + ".") + std::to_string(port);
        const std::string name = Add(FolderOf(hubName), std::to_string(bus) + "-" + path, bus, path, device);
        if (!device.connectType.empty()) {
            Write(PortFolder(hubName, port) + "/connect_type", device.connectType + "\n");
        }
        Link(FolderOf(name) + "/port", PortFolder(hubName, port));
        return name;
    }

    std::string FolderOf(const std::string& name) const { return m_nodes.at(name).first; }

    std::string PortFolder(const std::string& hubName, uint32_t port) const
    {
        const auto& [folder, interfacePrefix] = m_nodes.at(hubName);
        return folder + "/" + interfacePrefix + ":1.0/" + hubName + "-port" + std::to_string(port);
    }

    void Write(const std::string& relativePath, const std::string& content) const
    {
        std::filesystem::create_directories((m_root / relativePath).parent_path());
        std::ofstream(m_root / relativePath, std::ios::binary | std::ios::trunc) << content;
    }

    void Remove(const std::string& relativePath) const { std::filesystem::remove(m_root / relativePath); }

    // A relative symbolic link, as sysfs makes them; an existing link is replaced.
    void Link(const std::string& linkPath, const std::string& targetPath) const
    {
        const std::filesystem::path link = m_root / linkPath;
        std::filesystem::create_directories(link.parent_path());
        std::filesystem::remove(link);
        std::filesystem::create_directory_symlink(std::filesystem::relative(m_root / targetPath, link.parent_path()),
                                                  link);
    }

private:
    std::string Add(const std::string& parentFolder, const std::string& name, uint32_t bus,
                    const std::string& devicePath, const FixtureDevice& device)
    {
        const std::string folder = parentFolder + "/" + name;
        // Root hub usb1 names its interfaces "1-0:1.N", any other device "<name>:1.N".
        const std::string interfacePrefix = devicePath == "0" ? std::to_string(bus) + "-0" : name;
        m_nodes[name] = {folder, interfacePrefix};
        Link("bus/usb/devices/" + name, folder);
        // As the kernel prints them: bcdUSB as "%2x.%02x", the other descriptor fields in hexadecimal.
        const std::pair<const char*, std::optional<std::string>> attributes[] = {
            {"busnum", std::to_string(bus)}, {"devnum", std::to_string(++m_lastDeviceNumber[bus])},
            {"devpath", devicePath}, {"speed", device.speed}, {"maxchild", std::to_string(device.portCount)},
            {"removable", device.removable}, {"manufacturer", device.manufacturer}, {"product", device.product},
            {"serial", device.serial}, {"idVendor", Format("%04x", device.vendorId)},
            {"version", Format("%2x.%02x", device.usbVersion >> 8, device.usbVersion & 0xFF)},
            {"idProduct", Format("%04x", device.productId)},
            {"bDeviceClass", Format("%02x", device.deviceClass)},
            {"bDeviceSubClass", Format("%02x", device.deviceSubclass)},
            {"bDeviceProtocol", Format("%02x", device.deviceProtocol)}};
        for (const auto& [attribute, value] : attributes) {
            if (value) {
                Write(folder + "/" + attribute, *value + "\n");
            }
        }
        Link(folder + "/driver", "bus/usb/drivers/usb");
        Bytes body;
        for (unsigned index = 0; index < device.interfaces.size(); ++index) {
            const auto [interfaceClass, subclass, protocol] = device.interfaces[index];
            body = Cat({body, Interface(uint8_t(index), interfaceClass, subclass, protocol), Endpoint(0x81)});
            const std::string interface = folder + "/" + interfacePrefix + ":1." + std::to_string(index) + "/";
            Write(interface + "bInterfaceNumber", Format("%02x\n", index));
            Write(interface + "bInterfaceClass", Format("%02x\n", interfaceClass));
            Write(interface + "bInterfaceSubClass", Format("%02x\n", subclass));
            Write(interface + "bInterfaceProtocol", Format("%02x\n", protocol));
        }
        const Bytes header = DeviceDescriptor(device.usbVersion, device.deviceClass, device.deviceSubclass,
                                              device.deviceProtocol, device.vendorId, device.productId);
        Write(folder + "/descriptors", Text(Cat({header, Configuration(1, body)})));
        for (uint32_t port = 1; port <= device.portCount && port <= 32; ++port) {
            std::filesystem::create_directories(m_root / PortFolder(name, port));
        }
        return name;
    }

    ScratchFolder m_folder;
    std::filesystem::path m_root = m_folder.Root();
    // Each device's folder and the prefix of its interfaces' names.
    std::map<std::string, std::pair<std::string, std::string>> m_nodes;
    std::map<uint32_t, uint32_t> m_lastDeviceNumber;
};

} // namespace usb_test
