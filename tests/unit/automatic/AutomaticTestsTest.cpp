// The automatic tests: the USB keyboard test on scripted keyboards, and the PS/2 keyboard test
// against each simulated machine of tests/fixtures through the component's driver service (the
// simulator plug-in), both on a virtual clock and recorded as a host records a run.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "../../support/ScratchFolder.h"
#include "../components/KeyboardFixture.h"
#include "../config/WithoutWaiting.h"
#include "HostExecution.h"
#include "I8042SimulatorExports.h"
#include "SimulatorLogCheck.h"
#include "automatic/PS2KeyboardTest.h"
#include "automatic/UsbKeyboardTest.h"
#include "components/KeyboardComponent.h"
#include "intervention/UserInterventionDetector.h"
#include "keycode/KeycodeVerificationTest.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/TestResult.h"
#include "platform/DynamicLibraries.h"

namespace {

class AutomaticRun : public testing::Test {
protected:
    uint32_t Run(KeyboardTestBase& test, uint32_t events = 0, bool cancel = false, bool acceptsInput = false,
                 corvo::hosts::HostExecution::Callbacks callbacks = {})
    {
        if (!m_keyboard) {
            m_keyboard = std::make_unique<KeyboardComponent>("0", m_machine.Platform());
        }
        m_execution = std::make_unique<corvo::hosts::HostExecution>(m_keyboard.get(), acceptsInput, callbacks);
        m_execution->RaiseSystemEvents(events);
        if (cancel) {
            m_execution->RequestCancel();
        }
        return test.Run(m_execution.get());
    }

    // "warning KEY": each message with its kind, in the order sent.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> messages;
        for (const auto& message : m_execution->Record().messages) {
            const char* kinds[] = {"information ", "warning ", "failure "};
            messages.push_back((message.kind < 3 ? kinds[message.kind] : "? ") + message.text);
        }
        return messages;
    }

    // A component that loads its driver service from folder (the module looks in the current
    // directory), with the PS/2 keyboard in the firmware.
    void MakeKeyboardIn(const std::string& folder)
    {
        m_machine.SetPs2Flag(13);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        KeyboardPlatform platform = m_machine.Platform();
        platform.libraries = &corvo::platform::SystemDynamicLibraries();
        m_keyboard = std::make_unique<KeyboardComponent>("0", platform);
    }

    // The simulator plug-in the component loaded, started afresh with the fixture's scenario
    // whatever a loader kept resident; the caller closes the handle.
    void* SimulatorWith(const std::string& scenario)
    {
        void* simulator = dlopen(I8042_SIMULATOR_SONAME, RTLD_NOW | RTLD_NOLOAD);
        EXPECT_NE(simulator, nullptr) << m_keyboard->DriverServiceProblem();
        const auto reset = reinterpret_cast<I8042SimulatorResetFunction>(dlsym(simulator, I8042_SIMULATOR_RESET_SYMBOL));
        const std::string path = std::string(FIXTURES_FOLDER) + "/i8042-" + scenario + "/i8042-scenario";
        EXPECT_EQ(reset != nullptr ? reset(path.c_str()) : 0, 1) << path;
        return simulator;
    }

    std::vector<int> Percentages() const
    {
        std::vector<int> percentages;
        for (const auto& step : m_execution->Record().progress) {
            percentages.push_back(step.percent);
        }
        return percentages;
    }

    keyboardtest::ScriptedMachine m_machine;
    std::unique_ptr<KeyboardComponent> m_keyboard;
    std::unique_ptr<corvo::hosts::HostExecution> m_execution;
};

using fakeusb::DeviceFacts;

const std::string kPid = "warning USB_KEYBOARD_PID_FAIL_MESSAGE";
const std::string kVid = "warning USB_KEYBOARD_VID_FAIL_MESSAGE";
const std::string kManufacturer = "warning USB_KEYBOARD_MANUFACTURER_FAIL_MESSAGE";
const std::string kName = "warning USB_KEYBOARD_DEVICE_FAIL_MESSAGE";
const std::string kFail = "failure USB_KEYBOARD_FAIL_MESSAGE[ - ]";
const std::string kEvent =
    "information TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.";

