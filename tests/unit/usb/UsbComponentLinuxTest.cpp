// The Linux USB walk on sysfs trees: what each controller and device reports, which are listed and
// in which order, how damaged trees are survived, and who frees the records.
#include "platform/linux/UsbComponentLinux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <tuple>

#include "UsbSysfsTree.h"
#include "usb/UsbDeviceImpl.h"
#include "usb/UsbHostControllerDeviceImpl.h"

namespace {

using corvo::platform::UsbComponentLinux;
using namespace usb_test;

// One walk, released through the facade as a caller would, as a line per controller: "<path>
// bus<number> <PCI device>.<function> <root hubs>"; then a line per device: "<hub>/<port>
// <class>/<subclass>/<protocol> usb<bcdUSB> port<the port's USB version> speed<speed byte>
// <vendor>:<product> [<manufacturer>|<product>|<serial>]" and its port's flags.
std::string Walk(const UsbSysfsTree& tree, bool includeHubs)
{
    UsbComponentLinux component(tree.Root());
    component.SetIncludeHubs(includeHubs);
    std::vector<UsbHostControllerDevice*> controllers;
    EXPECT_EQ(component.GetHostControllers(controllers).code, 0u);
    std::string listing;
    char line[512];
    for (const UsbHostControllerDevice* controller : controllers) {
        std::string hubs;
        for (const std::string& hub : controller->GetHubNames()) {
            hubs += " " + hub;
        }
        std::snprintf(line, sizeof line, "%s bus%u %02x.%x%s\n", controller->GetPath().c_str(),
                      controller->GetBusNumber(), controller->GetDeviceNumber(), controller->GetFunctionNumber(),
                      hubs.c_str());
        listing += line;
        EXPECT_EQ(controller->GetKind(), 4u);
        for (const UsbDevice* device : controller->GetUsbDevices()) {
            const std::string hubName = device->GetHubSymbolicName();
            std::snprintf(line, sizeof line, "  %s/%u %x/%x/%x usb%04x port%04x speed%u %04x:%04x [%s|%s|%s]"
                          "%s%s%s%s%s\n", device->GetPath().c_str(), device->GetPortNumber(), device->GetDeviceClass(),
                          device->GetDeviceSubclass(), device->GetDeviceProtocol(), device->GetUsbVersion().GetBcd(),
                          device->GetPortUsbVersion().GetBcd(), device->GetSpeed(),
                          device->GetVendorId(), device->GetProductId(), device->GetManufacturer().c_str(),
                          device->GetProduct().c_str(), device->GetSerialNumber().c_str(),
                          device->IsUserConnectable() ? " user" : "", device->IsTypeC() ? " typec" : "",
                          device->GetCompanion() ? (" peer" + std::to_string(device->GetCompanion())).c_str() : "",
                          device->IsHub() ? " hub" : "", hubName.empty() ? "" : (":" + hubName).c_str());
            listing += line;
        }
    }
    component.ReleaseHostControllers(controllers);
    // Paths below the tree's root, devices' paths by their hub's name.
    return std::regex_replace(listing, std::regex(tree.Root() + "/(bus/usb/devices/)?"), "");
}

FixtureDevice With(void (*change)(FixtureDevice&), FixtureDevice device = {})
{
    change(device);
    return device;
}

// A desktop with a case of the walk on each port; kDesktop says what each port holds.
void BuildDesktop(UsbSysfsTree& tree)
{
    tree.AddRootHub("0000:00:1a.0", 10, Hub(2));
    tree.AddRootHub("0000:00:14.0", 1, Hub(12));
    tree.AddRootHub("0000:00:14.0", 2, Hub(4, true));
    tree.AddRootHub("0000:00:1d.7", 3, Hub(2));
    tree.AddDevice(tree.AddRootHub("xhci-hcd.0.auto", 4, Hub(1), "platform"), 1,
                   With([](FixtureDevice& device) { device.interfaces = {{0, 0, 0}, {0, 0, 0}}; }));
    tree.AddRootHub("0000:00:1c.0", 5, Hub(1));
    tree.Remove(tree.FolderOf("usb5") + "/driver");
    tree.AddDevice("usb5", 1, {});

    tree.AddDevice("usb1", 1, With([](FixtureDevice& receiver) {
        std::tie(receiver.productId, receiver.speed, receiver.connectType) = std::tuple(0x0C52, "12", "hardwired");
        receiver.interfaces = {{3, 1, 1}, {3, 1, 2}, {3, 0, 0}};
    }));
    tree.Remove(tree.FolderOf("1-1") + "/port");
    tree.AddDevice("usb1", 2, With([](FixtureDevice& keyboard) { keyboard.serial = "\xc3\x89" "1"; }));
    tree.Write("devices/pci0000:00/0000:00:14.0/typec/port0/data_role", "[host] device\n");
    tree.Link(tree.PortFolder("usb1", 2) + "/connector", "devices/pci0000:00/0000:00:14.0/typec/port0");
    tree.Link(tree.PortFolder("usb1", 2) + "/peer", tree.PortFolder("usb2", 3));

    tree.AddDevice("usb1", 3, Hub(8));
    tree.Link("bus/usb/devices/1-3.1", tree.FolderOf("1-3"));
    tree.AddDevice("1-3", 2, With([](FixtureDevice& keyboard) { keyboard.removable = "fixed"; }));
    const Bytes damaged[] = {{}, {18, 1, 0x10, 0x01, 0, 0, 0, 8, 0x6A, 0x04}, Bytes(18, 0),
                             Cat({DeviceDescriptor(0x0200, 0, 0, 0, 0x0B0B), Configuration(1, Keyboard(0), 0)})};
    for (uint32_t port = 3; port <= 6; ++port) {
        tree.Write(tree.FolderOf(tree.AddDevice("1-3", port, {})) + "/descriptors", Text(damaged[port - 3]));
    }
    // A folder where a file belongs cannot be read, whoever runs the test.
    const std::string unreadable = tree.FolderOf(tree.AddDevice("1-3", 7, With([](FixtureDevice& device) {
        device.interfaces = {{0, 0, 0}, {0, 0, 0}, {0xFF, 1, 2}, {3, 1, 1}};
    })));
    for (const char* attribute : {"/manufacturer", "/speed"}) {
        tree.Remove(unreadable + attribute);
        std::filesystem::create_directories(tree.Root() + "/" + unreadable + attribute);
    }
    tree.Link("bus/usb/devices/1-3.8", tree.FolderOf("1-3") + "/1-3.8-gone");

    tree.Link("bus/usb/devices/1-4", tree.FolderOf(tree.AddDevice("usb2", 4, With([](FixtureDevice& stick) {
        std::tie(stick.usbVersion, stick.speed) = std::tuple(0x0320, "5000");
        stick.interfaces = {{8, 6, 0x50}};
    }))));
    tree.AddDevice(tree.AddDevice("usb2", 1, Hub(4, true)), 3, With([](FixtureDevice& none) { none.interfaces = {}; }));
    tree.Link("bus/usb/devices/3-1", tree.FolderOf("usb3"));

    tree.AddDevice("usb1", 5, With([](FixtureDevice& vendor) {
        std::tie(vendor.deviceClass, vendor.deviceSubclass, vendor.connectType) = std::tuple(0xFF, 0x5A, "not used");
    }));
    using String = std::optional<std::string>;
    const std::tuple<String, String, String, std::string, std::string> strings[] = {
        {std::nullopt, std::nullopt, std::nullopt, "unknown", "removable"},
        {"Gr\xc3\xb6\xc3\x9f" "e GmbH", "", "{7A3C-11}", "unknown", "fixed"},
        {" Corvo\t", "Key board  ", " 42", "unknown", "unknown"},
        {"Corvo Input", "Tastatur \xe2\x9c\x93", "", "", "removable"}};
    for (uint32_t port = 6; port <= 9; ++port) {
        FixtureDevice device;
        std::tie(device.manufacturer, device.product, device.serial, device.connectType, device.removable) =
            strings[port - 6];
        tree.AddDevice("usb1", port, device);
    }
    tree.AddDevice("usb1", 10, With([](FixtureDevice& textOnly) {
        textOnly.usbVersion = 0x0200;
        textOnly.interfaces = {{0, 0, 0}, {0, 0, 0}, {3, 1, 2}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0},
                               {0, 0, 0}, {0, 0, 0}, {3, 1, 1}};
    }));
    tree.Remove(tree.FolderOf("1-10") + "/descriptors");
    tree.AddDevice("usb1", 12, Hub(255));
    tree.Link("bus/usb/devices/1-11", tree.FolderOf(tree.AddDevice("1-12", 255, {})));
    tree.Remove(tree.FolderOf("1-12") + "/devpath");
    tree.Link("bus/usb/devices/1-12.1", tree.FolderOf("1-12"));
}

