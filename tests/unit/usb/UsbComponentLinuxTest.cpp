// Tests of the Linux USB walk on small sysfs trees: what each device reports, which devices are
// listed, in which order, and how damaged trees are survived.
#include "platform/linux/UsbComponentLinux.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "UsbSysfsTree.h"
#include "usb/UsbDevice.h"
#include "usb/UsbHostControllerDevice.h"

namespace {

using corvo::platform::UsbComponentLinux;
using namespace usb_test;

// One walk over a tree; releases what it got through the facade, as a caller would.
class Walk {
public:
    explicit Walk(const UsbSysfsTree& tree, bool includeHubs = false) : m_component(tree.Root())
    {
        m_component.SetIncludeHubs(includeHubs);
        error = m_component.GetHostControllers(controllers);
    }
    ~Walk() { m_component.ReleaseHostControllers(controllers); }
    Walk(const Walk&) = delete;
    Walk& operator=(const Walk&) = delete;

    std::vector<UsbDevice*> AllDevices() const
    {
        std::vector<UsbDevice*> devices;
        for (const UsbHostControllerDevice* controller : controllers) {
            for (UsbDevice* device : controller->GetUsbDevices()) {
                devices.push_back(device);
            }
        }
        return devices;
    }

    // The only device listed; fails the test when there is not exactly one.
    const UsbDevice& OnlyDevice() const
    {
        const std::vector<UsbDevice*> devices = AllDevices();
        if (devices.size() != 1) {
            throw std::runtime_error("expected one device, found " + std::to_string(devices.size()));
        }
        return *devices.front();
    }

    // Each device as "<port version>@<parent>/<port>", to compare orders and places at a glance.
    std::vector<std::string> Places() const
    {
        std::vector<std::string> places;
        for (const UsbDevice* device : AllDevices()) {
            const std::string parent = std::filesystem::path(device->GetPath()).filename().string();
            places.push_back(parent + "/" + std::to_string(device->GetPortNumber()));
        }
        return places;
    }

    UsbError error;
    std::vector<UsbHostControllerDevice*> controllers;

private:
    UsbComponentLinux m_component;
};

// One xHCI controller with its USB 2 root hub usb1 (ports 1-12); a common desktop.
struct Desktop {
    Desktop() : controller(tree.AddPciController("0000:00:14.0")) { tree.AddRootHub(controller, 1, RootHub(12)); }

    UsbSysfsTree tree;
    std::string controller;
};

TEST(UsbWalk, BootKeyboardIsDescribed)
{
    Desktop desktop;
    FixtureDevice keyboard = BootKeyboard();
    keyboard.serial = "KB0001";
    desktop.tree.AddDevice("usb1", 2, keyboard);

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.error.code, 0u);
    ASSERT_EQ(walk.controllers.size(), 1u);
    const UsbHostControllerDevice& controller = *walk.controllers.front();
    EXPECT_EQ(controller.GetPath(), desktop.tree.Root() + "/bus/pci/devices/0000:00:14.0");
    EXPECT_EQ(controller.GetKind(), 4u);
    EXPECT_EQ(controller.GetBusNumber(), 1u);
    EXPECT_EQ(controller.GetDeviceNumber(), 0x14);
    EXPECT_EQ(controller.GetFunctionNumber(), 0);
    EXPECT_EQ(controller.GetHubNames(), std::vector<std::string>{"usb1"});