// A sound boot keyboard without what `missing` names: v vendor id, p product id, m manufacturer,
// n product name; "-" stands for string descriptors that are absent, which read "-".
DeviceFacts Keyboard(const std::string& missing)
{
    DeviceFacts facts;
    facts.vendorId = missing.find('v') != std::string::npos ? 0 : facts.vendorId;
    facts.productId = missing.find('p') != std::string::npos ? 0 : facts.productId;
    facts.manufacturer = missing.find('m') != std::string::npos ? "" : missing == "-" ? "-" : facts.manufacturer;
    facts.product = missing.find('n') != std::string::npos ? "" : missing == "-" ? "-" : facts.product;
    return facts;
}

struct UsbRow {
    const char* name;
    std::vector<DeviceFacts> keyboards;
    uint32_t events;
    bool cancel;
    uint32_t result;
    std::vector<std::string> messages;
    std::vector<int> percentages;
};

const UsbRow kUsbRows[] = {
    {"SoundKeyboardPassesQuietly", {Keyboard("")}, 0, false, Passed, {}, {0, 0, 100}},
    {"NoUsbKeyboardCannotBeTested", {}, 0, false, Aborted,
     {"information THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED"},
     {0, 100}},
    {"NoVendorId", {Keyboard("v")}, 0, false, PassedWithWarnings, {kVid}, {0, 0, 100}},
    {"NoProductId", {Keyboard("p")}, 0, false, PassedWithWarnings, {kPid}, {0, 0, 100}},
    {"NoManufacturer", {Keyboard("m")}, 0, false, PassedWithWarnings, {kManufacturer}, {0, 0, 100}},
    {"NoName", {Keyboard("n")}, 0, false, PassedWithWarnings, {kName}, {0, 0, 100}},
    // A missing identifier followed by a missing string used to report a plain pass.
    {"NoVendorIdAndNoName", {Keyboard("vn")}, 0, false, PassedWithWarnings, {kVid, kName}, {0, 0, 100}},
    {"AbsentStringDescriptorsAreNotEmpty", {Keyboard("-")}, 0, false, Passed, {}, {0, 0, 100}},
    {"NoIdsNorManufacturerButANameOnlyWarns", {Keyboard("vpm")}, 0, false, PassedWithWarnings,
     {kPid, kVid, kManufacturer}, {0, 0, 100}},
    {"LackingAllFourFails", {Keyboard("vpmn")}, 0, false, Failed, {kFail, kPid, kVid, kManufacturer, kName}, {0, 0, 100}},
    {"FailureStandsWhateverFollows", {Keyboard("vpmn"), Keyboard(""), Keyboard("v")}, 0, false, Failed,
     {kFail, kPid, kVid, kManufacturer, kName, kVid}, {0, 0, 33, 66, 100}},
    {"EarlierWarningIsKept", {Keyboard("p"), Keyboard("")}, 0, false, PassedWithWarnings, {kPid}, {0, 0, 50, 100}},
    {"CompromisingEventAbortsBeforeAnyCheck", {Keyboard("vpmn")}, 0x100, false, Aborted, {kEvent}, {0, 100}},
    {"EventFourNeverCompromises", {Keyboard("")}, 0x4, false, Passed, {}, {0, 0, 100}},
    {"CancelAbortsWithoutMessage", {Keyboard("vpmn")}, 0, true, Aborted, {}, {0, 100}},
};

class UsbKeyboardTestRun : public AutomaticRun, public testing::WithParamInterface<UsbRow> {};

TEST_P(UsbKeyboardTestRun, ResultMessagesAndProgress)
{
    m_machine.usb->controllers = {GetParam().keyboards};
    UsbKeyboardTest test(ObjectId(10, 1, 2));
    EXPECT_EQ(Run(test, GetParam().events, GetParam().cancel), GetParam().result);
    EXPECT_EQ(Messages(), GetParam().messages);
    EXPECT_EQ(Percentages(), GetParam().percentages);
}

INSTANTIATE_TEST_SUITE_P(Keyboards, UsbKeyboardTestRun, testing::ValuesIn(kUsbRows),
                         [](const testing::TestParamInfo<UsbRow>& info) { return std::string(info.param.name); });

