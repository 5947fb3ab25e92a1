// The first keyboard among the input devices and the version of its driver, on sysfs trees.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/linux/KeyboardClassDriverLinux.h"

namespace {

namespace fs = std::filesystem;
using corvo::platform::KeyboardClassDriverLinux;
using corvo::platform::SysfsReader;

// Key capability words as the kernel prints them: a full keyboard has KEY_ESC..KEY_D in the last.
constexpr char kKeyboardKeys[] = "402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe";
constexpr char kPowerButtonKeys[] = "10000000000000 0";
constexpr char kMediaKeys[] = "2000000 0 0 1c000000000000";

class SysfsTree {
public:
    SysfsTree() { EXPECT_TRUE(m_folder.isValid()); }

    std::string Root() const { return m_folder.path().toStdString(); }

    void Write(const std::string& relative, const std::string& text)
    {
        const fs::path path = fs::path(Root()) / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }

    void Link(const std::string& relative, const std::string& target)
    {
        const fs::path path = fs::path(Root()) / relative;
        fs::create_directories(path.parent_path());
        fs::create_directory_symlink(target, path);
    }

    // An input device under a parent device bound to driver, whose module (if any) is named.
    void AddInput(const std::string& input, const std::string& keys, const std::string& driver,
                  const std::string& module)
    {
        const std::string device = "devices/platform/" + input + "-parent";
        Write(device + "/" + input + "/capabilities/key", std::string(keys) + "\n");
        Link("class/input/" + input, "../../" + device + "/" + input);
        Link(device + "/" + input + "/device", "..");
        const std::string driverFolder = "bus/platform/drivers/" + driver;
        fs::create_directories(fs::path(Root()) / driverFolder);
        Link(device + "/driver", "../../../" + driverFolder);
        if (!module.empty()) {
            fs::create_directories(fs::path(Root()) / "module" / module);
            Link(driverFolder + "/module", "../../../../module/" + module);
        }
    }

private:
    QTemporaryDir m_folder;
};

TEST(KeyboardClassDriverLinuxTest, ModuleVersionOfTheFirstKeyboardWins)
{
    SysfsTree tree;
    tree.AddInput("input0", kPowerButtonKeys, "button", "");
    tree.AddInput("input3", kKeyboardKeys, "vendorkbd", "vendorkbd");
    tree.Write("module/vendorkbd/version", "2.4.1\n");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    EXPECT_EQ(driver.FirstKeyboardInput(), "input3");
    std::string version;
    ASSERT_TRUE(driver.QueryDriverVersion(version));
    EXPECT_EQ(version, "2.4.1");
}

TEST(KeyboardClassDriverLinuxTest, BuiltInDriverReportsTheKernelRelease)
{
    SysfsTree tree;
    tree.AddInput("input1", kKeyboardKeys, "atkbd", "");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    std::string version;
    ASSERT_TRUE(driver.QueryDriverVersion(version));
    EXPECT_EQ(version, "6.1.0-test");
}

TEST(KeyboardClassDriverLinuxTest, InTreeModuleWithoutItsOwnVersionReportsTheKernelRelease)
{
    SysfsTree tree;
    tree.AddInput("input1", kKeyboardKeys, "hid-generic", "hid_generic");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    std::string version;
    ASSERT_TRUE(driver.QueryDriverVersion(version));
    EXPECT_EQ(version, "6.1.0-test");
}

TEST(KeyboardClassDriverLinuxTest, InputsAreOrderedByNumberNotByName)
{
    SysfsTree tree;
    tree.AddInput("input10", kKeyboardKeys, "second", "");
    tree.AddInput("input2", kKeyboardKeys, "first", "first");
    tree.Write("module/first/version", "1.0\n");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    EXPECT_EQ(driver.FirstKeyboardInput(), "input2");
}

TEST(KeyboardClassDriverLinuxTest, NoKeyboardAmongTheInputsIsAFailure)
{
    SysfsTree tree;
    tree.AddInput("input0", kPowerButtonKeys, "button", "");
    tree.AddInput("input1", kMediaKeys, "remote", "");
    tree.Write("class/input/mice/dev", "13:63\n");
    tree.Write("class/input/input7/capabilities/key", "not hexadecimal\n");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    std::string version = "unchanged";
    EXPECT_FALSE(driver.QueryDriverVersion(version));
    EXPECT_EQ(version, "unchanged");
}

TEST(KeyboardClassDriverLinuxTest, KeyboardWithoutABoundDriverIsAFailure)
{
    SysfsTree tree;
    tree.Write("class/input/input4/capabilities/key", std::string(kKeyboardKeys) + "\n");
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    EXPECT_EQ(driver.FirstKeyboardInput(), "input4");
    std::string version;
    EXPECT_FALSE(driver.QueryDriverVersion(version));
}

TEST(KeyboardClassDriverLinuxTest, MachineWithoutInputClassIsAFailure)
{
    SysfsTree tree;
    KeyboardClassDriverLinux driver(SysfsReader(tree.Root()), "6.1.0-test");
    std::string version;
    EXPECT_FALSE(driver.QueryDriverVersion(version));
}

} // namespace