    const UsbDevice& device = walk.OnlyDevice();
    EXPECT_EQ(device.GetPath(), desktop.tree.Root() + "/bus/usb/devices/usb1");
    EXPECT_EQ(device.GetUsbVersion(), UsbVersion(0x0110));
    EXPECT_EQ(device.GetDeviceClass(), 3);
    EXPECT_EQ(device.GetClassName(), "Human interface device (HID)");
    EXPECT_EQ(device.GetDeviceSubclass(), 1);
    EXPECT_EQ(device.GetSubclassName(), "Boot interface subclass");
    EXPECT_EQ(device.GetDeviceProtocol(), 1);
    EXPECT_EQ(device.GetProtocolName(), "Unused");
    EXPECT_EQ(device.GetVendorId(), 0x3A10);
    EXPECT_EQ(device.GetProductId(), 0x0011);
    EXPECT_EQ(device.GetManufacturer(), "Corvo Input");
    EXPECT_EQ(device.GetProduct(), "Corvo Keyboard");
    EXPECT_EQ(device.GetSerialNumber(), "KB0001");
    EXPECT_FALSE(device.IsHub());
    EXPECT_FALSE(device.IsOvercurrent());
    EXPECT_EQ(device.GetPortUsbVersion(), UsbVersion(0x0200));
    EXPECT_EQ(device.GetPortNumber(), 2);
    EXPECT_EQ(device.GetSpeed(), 0);
    EXPECT_TRUE(device.IsUserConnectable());
    EXPECT_FALSE(device.IsTypeC());
    EXPECT_EQ(device.GetCompanions(), 0u);
    EXPECT_EQ(device.GetHubSymbolicName(), "");
    EXPECT_EQ(device.GetStorageDevice(), nullptr);
}

TEST(UsbWalk, CompositeReceiverReportsItsFirstInterface)
{
    Desktop desktop;
    FixtureDevice receiver;
    receiver.vendorId = 0x3A10;
    receiver.productId = 0x0C52;
    receiver.interfaces = {{3, 1, 1}, {3, 1, 2}, {3, 0, 0}};
    receiver.speed = "12";
    desktop.tree.AddDevice("usb1", 1, receiver);

    const Walk walk(desktop.tree);
    const UsbDevice& device = walk.OnlyDevice();
    EXPECT_EQ(device.GetDeviceClass(), 3);
    EXPECT_EQ(device.GetDeviceSubclass(), 1);
    EXPECT_EQ(device.GetDeviceProtocol(), 1);
    EXPECT_EQ(device.GetSubclassName(), "Boot interface subclass");
    EXPECT_EQ(device.GetSpeed(), 1);
}

TEST(UsbWalk, DeviceClassWinsOverInterfaces)
{
    Desktop desktop;
    FixtureDevice vendor;
    vendor.deviceClass = 0xFF;
    vendor.deviceSubclass = 0x5A;
    vendor.interfaces = {{3, 1, 1}};
    desktop.tree.AddDevice("usb1", 1, vendor);

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().GetDeviceClass(), 0xFF);
    EXPECT_EQ(walk.OnlyDevice().GetDeviceSubclass(), 0x5A);
    EXPECT_EQ(walk.OnlyDevice().GetSubclassName(), "Vendor specific");
}

TEST(UsbWalk, KeyboardBehindSuperSpeedHubHasUsb3Port)
{
    UsbSysfsTree tree;
    const std::string controller = tree.AddPciController("0000:00:14.0");
    tree.AddRootHub(controller, 1, RootHub(12));
    tree.AddRootHub(controller, 2, RootHub(4, true));
    tree.AddDevice("usb2", 1, Hub(4, true));
    tree.AddDevice("2-1", 3, BootKeyboard());
    tree.AddDevice("usb1", 1, Hub(4));
    tree.AddDevice("1-1", 2, BootKeyboard());

    const Walk walk(tree);
    const std::vector<UsbDevice*> devices = walk.AllDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0]->GetPath(), tree.Root() + "/bus/usb/devices/1-1");
    EXPECT_EQ(devices[0]->GetPortUsbVersion(), UsbVersion(0x0200));
    EXPECT_EQ(devices[1]->GetPath(), tree.Root() + "/bus/usb/devices/2-1");
    EXPECT_EQ(devices[1]->GetPortNumber(), 3);
    EXPECT_EQ(devices[1]->GetPortUsbVersion(), UsbVersion(0x0300));
}

TEST(UsbWalk, SuperSpeedRootHubGivesUsb3Ports)
{
    UsbSysfsTree tree;
    const std::string controller = tree.AddPciController("0000:00:14.0");
    tree.AddRootHub(controller, 2, RootHub(4, true));
    FixtureDevice stick;
    stick.usbVersion = 0x0320;
    stick.interfaces = {{8, 6, 0x50}};
    stick.speed = "5000";
    tree.AddDevice("usb2", 4, stick);

    const Walk walk(tree);
    EXPECT_EQ(walk.OnlyDevice().GetPortUsbVersion(), UsbVersion(0x0300));
    EXPECT_EQ(walk.OnlyDevice().GetSpeed(), 3);
    EXPECT_EQ(walk.OnlyDevice().GetClassName(), "Mass storage");
}

