// HalvikDiagnosticsCLI: loads a diagnostics module and runs its tests from the command line.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConsoleReport.h"
#include "DriverServiceState.h"
#include "HostExecution.h"
#include "KeyboardDevices.h"
#include "MessageAttribution.h"
#include "MessageTranslator.h"
#include "ModuleLibrary.h"
#include "Ps2Readiness.h"
#include "RunReport.h"
#include "SystemEventMonitor.h"
#include "TestOutcome.h"
#include "TestRunner.h"
#include "TestSelection.h"
#include "module/DeviceEntry.h"
#include "module/Diagnostic.h"
#include "module/InputRequest.h"
#include "module/ModuleInterface.h"
#include "module/Resource.h"
#include "module/SystemComponent.h"
#include "module/SystemComponentManager.h"
#include "module/Test.h"
#include "module/TestResult.h"
#include "platform/MachineInventory.h"

using namespace corvo::hosts;
using namespace corvo::hosts::cli;

namespace {

constexpr char kProgram[] = "HalvikDiagnosticsCLI";
constexpr char kDefaultModule[] = "keyboard";

const char kUsage[] =
    "Usage: HalvikDiagnosticsCLI -M<module> -Q | -Q\"<tests>\" | --quick[=\"<tests>\"] [options]\n"
    "       HalvikDiagnosticsCLI -M<module> --list | --devices | --help\n"
    "\n"
    "Runs the tests of a diagnostics module and reports their results.\n"
    "\n"
    "Options:\n"
    "  -M<module>, --module=<module>  the module to use (default: keyboard, the module this\n"
    "                                 installation carries)\n"
    "  -Q, --quick                    run every test of the module's diagnostic that this host can run\n"
    "  -Q\"<tests>\", --quick=\"<tests>\"\n"
    "                                 run the listed tests: short or long names, or the first word\n"
    "                                 of a test's name (keycode), comma-separated\n"
    "                                 (the module's help lists them: -M<module> --help)\n"
    "  --list                         list the diagnostic and its tests, then exit\n"
    "  --devices                      detect the devices the module can test and list them, then exit\n"
    "  --json                         print the run report (JSON, docs/report.md) on standard output\n"
    "                                 instead of progress and result lines\n"
    "  --report=<file>                also write the run report to a file: JSON, or a printable page\n"
    "                                 when the name ends in .html\n"
    "  --workdir=<folder>             the working folder, where the module looks for config.ini and\n"
    "                                 its driver service (default: the folder of this program)\n"
    "  --module-path=<file>           load the module from this file instead of ../lib/lib<module>.so\n"
    "  --version                      print the host's and the module's versions\n"
    "  -h, --help                     print this text; with -M<module>, print the module's help\n"
    "\n"
    "Interactive tests need a person at a dialog, which this host cannot show: -Q lists them as\n"
    "unavailable and leaves them out of the exit status; named in a list they run and come back\n"
    "\"not run\". Ctrl-C asks the running test to stop; a second Ctrl-C quits at once.\n"
    "\n"
    "Exit status:\n"
    "  0  every test that counts passed (warnings included)\n"
    "  1  at least one test failed\n"
    "  2  the command line could not be understood (unknown option, module or test name)\n"
    "  3  no test failed, but at least one did not run or was aborted, or no test counts\n"
    "  4  error: the module could not be loaded or used, a test reported an internal error, or\n"
    "     the report could not be written\n";

std::atomic<bool> g_interrupted{false};
std::atomic<std::atomic<bool>*> g_runningCancelFlag{nullptr};

extern "C" void OnInterrupt(int)
{
    g_interrupted.store(true);
    if (std::atomic<bool>* flag = g_runningCancelFlag.load()) {
        flag->store(true);
    }
}

void InstallInterruptHandler()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = OnInterrupt;
    // The second Ctrl-C takes the default action, for a test that does not honour the request.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

int UsageError(const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n\n%s", kProgram, error.c_str(), kUsage);
    return kExitUsage;
}

int Fail(const std::string& error)
{
    std::fprintf(stderr, "%s: error: %s\n", kProgram, error.c_str());
    return kExitError;
}

std::string Translated(const std::string& key) { return MessageTranslator::Translate(key); }

QStringList StringList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : separator) + part;
    }
    return text;
}

