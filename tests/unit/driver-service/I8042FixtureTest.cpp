// Each simulated machine under tests/fixtures/i8042-*: what a careful host sees when it tests the keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "I8042Scenario.h"
#include "SimulatedMachine.h"
#include "SimulatorLogCheck.h"

namespace {

using drivertest::SimulatedMachine;

std::vector<std::string> FixtureFolders()
{
    std::vector<std::string> folders;
    for (const auto& entry : std::filesystem::directory_iterator(I8042_FIXTURES_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && name.rfind("i8042-", 0) == 0) {
            folders.push_back(name);
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

class FixtureFolder : public testing::TestWithParam<std::string> {};

TEST_P(FixtureFolder, HasAValidScenarioAndAOneLineReadme)
{
    const std::string folder = std::string(I8042_FIXTURES_DIR) + "/" + GetParam();
    const corvo::i8042::ScenarioParseResult parsed = corvo::i8042::LoadI8042ScenarioFile(drivertest::FixturePath(GetParam()));
    EXPECT_TRUE(parsed.scenario.has_value()) << parsed.error;
    std::ifstream readme(folder + "/README.md");
    ASSERT_TRUE(readme.good()) << folder << " has no README.md";
    std::vector<std::string> lines;
    for (std::string line; std::getline(readme, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 1u) << "one line saying what machine it stands for";
    EXPECT_GT(lines[0].size(), 40u) << lines[0];
}

INSTANTIATE_TEST_SUITE_P(AllFolders, FixtureFolder, testing::ValuesIn(FixtureFolders()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(6);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// What a host sees on each machine: the interrupt switched off (0x56), bytes sent to the keyboard
// one by one with everything that comes back collected, the interrupt switched on again (0x47).
struct Story {
    const char* folder;
    std::vector<std::pair<uint8_t, const char*>> exchanges;
};

const std::vector<Story>& Stories()
{
    static const std::vector<Story> stories = {
        {"i8042-good-keyboard", {{0xFF, "fa aa"}, {0xEE, "ee"}, {0xFF, "fa aa"}}},
        {"i8042-self-test-fails-fc", {{0xFF, "fa fc"}, {0xFF, "fa fc"}, {0xEE, "ee"}}},
        {"i8042-self-test-fails-fd", {{0xFF, "fa fd"}, {0xFF, "fa fd"}, {0xEE, "ee"}}},
        {"i8042-resend-storm", {{0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fa aa"}, {0xFF, "fa aa"}}},
        {"i8042-resend-forever", {{0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fe"}, {0xFF, "fe"}, {0xEE, "ee"}}},
        {"i8042-no-keyboard", {{0xFF, ""}, {0xEE, ""}, {0xF4, ""}}},
        {"i8042-pointer-bytes-waiting", {{0xFF, "08/pointer 01/pointer 00/pointer fa aa"}, {0xEE, "ee"}}},
        {"i8042-scan-code-during-reset", {{0xFF, "fa 1e aa"}, {0xEE, "ee"}}},
        {"i8042-parity-error", {{0xFF, "fa aa/parity"}, {0xEE, "ee"}}},
        {"i8042-timeout-error", {{0xFF, "fe/timeout"}, {0xEE, "fe/timeout"}}},
        {"i8042-echo-only-keyboard", {{0xFF, ""}, {0xEE, "ee"}, {0xFF, ""}}},
    };
    return stories;
}

class FixtureStory : public testing::TestWithParam<Story> {};

TEST_P(FixtureStory, CarefulHostSeesTheMachineAndLeavesTheInterruptOn)
{
    const std::unique_ptr<SimulatedMachine> machine = SimulatedMachine::FromFixture(GetParam().folder);
    ASSERT_TRUE(machine->instance.IsReady()) << machine->instance.Problem();
    ASSERT_TRUE(machine->host.WriteConfiguration(0x56));
    int exchange = 0;
    for (const auto& [command, expected] : GetParam().exchanges) {
        EXPECT_EQ(machine->host.Exchange(command), expected) << "exchange " << ++exchange;
    }
    ASSERT_TRUE(machine->host.WriteConfiguration(0x47));
    EXPECT_EQ(machine->host.ReadConfiguration(), 0x47);
    EXPECT_TRUE(drivertest::KeyboardInterruptRestored(machine->Log()));
}

INSTANTIATE_TEST_SUITE_P(Machines, FixtureStory, testing::ValuesIn(Stories()),
                         [](const testing::TestParamInfo<Story>& info) {
                             std::string name = std::string(info.param.folder).substr(6);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(FixtureStories, CoverEveryFixtureFolder)
{
    std::set<std::string> told;
    for (const Story& story : Stories()) {
        told.insert(story.folder);
    }
    told.insert("i8042-input-buffer-stuck"); // its own test below: nothing can be sent to it
    for (const std::string& folder : FixtureFolders()) {
        EXPECT_EQ(told.count(folder), 1u) << folder << " has no story here";
    }
    EXPECT_EQ(told.size(), FixtureFolders().size()) << "a story names a folder that does not exist";
}

TEST(FixtureInputBufferStuck, HostCannotSwitchTheInterruptOffAndChangesNothing)
{
    const std::unique_ptr<SimulatedMachine> machine = SimulatedMachine::FromFixture("i8042-input-buffer-stuck");
    ASSERT_TRUE(machine->instance.IsReady()) << machine->instance.Problem();
    // The module waits 2.0 s, 20 polls, before it gives up.
    EXPECT_FALSE(machine->host.WriteConfiguration(0x56));
    EXPECT_EQ(machine->host.Polls(), 20);
    for (const corvo::i8042::LogEntry& entry : machine->Log()) {
        EXPECT_FALSE(entry.isWrite) << "a careful host never writes to a controller that does not listen";
        EXPECT_EQ(entry.configuration, 0x47);
        EXPECT_EQ(entry.value & 0x02, 0x02);
    }
}

TEST(FixturePointerBytesWaiting, PointerDataWaitsFromTheStart)
{
    const std::unique_ptr<SimulatedMachine> machine = SimulatedMachine::FromFixture("i8042-pointer-bytes-waiting");
    EXPECT_EQ(machine->host.ReadStatus(), 0x14 | 0x20 | 0x01);
}

TEST(FixtureScanCodeDuringReset, KeyArrivesBetweenAcknowledgementAndResult)
{
    const std::unique_ptr<SimulatedMachine> machine = SimulatedMachine::FromFixture("i8042-scan-code-during-reset");
    ASSERT_TRUE(machine->host.SendData(0xFF));
    std::vector<corvo::i8042::Microseconds> times;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(machine->host.NextByte().has_value());
        times.push_back(machine->Log().back().time);
    }
    EXPECT_GE(times[1] - times[0], 100000u);
    EXPECT_GE(times[2] - times[1], 400000u);
}

} // namespace