TEST(UsbWalk, HubIsListedOnlyWithIncludeHubs)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 3, Hub(4));
    desktop.tree.AddDevice("1-3", 2, BootKeyboard());

    const Walk withoutHubs(desktop.tree);
    ASSERT_EQ(withoutHubs.AllDevices().size(), 1u);
    EXPECT_EQ(withoutHubs.OnlyDevice().GetDeviceClass(), 3);
    EXPECT_EQ(withoutHubs.OnlyDevice().GetPath(), desktop.tree.Root() + "/bus/usb/devices/1-3");

    const Walk withHubs(desktop.tree, true);
    const std::vector<UsbDevice*> devices = withHubs.AllDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_TRUE(devices[0]->IsHub());
    EXPECT_EQ(devices[0]->GetDeviceClass(), 9);
    EXPECT_EQ(devices[0]->GetClassName(), "Hub");
    EXPECT_EQ(devices[0]->GetHubSymbolicName(), "1-3");
    EXPECT_EQ(devices[0]->GetPortNumber(), 3);
    EXPECT_EQ(devices[0]->GetSpeed(), 2);
    EXPECT_FALSE(devices[1]->IsHub());
    EXPECT_EQ(devices[1]->GetHubSymbolicName(), "");
}

TEST(UsbWalk, PortsAreWalkedDepthFirstInPortOrder)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 10, BootKeyboard());
    desktop.tree.AddDevice("usb1", 2, BootKeyboard());
    desktop.tree.AddDevice("usb1", 1, Hub(4));
    desktop.tree.AddDevice("1-1", 3, BootKeyboard());
    desktop.tree.AddDevice("1-1", 1, Hub(4));
    desktop.tree.AddDevice("1-1.1", 4, BootKeyboard());

    const Walk walk(desktop.tree, true);
    EXPECT_EQ(walk.Places(), (std::vector<std::string>{"usb1/1", "1-1/1", "1-1.1/4", "1-1/3", "usb1/2", "usb1/10"}));
}

struct StringRow {
    const char* name;
    std::optional<std::string> manufacturer;
    std::optional<std::string> product;
    std::optional<std::string> serial;
    std::string expectedManufacturer;
    std::string expectedProduct;
    std::string expectedSerial;
};