struct ChosenTest {
    ObjectId identifier{0, 0, 0};
    CommandNameEntry names;
    Test* test = nullptr;
    // Named in a list rather than only chosen with the whole diagnostic.
    bool named = false;
};

// The module's objects the host works with, looked up once after loading.
struct ModuleView {
    ModuleInterface* module = nullptr;
    Resource* resource = nullptr;
    Diagnostic* diagnostic = nullptr;
    std::string path;
    std::string version;
};

// Whether this machine lets a test watch the keyboard and the pointer at all: an X display, or
// input devices this process may read.
bool InputStateReadable()
{
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') {
        return true;
    }
    const QDir devices(QStringLiteral("/dev/input"));
    for (const QString& name : devices.entryList({QStringLiteral("event*")}, QDir::System)) {
        if (access(devices.filePath(name).toLocal8Bit().constData(), R_OK) == 0) {
            return true;
        }
    }
    return false;
}

std::string NameKeyOf(Resource& resource, const ObjectId& identifier)
{
    std::string key = resource.GetTestName(identifier);
    return key.empty() ? identifier.ToString() : key;
}

QJsonObject TestDescriptionJson(Resource& resource, const ObjectId& identifier, const CommandNameEntry* names)
{
    QJsonObject object;
    object["id"] = QString::fromStdString(identifier.ToString());
    object["nameKey"] = QString::fromStdString(resource.GetTestName(identifier));
    object["name"] = QString::fromStdString(Translated(resource.GetTestName(identifier)));
    object["descriptionKey"] = QString::fromStdString(resource.GetTestDescription(identifier));
    object["description"] = QString::fromStdString(Translated(resource.GetTestDescription(identifier)));
    if (names != nullptr) {
        object["shortName"] = QString::fromStdString(names->shortName);
        object["longName"] = QString::fromStdString(names->longName);
    }
    return object;
}

const CommandNameEntry* FindNames(const CommandNameMap& map, const ObjectId& identifier)
{
    const auto found = map.find(identifier);
    return found == map.end() ? nullptr : &found->second;
}

int PrintList(const ModuleView& view, const std::string& version, bool json)
{
    Resource& resource = *view.resource;
    const ObjectId diagnosticId = view.diagnostic->GetIdentifier();
    const CommandNameMap testNames = resource.GetTestCommandNames();
    const CommandNameMap diagnosticNames = resource.GetDiagnosticCommandNames();
    const CommandNameEntry* selector = FindNames(diagnosticNames, diagnosticId);

    if (json) {
        QJsonObject diagnostic;
        diagnostic["id"] = QString::fromStdString(diagnosticId.ToString());
        diagnostic["nameKey"] = QString::fromStdString(resource.GetDiagnosticName(diagnosticId));
        diagnostic["name"] = QString::fromStdString(Translated(resource.GetDiagnosticName(diagnosticId)));
        diagnostic["description"] =
            QString::fromStdString(Translated(resource.GetDiagnosticDescription(diagnosticId)));
        if (selector != nullptr) {
            diagnostic["shortName"] = QString::fromStdString(selector->shortName);
            diagnostic["longName"] = QString::fromStdString(selector->longName);
        }
        QJsonArray tests;
        for (uint32_t index = 0; index < view.diagnostic->GetTestCount(); ++index) {
            Test* test = view.diagnostic->GetTest(index);
            if (test == nullptr) {
                continue;
            }
            QJsonObject entry = TestDescriptionJson(resource, test->GetIdentifier(),
                                                    FindNames(testNames, test->GetIdentifier()));
            entry["interactive"] = test->IsInteractive();
            tests.append(entry);
        }
        diagnostic["tests"] = tests;
        QJsonObject root;
        root["module"] = QString::fromStdString(resource.GetModuleName());
        root["version"] = QString::fromStdString(version);
        root["diagnostics"] = QJsonArray{diagnostic};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitPassed;
    }

    std::printf("Module %s (%s), version %s\n\n", resource.GetModuleName().c_str(),
                resource.GetShortName().c_str(), version.c_str());
    std::printf("Diagnostic %s: %s", diagnosticId.ToString().c_str(),
                Translated(resource.GetDiagnosticName(diagnosticId)).c_str());
    if (selector != nullptr) {
        std::printf("  [-%s, --%s]", selector->shortName.c_str(), selector->longName.c_str());
    }
    std::printf("\n  %s\n\n", Translated(resource.GetDiagnosticDescription(diagnosticId)).c_str());
    if (view.diagnostic->GetTestCount() == 0) {
        std::printf("  This build of the module has no tests yet.\n");
        return kExitPassed;
    }
    std::printf("Tests:\n");
    for (uint32_t index = 0; index < view.diagnostic->GetTestCount(); ++index) {
        Test* test = view.diagnostic->GetTest(index);
        if (test == nullptr) {
            continue;
        }
        const ObjectId identifier = test->GetIdentifier();
        const CommandNameEntry* names = FindNames(testNames, identifier);
        std::printf("  %-8s %-10s %s%s\n", identifier.ToString().c_str(),
                    names != nullptr ? (names->shortName + ", " + names->longName).c_str() : "",
                    Translated(resource.GetTestName(identifier)).c_str(),
                    test->IsInteractive() ? " (interactive)" : "");
        std::printf("  %-8s %-10s %s\n", "", "", Translated(resource.GetTestDescription(identifier)).c_str());
    }
    return kExitPassed;
}

