// Keyboard detection: device entries for PS/2 and USB keyboards, indices, driver versions, and
// who owns the USB device objects.
#include <gtest/gtest.h>

#include "KeyboardFixture.h"
#include "components/KeyboardComponent.h"
#include "components/KeyboardComponentManager.h"
#include "usb/UsbDevice.h"

namespace {

using fakeusb::DeviceFacts;
using keyboardtest::ScriptedMachine;

const PropertyPair kUdi{"UDI", "KEYBOARD_DEVICE_NAME"};

DeviceFacts Mouse()
{
    DeviceFacts facts;
    facts.protocol = 2;
    facts.product = "Acme Mouse";
    return facts;
}

std::string Value(const DeviceEntry& entry, const std::string& key)
{
    for (const auto& [name, value] : entry.properties) {
        if (name == key) {
            return value;
        }
    }
    return "(absent)";
}

class KeyboardComponentTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(fakeusb::LiveDevices().load(), 0) << "device objects leaked"; }

    ScriptedMachine m_machine;
};

TEST_F(KeyboardComponentTest, MachineWithoutKeyboardsHasOneEmptyComponent)
{
    m_machine.usb->controllers = {{Mouse()}};
    KeyboardComponentManager manager(ObjectId(10, 0, 0), m_machine.Platform());
    EXPECT_FALSE(manager.IsDevicePresent());
    EXPECT_EQ(manager.GetComponentCount(), 0u);
    EXPECT_EQ(manager.GetComponent(0), nullptr);

    manager.DetectComponents();
    ASSERT_EQ(manager.GetComponentCount(), 1u);
    SystemComponent* component = manager.GetComponent(0);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(manager.GetComponentByIndex(0), component);
    EXPECT_EQ(manager.GetComponent(1), nullptr);
    EXPECT_EQ(component->GetId(), "0");
    EXPECT_TRUE(component->GetDevices().empty());
    const ComponentSummary summary = component->GetSummary();
    EXPECT_EQ(summary.typeName, "KEYBOARD_DEVICE_NAME");
    EXPECT_EQ(summary.secondaryText, "");
    EXPECT_EQ(summary.attributes, PropertyList{kUdi});
    EXPECT_TRUE(summary.properties.empty());
}

TEST_F(KeyboardComponentTest, Ps2AndTwoUsbKeyboardsAreIndexedFromOneInThatOrder)
{
    m_machine.SetPs2Flag(13);
    m_machine.classDriver.version = "6.1.0-21-amd64";
    DeviceFacts second;
    second.vendorId = 0x0001;
    second.productId = 0x0002;
    second.manufacturer = "Northwind";
    second.product = "Compact";
    m_machine.usb->controllers = {{DeviceFacts{}, Mouse()}, {second}};

    KeyboardComponent keyboard("0", m_machine.Platform());
    EXPECT_TRUE(keyboard.IsPs2KeyboardPresent());
    keyboard.DetectKeyboards();
    const std::vector<DeviceEntry> devices = keyboard.GetDevices();
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[0].name, "KEYBOARD_DEVICE_NAME");
    EXPECT_EQ(devices[0].properties,
              (PropertyList{{"INDEX", "1"}, {"PS2_KEYBOARD", "PS2_KEYBOARD_DETECTED_STATUS"},
                            {"DRIVER_VERSION", "6.1.0-21-amd64"}}));
    EXPECT_EQ(devices[1].properties,
              (PropertyList{{"INDEX", "2"}, {"USB_KEYBOARD_VENDOR_ID", "4660"}, {"USB_KEYBOARD_PRODUCT_ID", "43981"},
                            {"USB_KEYBOARD", "[Acme Input - Acme Keyboard]"}, {"DRIVER_VERSION", "6.1.0-21-amd64"}}));
    EXPECT_EQ(Value(devices[2], "INDEX"), "3");
    EXPECT_EQ(Value(devices[2], "USB_KEYBOARD_VENDOR_ID"), "1");
    EXPECT_EQ(Value(devices[2], "USB_KEYBOARD"), "[Northwind - Compact]");
    // The version is asked afresh for every entry.
    EXPECT_EQ(m_machine.classDriver.queries, 3);
}

class Ps2FlagTest : public KeyboardComponentTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(Ps2FlagTest, AnyOfTheThreeFirmwareFlagsMeansAPs2Keyboard)
{
    KeyboardComponent keyboard("0", m_machine.Platform());
    EXPECT_FALSE(keyboard.IsPs2KeyboardPresent());
    m_machine.SetPs2Flag(GetParam());
    EXPECT_TRUE(keyboard.IsPs2KeyboardPresent());
    KeyboardComponentManager manager(ObjectId(10, 0, 0), m_machine.Platform());
    EXPECT_TRUE(manager.IsDevicePresent());
}

INSTANTIATE_TEST_SUITE_P(Offsets, Ps2FlagTest, ::testing::Values(9u, 10u, 13u));

TEST_F(KeyboardComponentTest, OtherFirmwareBytesDoNotMeanAPs2Keyboard)
{
    for (std::size_t offset : {8u, 11u, 12u, 14u}) {
        m_machine.SetPs2Flag(offset);
    }
    KeyboardComponent keyboard("0", m_machine.Platform());
    EXPECT_FALSE(keyboard.IsPs2KeyboardPresent());
}