// Ports that are left out: 1-3.1 links back up to its hub, 1-3.8 is a dangling link, 1-4 leads
// to the device on port 4 of bus 2, 1-11 to 1-12.255 (not yet walked), 1-12.1 back up to a hub
// without devpath (known by its numbers), 3-1 to its own root hub; usb5 has no driver.
const char kDesktop[] =
    "bus/pci/devices/0000:00:14.0 bus1 14.0 usb1\n"
    // A class 0 receiver takes its first interface with a class; a hardwired port found without
    // the port link; a Type-C port with a peer; a hub whose port 2 says hotplug but removable fixed.
    "  usb1/1 3/1/1 usb0110 port0200 speed1 3a10:0c52 [Corvo Input|Corvo Keyboard|-]\n"
    "  usb1/2 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|\xc3\x89" "1] user typec peer3\n"
    "  usb1/3 9/0/1 usb0210 port0200 speed2 3a10:0011 [Corvo Input|Corvo Keyboard|-] user hub:1-3\n"
    "  1-3/2 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    // Descriptors empty, cut short, all zero: the text attributes stand in. A configuration with
    // wTotalLength 0 keeps the device descriptor, and the interface folder answers. Attributes that
    // cannot be read are left out; a class 0 device reports its first interface with a class.
    "  1-3/3 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "  1-3/4 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "  1-3/5 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "  1-3/6 3/1/1 usb0200 port0200 speed0 0b0b:5678 [Corvo Input|Corvo Keyboard|-] user\n"
    "  1-3/7 ff/1/2 usb0110 port0200 speed255 3a10:0011 [-|Corvo Keyboard|-] user\n"
    // The device's class wins over its interfaces'; a port that is "not used".
    "  usb1/5 ff/5a/0 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-]\n"
    // Strings absent, empty, UTF-8, blank or with a control character kept as sysfs shows them;
    // a serial number starting with neither letter nor digit is its first character's code. An
    // unknown connect type leaves the answer to "removable".
    "  usb1/6 3/1/1 usb0110 port0200 speed0 3a10:0011 [-|-|-] user\n"
    "  usb1/7 3/1/1 usb0110 port0200 speed0 3a10:0011 [Gr\xc3\xb6\xc3\x9f" "e GmbH||123]\n"
    "  usb1/8 3/1/1 usb0110 port0200 speed0 3a10:0011 [ Corvo?|Key board  |32]\n"
    "  usb1/9 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Tastatur \xe2\x9c\x93|] user\n"
    // No binary descriptors: the text attributes, and the interface folders in number order, where
    // "1-10:1.10" comes before "1-10:1.2" by name.
    "  usb1/10 3/1/2 usb0200 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "  usb1/12 9/0/1 usb0210 port0200 speed2 3a10:0011 [Corvo Input|Corvo Keyboard|-] user hub:1-12\n"
    "  1-12/255 3/1/1 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    // The SuperSpeed root hub of the same xHCI controller, and a SuperSpeed hub: USB 3 ports. A
    // class 0 device without an interface with a class stays class 0.
    "bus/pci/devices/0000:00:14.0 bus2 14.0 usb2\n"
    "  usb2/1 9/0/3 usb0320 port0300 speed3 3a10:0011 [Corvo Input|Corvo Keyboard|-] user hub:2-1\n"
    "  2-1/3 0/0/0 usb0110 port0300 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "  usb2/4 8/6/50 usb0320 port0300 speed3 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "bus/pci/devices/0000:00:1d.7 bus3 1d.7 usb3\n"
    "bus/platform/devices/xhci-hcd.0.auto bus4 00.0 usb4\n"
    "  usb4/1 0/0/0 usb0110 port0200 speed0 3a10:0011 [Corvo Input|Corvo Keyboard|-] user\n"
    "bus/pci/devices/0000:00:1c.0 bus5 1c.0\n"
    "bus/pci/devices/0000:00:1a.0 bus10 1a.0 usb10\n";

