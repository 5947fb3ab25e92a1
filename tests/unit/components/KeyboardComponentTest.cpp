// Keyboard detection: device entries for PS/2 and USB keyboards, indices, driver versions, who owns
// the USB device objects, the keys released after a test; and the first keyboard among the input
// devices with the version of its driver, on sysfs trees.
#include <gtest/gtest.h>

#include "../../support/ScratchFolder.h"
#include "KeyboardFixture.h"
#include "components/KeyboardComponent.h"
#include "components/KeyboardComponentManager.h"
#include "platform/linux/KeyboardClassDriverLinux.h"

namespace {

using fakeusb::DeviceFacts;

// "INDEX=1 PS2_KEYBOARD=...; INDEX=2 ...": every entry's properties in order.
std::string Describe(const std::vector<DeviceEntry>& devices)
{
    std::string text;
    for (const DeviceEntry& entry : devices) {
        text += text.empty() ? "" : "; ";
        EXPECT_EQ(entry.name, "KEYBOARD_DEVICE_NAME");
        for (const auto& [name, value] : entry.properties) {
            text += (text.empty() || text.back() == ' ' ? "" : " ") + name + "=" + value;
        }
    }
    return text;
}

const std::string kAcme =
    "USB_KEYBOARD_VENDOR_ID=4660 USB_KEYBOARD_PRODUCT_ID=43981 USB_KEYBOARD=[Acme Input - Acme Keyboard]";
const std::string kPs2 = "INDEX=1 PS2_KEYBOARD=PS2_KEYBOARD_DETECTED_STATUS";

struct DetectionRow {
    const char* name;
    std::vector<std::size_t> firmwareFlags;
    const char* driverVersion;
    std::vector<std::vector<DeviceFacts>> controllers;
    uint32_t walkError;
    std::string devices;
};

// Class, subclass, protocol, ids and strings; a hub that claims the keyboard class shows that hubs
// are left out of the walk.
const DeviceFacts kMouse{3, 1, 2};
const DetectionRow kMachines[] = {
    {"OnlyAMouse", {}, "", {{kMouse}}, 0, ""},
    {"Ps2AndTwoUsbKeyboardsFromOneInThatOrder", {13}, "6.1-21", {{DeviceFacts{}, kMouse}, {{3, 1, 1, 1, 2, "N", "Pad"}}}, 0,
     kPs2 + " DRIVER_VERSION=6.1-21; INDEX=2 " + kAcme + " DRIVER_VERSION=6.1-21; INDEX=3 USB_KEYBOARD_VENDOR_ID=1 "
         "USB_KEYBOARD_PRODUCT_ID=2 USB_KEYBOARD=[N - Pad] DRIVER_VERSION=6.1-21"},
    {"Ps2FirmwareFlagAt9", {9}, "", {}, 0, kPs2},
    {"Ps2FirmwareFlagAt10WithAUsbKeyboard", {10}, "", {{DeviceFacts{}}}, 0, kPs2 + "; INDEX=2 " + kAcme},
    {"OtherFirmwareBytesMeanNoPs2Keyboard", {8, 11, 12, 14}, "", {}, 0, ""},
    {"NoStringDescriptorsShowDashes", {}, "", {{{3, 1, 1, 1, 2, "-", "-"}}}, 0,
     "INDEX=1 USB_KEYBOARD_VENDOR_ID=1 USB_KEYBOARD_PRODUCT_ID=2 USB_KEYBOARD=[- - -]"},
    {"OnlyHidBootKeyboards", {}, "", {{kMouse, {0xFF, 1, 1}, {3, 1, 0}, {3, 1, 1, 1, 2, "Hub", "Hub", "-", true}, {}}}, 0,
     "INDEX=1 " + kAcme},
    {"FailedWalkLeavesNoKeyboards", {}, "", {{DeviceFacts{}}}, 5, ""},
};

TEST(KeyboardDetection, ListsThePs2KeyboardThenEachUsbBootKeyboard)
{
    for (const DetectionRow& row : kMachines) {
        SCOPED_TRACE(row.name);
        keyboardtest::ScriptedMachine machine;
        for (std::size_t offset : row.firmwareFlags) {
            machine.SetPs2Flag(offset);
        }
        machine.classDriver.version = row.driverVersion;
        machine.usb->controllers = row.controllers;
        machine.usb->errorCode = row.walkError;
        auto keyboard = std::make_unique<KeyboardComponent>("0", machine.Platform());
        keyboard->DetectKeyboards();
        const std::vector<DeviceEntry> devices = keyboard->GetDevices();
        EXPECT_EQ(Describe(devices), row.devices);
        EXPECT_EQ(fakeusb::LiveDevices().load(), static_cast<int>(keyboard->GetUsbKeyboards().size())) << "others freed";
        EXPECT_EQ(KeyboardComponentManager(ObjectId(10, 0, 0), machine.Platform()).IsDevicePresent(), !devices.empty());
        // The version is asked afresh for every entry.
        EXPECT_EQ(machine.classDriver.queries, static_cast<int>(devices.size()));
        std::string version = "unchanged";
        EXPECT_EQ(keyboard->QueryDriverVersion(version), *row.driverVersion ? 0u : 128u);
        EXPECT_EQ(version, *row.driverVersion ? row.driverVersion : "unchanged");
        keyboard.reset();
        EXPECT_EQ(fakeusb::LiveDevices().load(), 0) << "device objects leaked";
    }
}

TEST(KeyboardComponentManager, KeepsExactlyOneComponentAndStartsItsIndicesAgain)
{
    keyboardtest::ScriptedMachine machine;
    machine.usb->controllers = {{DeviceFacts{}, DeviceFacts{}}};
    KeyboardComponentManager manager(ObjectId(10, 0, 0), machine.Platform());
    manager.DetectComponents();
    manager.DetectComponents();
    ASSERT_EQ(manager.GetComponentCount(), 1u);
    SystemComponent* component = manager.GetComponentByIndex(0);
    ASSERT_NE(component, nullptr);
    EXPECT_EQ(Describe(component->GetDevices()), "INDEX=1 " + kAcme + "; INDEX=2 " + kAcme);
    const ComponentSummary summary = component->GetSummary();
    EXPECT_EQ(summary.attributes, (PropertyList{{"UDI", "KEYBOARD_DEVICE_NAME"}})) << "not appended twice";
}

TEST(KeyboardComponent, ReleaseLeavesTheMouseButtonsDown)
{
    keyboardtest::ScriptedMachine machine;
    KeyboardComponent keyboard("0", machine.Platform());
    // Virtual keys 1, 2 and 4 to 6 are mouse buttons; 3 is Cancel.
    for (uint8_t code : {1, 2, 3, 4, 5, 6, 7, 0x1B, 0x41, 0xFF}) {
        machine.keyState.Press(code);
    }
    EXPECT_TRUE(keyboard.ReleasePressedKeys());
    EXPECT_EQ(machine.keyState.released, (std::vector<uint8_t>{3, 7, 0x1B, 0x41, 0xFF}));
}

using namespace std::string_literals;

// Key capability words as the kernel prints them: a full keyboard has KEY_ESC..KEY_D in the last.
constexpr char kKeyboard[] = "402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe";
constexpr char kPowerButton[] = "10000000000000 0";
constexpr char kMediaKeys[] = "2000000 0 0 1c000000000000";

// An input device; with a driver, under a parent device bound to it, whose module (if any) has a version.
struct Input {
    const char* name;
    const char* keys; // empty: a node without key capabilities
    const char* driver;
    const char* module;
    const char* moduleVersion;
};

struct TreeRow {
    const char* name;
    std::vector<Input> inputs;
    const char* firstKeyboard; // empty: none
    const char* version;       // empty: the query fails
};

const TreeRow kTrees[] = {
    {"ModuleVersionOfTheFirstKeyboardWins",
     {{"input0", kPowerButton, "button", "", ""}, {"input3", kKeyboard, "vendorkbd", "vendorkbd", "2.4.1"}},
     "input3", "2.4.1"},
    {"BuiltInDriverReportsTheKernelRelease", {{"input1", kKeyboard, "atkbd", "", ""}}, "input1", "6.1.0-test"},
    {"InTreeModuleWithoutItsOwnVersionReportsTheKernelRelease", {{"input1", kKeyboard, "hid-generic", "hid_generic", ""}},
     "input1", "6.1.0-test"},
    {"InputsAreOrderedByNumberNotByName",
     {{"input10", kKeyboard, "second", "", ""}, {"input2", kKeyboard, "first", "first", "1.0"}}, "input2", "1.0"},
    {"NoKeyboardAmongTheInputs",
     {{"input0", kPowerButton, "button", "", ""}, {"input1", kMediaKeys, "remote", "", ""}, {"mice", "", "", "", ""},
      {"input7", "not hexadecimal", "", "", ""}},
     "", ""},
    {"KeyboardWithoutABoundDriver", {{"input4", kKeyboard, "", "", ""}}, "input4", ""},
    {"NoInputClass", {}, "", ""},
};

TEST(KeyboardClassDriverLinux, FindsTheFirstKeyboardAndItsDriverVersionOnSysfsTrees)
{
    for (const TreeRow& row : kTrees) {
        SCOPED_TRACE(row.name);
        const ScratchFolder tree;
        for (const Input& input : row.inputs) {
            const std::string name = input.name;
            if (*input.driver == '\0') {
                const bool keys = *input.keys != '\0';
                tree.Add("class/input/" + name + (keys ? "/capabilities/key" : "/dev"), (keys ? input.keys : "13:63") + "\n"s);
                continue;
            }
            const std::string device = "devices/platform/" + name + "-parent";
            const std::string driver = std::string("bus/platform/drivers/") + input.driver;
            tree.Add(device + "/" + name + "/capabilities/key", input.keys + "\n"s);
            tree.Add("class/input/" + name, "->../../" + device + "/" + name);
            tree.Add(device + "/" + name + "/device", "->..");
            tree.Add(driver + "/");
            tree.Add(device + "/driver", "->../../../" + driver);
            if (*input.module != '\0') {
                tree.Add("module/"s + input.module + (*input.moduleVersion ? "/version" : "/"), input.moduleVersion + "\n"s);
                tree.Add(driver + "/module", "->../../../../module/"s + input.module);
            }
        }
        corvo::platform::KeyboardClassDriverLinux driver(corvo::platform::SysfsReader(tree.Root()), "6.1.0-test");
        EXPECT_EQ(driver.FirstKeyboardInput().value_or(""), row.firstKeyboard);
        std::string version = "unchanged";
        EXPECT_EQ(driver.QueryDriverVersion(version), *row.version != '\0');
        EXPECT_EQ(version, *row.version ? row.version : "unchanged");
    }
}

} // namespace