TEST_F(KeyboardComponentTest, KeyboardWithoutStringDescriptorsShowsDashes)
{
    DeviceFacts bare;
    bare.manufacturer = "-";
    bare.product = "-";
    m_machine.usb->controllers = {{bare}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    keyboard.DetectKeyboards();
    ASSERT_EQ(keyboard.GetDevices().size(), 1u);
    EXPECT_EQ(Value(keyboard.GetDevices()[0], "USB_KEYBOARD"), "[- - -]");
}

TEST_F(KeyboardComponentTest, WithoutADriverVersionNoEntryCarriesOne)
{
    m_machine.SetPs2Flag(9);
    m_machine.usb->controllers = {{DeviceFacts{}}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    keyboard.DetectKeyboards();
    ASSERT_EQ(keyboard.GetDevices().size(), 2u);
    for (const DeviceEntry& entry : keyboard.GetDevices()) {
        EXPECT_EQ(Value(entry, "DRIVER_VERSION"), "(absent)");
    }
    std::string version = "unchanged";
    EXPECT_EQ(keyboard.QueryDriverVersion(version), 128u);
    EXPECT_EQ(version, "unchanged");
}

TEST_F(KeyboardComponentTest, OnlyHidBootKeyboardsAreKept)
{
    DeviceFacts vendorSpecific;
    vendorSpecific.deviceClass = 0xFF;
    vendorSpecific.protocol = 1;
    DeviceFacts keyboardWithoutBootProtocol;
    keyboardWithoutBootProtocol.protocol = 0;
    m_machine.usb->controllers = {{Mouse(), vendorSpecific, keyboardWithoutBootProtocol, DeviceFacts{}}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    ASSERT_EQ(keyboard.GetUsbKeyboards().size(), 1u);
    EXPECT_EQ(keyboard.GetUsbKeyboards()[0]->GetProduct(), "Acme Keyboard");
    EXPECT_EQ(fakeusb::LiveDevices().load(), 1) << "the others were freed at once";
}

TEST_F(KeyboardComponentTest, FailedWalkLeavesNoKeyboards)
{
    m_machine.usb->controllers = {{DeviceFacts{}}};
    m_machine.usb->errorCode = 5;
    KeyboardComponent keyboard("0", m_machine.Platform());
    EXPECT_TRUE(keyboard.GetUsbKeyboards().empty());
}

TEST_F(KeyboardComponentTest, RefreshReplacesTheKeyboardObjectsWithThoseAttachedNow)
{
    m_machine.usb->controllers = {{DeviceFacts{}, DeviceFacts{}}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    EXPECT_EQ(keyboard.GetUsbKeyboards().size(), 2u);
    m_machine.usb->controllers = {{DeviceFacts{}}};
    keyboard.RefreshUsbKeyboards();
    EXPECT_EQ(keyboard.GetUsbKeyboards().size(), 1u);
    EXPECT_EQ(fakeusb::LiveDevices().load(), 1);
    EXPECT_EQ(m_machine.usb->walks, 2);
}

TEST_F(KeyboardComponentTest, SecondDetectionStartsTheIndicesAgainAndKeepsOneComponent)
{
    m_machine.usb->controllers = {{DeviceFacts{}, DeviceFacts{}}};
    KeyboardComponentManager manager(ObjectId(10, 0, 0), m_machine.Platform());
    manager.DetectComponents();
    manager.DetectComponents();
    ASSERT_EQ(manager.GetComponentCount(), 1u);
    const std::vector<DeviceEntry> devices = manager.GetComponent(0)->GetDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(Value(devices[0], "INDEX"), "1");
    EXPECT_EQ(Value(devices[1], "INDEX"), "2");
    EXPECT_EQ(manager.GetComponent(0)->GetSummary().attributes, PropertyList{kUdi}) << "not appended twice";
}

TEST_F(KeyboardComponentTest, RecordsHandedOutAreCopies)
{
    m_machine.usb->controllers = {{DeviceFacts{}}};
    KeyboardComponent keyboard("0", m_machine.Platform());
    keyboard.DetectKeyboards();
    std::vector<DeviceEntry> devices = keyboard.GetDevices();
    devices[0].properties.clear();
    ComponentSummary summary = keyboard.GetSummary();
    summary.attributes.clear();
    EXPECT_EQ(keyboard.GetDevices()[0].properties.size(), 4u);
    EXPECT_EQ(keyboard.GetSummary().attributes.size(), 1u);
}

TEST_F(KeyboardComponentTest, HostSlotsGiveTheirConstants)
{
    KeyboardComponent keyboard("0", m_machine.Platform());
    SystemComponent& component = keyboard;
    EXPECT_FALSE(component.HostQuery5());
    EXPECT_TRUE(component.HostQuery6());
    EXPECT_TRUE(component.HostQuery7());
    EXPECT_TRUE(component.HostQuery9());
    EXPECT_FALSE(keyboard.HasDriverService());
    EXPECT_EQ(keyboard.DriverServiceProblem(), "no plug-in in this test");
}

} // namespace