// The module gives USB ids in decimal; lsusb and most tools show them in hex.
std::optional<std::string> HexOfId(const KeyboardDevice& keyboard, const std::string& key)
{
    const std::optional<uint16_t> id = key == "USB_KEYBOARD_VENDOR_ID" ? keyboard.vendorId
        : key == "USB_KEYBOARD_PRODUCT_ID"                             ? keyboard.productId
                                                                       : std::nullopt;
    return id ? std::optional<std::string>(HexId(*id)) : std::nullopt;
}

QJsonArray PropertiesJson(const PropertyList& properties, const KeyboardDevice* keyboard = nullptr)
{
    QJsonArray array;
    for (const auto& [key, value] : properties) {
        QJsonObject property{{"key", QString::fromStdString(key)},
                             {"label", QString::fromStdString(Translated(key))},
                             {"value", QString::fromStdString(value)},
                             {"text", QString::fromStdString(Translated(value))}};
        if (const std::optional<std::string> hex = keyboard != nullptr ? HexOfId(*keyboard, key) : std::nullopt) {
            property["hex"] = QString::fromStdString(*hex);
        }
        array.append(property);
    }
    return array;
}

int PrintDevices(const ModuleView& view, const std::string& workDirectory, bool json)
{
    SystemComponentManager* manager = view.module->GetComponentManager();
    if (manager == nullptr) {
        return Fail("the module has no component manager");
    }
    manager->DetectComponents();
    const DriverServiceState service = DescribeDriverService(workDirectory);
    const Ps2KeyboardPresence ps2Keyboard = DescribePs2Keyboard();
    const std::vector<std::string> systemEventProblems = SystemEventMonitor().Problems();
    const std::vector<corvo::platform::UsbKeyboardPort> ports =
        corvo::platform::CreateMachineInventory()->UsbKeyboards();

    if (json) {
        QJsonArray components;
        for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
            SystemComponent* component = manager->GetComponent(index);
            if (component == nullptr) {
                continue;
            }
            const ComponentSummary summary = component->GetSummary();
            const std::vector<DeviceEntry> entries = component->GetDevices();
            const std::vector<KeyboardDevice> keyboards = DescribeKeyboards(entries, ports);
            QJsonArray devices;
            for (std::size_t position = 0; position < entries.size(); ++position) {
                const KeyboardDevice& keyboard = keyboards[position];
                devices.append(QJsonObject{
                    {"name", QString::fromStdString(entries[position].name)},
                    {"properties", PropertiesJson(entries[position].properties, &keyboard)},
                    {"connection", keyboard.port ? QJsonValue(QString::fromStdString(PortSummary(*keyboard.port)))
                                               : QJsonValue()}});
            }
            components.append(QJsonObject{{"id", QString::fromStdString(component->GetId())},
                                          {"typeName", QString::fromStdString(summary.typeName)},
                                          {"attributes", PropertiesJson(summary.attributes)},
                                          {"devices", devices}});
        }
        QJsonObject root{{"module", QString::fromStdString(view.resource->GetModuleName())},
                         {"components", components},
                         {"driverService", QJsonObject{{"path", QString::fromStdString(service.path)},
                                                       {"found", service.found},
                                                       {"usable", service.usable},
                                                       {"access", QString::fromStdString(service.access)},
                                                       {"problem", QString::fromStdString(service.problem)}}},
                         {"ps2Keyboard", QJsonObject{{"present", ps2Keyboard.present},
                                                     {"reason", QString::fromStdString(ps2Keyboard.reason)}}},
                         {"systemEventProblems", QJsonArray::fromStringList(StringList(systemEventProblems))}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitPassed;
    }

    constexpr char kConnectionLabel[] = "Connection";
    for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
        SystemComponent* component = manager->GetComponent(index);
        if (component == nullptr) {
            continue;
        }
        const std::vector<DeviceEntry> devices = component->GetDevices();
        const std::vector<KeyboardDevice> keyboards = DescribeKeyboards(devices, ports);
        std::printf("%s: %zu found\n", Translated(component->GetSummary().typeName).c_str(), devices.size());
        std::size_t width = 0;
        for (const KeyboardDevice& keyboard : keyboards) {
            for (const auto& property : keyboard.properties) {
                width = std::max(width, Translated(property.first).size());
            }
            width = std::max(width, keyboard.port ? sizeof kConnectionLabel - 1 : 0);
        }
        const auto line = [width](const std::string& label, const std::string& value) {
            std::printf("    %s%s  %s\n", label.c_str(), std::string(width - label.size(), ' ').c_str(), value.c_str());
        };
        for (const KeyboardDevice& keyboard : keyboards) {
            std::printf("\n  %s\n", keyboard.title.c_str());
            for (const auto& [key, value] : keyboard.properties) {
                if (key != "INDEX") {
                    const std::optional<std::string> hex = HexOfId(keyboard, key);
                    line(Translated(key), Translated(value) + (hex ? " (" + *hex + ")" : ""));
                }
            }
            if (keyboard.port) {
                line(kConnectionLabel, PortSummary(*keyboard.port));
            }
        }
    }
    std::printf("\nPS/2 keyboard: %s%s\n", ps2Keyboard.present ? "present" : "not present",
                ps2Keyboard.reason.empty() ? "" : (" - " + ps2Keyboard.reason).c_str());
    std::printf("Driver service: %s\n", service.Summary().c_str());
    std::printf("System events: %s\n", systemEventProblems.empty()
                                            ? "watched (suspend, screen lock and user switches from the login "
                                              "manager, keyboard hot-plug from udev)"
                                            : Joined(systemEventProblems, "; ").c_str());
    return kExitPassed;
}