void PrintTo(const StringRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbWalkStrings : public testing::TestWithParam<StringRow> {};

TEST_P(UsbWalkStrings, ComeFromTheStringAttributes)
{
    Desktop desktop;
    FixtureDevice keyboard = BootKeyboard();
    keyboard.manufacturer = GetParam().manufacturer;
    keyboard.product = GetParam().product;
    keyboard.serial = GetParam().serial;
    desktop.tree.AddDevice("usb1", 1, keyboard);

    const Walk walk(desktop.tree);
    const UsbDevice& device = walk.OnlyDevice();
    EXPECT_EQ(device.GetManufacturer(), GetParam().expectedManufacturer);
    EXPECT_EQ(device.GetProduct(), GetParam().expectedProduct);
    EXPECT_EQ(device.GetSerialNumber(), GetParam().expectedSerial);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsbWalkStrings,
    testing::Values(
        StringRow{"Absent", std::nullopt, std::nullopt, std::nullopt, "-", "-", "-"},
        StringRow{"SerialStartingWithBrace", "Corvo", "Keyboard", std::string("{7A3C-11}"), "Corvo", "Keyboard", "123"},
        StringRow{"EmptyProduct", "Corvo", std::string(), std::nullopt, "Corvo", "", "-"},
        StringRow{"EmptySerial", std::nullopt, "Keyboard", std::string(), "-", "Keyboard", ""},
        StringRow{"Utf8Kept", "Gr\xc3\xb6\xc3\x9f" "e GmbH", "Tastatur \xe2\x9c\x93", std::string("\xc3\x89" "1"),
                  "Gr\xc3\xb6\xc3\x9f" "e GmbH", "Tastatur \xe2\x9c\x93", "\xc3\x89" "1"},
        StringRow{"BlanksKept", " Corvo ", "Key board  ", std::string(" 42"), " Corvo ", "Key board  ", "32"}),
    [](const testing::TestParamInfo<StringRow>& info) { return info.param.name; });

TEST(UsbWalk, ControllersComeInBusOrder)
{
    UsbSysfsTree tree;
    tree.AddRootHub(tree.AddPciController("0000:00:1a.0"), 10, RootHub(2));
    tree.AddRootHub(tree.AddPciController("0000:00:1d.7"), 2, RootHub(2));
    tree.AddRootHub(tree.AddPciController("0000:00:14.0"), 1, RootHub(2));

    const Walk walk(tree);
    ASSERT_EQ(walk.controllers.size(), 3u);
    EXPECT_EQ(walk.controllers[0]->GetBusNumber(), 1u);
    EXPECT_EQ(walk.controllers[0]->GetDeviceNumber(), 0x14);
    EXPECT_EQ(walk.controllers[1]->GetBusNumber(), 2u);
    EXPECT_EQ(walk.controllers[1]->GetDeviceNumber(), 0x1D);
    EXPECT_EQ(walk.controllers[1]->GetFunctionNumber(), 7);
    EXPECT_EQ(walk.controllers[2]->GetBusNumber(), 10u);
    EXPECT_EQ(walk.controllers[2]->GetHubNames(), std::vector<std::string>{"usb10"});
}

TEST(UsbWalk, EachRootHubOfAnXhciControllerIsARecord)
{
    UsbSysfsTree tree;
    const std::string controller = tree.AddPciController("0000:00:14.0");
    tree.AddRootHub(controller, 1, RootHub(12));
    tree.AddRootHub(controller, 2, RootHub(4, true));
    tree.AddDevice("usb1", 5, BootKeyboard());

    const Walk walk(tree);
    ASSERT_EQ(walk.controllers.size(), 2u);
    EXPECT_EQ(walk.controllers[0]->GetPath(), walk.controllers[1]->GetPath());
    EXPECT_EQ(walk.controllers[1]->GetDeviceNumber(), 0x14);
    EXPECT_EQ(walk.controllers[0]->GetHubNames(), std::vector<std::string>{"usb1"});
    EXPECT_EQ(walk.controllers[1]->GetHubNames(), std::vector<std::string>{"usb2"});
    EXPECT_EQ(walk.controllers[0]->GetUsbDevices().size(), 1u);
    EXPECT_TRUE(walk.controllers[1]->GetUsbDevices().empty());
}

TEST(UsbWalk, PlatformControllerHasNoPciNumbers)
{
    UsbSysfsTree tree;
    tree.AddRootHub(tree.AddPlatformController("xhci-hcd.0.auto"), 3, RootHub(1));
    tree.AddDevice("usb3", 1, BootKeyboard());

    const Walk walk(tree);
    ASSERT_EQ(walk.controllers.size(), 1u);
    EXPECT_EQ(walk.controllers[0]->GetPath(), tree.Root() + "/bus/platform/devices/xhci-hcd.0.auto");
    EXPECT_EQ(walk.controllers[0]->GetDeviceNumber(), 0);
    EXPECT_EQ(walk.controllers[0]->GetFunctionNumber(), 0);
    EXPECT_EQ(walk.OnlyDevice().GetDeviceProtocol(), 1);
}

TEST(UsbWalk, RootHubWithoutDriverIsListedWithoutDevices)
{
    UsbSysfsTree tree;
    FixtureDevice unbound = RootHub(4);
    unbound.driverBound = false;
    tree.AddRootHub(tree.AddPciController("0000:00:14.0"), 1, unbound);
    tree.AddDevice("usb1", 1, BootKeyboard());
    tree.AddRootHub(tree.AddPciController("0000:00:1d.0"), 2, RootHub(4));
    tree.AddDevice("usb2", 1, BootKeyboard());

    const Walk walk(tree);
    ASSERT_EQ(walk.controllers.size(), 2u);
    EXPECT_TRUE(walk.controllers[0]->GetUsbDevices().empty());
    EXPECT_TRUE(walk.controllers[0]->GetHubNames().empty());
    EXPECT_EQ(walk.controllers[1]->GetUsbDevices().size(), 1u);
}

TEST(UsbWalk, LinkBackUpTheTreeIsNotFollowed)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, Hub(4));
    desktop.tree.AddDevice("1-1", 2, BootKeyboard());
    // Port 1 of the hub "holds" the hub itself, and port 3 of the root hub the root hub.
    desktop.tree.Link("bus/usb/devices/1-1.1", desktop.tree.FolderOf("1-1"));
    desktop.tree.Link("bus/usb/devices/1-3", desktop.tree.FolderOf("usb1"));

    const Walk walk(desktop.tree, true);
    EXPECT_EQ(walk.Places(), (std::vector<std::string>{"usb1/1", "1-1/2"}));
}