TEST_F(AutomaticRun, UsbTestChecksTheKeyboardsAttachedNowAndOnlyWithACompleteExecution)
{
    UsbKeyboardTest test(ObjectId(10, 1, 2));
    m_keyboard = std::make_unique<KeyboardComponent>("0", m_machine.Platform());
    EXPECT_FALSE(test.IsApplicable(m_keyboard.get()));
    m_machine.usb->controllers = {{Keyboard("vpmn")}};
    EXPECT_EQ(Run(test), Failed);
    EXPECT_TRUE(test.IsApplicable(m_keyboard.get()));

    EXPECT_TRUE(test.IsCompromisingEvent(0x1) && test.IsCompromisingEvent(0x100));
    EXPECT_FALSE(test.IsCompromisingEvent(0x4) || test.IsCompromisingEvent(0x200));
    EXPECT_EQ(test.Run(nullptr), InternalError);
    corvo::hosts::HostExecution withoutDevice(nullptr, true, {});
    EXPECT_EQ(test.Run(&withoutDevice), InternalError);
    EXPECT_TRUE(withoutDevice.Record().progress.empty());
    EXPECT_EQ(test.TestDevice(&withoutDevice, nullptr), InternalError);
}

const std::string kTypematic = "warning PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS";
constexpr uint8_t kEscape = 0x1B;

// What else happens during a run.
enum class Event { None, TypematicLost, KeyInFirstQuietPhase, CancelAt75, SystemEvent, NotInFirmware, FirmwareForgets };

struct Ps2Row {
    const char* name;
    const char* scenario;
    Event event;
    uint32_t result;
    std::vector<std::string> messages;
    int resets; // the interrupt switched off (0x56) and on (0x47) once around them; -1: no port touched
    int cancelAtResets = 0; // a cancel request as the attempt after this many resets begins
};

// Up to 100 reset attempts, each sent again on a resend or silence within its 2 s. Silence while
// the firmware still reports the keyboard is a failure; pointer bytes and scan codes are somebody
// else's input: no verdict.
const Ps2Row kPs2Rows[] = {
    {"GoodKeyboard", "good-keyboard", Event::None, Passed, {}, 1},
    {"GoodKeyboardTypematicLost", "good-keyboard", Event::TypematicLost, PassedWithWarnings, {kTypematic}, 1},
    {"GoodKeyboardKeyPressed", "good-keyboard", Event::KeyInFirstQuietPhase, Aborted,
     {"information THE_TEST_DETECTED_USER_INTERVENTION_WHILE_RUNNING._|PLEASE_RE-RUN_THE_TEST_WITHTOUT_TOUCHING_ANY_"
      "ATTACHED_OR_BUILT-IN_KEYBOARD_OR_POINTING_DEVICE_WHILE_THE_TEST_IS_RUNNING"}, -1},
    {"GoodKeyboardCancelled", "good-keyboard", Event::CancelAt75, Aborted, {}, 1},
    {"GoodKeyboardSystemEvent", "good-keyboard", Event::SystemEvent, Aborted, {kEvent}, -1},
    {"GoodKeyboardNotInFirmware", "good-keyboard", Event::NotInFirmware, NotRun,
     {"information THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED"},
     -1},
    {"SelfTestFailsFc", "self-test-fails-fc", Event::None, Failed, {}, 100},
    {"SelfTestFailsFdTypematicLost", "self-test-fails-fd", Event::TypematicLost, Failed, {kTypematic}, 100},
    {"ResendStorm", "resend-storm", Event::None, Passed, {}, 4},
    {"ResendForever", "resend-forever", Event::None, Failed, {}, 1999},
    {"NoKeyboard", "no-keyboard", Event::None, Failed, {}, 200},
    // Once the firmware no longer reports the keyboard, an echo tells a silent one from a missing one.
    {"EchoOnlyKeyboardLeftTheFirmware", "echo-only-keyboard", Event::FirmwareForgets, Failed, {}, 200},
    {"NoKeyboardLeftTheFirmware", "no-keyboard", Event::FirmwareForgets, Aborted,
     {"information KEYBOARD_CHECK_CONNECTIONS_MESSAGE"}, 200},
    // A cancel request during the last attempt used to wait for an echo exchange as well.
    {"NoKeyboardLeftTheFirmwareCancelledInTheLastReset", "no-keyboard", Event::FirmwareForgets, Aborted, {}, 200, 198},
    {"TimeoutError", "timeout-error", Event::None, Failed, {}, 100},
    {"ParityError", "parity-error", Event::None, Failed, {}, 400},
    {"PointerBytesWaiting", "pointer-bytes-waiting", Event::None, Aborted, {}, 1},
    {"ScanCodeDuringReset", "scan-code-during-reset", Event::None, Aborted, {}, 1},
    {"InputBufferStuck", "input-buffer-stuck", Event::None, Aborted,
     {"warning KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE"}, 0},
};