// Resolves the selectors against the module's command names into the tests to run, in the order
// given, each once. Returns an empty error on success.
std::string ChooseTests(const CommandLine& commandLine, const ModuleView& view, std::vector<ChosenTest>& chosen)
{
    Resource& resource = *view.resource;
    const CommandNameMap diagnosticNames = resource.GetDiagnosticCommandNames();
    const CommandNameMap testNames = resource.GetTestCommandNames();
    const ObjectId diagnosticId = view.diagnostic->GetIdentifier();
    const std::vector<TestNames> knownTests = CollectTestNames(resource, *view.diagnostic);

    auto add = [&](const ObjectId& identifier, bool named) {
        for (ChosenTest& existing : chosen) {
            if (existing.identifier == identifier) {
                existing.named = existing.named || named;
                return;
            }
        }
        const CommandNameEntry* names = FindNames(testNames, identifier);
        chosen.push_back(ChosenTest{identifier, names != nullptr ? *names : CommandNameEntry{},
                                    view.diagnostic->FindTest(identifier), named});
    };

    for (const SelectorOption& selector : commandLine.selectors) {
        bool known = false;
        for (const auto& [identifier, names] : diagnosticNames) {
            const std::string& name = selector.longForm ? names.longName : names.shortName;
            if (name == selector.name && identifier == diagnosticId) {
                known = true;
            }
        }
        if (!known) {
            return "unknown option '" + selector.text + "'";
        }
        if (!selector.list) {
            for (uint32_t index = 0; index < view.diagnostic->GetTestCount(); ++index) {
                if (Test* test = view.diagnostic->GetTest(index)) {
                    add(test->GetIdentifier(), false);
                }
            }
            continue;
        }
        std::vector<ObjectId> identifiers;
        std::string error;
        if (!MatchTestList(knownTests, *selector.list, identifiers, error)) {
            return error;
        }
        for (const ObjectId& identifier : identifiers) {
            add(identifier, true);
        }
    }
    return {};
}

