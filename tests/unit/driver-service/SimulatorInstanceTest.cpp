// Choosing the scenario, refusing a bad one, the log file, and the service's checks in front of the simulator.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PortRequestCheck.h"
#include "SimulatedMachine.h"
#include "SimulatorService.h"
#include "SimulatorInstance.h"
#include "TemporaryFolder.h"

namespace {

using corvo::i8042::ChooseScenarioPath;
using corvo::i8042::InstanceSettings;
using corvo::i8042::SimulatorService;
using corvo::i8042::SimulatorInstance;
using drivertest::TemporaryFolder;

std::vector<std::string> ReadLines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ScenarioChoice, NamedPathComesFirst)
{
    TemporaryFolder folder;
    folder.Write("i8042-scenario", "");
    EXPECT_EQ(ChooseScenarioPath("/somewhere/else", folder.Path()), "/somewhere/else");
}

TEST(ScenarioChoice, FileBesideThePluginComesNext)
{
    TemporaryFolder folder;
    const std::string beside = folder.Write("i8042-scenario", "");
    EXPECT_EQ(ChooseScenarioPath("", folder.Path()), beside);
    EXPECT_EQ(ChooseScenarioPath("", folder.Path() + "/"), beside);
}

TEST(ScenarioChoice, NothingFoundMeansTheBuiltInKeyboard)
{
    TemporaryFolder folder;
    EXPECT_EQ(ChooseScenarioPath("", folder.Path()), std::nullopt);
    EXPECT_EQ(ChooseScenarioPath("", ""), std::nullopt);
}

TEST(ScenarioChoice, FolderNamedLikeTheScenarioIsNotUsed)
{
    TemporaryFolder folder;
    ASSERT_EQ(mkdir((folder.Path() + "/i8042-scenario").c_str(), 0700), 0);
    EXPECT_EQ(ChooseScenarioPath("", folder.Path()), std::nullopt);
}

TEST(ScenarioChoice, MissingNamedFileIsStillChosenSoTheMistakeIsReported)
{
    TemporaryFolder folder;
    folder.Write("i8042-scenario", "");
    EXPECT_EQ(ChooseScenarioPath(folder.Path() + "/typo", folder.Path()), folder.Path() + "/typo");
}

class SimulatorInstanceTest : public testing::Test {
protected:
    InstanceSettings Settings()
    {
        InstanceSettings settings;
        settings.complain = [this](const std::string& line) { m_complaints.push_back(line); };
        return settings;
    }

    TemporaryFolder m_folder;
    SimulatorInstance m_instance;
    std::vector<std::string> m_complaints;
};

TEST_F(SimulatorInstanceTest, BuiltInKeyboardWhenNothingIsNamed)
{
    ASSERT_TRUE(m_instance.Load(Settings()));
    EXPECT_TRUE(m_instance.IsReady());
    EXPECT_EQ(m_instance.Source(), "built-in good keyboard");
    EXPECT_TRUE(m_complaints.empty());
}

TEST_F(SimulatorInstanceTest, ScenarioBesideThePluginIsUsed)
{
    const std::string beside = m_folder.Write("i8042-scenario", "configuration 56\n");
    InstanceSettings settings = Settings();
    settings.pluginFolder = m_folder.Path();
    ASSERT_TRUE(m_instance.Load(settings));
    EXPECT_EQ(m_instance.Source(), beside);
    uint8_t status = 0;
    ASSERT_EQ(m_instance.Read(0x64, status), corvo::driverservice::PortResult::Done);
    uint8_t configuration = 0;
    ASSERT_EQ(m_instance.Write(0x64, 0x20), corvo::driverservice::PortResult::Done);
    ASSERT_EQ(m_instance.Read(0x64, status), corvo::driverservice::PortResult::Done);
    ASSERT_EQ(m_instance.Read(0x60, configuration), corvo::driverservice::PortResult::Done);
    EXPECT_EQ(configuration, 0x56);
}

TEST_F(SimulatorInstanceTest, MalformedScenarioLeavesItNotReadyWithOneClearLine)
{
    InstanceSettings settings = Settings();
    settings.scenarioPath = m_folder.Write("bad", "keyboard ff: fa\nkeyboard ee ee\n");
    EXPECT_FALSE(m_instance.Load(settings));
    EXPECT_FALSE(m_instance.IsReady());
    ASSERT_EQ(m_complaints.size(), 1u);
    EXPECT_EQ(m_complaints[0], "i8042 simulator: " + settings.scenarioPath
                                   + ":2: missing \":\" between the command and the reply, e.g. \"keyboard ff: fa "
                                     "+500ms aa\"; the simulated controller is not ready");
    EXPECT_EQ(m_instance.Problem().rfind(settings.scenarioPath + ":2: ", 0), 0u);
    uint8_t value = 0x5A;
    EXPECT_EQ(m_instance.Read(0x64, value), corvo::driverservice::PortResult::NotReady);
    EXPECT_EQ(value, 0x5A);
    EXPECT_EQ(m_instance.Write(0x60, 0xFF), corvo::driverservice::PortResult::NotReady);
    EXPECT_EQ(m_instance.LogCount(), 0u);
}