class PS2KeyboardTestRun : public AutomaticRun, public testing::WithParamInterface<Ps2Row> {
protected:
    PS2KeyboardTest m_test{ObjectId(10, 1, 1)};
};

TEST_P(PS2KeyboardTestRun, ResultMessagesProgressAndTheInterruptOnAgain)
{
    const Ps2Row& row = GetParam();
    MakeKeyboardIn(SIMULATOR_FOLDER);
    fakehwkit::SetFlag(13, row.event != Event::NotInFirmware);
    void* simulator = SimulatorWith(row.scenario);
    ASSERT_NE(simulator, nullptr);

    m_machine.classDriver.repeatRestorable = row.event != Event::TypematicLost;
    // Escape is never intervention, so it can stay down and show the release step at work.
    m_machine.keyState.Press(kEscape);
    // The detector looks at the keyboard as each reset attempt begins; the log is read as it grows.
    const auto entryAt =
        reinterpret_cast<I8042SimulatorLogEntryAtFunction>(dlsym(simulator, I8042_SIMULATOR_LOG_ENTRY_AT_SYMBOL));
    std::size_t seen = 0;
    int resets = 0;
    m_machine.keyState.onKeyboardReading = [&](keyboardtest::ScriptedKeyState& state) {
        if (row.event == Event::KeyInFirstQuietPhase && state.keyboardReadings == 5) {
            state.Press(0x41);
        }
        for (I8042SimulatorLogEntry entry{}; row.cancelAtResets > 0 && entryAt(seen, &entry) == 1; ++seen) {
            resets += entry.isWrite != 0 && entry.port == 0x60 && entry.value == 0xFF ? 1 : 0;
        }
        if (row.cancelAtResets > 0 && resets == row.cancelAtResets) {
            m_execution->RequestCancel();
        }
    };
    EXPECT_EQ(m_test.IsApplicable(m_keyboard.get()), row.result != NotRun);
    std::vector<uint32_t> requests;
    corvo::hosts::HostExecution::Callbacks callbacks;
    callbacks.onInputRequest = [&requests](InputRequest& request) { requests.push_back(request.requestType); };
    callbacks.onProgress = [this, &row](const corvo::hosts::ReceivedProgress& progress) {
        if (row.event == Event::CancelAt75 && progress.percent == 75) {
            m_execution->RequestCancel();
        }
        if (row.event == Event::FirmwareForgets && progress.percent == 25) {
            fakehwkit::SetFlag(13, 0);
        }
    };
    // Only a reporter that takes input requests gets the notice.
    const bool acceptsInput = row.event == Event::CancelAt75;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Run(m_test, row.event == Event::SystemEvent ? 0x8 : 0, false, acceptsInput, callbacks), row.result);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << "the run is on a virtual clock";
    EXPECT_EQ(requests, acceptsInput ? std::vector<uint32_t>{ShowNotice} : std::vector<uint32_t>{});
    EXPECT_EQ(Messages(), row.messages);
    const std::vector<int> stopped = {0, 100};
    const std::vector<int> passed = {0, 25, 50, 75, 100};
    const std::vector<int> warned = {0, 25, 50, 100, 75, 100};
    EXPECT_EQ(Percentages(), row.resets < 0 ? stopped : row.event == Event::TypematicLost ? warned : passed);
    if (row.resets < 0) {
        EXPECT_EQ("information " + m_execution->Record().progress.back().text, row.messages.back());
    }

    const std::vector<corvo::i8042::LogEntry> log = drivertest::ExportedLog(simulator);
    dlclose(simulator);
    const auto writes = [&log](uint8_t value) {
        return std::count_if(log.begin(), log.end(), [value](const corvo::i8042::LogEntry& entry) {
            return entry.isWrite && entry.port == 0x60 && entry.value == value;
        });
    };
    EXPECT_EQ(log.empty(), row.resets < 0);
    EXPECT_EQ(writes(0xFF), std::max(row.resets, 0));
    EXPECT_EQ(writes(0x56), row.resets > 0 ? 1 : 0);
    EXPECT_EQ(writes(0x47), row.resets > 0 ? 1 : 0);
    EXPECT_EQ(log.empty() ? 0x47 : log.back().configuration, 0x47);
    EXPECT_EQ(m_machine.keyState.released, std::vector<uint8_t>(row.resets > 0 ? 1 : 0, kEscape));
    EXPECT_EQ(m_machine.classDriver.restores, row.resets < 0 ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Machines, PS2KeyboardTestRun, testing::ValuesIn(kPs2Rows),
                         [](const testing::TestParamInfo<Ps2Row>& info) { return std::string(info.param.name); });