constexpr char kNeedsDialog[] = "interactive test: needs a person at a dialog, which this host cannot show";

ReportTest DescribeTest(Resource& resource, const ChosenTest& chosen)
{
    ReportTest test;
    test.id = chosen.identifier.ToString();
    test.nameKey = NameKeyOf(resource, chosen.identifier);
    test.name = Translated(test.nameKey);
    test.shortName = chosen.names.shortName;
    test.longName = chosen.names.longName;
    test.interactive = chosen.test != nullptr && chosen.test->IsInteractive();
    test.named = chosen.named;
    // This host answers no dialog: an interactive test cannot run here, and when it was not asked
    // for by name it stays out of the exit status, so that -Q can pass.
    test.available = !test.interactive;
    test.counted = test.available || test.named;
    return test;
}

// Runs one test on a worker thread and records what it reports; the console shows it unless
// the report goes to standard output.
void RunOne(ReportTest& report, const ChosenTest& chosen, SystemComponent* device,
            const std::vector<KeyboardDevice>& keyboards, SystemEventMonitor& systemEvents, ConsoleReport* console,
            const std::string& workDirectory)
{
    if (g_interrupted.load()) {
        report.reason = "not started: cancelled by the user";
        return;
    }
    if (chosen.test == nullptr) {
        report.reason = "this build of the module does not contain this test";
        return;
    }
    MessageAttribution attribution(report.nameKey, keyboards);
    HostExecution::Callbacks callbacks;
    // Called on the worker thread; the report is read only after the run has ended.
    callbacks.onMessage = [&](const ReceivedMessage& message) {
        const std::optional<std::size_t> keyboard = attribution.Message(message.kind);
        report.AddMessage(message.text, Translated(message.text), message.kind, keyboard);
        if (console != nullptr) {
            console->Message(Translated(message.text), message.kind,
                             keyboard ? KeyboardLabel(keyboards[*keyboard]) : "");
        }
    };
    callbacks.onProgress = [&](const ReceivedProgress& progress) {
        attribution.Progress(progress.percent);
        report.AddProgress(progress.percent, progress.text, Translated(progress.text));
        if (console != nullptr) {
            console->Progress(progress.percent, Translated(progress.text));
        }
    };
    // Only reached if a test asks although input requests are refused: notices are shown,
    // dialogs get no verdict.
    callbacks.onInputRequest = [console](InputRequest& request) {
        if (request.requestType == ShowNotice && console != nullptr) {
            console->Note(Translated(request.title) + ": " + Translated(request.message));
        }
        request.answer = 0;
    };
    HostExecution execution(device, false, callbacks);
    const SystemEventMonitor::Watch watch(systemEvents, execution);
    report.started = true;
    report.startedAt = ReportTime::Now();
    g_runningCancelFlag.store(&execution.CancelFlag());
    const RunOutcome outcome = RunOnWorkerThread(*chosen.test, execution, [console] {
        if (console != nullptr) {
            console->Tick();
        }
    });
    g_runningCancelFlag.store(nullptr);
    report.durationSeconds = ReportTime::Now().SecondsSince(report.startedAt);
    report.result = outcome.result;
    report.systemEvents = watch.Seen();
    if (!outcome.exception.empty()) {
        report.reason = "the test stopped with an exception: " + outcome.exception;
    } else if (report.result == NotRun && report.interactive) {
        report.reason = kNeedsDialog;
    } else if (report.result == NotRun) {
        report.reason = Ps2NotRunReason(workDirectory);
    }
    if (!report.systemEvents.empty()) {
        const std::string happened = (report.systemEvents.size() == 1 ? "system event: " : "system events: ")
            + Joined(report.systemEvents, "; ");
        report.reason = report.reason.empty() ? happened : report.reason + "; " + happened;
    }
}

// Opened before the tests run, so that a report that cannot be written costs no test run.
struct ReportFile {
    std::string path;
    std::unique_ptr<QFile> file;
};