TEST(UsbWalk, StaleLinkToAnotherPortIsNotFollowed)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 3, Hub(4));
    desktop.tree.AddDevice("1-3", 2, BootKeyboard());
    // "1-1" names port 1 of the root hub but leads to the keyboard on port 2 of hub 1-3.
    desktop.tree.Link("bus/usb/devices/1-1", desktop.tree.FolderOf("1-3.2"));

    const Walk walk(desktop.tree, true);
    EXPECT_EQ(walk.Places(), (std::vector<std::string>{"usb1/3", "1-3/2"}));
}

TEST(UsbWalk, LinkBackUpWithoutDevicePathIsKnownByItsNumbers)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, Hub(4));
    desktop.tree.AddDevice("1-1", 2, BootKeyboard());
    desktop.tree.Remove(desktop.tree.FolderOf("1-1") + "/devpath");
    desktop.tree.Link("bus/usb/devices/1-1.1", desktop.tree.FolderOf("1-1"));

    const Walk walk(desktop.tree, true);
    EXPECT_EQ(walk.Places(), (std::vector<std::string>{"usb1/1", "1-1/2"}));
}

TEST(UsbWalk, DeviceOfAnotherBusIsNotFollowed)
{
    UsbSysfsTree tree;
    const std::string controller = tree.AddPciController("0000:00:14.0");
    tree.AddRootHub(controller, 1, RootHub(4));
    tree.AddRootHub(controller, 2, RootHub(4, true));
    const std::string stray = tree.AddDevice("usb2", 1, BootKeyboard());
    // A stale entry: "1-1" leads to the device on bus 2, whose device path also reads "1".
    tree.Link("bus/usb/devices/1-1", tree.FolderOf(stray));

    const Walk walk(tree);
    ASSERT_EQ(walk.controllers.size(), 2u);
    EXPECT_TRUE(walk.controllers[0]->GetUsbDevices().empty());
    EXPECT_EQ(walk.controllers[1]->GetUsbDevices().size(), 1u);
}

TEST(UsbWalk, HubsNestedPastTheKernelsLimitAreNotWalked)
{
    Desktop desktop;
    std::string hub = "usb1";
    // Six hubs in a chain: the sixth sits six tiers below the root hub, where the kernel no
    // longer configures hubs, so its port is not walked.
    for (int tier = 1; tier <= 6; ++tier) {
        desktop.tree.AddDevice(hub, 2, BootKeyboard());
        hub = desktop.tree.AddDevice(hub, 1, Hub(4));
    }
    desktop.tree.AddDevice(hub, 1, BootKeyboard());

    const Walk walk(desktop.tree, true);
    // Per tier a hub and a keyboard; the keyboard below the sixth hub is left out.
    const std::vector<std::string> places = walk.Places();
    EXPECT_EQ(places.size(), 12u);
    EXPECT_NE(std::find(places.begin(), places.end(), "1-1.1.1.1.1/2"), places.end());
    EXPECT_EQ(std::find(places.begin(), places.end(), "1-1.1.1.1.1.1/1"), places.end());
}