// A run that ends with the keyboard interrupt off (abandoned mid-exchange, its re-enable lost)
// leaves it to the driver service's release, which switches it on; otherwise release touches no port.
TEST_F(AutomaticRun, ReleasedDriverServiceLeavesTheKeyboardInterruptOn)
{
    for (const int steps : {0, 1, 2, 3}) { // untouched, switched off, abandoned after a reset, switched on again
        MakeKeyboardIn(SIMULATOR_FOLDER);
        void* simulator = SimulatorWith("good-keyboard");
        bool foreignInput = false;
        auto detector = UserInterventionDetector::Create(0, m_keyboard->KeyState());
        EXPECT_TRUE(steps < 1 || m_keyboard->DisableKeyboardInterrupts());
        EXPECT_TRUE(steps < 2 || m_keyboard->ResetKeyboard(foreignInput, *detector, 2));
        EXPECT_TRUE(steps < 3 || m_keyboard->EnableKeyboardInterrupts());
        const std::size_t accesses = drivertest::ExportedLog(simulator).size();
        detector.reset();
        m_keyboard.reset();
        const std::vector<corvo::i8042::LogEntry> log = drivertest::ExportedLog(simulator);
        dlclose(simulator);
        EXPECT_EQ(log.size() > accesses, steps == 1 || steps == 2) << steps;
        EXPECT_EQ(log.empty() ? 0x47 : log.back().configuration, 0x47) << steps;
    }
}

// A driver service that cannot serve is named with the loader's reason, not as a missing keyboard.
TEST_F(AutomaticRun, Ps2TestSaysWhyTheDriverServiceCannotServe)
{
    ScratchFolder scratch;
    scratch.Add("not-an-elf/HalvikDiagnosticsDriverService.so", std::string(100, 'x'));
    scratch.Add("fifo/");
    const std::string fifo = scratch.Path("fifo/HalvikDiagnosticsDriverService.so");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, const char*> rows[] = {
        {scratch.Path("not-an-elf"), "invalid ELF header"},
        {scratch.Path("fifo"), "HalvikDiagnosticsDriverService.so is not a regular file"},
        {TEST_PLUGIN_FOLDER "/no-factory", "HalvikDiagnosticsDriverService.so does not export CreateHDXService"},
        {TEST_PLUGIN_FOLDER "/null-factory", "HalvikDiagnosticsDriverService.so: CreateHDXService returned no service"},
        {TEST_PLUGIN_FOLDER "/not-ready", "HalvikDiagnosticsDriverService.so: its service says it is not ready"},
    };
    for (const auto& [folder, reason] : rows) {
        WithoutWaitingOn(fifo, [&, folder = folder] { MakeKeyboardIn(folder); });
        PS2KeyboardTest test(ObjectId(10, 1, 1));
        EXPECT_EQ(Run(test), NotRun);
        const std::string note = "information " + m_execution->Record().progress.back().text;
        EXPECT_TRUE(note.rfind("information " + folder + "/", 0) == 0 && note.find(reason) != std::string::npos) << note;
        EXPECT_EQ(Messages(), std::vector<std::string>{note});
    }
}

// The host interface allows an execution without a message sink.
class ExecutionWithoutSink : public corvo::hosts::HostExecution {
public:
    using HostExecution::HostExecution;
    MessageSink* GetMessageSink() override { return nullptr; }
};

TEST_F(AutomaticRun, InteractiveTestWithoutAMessageSinkFindsNoKeyboard)
{
    m_keyboard = std::make_unique<KeyboardComponent>("0", m_machine.Platform());
    ExecutionWithoutSink execution(m_keyboard.get(), true, {});
    EXPECT_EQ(KeycodeVerificationTest(ObjectId(10, 1, 3)).Run(&execution), Aborted);
    EXPECT_EQ(execution.Record().progress.back().text, corvo::keyboard::keys::kDeviceNotIdentified);
}

} // namespace