int RunTests(const CommandLine& commandLine, const ModuleView& view, const std::string& workDirectory,
             ReportFile& reportFile)
{
    std::vector<ChosenTest> chosen;
    if (const std::string error = ChooseTests(commandLine, view, chosen); !error.empty()) {
        return UsageError(error);
    }

    const bool json = commandLine.json;
    ConsoleReport terminal(stdout, !json && isatty(STDOUT_FILENO) != 0 && std::getenv("TERM") != nullptr
                                       && std::strcmp(std::getenv("TERM"), "dumb") != 0);
    ConsoleReport* console = json ? nullptr : &terminal;
    Resource& resource = *view.resource;
    const ObjectId diagnosticId = view.diagnostic->GetIdentifier();

    RunReport report;
    report.startedAt = ReportTime::Now();
    report.hostName = kProgram;
    report.hostVersion = PROJECT_VERSION_TEXT;
    report.moduleName = resource.GetModuleName();
    report.moduleVersion = view.version;
    report.modulePath = view.path;
    report.diagnosticId = diagnosticId.ToString();
    report.diagnosticNameKey = resource.GetDiagnosticName(diagnosticId);
    report.diagnosticName = Translated(report.diagnosticNameKey);

    if (chosen.empty() && !json) {
        std::printf("%s: the diagnostic has no tests in this build of the module.\n", report.diagnosticName.c_str());
    }

    SystemComponent* device = nullptr;
    if (SystemComponentManager* manager = view.module->GetComponentManager()) {
        manager->DetectComponents();
        device = manager->GetComponent(0);
    }
    const std::unique_ptr<corvo::platform::MachineInventory> inventory = corvo::platform::CreateMachineInventory();
    report.machine = inventory->Identity();
    report.keyboards = DescribeKeyboards(device != nullptr ? device->GetDevices() : std::vector<DeviceEntry>(),
                                         inventory->UsbKeyboards());
    report.ps2Keyboard = DescribePs2Keyboard();
    report.driverService = DescribeDriverService(workDirectory);

    InstallInterruptHandler();
    if (!chosen.empty() && !InputStateReadable()) {
        report.notes.push_back("no X display and no readable input device here: the tests cannot see a person "
                               "touching the keyboard or the pointer, so user intervention goes undetected");
    }
    // Watched from before the first test to after the last; each run sees what happens during it.
    std::unique_ptr<SystemEventMonitor> systemEvents;
    if (!chosen.empty()) {
        systemEvents = std::make_unique<SystemEventMonitor>();
        report.systemEventProblems = systemEvents->Problems();
        report.notes.insert(report.notes.end(), report.systemEventProblems.begin(), report.systemEventProblems.end());
    }
    for (const std::string& note : console != nullptr ? report.notes : std::vector<std::string>()) {
        std::printf("note: %s\n", note.c_str());
    }

    std::vector<ReportTest> unavailable;
    std::vector<std::pair<ReportTest, const ChosenTest*>> runnable;
    for (const ChosenTest& test : chosen) {
        ReportTest described = DescribeTest(resource, test);
        if (!described.available && !described.named) {
            described.reason = kNeedsDialog;
            unavailable.push_back(described);
        } else {
            runnable.emplace_back(described, &test);
        }
    }
    for (std::size_t position = 0; position < runnable.size(); ++position) {
        auto& [test, source] = runnable[position];
        if (console != nullptr) {
            console->BeginTest(position + 1, runnable.size(), test.name);
        }
        RunOne(test, *source, device, report.keyboards, *systemEvents, console, workDirectory);
        if (console != nullptr) {
            if (!test.reason.empty()) {
                console->Note(test.reason);
            }
            console->EndTest(test.name, test.result);
        }
        report.tests.push_back(test);
    }
    for (const ReportTest& test : unavailable) {
        if (console != nullptr) {
            console->Line(test.name + ": unavailable on the command line (" + test.reason + ")");
        }
        report.tests.push_back(test);
    }

    std::vector<uint32_t> counted;
    std::map<std::string, int> counts;
    for (const ReportTest& test : report.tests) {
        if (test.counted) {
            counted.push_back(test.result);
        }
        ++counts[test.available || test.named ? ResultName(test.result) : "unavailable on the command line"];
    }
    // Nothing that counts ran: "passed" would claim what nobody checked.
    report.exitStatus = counted.empty() ? kExitNotRun : ExitStatusFor(counted);
    report.cancelled = g_interrupted.load();
    report.durationSeconds = ReportTime::Now().SecondsSince(report.startedAt);

    if (console != nullptr && !report.tests.empty()) {
        std::string summary;
        for (const auto& [name, count] : counts) {
            summary += (summary.empty() ? "" : ", ") + std::to_string(count) + " " + name;
        }
        std::printf("Summary: %s\n", summary.c_str());
    }
    if (json) {
        std::fputs(ReportJson(report).c_str(), stdout);
    }
    if (reportFile.file) {
        const bool html = QString::fromStdString(reportFile.path).endsWith(".html", Qt::CaseInsensitive);
        const std::string document = html ? ReportHtml(report) : ReportJson(report);
        if (reportFile.file->write(document.data(), static_cast<qint64>(document.size()))
                != static_cast<qint64>(document.size())
            || !reportFile.file->flush()) {
            return Fail("cannot write the report to " + reportFile.path + ": "
                        + reportFile.file->errorString().toStdString());
        }
        reportFile.file->close();
    }
    return report.exitStatus;
}