TEST(UsbComponentLinux, ListsTheDesktopInBusAndPortOrder)
{
    UsbSysfsTree tree;
    BuildDesktop(tree);
    EXPECT_EQ(Walk(tree, true), kDesktop);
    // A left-out hub's ports are still walked.
    EXPECT_EQ(Walk(tree, false), std::regex_replace(kDesktop, std::regex(".* hub:.*\n"), ""));
}

TEST(UsbComponentLinux, HubsAreWalkedOnlyUpToTheKernelsLimits)
{
    UsbSysfsTree tree;
    std::string hub = tree.AddRootHub("0000:00:14.0", 1, Hub(4));
    for (int tier = 1; tier <= 6; ++tier) {
        hub = tree.AddDevice(hub, 3, Hub(4));
    }
    tree.AddDevice(hub, 3, {});
    // The controller and six hubs: the kernel configures no hub six tiers below the root hub.
    const std::string listing = Walk(tree, true);
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 7) << listing;
    // Only a readable port count is walked.
    for (const auto& [maxchild, walked] : std::vector<std::pair<std::string, bool>>{
             {"4\n", true}, {"2\n", false}, {"4294967295\n", true}, {"99999999999\n", false}, {"", false}}) {
        tree.Write(tree.FolderOf("1-3") + "/maxchild", maxchild);
        EXPECT_EQ(Walk(tree, true).find("  1-3/3 ") != std::string::npos, walked) << maxchild;
    }
}

