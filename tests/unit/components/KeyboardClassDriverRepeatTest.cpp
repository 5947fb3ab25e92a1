// The first keyboard's repeat setting is programmed anew through its event device, against a model
// of the kernel that passes a write on to the keyboard only when it changes the setting it holds.
#include <gtest/gtest.h>

#include "../../support/ScratchFolder.h"
#include "platform/linux/EvdevRepeatNode.h"
#include "platform/linux/KeyboardClassDriverLinux.h"

namespace {

using corvo::platform::EvdevRepeat;

// The kernel's side of the keyboard's event device. The requests it refuses go by kind and count:
// "read1" is the first EVIOCGREP, "write2" the second EVIOCSREP, "open" the node itself; "skew2"
// makes the second read answer another setting.
struct Kernel {
    EvdevRepeat held;
    std::string refused;
    std::string programmed; // what reached the keyboard, in order
    int reads = 0, writes = 0;

    bool Refuses(const std::string& request) const
    {
        return (" " + refused + " ").find(" " + request + " ") != std::string::npos;
    }
};

std::string Text(const EvdevRepeat& repeat)
{
    return std::to_string(repeat.delayMs) + "/" + std::to_string(repeat.periodMs);
}

class ModelledNode : public corvo::platform::EvdevRepeatDevice {
public:
    explicit ModelledNode(Kernel& kernel) : m_kernel(kernel) {}
    bool ReadRepeat(EvdevRepeat& repeat) override
    {
        const std::string count = std::to_string(++m_kernel.reads);
        repeat = {m_kernel.held.delayMs + (m_kernel.Refuses("skew" + count) ? 1 : 0), m_kernel.held.periodMs};
        return !m_kernel.Refuses("read" + count);
    }
    bool WriteRepeat(const EvdevRepeat& repeat) override
    {
        if (m_kernel.Refuses("write" + std::to_string(++m_kernel.writes))) {
            return false;
        }
        m_kernel.programmed += repeat == m_kernel.held ? "" : (m_kernel.programmed.empty() ? "" : " ") + Text(repeat);
        m_kernel.held = repeat;
        return true;
    }

private:
    Kernel& m_kernel;
};

struct RepeatRow {
    const char* name;
    EvdevRepeat held;
    const char* refused;
    bool restored;
    const char* programmed;
    const char* left; // the setting the kernel holds afterwards
} const kRows[] = {
    {"FastSettingReachesTheKeyboardThroughASlowerOne", {250, 33}, "", true, "500/66 250/33", "250/33"},
    {"NodeDoesNotOpen", {250, 33}, "open", false, "", "250/33"},
    {"SettingUnreadable", {250, 33}, "read1", false, "", "250/33"},
    {"NeighbourRefusedLeavesTheKeyboardAlone", {500, 100}, "write1", false, "", "500/100"},
    {"PutBackRefusedOnceIsTriedAgain", {500, 100}, "write2", false, "250/67 500/100", "500/100"},
    {"PutBackRefusedTwiceIsAFailure", {1000, 500}, "write2 write3", false, "750/467", "750/467"},
    {"ReadBackDiffers", {250, 33}, "skew2", false, "500/66 250/33", "250/33"},
};

TEST(KeyboardClassDriverLinux, ProgramsTheFirstKeyboardsRepeatSettingAnew)
{
    ScratchFolder sysfs; // a power button, then a keyboard
    sysfs.Add("class/input/input1/capabilities/key", "100000 0 0 0\n");
    sysfs.Add("class/input/input1/event1/");
    sysfs.Add("class/input/input3/capabilities/key", "402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe\n");
    sysfs.Add("class/input/input3/event3/");
    for (const RepeatRow& row : kRows) {
        SCOPED_TRACE(row.name);
        Kernel kernel{row.held, row.refused, {}, 0, 0};
        std::string opened;
        const corvo::platform::KeyboardClassDriverLinux driver(
            corvo::platform::SysfsReader(sysfs.Root()), "", "/dev/input", [&](const std::string& path) {
                opened = path;
                return kernel.Refuses("open") ? nullptr : std::make_unique<ModelledNode>(kernel);
            });
        EXPECT_EQ(driver.RestoreRepeatSettings(), row.restored);
        EXPECT_EQ(opened + " " + kernel.programmed + " -> " + Text(kernel.held),
                  std::string("/dev/input/event3 ") + row.programmed + " -> " + row.left);
    }
    // The real node: a file that is no event device opens but refuses the requests.
    sysfs.Add("dev/event3", "");
    EXPECT_FALSE(corvo::platform::KeyboardClassDriverLinux(corvo::platform::SysfsReader(sysfs.Root()), "",
                                                           sysfs.Path("dev")).RestoreRepeatSettings());
    EXPECT_EQ(corvo::platform::EvdevRepeatNode::Open(sysfs.Path("dev/event4")), nullptr);
    const auto plain = corvo::platform::EvdevRepeatNode::Open(sysfs.Path("dev/event3"));
    EvdevRepeat repeat;
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->ReadRepeat(repeat) || plain->WriteRepeat(repeat));
}

} // namespace