std::string AbsolutePath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    const ParseResult parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        return UsageError(parsed.error);
    }
    const CommandLine& commandLine = parsed.commandLine;
    if (commandLine.help && !commandLine.moduleName) {
        std::fputs(kUsage, stdout);
        return kExitPassed;
    }
    if (!commandLine.help && !commandLine.list && !commandLine.devices && !commandLine.version
        && commandLine.selectors.empty()) {
        return UsageError("nothing to do: choose tests with -Q, or use --list, --devices or --help");
    }

    QCoreApplication application(argc, argv);
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::string moduleName = commandLine.moduleName.value_or(kDefaultModule);
    const std::string modulePath = commandLine.modulePath
        ? AbsolutePath(*commandLine.modulePath)
        : QDir(QString::fromStdString(programFolder + "/../lib")).absoluteFilePath(
              QString::fromStdString("lib" + moduleName + ".so")).toStdString();
    if (!commandLine.modulePath && !QFileInfo::exists(QString::fromStdString(modulePath))) {
        return UsageError("unknown module '" + moduleName + "' (no " + modulePath + ")");
    }
    const std::string workDirectory =
        commandLine.workDirectory ? AbsolutePath(*commandLine.workDirectory) : programFolder;

    MessageTranslator translator;
    if (!translator.Install("en_US", {programFolder + "/translations",
                                      programFolder + "/../share/halvik-diagnostics/translations"})) {
        std::fprintf(stderr, "%s: warning: no message catalogue found; showing message keys\n", kProgram);
    }

    std::string error;
    std::unique_ptr<ModuleLibrary> library = ModuleLibrary::Load(modulePath, error);
    if (!library) {
        return Fail(error);
    }
    const std::string version = ModuleLibrary::VersionText(library->Version());
    if (commandLine.version && !commandLine.help) {
        std::printf("%s %s\nmodule %s %s\n", kProgram, PROJECT_VERSION_TEXT, modulePath.c_str(), version.c_str());
        return kExitPassed;
    }

    // Named from where the user stands, opened before the working folder changes and before any
    // test runs: a report that cannot be written is an error, not an hour's run lost.
    ReportFile reportFile;
    if (commandLine.reportPath && !commandLine.help && !commandLine.list && !commandLine.devices) {
        reportFile.path = AbsolutePath(*commandLine.reportPath);
        reportFile.file = std::make_unique<QFile>(QString::fromStdString(reportFile.path));
        if (!reportFile.file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return Fail("cannot write the report to " + reportFile.path + ": "
                        + reportFile.file->errorString().toStdString());
        }
    }

    // The module looks for config.ini and its driver service in the current directory.
    if (chdir(workDirectory.c_str()) != 0) {
        return Fail("cannot use working folder " + workDirectory + ": " + std::strerror(errno));
    }

    ModuleView view;
    view.module = library->Module();
    view.resource = view.module != nullptr ? view.module->GetResource() : nullptr;
    view.diagnostic = view.module != nullptr && view.module->GetDiagnosticCount() > 0
        ? view.module->GetDiagnostic(0)
        : nullptr;
    view.path = modulePath;
    view.version = version;
    if (view.resource == nullptr || view.diagnostic == nullptr) {
        return Fail("the module " + modulePath + " offers no diagnostic");
    }

    if (commandLine.help) {
        std::fputs(view.resource->GetHelpText().c_str(), stdout);
        return kExitPassed;
    }
    if (commandLine.list) {
        return PrintList(view, version, commandLine.json);
    }
    if (commandLine.devices) {
        return PrintDevices(view, workDirectory, commandLine.json);
    }
    return RunTests(commandLine, view, workDirectory, reportFile);
}