TEST(UsbWalk, PortCountOf255IsWalked)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, Hub(255));
    desktop.tree.AddDevice("1-1", 255, BootKeyboard());

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().GetPortNumber(), 255);
}

struct PortCountRow {
    const char* name;
    const char* maxchild;
    std::size_t devices;
};

void PrintTo(const PortCountRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbWalkPortCount : public testing::TestWithParam<PortCountRow> {};

TEST_P(UsbWalkPortCount, OnlyAReadablePortCountIsWalked)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, Hub(4));
    desktop.tree.AddDevice("1-1", 3, BootKeyboard());
    desktop.tree.Write(desktop.tree.FolderOf("1-1") + "/maxchild", std::string(GetParam().maxchild));

    const Walk walk(desktop.tree, true);
    EXPECT_EQ(walk.AllDevices().size(), GetParam().devices);
}

INSTANTIATE_TEST_SUITE_P(Rows, UsbWalkPortCount,
                         testing::Values(PortCountRow{"Sound", "4\n", 2}, PortCountRow{"BelowThePort", "2\n", 1},
                                         PortCountRow{"Huge", "4294967295\n", 2},
                                         PortCountRow{"Overflow", "99999999999\n", 1},
                                         PortCountRow{"Negative", "-1\n", 1}, PortCountRow{"Text", "four\n", 1},
                                         PortCountRow{"Empty", "", 1}),
                         [](const testing::TestParamInfo<PortCountRow>& info) { return info.param.name; });

TEST(UsbWalk, TextAttributesStandInForMissingDescriptors)
{
    Desktop desktop;
    FixtureDevice receiver = BootKeyboard();
    receiver.binaryDescriptors = false;
    receiver.usbVersion = 0x0200;
    receiver.interfaces = {{3, 1, 2}, {3, 1, 1}};
    desktop.tree.AddDevice("usb1", 1, receiver);

    const Walk walk(desktop.tree);
    const UsbDevice& device = walk.OnlyDevice();
    EXPECT_EQ(device.GetVendorId(), 0x3A10);
    EXPECT_EQ(device.GetProductId(), 0x0011);
    EXPECT_EQ(device.GetUsbVersion(), UsbVersion(0x0200));
    EXPECT_EQ(device.GetDeviceClass(), 3);
    // Interface 0 comes first, as in the descriptor: here the mouse.
    EXPECT_EQ(device.GetDeviceProtocol(), 2);
}

struct BrokenDescriptorRow {
    const char* name;
    Bytes descriptors;
};

void PrintTo(const BrokenDescriptorRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbWalkBrokenDescriptors : public testing::TestWithParam<BrokenDescriptorRow> {};

// Whatever is wrong with the binary attribute, the text attributes and interface folders still
// describe the keyboard.
TEST_P(UsbWalkBrokenDescriptors, FallBackToTextAttributes)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, BootKeyboard());
    desktop.tree.Write(desktop.tree.FolderOf("1-1") + "/descriptors", GetParam().descriptors);

    const Walk walk(desktop.tree);
    const UsbDevice& device = walk.OnlyDevice();
    EXPECT_EQ(device.GetVendorId(), 0x3A10);
    EXPECT_EQ(device.GetUsbVersion(), UsbVersion(0x0110));
    EXPECT_EQ(device.GetDeviceClass(), 3);
    EXPECT_EQ(device.GetDeviceProtocol(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsbWalkBrokenDescriptors,
    testing::Values(BrokenDescriptorRow{"Empty", {}},
                    BrokenDescriptorRow{"Truncated", {18, 1, 0x10, 0x01, 0, 0, 0, 8, 0x6A, 0x04}},
                    BrokenDescriptorRow{"LengthZero", Concat({Bytes{0}, Bytes(17, 0)})}),
    [](const testing::TestParamInfo<BrokenDescriptorRow>& info) { return info.param.name; });

TEST(UsbWalk, BrokenConfigurationKeepsTheDeviceDescriptor)
{
    Desktop desktop;
    FixtureDevice keyboard = BootKeyboard();
    desktop.tree.AddDevice("usb1", 1, keyboard);
    DeviceFields fields;
    fields.vendorId = 0x0B0B;
    fields.usbVersion = 0x0200;
    // wTotalLength 0 ends the parse at the configuration; the interface folder still answers.
    desktop.tree.Write(desktop.tree.FolderOf("1-1") + "/descriptors",
                       Concat({DeviceDescriptor(fields), Configuration(1, KeyboardInterface(0), 0)}));

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().GetVendorId(), 0x0B0B);
    EXPECT_EQ(walk.OnlyDevice().GetUsbVersion(), UsbVersion(0x0200));
    EXPECT_EQ(walk.OnlyDevice().GetDeviceProtocol(), 1);
}