TEST_F(SimulatorInstanceTest, MissingNamedScenarioIsNotReplacedByAGoodKeyboard)
{
    InstanceSettings settings = Settings();
    settings.scenarioPath = m_folder.Path() + "/typo";
    settings.pluginFolder = m_folder.Path();
    m_folder.Write("i8042-scenario", "");
    EXPECT_FALSE(m_instance.Load(settings));
    ASSERT_EQ(m_complaints.size(), 1u);
    EXPECT_NE(m_complaints[0].find("typo: cannot be read"), std::string::npos) << m_complaints[0];
}

TEST_F(SimulatorInstanceTest, ReloadStartsAfreshAndCanRecover)
{
    InstanceSettings bad = Settings();
    bad.scenarioPath = m_folder.Write("bad", "nonsense\n");
    ASSERT_FALSE(m_instance.Load(bad));
    InstanceSettings good = Settings();
    ASSERT_TRUE(m_instance.Load(good));
    uint8_t status = 0;
    ASSERT_EQ(m_instance.Read(0x64, status), corvo::driverservice::PortResult::Done);
    ASSERT_EQ(m_instance.Read(0x64, status), corvo::driverservice::PortResult::Done);
    ASSERT_EQ(m_instance.LogCount(), 2u);
    ASSERT_TRUE(m_instance.Load(good));
    EXPECT_EQ(m_instance.LogCount(), 0u);
    ASSERT_EQ(m_instance.Read(0x64, status), corvo::driverservice::PortResult::Done);
    EXPECT_EQ(m_instance.LogEntryAt(0)->sequence, 1u);
    EXPECT_EQ(m_instance.LogEntryAt(0)->time, 0u) << "the clock starts again";
}

TEST_F(SimulatorInstanceTest, PortsOtherThanTheControllersAreRefused)
{
    ASSERT_TRUE(m_instance.Load(Settings()));
    uint8_t value = 0x5A;
    EXPECT_EQ(m_instance.Read(0x61, value), corvo::driverservice::PortResult::Refused);
    EXPECT_EQ(value, 0x5A);
    EXPECT_EQ(m_instance.Write(0x80, 0x00), corvo::driverservice::PortResult::Refused);
    EXPECT_EQ(m_instance.LogCount(), 0u);
}

TEST_F(SimulatorInstanceTest, LogTextHasOneLinePerAccess)
{
    ASSERT_TRUE(m_instance.Load(Settings()));
    uint8_t value = 0;
    m_instance.Read(0x64, value);
    m_instance.Write(0x60, 0xEE);
    m_instance.Read(0x64, value);
    m_instance.Read(0x60, value);
    EXPECT_EQ(m_instance.LogText(), "seq=1 time=0.000000 read port=0x64 value=0x14 config=0x47\n"
                                   "seq=2 time=0.100000 write port=0x60 value=0xee config=0x47\n"
                                   "seq=3 time=0.100000 read port=0x64 value=0x16 config=0x47\n"
                                   "seq=4 time=0.200000 read port=0x60 value=0xee config=0x47\n");
    EXPECT_FALSE(m_instance.LogEntryAt(4).has_value());
}

TEST_F(SimulatorInstanceTest, LogFileIsAppendedToRunAfterRun)
{
    const std::string logPath = m_folder.Path() + "/accesses.log";
    InstanceSettings settings = Settings();
    settings.logPath = logPath;
    uint8_t value = 0;
    ASSERT_TRUE(m_instance.Load(settings));
    m_instance.Read(0x64, value);
    const std::string firstRun = m_instance.LogText();
    ASSERT_TRUE(m_instance.Load(settings));
    m_instance.Write(0x64, 0x20);
    m_instance.Read(0x64, value);
    const std::string secondRun = m_instance.LogText();

    std::ostringstream expected;
    expected << "# scenario built-in good keyboard\n" << firstRun << "# scenario built-in good keyboard\n" << secondRun;
    std::ifstream file(logPath);
    std::ostringstream contents;
    contents << file.rdbuf();
    EXPECT_EQ(contents.str(), expected.str());
    EXPECT_TRUE(m_complaints.empty());
}

TEST_F(SimulatorInstanceTest, LogFileNamesAnUnusableScenario)
{
    const std::string logPath = m_folder.Path() + "/accesses.log";
    InstanceSettings settings = Settings();
    settings.logPath = logPath;
    settings.scenarioPath = m_folder.Write("bad", "clock sometimes\n");
    ASSERT_FALSE(m_instance.Load(settings));
    EXPECT_EQ(ReadLines(logPath), std::vector<std::string>{"# scenario " + settings.scenarioPath + " (not usable)"});
}

TEST_F(SimulatorInstanceTest, LogFileThatCannotBeOpenedIsReportedAndTheSimulatorStillRuns)
{
    InstanceSettings settings = Settings();
    settings.logPath = m_folder.Path() + "/no-such-folder/accesses.log";
    ASSERT_TRUE(m_instance.Load(settings));
    ASSERT_EQ(m_complaints.size(), 1u);
    EXPECT_NE(m_complaints[0].find("cannot append to " + settings.logPath), std::string::npos) << m_complaints[0];
    uint8_t value = 0;
    EXPECT_EQ(m_instance.Read(0x64, value), corvo::driverservice::PortResult::Done);
    EXPECT_EQ(m_instance.LogCount(), 1u);
}

