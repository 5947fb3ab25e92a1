// The port-I/O service: which requests reach the hardware, how refusals look, and what this machine allows.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "PortAccessProbe.h"
#include "PortIoService.h"
#include "SystemPortAccess.h"
#include "TemporaryFolder.h"

namespace {

using corvo::driverservice::PortAccess;
using corvo::driverservice::PortIoService;
using corvo::driverservice::SystemPortAccess;
using corvo::driverservice::SystemPortAccessOptions;

constexpr uint32_t kDone = 0;
constexpr uint32_t kRefused = 1;
constexpr uint32_t kNotReady = 2;
constexpr uint32_t kFailed = 3;

// Stands in for the hardware and remembers every access that reached it.
class RecordingPortAccess : public PortAccess {
public:
    struct Access {
        bool isWrite;
        uint16_t port;
        uint8_t value;
    };

    bool ready = true;
    bool accessWorks = true;
    uint8_t readValue = 0x1C;
    std::vector<Access>* accesses = nullptr;

    bool Prepare() override { return ready; }
    bool Read(uint16_t port, uint8_t& value) override
    {
        accesses->push_back({false, port, 0});
        if (accessWorks) {
            value = readValue;
        }
        return accessWorks;
    }
    bool Write(uint16_t port, uint8_t value) override
    {
        accesses->push_back({true, port, value});
        return accessWorks;
    }
    std::string Problem() const override { return ready ? "" : "not allowed"; }
};

class PortIoServiceTest : public testing::Test {
protected:
    PortIoServiceTest()
    {
        auto access = std::make_unique<RecordingPortAccess>();
        access->accesses = &m_accesses;
        m_access = access.get();
        m_service = std::make_unique<PortIoService>(std::move(access));
    }

    uint32_t Read(uint16_t port, uint32_t width, uint32_t& value)
    {
        HDXPortRequest request{port, 0x5A5A, width};
        return m_service->ReadPort(&request, &value);
    }

    uint32_t Write(uint16_t port, uint32_t width, uint8_t byte)
    {
        HDXPortWriteRequest request{port, 0x5A5A, width, &byte};
        return m_service->WritePort(&request);
    }