// Each walk appends fresh records. The keyboard component keeps the keyboards and deletes the
// controllers and everything else itself: a kept record must not point into a freed one, nor go
// with its controller.
TEST(UsbComponentLinux, EachWalkAppendsFreshRecordsThatOutliveTheirControllers)
{
    UsbSysfsTree tree;
    UsbComponentLinux component(tree.Root());
    std::vector<UsbHostControllerDevice*> controllers;
    EXPECT_FALSE(component.GetIncludeHubs() || component.HasHostController());
    EXPECT_EQ(component.GetHostControllers(controllers).code, 0u);
    component.ReleaseHostControllers(controllers);
    EXPECT_TRUE(controllers.empty());
    tree.AddDevice(tree.AddDevice(tree.AddRootHub("0000:00:14.0", 1, Hub(4)), 1, Hub(4)), 1, {});
    EXPECT_TRUE(component.HasHostController());
    component.SetIncludeHubs(true);
    component.GetHostControllers(controllers);
    component.GetHostControllers(controllers);
    ASSERT_EQ(controllers.size(), 2u);
    std::vector<std::unique_ptr<UsbDevice>> hubs, kept;
    for (UsbHostControllerDevice* controller : controllers) {
        for (UsbDevice* device : controller->GetUsbDevices()) {
            (device->IsHub() ? hubs : kept).emplace_back(device);
        }
        delete controller;
    }
    hubs.clear();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_NE(kept[0], kept[1]);
    EXPECT_EQ(kept[1]->GetProduct(), "Corvo Keyboard");
    EXPECT_EQ(kept[1]->GetPath(), tree.Root() + "/bus/usb/devices/1-1");
}

template <class Record>
struct Logged : Record {
    Logged(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    ~Logged() override { log.push_back(name); }
    std::vector<std::string>& log;
    std::string name;
};

TEST(UsbComponentLinux, ReleaseDestroysLastControllerFirstAndLastDeviceFirst)
{
    std::vector<std::string> log;
    std::vector<UsbHostControllerDevice*> controllers;
    for (const std::string controller : {"c1", "c2"}) {
        std::vector<UsbDevice*> devices;
        for (const std::string device : {"d1", "d2"}) {
            auto* record = new Logged<UsbDeviceImpl>(log, controller + device);
            record->storageDevice = std::make_unique<Logged<UsbStorageDevice>>(log, controller + device + "s");
            devices.push_back(record);
        }
        controllers.push_back(new Logged<UsbHostControllerDeviceImpl>(log, controller));
        controllers.back()->SetUsbDevices(devices);
    }
    UsbComponentLinux("/nonexistent").ReleaseHostControllers(controllers);
    EXPECT_TRUE(controllers.empty());
    // A device's storage object goes with the device, after the device's own destructor body.
    EXPECT_EQ(log, (std::vector<std::string>{"c2d2", "c2d2s", "c2d1", "c2d1s", "c2", "c1d2", "c1d2s", "c1d1", "c1d1s",
                                             "c1"}));
}

} // namespace
