// Builds small sysfs trees of USB controllers, hubs and devices in a throw-away folder, laid out
// as the kernel lays them out: devices under devices/pci0000:00/..., links under bus/usb/devices.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "UsbDescriptorBytes.h"

namespace usb_test {

struct FixtureInterface {
    uint8_t interfaceClass = 0;
    uint8_t interfaceSubclass = 0;
    uint8_t interfaceProtocol = 0;
};

struct FixtureDevice {
    uint16_t vendorId = 0x1234;
    uint16_t productId = 0x5678;
    uint16_t usbVersion = 0x0200;
    uint8_t deviceClass = 0;
    uint8_t deviceSubclass = 0;
    uint8_t deviceProtocol = 0;
    std::vector<FixtureInterface> interfaces;
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
    std::optional<std::string> serial;
    std::string speed = "12";
    // maxchild; nonzero makes the device a hub with port folders.
    uint32_t portCount = 0;
    // The port this device is on; an empty text writes no connect_type.
    std::string connectType = "hotplug";
    std::string removable = "removable";
    bool binaryDescriptors = true;
    bool textDescriptors = true;
    bool driverBound = true;
};

// A boot keyboard: class 0 at the device, one HID boot keyboard interface.
inline FixtureDevice BootKeyboard()
{
    FixtureDevice device;
    device.vendorId = 0x3A10;
    device.productId = 0x0011;
    device.usbVersion = 0x0110;
    device.interfaces = {{3, 1, 1}};
    device.manufacturer = "Corvo Input";
    device.product = "Corvo Keyboard";
    device.speed = "1.5";
    return device;
}

// An external hub: class 9, protocol 1 for a high-speed hub with one transaction translator, 3 for
// a SuperSpeed hub.
inline FixtureDevice Hub(uint32_t ports, bool superSpeed = false)
{
    FixtureDevice device;
    device.vendorId = 0x3A20;
    device.productId = superSpeed ? 0x0301 : 0x0201;
    device.usbVersion = superSpeed ? 0x0320 : 0x0210;
    device.deviceClass = 9;
    device.deviceProtocol = superSpeed ? 3 : 1;
    device.interfaces = {{9, 0, 0}};
    device.product = superSpeed ? "USB3.2 Hub" : "USB2.1 Hub";
    device.speed = superSpeed ? "5000" : "480";
    device.portCount = ports;
    return device;
}

inline FixtureDevice RootHub(uint32_t ports, bool superSpeed = false)
{
    FixtureDevice device = Hub(ports, superSpeed);
    device.vendorId = 0x1D6B;
    device.productId = superSpeed ? 0x0003 : 0x0002;
    device.usbVersion = superSpeed ? 0x0310 : 0x0200;
    device.deviceProtocol = superSpeed ? 3 : 1;
    device.speed = superSpeed ? "10000" : "480";
    device.manufacturer = "Linux xhci-hcd";
    device.product = "xHCI Host Controller";
    device.connectType.clear();
    return device;
}

class UsbSysfsTree {
public:
    UsbSysfsTree()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "usb-sysfs-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch folder");
        }
        root_ = pattern;
        std::filesystem::create_directories(root_ / "bus/usb/devices");
        std::filesystem::create_directories(root_ / "bus/usb/drivers/usb");
        std::filesystem::create_directories(root_ / "bus/usb/drivers/hub");
    }
    ~UsbSysfsTree()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    UsbSysfsTree(const UsbSysfsTree&) = delete;
    UsbSysfsTree& operator=(const UsbSysfsTree&) = delete;

    std::string Root() const { return root_.string(); }

    // A PCI controller such as "0000:00:14.0"; returns its folder relative to the root.
    std::string AddPciController(const std::string& pciName)
    {
        return AddBusDevice("pci", "devices/pci0000:00/" + pciName, pciName);
    }

    // A controller on the platform bus, as on systems-on-chip.
    std::string AddPlatformController(const std::string& name)
    {
        return AddBusDevice("platform", "devices/platform/" + name, name);
    }

    // Root hub usb<bus> below a controller folder.
    std::string AddRootHub(const std::string& controllerFolder, uint32_t bus, const FixtureDevice& device)
    {
        const std::string name = "usb" + std::to_string(bus);
        const std::string folder = controllerFolder + "/" + name;
        Node node{folder, bus, std::to_string(bus) + "-0", "0", name};
        nodes_[name] = node;
        // The root hub is always device 1 of its bus; the devices below it count on from there.
        nextDeviceNumber_[bus] = 1;
        WriteDevice(node, device, 1);
        return name;
    }

    // The device on port `port` of hub `hubName`; returns its name ("1-2", "1-2.3").
    std::string AddDevice(const std::string& hubName, uint32_t port, const FixtureDevice& device)
    {
        const Node& hub = nodes_.at(hubName);
        const bool belowRoot = hub.devicePath == "0";
        const std::string name = belowRoot ? std::to_string(hub.bus) + "-" + std::to_string(port)
                                           : hubName + "." + std::to_string(port);
        const std::string devicePath = belowRoot ? std::to_string(port) : hub.devicePath + "." + std::to_string(port);
        Node node{hub.folder + "/" + name, hub.bus, name, devicePath, name};
        nodes_[name] = node;
        WriteDevice(node, device, ++nextDeviceNumber_[hub.bus]);
        // The kernel links a connected device to its port folder.
        const std::string portFolder = PortFolder(hubName, port);
        std::filesystem::create_directories(root_ / portFolder);
        if (!device.connectType.empty()) {
            Write(portFolder + "/connect_type", device.connectType + "\n");
        }
        Link(node.folder + "/port", portFolder);
        return name;
    }

    // The folder of a device by name, relative to the root.
    std::string FolderOf(const std::string& name) const { return nodes_.at(name).folder; }

    std::string PortFolder(const std::string& hubName, uint32_t port) const
    {
        const Node& hub = nodes_.at(hubName);
        return hub.folder + "/" + hub.interfacePrefix + ":1.0/" + hubName + "-port" + std::to_string(port);
    }

    void Write(const std::string& relativePath, const std::string& content) const
    {
        const std::filesystem::path file = root_ / relativePath;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        stream.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!stream) {
            throw std::runtime_error("cannot write " + file.string());
        }
    }

    void Write(const std::string& relativePath, const Bytes& content) const
    {
        Write(relativePath, std::string(content.begin(), content.end()));
    }

    void Remove(const std::string& relativePath) const { std::filesystem::remove(root_ / relativePath); }

    // A relative symbolic link, as sysfs makes them; an existing link is replaced.
    void Link(const std::string& linkPath, const std::string& targetPath) const
    {
        const std::filesystem::path link = root_ / linkPath;
        std::filesystem::create_directories(link.parent_path());
        std::error_code ignored;
        std::filesystem::remove(link, ignored);
        std::filesystem::create_directory_symlink(
            std::filesystem::relative(root_ / targetPath, link.parent_path()), link);
    }