TEST(UsbWalk, UnreadableAttributesAreLeftOut)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, BootKeyboard());
    const std::string folder = desktop.tree.FolderOf("1-1");
    // A folder where a file belongs cannot be read, whoever runs the test.
    desktop.tree.Remove(folder + "/manufacturer");
    std::filesystem::create_directories(desktop.tree.Root() + "/" + folder + "/manufacturer");
    desktop.tree.Remove(folder + "/speed");
    std::filesystem::create_directories(desktop.tree.Root() + "/" + folder + "/speed");

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().GetManufacturer(), "-");
    EXPECT_EQ(walk.OnlyDevice().GetProduct(), "Corvo Keyboard");
    EXPECT_EQ(walk.OnlyDevice().GetSpeed(), 0xFF);
}

TEST(UsbWalk, DanglingDeviceLinkIsSkipped)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 2, BootKeyboard());
    desktop.tree.Link("bus/usb/devices/1-1", desktop.tree.FolderOf("usb1") + "/1-1-gone");

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().GetPortNumber(), 2);
}

struct PortPropertyRow {
    const char* name;
    std::string connectType;
    std::string removable;
    bool userConnectable;
};

void PrintTo(const PortPropertyRow& row, std::ostream* stream)
{
    *stream << row.name;
}

class UsbWalkPortProperties : public testing::TestWithParam<PortPropertyRow> {};

TEST_P(UsbWalkPortProperties, UserConnectableFromConnectTypeThenRemovable)
{
    Desktop desktop;
    FixtureDevice keyboard = BootKeyboard();
    keyboard.connectType = GetParam().connectType;
    keyboard.removable = GetParam().removable;
    desktop.tree.AddDevice("usb1", 1, keyboard);

    const Walk walk(desktop.tree);
    EXPECT_EQ(walk.OnlyDevice().IsUserConnectable(), GetParam().userConnectable);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsbWalkPortProperties,
    testing::Values(PortPropertyRow{"Hotplug", "hotplug", "fixed", true},
                    PortPropertyRow{"Hardwired", "hardwired", "removable", false},
                    PortPropertyRow{"NotUsed", "not used", "removable", false},
                    PortPropertyRow{"UnknownRemovable", "unknown", "removable", true},
                    PortPropertyRow{"UnknownFixed", "unknown", "fixed", false},
                    PortPropertyRow{"UnknownUnknown", "unknown", "unknown", false},
                    PortPropertyRow{"NoConnectTypeRemovable", "", "removable", true}),
    [](const testing::TestParamInfo<PortPropertyRow>& info) { return info.param.name; });

TEST(UsbWalk, TypeCConnectorAndPeerPortAreReported)
{
    UsbSysfsTree tree;
    const std::string controller = tree.AddPciController("0000:00:14.0");
    tree.AddRootHub(controller, 1, RootHub(4));
    tree.AddRootHub(controller, 2, RootHub(4, true));
    tree.AddDevice("usb1", 2, BootKeyboard());
    tree.Write("devices/pci0000:00/0000:00:14.0/typec/port0/data_role", "[host] device\n");
    tree.Link(tree.PortFolder("usb1", 2) + "/connector", "devices/pci0000:00/0000:00:14.0/typec/port0");
    std::filesystem::create_directories(tree.Root() + "/" + tree.PortFolder("usb2", 3));
    tree.Link(tree.PortFolder("usb1", 2) + "/peer", tree.PortFolder("usb2", 3));

    const Walk walk(tree);
    EXPECT_TRUE(walk.OnlyDevice().IsTypeC());
    EXPECT_EQ(walk.OnlyDevice().GetCompanion(), 3);
    EXPECT_EQ(walk.OnlyDevice().GetCompanions(), 0u);
}