    std::vector<RecordingPortAccess::Access> m_accesses;
    RecordingPortAccess* m_access = nullptr;
    std::unique_ptr<PortIoService> m_service;
};

TEST_F(PortIoServiceTest, ReadReachesTheHardwareAndReplacesOnlyTheLowByte)
{
    uint32_t value = 0xABCDEF00;
    EXPECT_EQ(Read(0x64, 1, value), kDone);
    EXPECT_EQ(value, 0xABCDEF1Cu);
    ASSERT_EQ(m_accesses.size(), 1u);
    EXPECT_FALSE(m_accesses[0].isWrite);
    EXPECT_EQ(m_accesses[0].port, 0x64);
}

TEST_F(PortIoServiceTest, WriteReachesTheHardware)
{
    EXPECT_EQ(Write(0x64, 1, 0x60), kDone);
    EXPECT_EQ(Write(0x60, 1, 0x56), kDone);
    ASSERT_EQ(m_accesses.size(), 2u);
    EXPECT_TRUE(m_accesses[0].isWrite);
    EXPECT_EQ(m_accesses[0].port, 0x64);
    EXPECT_EQ(m_accesses[0].value, 0x60);
    EXPECT_EQ(m_accesses[1].port, 0x60);
    EXPECT_EQ(m_accesses[1].value, 0x56);
}

TEST_F(PortIoServiceTest, ReadinessFollowsTheAccess)
{
    EXPECT_EQ(m_service->IsReady(), 1u);
    m_access->ready = false;
    EXPECT_EQ(m_service->IsReady(), 0u);
}

TEST_F(PortIoServiceTest, NotReadyMeansNoAccessAndAnUntouchedValue)
{
    m_access->ready = false;
    uint32_t value = 0x12345678;
    EXPECT_EQ(Read(0x64, 1, value), kNotReady);
    EXPECT_EQ(value, 0x12345678u);
    EXPECT_EQ(Write(0x60, 1, 0xFF), kNotReady);
    EXPECT_TRUE(m_accesses.empty());
}

TEST_F(PortIoServiceTest, FailedAccessIsReportedAndLeavesTheValue)
{
    m_access->accessWorks = false;
    uint32_t value = 0x12345678;
    EXPECT_EQ(Read(0x60, 1, value), kFailed);
    EXPECT_EQ(value, 0x12345678u);
    EXPECT_EQ(Write(0x60, 1, 0xEE), kFailed);
}

struct RequestRow {
    const char* name;
    uint16_t port;
    uint32_t width;
};

class PortIoServiceRefuses : public PortIoServiceTest, public testing::WithParamInterface<RequestRow> {};

TEST_P(PortIoServiceRefuses, AnyOtherPortOrWidthBeforeTouchingTheHardware)
{
    uint32_t value = 0xDEADBEEF;
    EXPECT_EQ(Read(GetParam().port, GetParam().width, value), kRefused);
    EXPECT_EQ(value, 0xDEADBEEFu);
    EXPECT_EQ(Write(GetParam().port, GetParam().width, 0x00), kRefused);
    EXPECT_TRUE(m_accesses.empty());
}

// 0x61 is the speaker and NMI control, 0x80 the POST code port, 0xCF9 the reset control register.
INSTANTIATE_TEST_SUITE_P(Requests, PortIoServiceRefuses,
                         testing::Values(RequestRow{"BelowData", 0x5F, 1}, RequestRow{"SpeakerAndNmi", 0x61, 1},
                                         RequestRow{"BelowStatus", 0x63, 1}, RequestRow{"AboveStatus", 0x65, 1},
                                         RequestRow{"PostCode", 0x80, 1}, RequestRow{"ResetControl", 0xCF9, 1},
                                         RequestRow{"PortZero", 0x0000, 1}, RequestRow{"HighestPort", 0xFFFF, 1},
                                         RequestRow{"DataAsWord", 0x60, 2}, RequestRow{"StatusAsDoubleWord", 0x64, 4},
                                         RequestRow{"WidthZero", 0x60, 0}, RequestRow{"WidthHuge", 0x64, 0xFFFFFFFF},
                                         RequestRow{"PortInHighBitsOfWidth", 0x60, 0x00010001}),
                         [](const testing::TestParamInfo<RequestRow>& info) { return std::string(info.param.name); });

TEST_F(PortIoServiceTest, MissingPointersAreRefused)
{
    HDXPortRequest read{0x64, 0, 1};
    EXPECT_EQ(m_service->ReadPort(&read, nullptr), kRefused);
    uint32_t value = 9;
    EXPECT_EQ(m_service->ReadPort(nullptr, &value), kRefused);
    EXPECT_EQ(value, 9u);
    EXPECT_EQ(m_service->WritePort(nullptr), kRefused);
    HDXPortWriteRequest write{0x60, 0, 1, nullptr};
    EXPECT_EQ(m_service->WritePort(&write), kRefused);
    EXPECT_TRUE(m_accesses.empty());
}

struct CommandRow {
    const char* name;
    uint8_t command;
    bool permitted;
};

class ControllerCommandTest : public PortIoServiceTest, public testing::WithParamInterface<CommandRow> {};

TEST_P(ControllerCommandTest, OnlyConfigurationAndInterfaceCommandsReachTheController)
{
    EXPECT_EQ(corvo::driverservice::IsPermittedControllerCommand(GetParam().command), GetParam().permitted);
    EXPECT_EQ(Write(0x64, 1, GetParam().command), GetParam().permitted ? kDone : kRefused);
    EXPECT_EQ(m_accesses.size(), GetParam().permitted ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ControllerCommandTest,
    testing::Values(CommandRow{"ReadConfiguration", 0x20, true}, CommandRow{"WriteConfiguration", 0x60, true},
                    CommandRow{"DisablePointer", 0xA7, true}, CommandRow{"EnablePointer", 0xA8, true},
                    CommandRow{"DisableKeyboard", 0xAD, true}, CommandRow{"EnableKeyboard", 0xAE, true},
                    CommandRow{"ControllerSelfTest", 0xAA, false}, CommandRow{"WriteOutputPort", 0xD1, false},
                    CommandRow{"WriteToPointer", 0xD4, false}, CommandRow{"ReadInputPort", 0xC0, false},
                    CommandRow{"PulseAllLines", 0xF0, false}, CommandRow{"PulseResetLine", 0xFE, false},
                    CommandRow{"LastPulse", 0xFF, false}, CommandRow{"NextToReadConfiguration", 0x21, false},
                    CommandRow{"NextToWriteConfiguration", 0x5F, false}, CommandRow{"Zero", 0x00, false}),
    [](const testing::TestParamInfo<CommandRow>& info) { return std::string(info.param.name); });

TEST_F(PortIoServiceTest, AnyByteMayGoToTheDataPort)
{
    // Bytes for the keyboard or the configuration byte: the keyboard cannot restart the machine.
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(Write(0x60, 1, static_cast<uint8_t>(byte)), kDone) << byte;
    }
    EXPECT_EQ(m_accesses.size(), 256u);
}

TEST_F(PortIoServiceTest, UnusedSlotsAnswerZeroWithoutTouchingTheHardware)
{
    HDXService& service = *m_service;
    EXPECT_EQ(service.Reserved1(), 0u);
    EXPECT_EQ(service.Reserved2(), 0u);
    EXPECT_EQ(service.Reserved3(), 0u);
    EXPECT_EQ(service.Reserved7(), 0u);
    EXPECT_EQ(service.Reserved20(), 0u);
    EXPECT_EQ(service.Reserved29(), 0u);
    EXPECT_TRUE(m_accesses.empty());
}

// /dev/port is a file read and written at the port number; an ordinary file shows the offsets.
TEST(SystemPortAccessDevice, ReadsAndWritesAtThePortNumberAsOffset)
{
    drivertest::TemporaryFolder folder;
    std::string ports(0x100, '\0');
    ports[0x64] = '\x1c';
    ports[0x60] = '\xaa';
    const std::string path = folder.Write("ports", ports);
    SystemPortAccess access(SystemPortAccessOptions{false, path});
    ASSERT_TRUE(access.Prepare()) << access.Problem();
    EXPECT_EQ(access.Problem(), "");
    uint8_t value = 0;
    ASSERT_TRUE(access.Read(0x64, value));
    EXPECT_EQ(value, 0x1C);
    ASSERT_TRUE(access.Read(0x60, value));
    EXPECT_EQ(value, 0xAA);
    ASSERT_TRUE(access.Write(0x60, 0xEE));
    std::ifstream file(path, std::ios::binary);
    std::string after((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(after.size(), 0x100u);
    EXPECT_EQ(static_cast<uint8_t>(after[0x60]), 0xEE);
    EXPECT_EQ(static_cast<uint8_t>(after[0x64]), 0x1C);
    EXPECT_EQ(std::count(after.begin(), after.end(), '\0'), 0x100 - 2) << "nothing else was written";
}

TEST(SystemPortAccessDevice, ShortDeviceFailsTheReadAndLeavesTheValue)
{
    drivertest::TemporaryFolder folder;
    SystemPortAccess access(SystemPortAccessOptions{false, folder.Write("ports", std::string(0x10, '\0'))});
    ASSERT_TRUE(access.Prepare());
    uint8_t value = 0x33;
    EXPECT_FALSE(access.Read(0x64, value));
    EXPECT_EQ(value, 0x33);
}

TEST(SystemPortAccessDevice, MissingDeviceIsNotReadyAndSaysWhy)
{
    drivertest::TemporaryFolder folder;
    SystemPortAccess access(SystemPortAccessOptions{false, folder.Path() + "/port"});
    EXPECT_FALSE(access.Prepare());
    EXPECT_FALSE(access.Prepare()) << "asked again, still not ready";
    EXPECT_NE(access.Problem().find(folder.Path() + "/port: No such file or directory"), std::string::npos)
        << access.Problem();
    uint8_t value = 0x33;
    EXPECT_FALSE(access.Read(0x64, value));
    EXPECT_EQ(value, 0x33);
    EXPECT_FALSE(access.Write(0x60, 0xFF));
}

TEST(SystemPortAccessMachine, ReadinessIsWhatTheKernelGrants)
{
    PortIoService service(std::make_unique<SystemPortAccess>());
    EXPECT_EQ(service.IsReady(), drivertest::MachineGrantsPortAccess() ? 1u : 0u);
}

TEST(SystemPortAccessMachine, UnreachablePortsAreNotReadyAndTheReasonNamesBothWays)
{
    if (drivertest::MachineGrantsPortAccess()) {
        GTEST_SKIP() << "this machine lets the process reach the ports";
    }
    auto access = std::make_unique<SystemPortAccess>();
    const SystemPortAccess& view = *access;
    PortIoService service(std::move(access));
    EXPECT_EQ(service.IsReady(), 0u);
    HDXPortRequest request{0x64, 0, 1};
    uint32_t value = 0xCAFEF00D;
    EXPECT_EQ(service.ReadPort(&request, &value), kNotReady);
    EXPECT_EQ(value, 0xCAFEF00Du);
    const uint8_t byte = 0x56;
    HDXPortWriteRequest write{0x60, 0, 1, &byte};
    EXPECT_EQ(service.WritePort(&write), kNotReady);
#if defined(__x86_64__) || defined(__i386__)
    EXPECT_NE(view.Problem().find("ioperm: "), std::string::npos) << view.Problem();
#endif
    EXPECT_NE(view.Problem().find("/dev/port: "), std::string::npos) << view.Problem();
}

// The kernel grants I/O permission per thread; a service created on one thread must still work
// on another, as the module creates it on one and runs the test on another.
TEST(SystemPortAccessMachine, StatusCanBeReadFromAThreadOtherThanTheCreatorsOne)
{
    if (!drivertest::MachineGrantsPortAccess()) {
        GTEST_SKIP() << "this machine does not let the process reach the ports";
    }
    PortIoService service(std::make_unique<SystemPortAccess>());
    ASSERT_EQ(service.IsReady(), 1u);
    uint32_t result = 0xFFFFFFFF;
    std::thread other([&service, &result] {
        HDXPortRequest request{0x64, 0, 1};
        uint32_t value = 0;
        result = service.IsReady() == 1 ? service.ReadPort(&request, &value) : kNotReady;
    });
    other.join();
    EXPECT_EQ(result, kDone);
}

} // namespace