private:
    struct Node {
        std::string folder;
        uint32_t bus = 0;
        // "1-0" for root hub usb1, the device name for any other device.
        std::string interfacePrefix;
        std::string devicePath;
        std::string name;
    };

    std::string AddBusDevice(const std::string& bus, const std::string& folder, const std::string& name)
    {
        std::filesystem::create_directories(root_ / folder);
        std::filesystem::create_directories(root_ / ("bus/" + bus + "/devices"));
        Link(folder + "/subsystem", "bus/" + bus);
        Link("bus/" + bus + "/devices/" + name, folder);
        return folder;
    }

    static std::string Hex(uint32_t value, int digits)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%0*x", digits, value);
        return text;
    }

    void WriteDevice(const Node& node, const FixtureDevice& device, uint32_t deviceNumber)
    {
        const std::string& folder = node.folder;
        std::filesystem::create_directories(root_ / folder);
        Link("bus/usb/devices/" + node.name, folder);
        Write(folder + "/busnum", std::to_string(node.bus) + "\n");
        Write(folder + "/devnum", std::to_string(deviceNumber) + "\n");
        Write(folder + "/devpath", node.devicePath + "\n");
        Write(folder + "/speed", device.speed + "\n");
        Write(folder + "/maxchild", std::to_string(device.portCount) + "\n");
        Write(folder + "/bConfigurationValue", "1\n");
        Write(folder + "/removable", device.removable + "\n");
        if (device.driverBound) {
            Link(folder + "/driver", "bus/usb/drivers/usb");
        }
        if (device.manufacturer) {
            Write(folder + "/manufacturer", *device.manufacturer + "\n");
        }
        if (device.product) {
            Write(folder + "/product", *device.product + "\n");
        }
        if (device.serial) {
            Write(folder + "/serial", *device.serial + "\n");
        }
        if (device.textDescriptors) {
            Write(folder + "/idVendor", Hex(device.vendorId, 4) + "\n");
            Write(folder + "/idProduct", Hex(device.productId, 4) + "\n");
            Write(folder + "/bcdDevice", "0110\n");
            // The kernel prints bcdUSB as "%2x.%02x".
            char version[16];
            std::snprintf(version, sizeof version, "%2x.%02x\n", device.usbVersion >> 8, device.usbVersion & 0xFF);
            Write(folder + "/version", std::string(version));
            Write(folder + "/bDeviceClass", Hex(device.deviceClass, 2) + "\n");
            Write(folder + "/bDeviceSubClass", Hex(device.deviceSubclass, 2) + "\n");
            Write(folder + "/bDeviceProtocol", Hex(device.deviceProtocol, 2) + "\n");
            Write(folder + "/bNumConfigurations", "1\n");
        }
        Bytes body;
        for (std::size_t index = 0; index < device.interfaces.size(); ++index) {
            const FixtureInterface& interface = device.interfaces[index];
            const auto number = static_cast<uint8_t>(index);
            body = Concat({body, InterfaceDescriptor(number, interface.interfaceClass, interface.interfaceSubclass,
                                                     interface.interfaceProtocol),
                           EndpointDescriptor(static_cast<uint8_t>(0x81 + index))});
            const std::string interfaceFolder = folder + "/" + node.interfacePrefix + ":1." + std::to_string(index);
            if (device.textDescriptors) {
                Write(interfaceFolder + "/bInterfaceNumber", Hex(number, 2) + "\n");
                Write(interfaceFolder + "/bAlternateSetting", " 0\n");
                Write(interfaceFolder + "/bInterfaceClass", Hex(interface.interfaceClass, 2) + "\n");
                Write(interfaceFolder + "/bInterfaceSubClass", Hex(interface.interfaceSubclass, 2) + "\n");
                Write(interfaceFolder + "/bInterfaceProtocol", Hex(interface.interfaceProtocol, 2) + "\n");
            }
        }
        if (device.binaryDescriptors) {
            DeviceFields fields;
            fields.usbVersion = device.usbVersion;
            fields.deviceClass = device.deviceClass;
            fields.deviceSubclass = device.deviceSubclass;
            fields.deviceProtocol = device.deviceProtocol;
            fields.vendorId = device.vendorId;
            fields.productId = device.productId;
            Write(folder + "/descriptors", Concat({DeviceDescriptor(fields), Configuration(1, body)}));
        }
        for (uint32_t port = 1; port <= device.portCount && port <= 32; ++port) {
            std::filesystem::create_directories(root_ / (folder + "/" + node.interfacePrefix + ":1.0/" + node.name
                                                         + "-port" + std::to_string(port)));
        }
    }

    std::filesystem::path root_;
    std::map<std::string, Node> nodes_;
    std::map<uint32_t, uint32_t> nextDeviceNumber_;
};

} // namespace usb_test