TEST_F(SimulatorInstanceTest, ComplaintsGoToStandardErrorWhenNobodyListens)
{
    InstanceSettings settings;
    settings.scenarioPath = m_folder.Write("bad", "clock sometimes\n");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(m_instance.Load(settings));
    const std::string output = testing::internal::GetCapturedStderr();
    EXPECT_EQ(output, "i8042 simulator: " + settings.scenarioPath
                          + ":1: \"clock\" takes \"virtual [<duration>]\" or \"real\"; the simulated controller is not ready\n");
}

// The service in front of the simulator: the same request rules as on real hardware.
struct RequestRow {
    const char* name;
    uint16_t port;
    uint32_t width;
};

class SimulatorServiceRefuses : public testing::TestWithParam<RequestRow> {};

TEST_P(SimulatorServiceRefuses, RequestsRealHardwareWouldNotGetAndLeavesTheValue)
{
    drivertest::SimulatedMachine machine("");
    HDXPortRequest read{GetParam().port, 0, GetParam().width};
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(machine.service.ReadPort(&read, &value), 1u);
    EXPECT_EQ(value, 0xDEADBEEFu);
    const uint8_t byte = 0xFF;
    HDXPortWriteRequest write{GetParam().port, 0, GetParam().width, &byte};
    EXPECT_EQ(machine.service.WritePort(&write), 1u);
    EXPECT_EQ(machine.instance.LogCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, SimulatorServiceRefuses,
                         testing::Values(RequestRow{"BelowData", 0x5F, 1}, RequestRow{"AboveData", 0x61, 1},
                                         RequestRow{"BelowStatus", 0x63, 1}, RequestRow{"AboveStatus", 0x65, 1},
                                         RequestRow{"PortZero", 0x0000, 1}, RequestRow{"HighestPort", 0xFFFF, 1},
                                         RequestRow{"DataWidthZero", 0x60, 0}, RequestRow{"DataWidthTwo", 0x60, 2},
                                         RequestRow{"StatusWidthFour", 0x64, 4},
                                         RequestRow{"WidthHuge", 0x64, 0xFFFFFFFF}),
                         [](const testing::TestParamInfo<RequestRow>& info) { return std::string(info.param.name); });

TEST(SimulatorService, MissingPointersAreRefused)
{
    drivertest::SimulatedMachine machine("");
    HDXPortRequest read{0x64, 0, 1};
    EXPECT_EQ(machine.service.ReadPort(&read, nullptr), 1u);
    uint32_t value = 7;
    EXPECT_EQ(machine.service.ReadPort(nullptr, &value), 1u);
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(machine.service.WritePort(nullptr), 1u);
    HDXPortWriteRequest write{0x60, 0, 1, nullptr};
    EXPECT_EQ(machine.service.WritePort(&write), 1u);
    EXPECT_EQ(machine.instance.LogCount(), 0u);
}

TEST(SimulatorService, ReplacesOnlyTheLowByteAndIgnoresThePadding)
{
    drivertest::SimulatedMachine machine("");
    HDXPortRequest read{0x64, 0xBEEF, 1};
    uint32_t value = 0xABCDEF00;
    EXPECT_EQ(machine.service.ReadPort(&read, &value), 0u);
    EXPECT_EQ(value, 0xABCDEF14u);
}

TEST(SimulatorService, NotReadyServiceSaysSoAndTouchesNothing)
{
    drivertest::SimulatedMachine machine("clock sometimes\n");
    EXPECT_EQ(machine.service.IsReady(), 0u);
    ASSERT_EQ(machine.complaints.size(), 1u);
    HDXPortRequest read{0x64, 0, 1};
    uint32_t value = 0x11223344;
    EXPECT_EQ(machine.service.ReadPort(&read, &value), 2u);
    EXPECT_EQ(value, 0x11223344u);
    const uint8_t byte = 0xFF;
    HDXPortWriteRequest write{0x60, 0, 1, &byte};
    EXPECT_EQ(machine.service.WritePort(&write), 2u);
}

TEST(SimulatorService, ReadyServiceSaysSo)
{
    drivertest::SimulatedMachine machine("");
    EXPECT_EQ(machine.service.IsReady(), 1u);
}

TEST(SimulatorService, UnusedSlotsAnswerZero)
{
    drivertest::SimulatedMachine machine("");
    HDXService& service = machine.service;
    EXPECT_EQ(service.Reserved1(), 0u);
    EXPECT_EQ(service.Reserved4(), 0u);
    EXPECT_EQ(service.Reserved6(), 0u);
    EXPECT_EQ(service.Reserved8(), 0u);
    EXPECT_EQ(service.Reserved11(), 0u);
    EXPECT_EQ(service.Reserved29(), 0u);
    EXPECT_EQ(machine.instance.LogCount(), 0u);
}

} // namespace