TEST(UsbWalk, PortFolderIsFoundWithoutThePortLink)
{
    Desktop desktop;
    FixtureDevice keyboard = BootKeyboard();
    keyboard.connectType = "hardwired";
    keyboard.removable = "removable";
    desktop.tree.AddDevice("usb1", 1, keyboard);
    desktop.tree.Remove(desktop.tree.FolderOf("1-1") + "/port");

    const Walk walk(desktop.tree);
    EXPECT_FALSE(walk.OnlyDevice().IsUserConnectable());
}

TEST(UsbWalk, EmptyTreeHasNoControllers)
{
    const UsbSysfsTree tree;
    UsbComponentLinux component(tree.Root());
    EXPECT_FALSE(component.HasHostController());
    std::vector<UsbHostControllerDevice*> controllers;
    EXPECT_EQ(component.GetHostControllers(controllers).code, 0u);
    EXPECT_TRUE(controllers.empty());
}

TEST(UsbWalk, HasHostControllerSeesARootHub)
{
    Desktop desktop;
    UsbComponentLinux component(desktop.tree.Root());
    EXPECT_TRUE(component.HasHostController());
}

TEST(UsbWalk, WalksAppendToTheCallersList)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, BootKeyboard());
    UsbComponentLinux component(desktop.tree.Root());
    std::vector<UsbHostControllerDevice*> controllers;
    component.GetHostControllers(controllers);
    component.GetHostControllers(controllers);
    ASSERT_EQ(controllers.size(), 2u);
    // Each walk makes its own objects.
    EXPECT_NE(controllers[0]->GetUsbDevices().front(), controllers[1]->GetUsbDevices().front());
    component.ReleaseHostControllers(controllers);
    EXPECT_TRUE(controllers.empty());
}

// The keyboard component keeps the keyboards and deletes the controllers and everything else
// itself; ASan reports any record that still points into a freed one.
TEST(UsbWalk, KeptDevicesOutliveTheirControllers)
{
    Desktop desktop;
    desktop.tree.AddDevice("usb1", 1, Hub(4));
    desktop.tree.AddDevice("1-1", 1, BootKeyboard());
    UsbComponentLinux component(desktop.tree.Root());
    component.SetIncludeHubs(true);
    std::vector<UsbHostControllerDevice*> controllers;
    component.GetHostControllers(controllers);
    std::vector<UsbDevice*> kept;
    for (UsbHostControllerDevice* controller : controllers) {
        for (UsbDevice* device : controller->GetUsbDevices()) {
            if (device->IsHub()) {
                delete device;
            } else {
                kept.push_back(device);
            }
        }
        controller->SetUsbDevices({});
        delete controller;
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept.front()->GetProduct(), "Corvo Keyboard");
    EXPECT_EQ(kept.front()->GetPath(), desktop.tree.Root() + "/bus/usb/devices/1-1");
    delete kept.front();
}

TEST(UsbWalk, FactoryWalksTheRunningSystem)
{
    if (!std::filesystem::exists("/sys/bus/usb/devices")) {
        GTEST_SKIP() << "this kernel shows no USB bus";
    }
    const std::unique_ptr<UsbComponent> component = CreateUsbComponent();
    ASSERT_NE(component, nullptr);
    EXPECT_FALSE(component->GetIncludeHubs());
    std::vector<UsbHostControllerDevice*> controllers;
    EXPECT_EQ(component->GetHostControllers(controllers).code, 0u);
    EXPECT_EQ(component->HasHostController(), !controllers.empty());
    for (const UsbHostControllerDevice* controller : controllers) {
        EXPECT_EQ(controller->GetKind(), 4u);
        for (const UsbDevice* device : controller->GetUsbDevices()) {
            EXPECT_GE(device->GetPortNumber(), 1);
            EXPECT_FALSE(device->IsHub());
        }
    }
    component->ReleaseHostControllers(controllers);
}

} // namespace
