// The key and pointer state where nothing can be read: no display, no readable input devices.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/NoKeyPointerState.h"

namespace corvo::platform {
namespace {

// A folder of its own under the temporary directory, removed with its files afterwards.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr ? base : "/tmp") + "/input-devices-XXXXXX";
        m_path = ::mkdtemp(pattern.data()) != nullptr ? pattern : "";
    }
    ~ScratchFolder()
    {
        for (const std::string& file : m_files) {
            ::unlink(file.c_str());
        }
        ::rmdir(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    void AddFile(const std::string& name, const std::string& content)
    {
        m_files.push_back(m_path + "/" + name);
        std::ofstream(m_files.back()) << content;
    }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

// Every query of a source that reads nothing.
void ExpectReadsNothing(KeyPointerState& state)
{
    EXPECT_FALSE(state.IsAvailable());
    const KeyboardStateBytes bytes = state.ReadKeyboardState();
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(bytes[code], 0) << "virtual key " << code;
    }
    for (const uint8_t code : {0x01, 0x10, 0x14, 0x1B, 0x41, 0x90, 0x91, 0xA0}) {
        EXPECT_FALSE(state.IsKeyDown(code)) << int{code};
        EXPECT_FALSE(state.IsToggled(code)) << int{code};
        EXPECT_FALSE(state.SynthesizeKeyRelease(code)) << int{code};
    }
    EXPECT_EQ(state.ReadPointerPosition(), std::nullopt);
}

TEST(NoKeyPointerState, ReadsNothingAndSaysSo)
{
    NoKeyPointerState state;
    EXPECT_EQ(state.Description(), "none");
    ExpectReadsNothing(state);
}

TEST(EvdevKeyPointerState, MissingFolderReadsNothing)
{
    EvdevKeyPointerState state("/nonexistent-input-folder");
    EXPECT_EQ(state.Description(), "evdev (/nonexistent-input-folder)");
    ExpectReadsNothing(state);
}

TEST(EvdevKeyPointerState, FilesThatAreNoDevicesAreIgnored)
{
    ScratchFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    // Regular files answer no input ioctl, as a stale or foreign node would not.
    folder.AddFile("event0", "not a device");
    folder.AddFile("event1", std::string(24 * 4, '\0'));
    folder.AddFile("mouse0", "");
    EvdevKeyPointerState state(folder.Path());
    ExpectReadsNothing(state);
}

TEST(EvdevKeyPointerState, DefaultKeyMapFollowsTheEvdevKeycodes)
{
    // xkbcommon's default rules are "evdev": keycode = kernel code + 8. KEY_ESC is 1, KEY_LEFTSHIFT 42.
    const VirtualKeyMap map = EvdevKeyPointerState::DefaultKeyMap();
    EXPECT_EQ(map.VirtualKeyOf(1 + 8), 0x1B);
    EXPECT_EQ(map.VirtualKeyOf(42 + 8), 0xA0);
}

TEST(KeyPointerStateChoice, NoDisplayAndNoDevicesGivesNone)
{
    ScratchFolder folder;
    const std::unique_ptr<KeyPointerState> chosen = CreateKeyPointerState("", folder.Path());
    EXPECT_EQ(chosen->Description(), "none");
    ExpectReadsNothing(*chosen);
}

TEST(KeyPointerStateChoice, DisplayThatDoesNotAnswerIsPassedOver)
{
    // No server listens on display 4093 here: no socket of that number exists.
    struct stat socket {};
    ASSERT_NE(::stat("/tmp/.X11-unix/X4093", &socket), 0);
    ScratchFolder folder;
    const std::unique_ptr<KeyPointerState> chosen = CreateKeyPointerState(":4093", folder.Path());
    EXPECT_EQ(chosen->Description(), "none");
    EXPECT_FALSE(chosen->IsAvailable());
}

} // namespace
} // namespace corvo::platform
