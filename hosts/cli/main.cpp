// HalvikDiagnosticsCLI: loads a diagnostics module and runs its tests from the command line.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Catalogues.h"
#include "CommandLine.h"
#include "ConsoleReport.h"
#include "DriverServiceState.h"
#include "HostExecution.h"
#include "HostProcess.h"
#include "InstallLayout.h"
#include "KeyInputState.h"
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
#include "platform/UiLanguageSource.h"

using namespace corvo::hosts;
using namespace corvo::hosts::cli;

namespace {

constexpr char kProgram[] = "HalvikDiagnosticsCLI";
constexpr char kDefaultModule[] = "keyboard";

// The program's own words, in the host catalogue under its name. The usage text and the usage
// errors that come with it stay English: scripts read them, as they read --version.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(HalvikDiagnosticsCLI)
};

void Print(const QString& line) { std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

const char* const kUsage = kCliUsage;

std::atomic<bool> g_interrupted{false};
std::atomic<std::atomic<bool>*> g_runningCancelFlag{nullptr};
// A test was given up while it still ran inside the module: the module must not be unloaded.
bool g_testLeftRunning = false;

// Every termination signal, the second Ctrl-C included, is a cancel request: the PS/2 test must
// switch the keyboard interrupt back on before the program ends, or the keyboard stays dead.
extern "C" void OnTerminationSignal(int)
{
    g_interrupted.store(true);
    if (std::atomic<bool>* flag = g_runningCancelFlag.load()) {
        flag->store(true);
    }
}

int UsageError(const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n\n%s", kProgram, error.c_str(), kUsage);
    return kExitUsage;
}

int Fail(const std::string& error)
{
    std::fprintf(stderr, "%s: %s\n", kProgram, Cli::tr("error: %1").arg(Q(error)).toUtf8().constData());
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

// Columns a terminal gives the text: two for each wide East Asian character, one for the others.
std::size_t DisplayWidth(const std::string& text)
{
    std::size_t width = 0;
    for (const char32_t c : QString::fromStdString(text).toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
            || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
            || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
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

    Print(Cli::tr("Module %1 (%2), version %3").arg(Q(resource.GetModuleName()), Q(resource.GetShortName()), Q(version))
          + QLatin1Char('\n'));
    const QString diagnosticName = Q(Translated(resource.GetDiagnosticName(diagnosticId)));
    QString diagnosticLine = Cli::tr("Diagnostic %1: %2").arg(Q(diagnosticId.ToString()), diagnosticName);
    if (selector != nullptr) {
        diagnosticLine += QStringLiteral("  [-%1, --%2]").arg(Q(selector->shortName), Q(selector->longName));
    }
    Print(diagnosticLine);
    std::printf("  %s\n\n", Translated(resource.GetDiagnosticDescription(diagnosticId)).c_str());
    if (view.diagnostic->GetTestCount() == 0) {
        Print(QStringLiteral("  ") + Cli::tr("This build of the module has no tests yet."));
        return kExitPassed;
    }
    Print(Cli::tr("Tests:"));
    for (uint32_t index = 0; index < view.diagnostic->GetTestCount(); ++index) {
        Test* test = view.diagnostic->GetTest(index);
        if (test == nullptr) {
            continue;
        }
        const ObjectId identifier = test->GetIdentifier();
        const CommandNameEntry* names = FindNames(testNames, identifier);
        const QString name = Q(Translated(resource.GetTestName(identifier)));
        std::printf("  %-8s %-10s %s\n", identifier.ToString().c_str(),
                    names != nullptr ? (names->shortName + ", " + names->longName).c_str() : "",
                    (test->IsInteractive() ? Cli::tr("%1 (interactive)").arg(name) : name).toUtf8().constData());
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
        return Fail(Cli::tr("the module has no component manager").toStdString());
    }
    manager->DetectComponents();
    const DriverServiceState service = DescribeDriverService(workDirectory);
    const Ps2KeyboardPresence ps2Keyboard = DescribePs2Keyboard();
    const std::vector<std::string> systemEventProblems = SystemEventMonitor().Problems();
    const KeyInputState keyInput = DescribeKeyInput(DesktopDialogsOnX());
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
                         {"systemEventProblems", QJsonArray::fromStringList(StringList(systemEventProblems))},
                         {"keyInput", KeyInputJson(keyInput)}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitPassed;
    }

    const std::string connectionLabel = Cli::tr("Connection").toStdString();
    for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
        SystemComponent* component = manager->GetComponent(index);
        if (component == nullptr) {
            continue;
        }
        const std::vector<DeviceEntry> devices = component->GetDevices();
        const std::vector<KeyboardDevice> keyboards = DescribeKeyboards(devices, ports);
        Print(Cli::tr("%1: %2 found")
                  .arg(Q(Translated(component->GetSummary().typeName)), QString::number(devices.size())));
        std::size_t width = 0;
        for (const KeyboardDevice& keyboard : keyboards) {
            for (const auto& property : keyboard.properties) {
                width = std::max(width, DisplayWidth(Translated(property.first)));
            }
            width = std::max(width, keyboard.port ? DisplayWidth(connectionLabel) : 0);
        }
        const auto line = [width](const std::string& label, const std::string& value) {
            std::printf("    %s%s  %s\n", label.c_str(), std::string(width - DisplayWidth(label), ' ').c_str(),
                        value.c_str());
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
                line(connectionLabel, PortSummary(*keyboard.port));
            }
        }
    }
    const QString presence = ps2Keyboard.present ? Cli::tr("present") : Cli::tr("not present");
    Print(QLatin1Char('\n')
          + (ps2Keyboard.reason.empty() ? Cli::tr("PS/2 keyboard: %1").arg(presence)
                                        : Cli::tr("PS/2 keyboard: %1 - %2").arg(presence, Q(ps2Keyboard.reason))));
    Print(Cli::tr("Driver service: %1").arg(Q(service.Summary())));
    Print(Cli::tr("System events: %1")
              .arg(systemEventProblems.empty() ? Cli::tr("watched (suspend, screen lock and user switches from the "
                                                         "login manager, keyboard hot-plug from udev)")
                                               : Q(Joined(systemEventProblems, "; "))));
    Print(Cli::tr("Dialog keys: %1").arg(Q(keyInput.dialogs)));
    Print(Cli::tr("PS/2 test's watch for the user: %1").arg(Q(keyInput.watch)));
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

QString NeedsDialog() { return Cli::tr("interactive test: needs a person at a dialog, which this host cannot show"); }

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
        report.reason = Cli::tr("not started: cancelled by the user").toStdString();
        return;
    }
    if (chosen.test == nullptr) {
        report.reason = Cli::tr("this build of the module does not contain this test").toStdString();
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
    auto execution = std::make_unique<HostExecution>(device, false, callbacks);
    auto watch = std::make_unique<SystemEventMonitor::Watch>(systemEvents, *execution);
    report.started = true;
    report.startedAt = ReportTime::Now();
    g_runningCancelFlag.store(&execution->CancelFlag());
    if (g_interrupted.load()) {
        execution->RequestCancel(); // the signal came between the check above and the flag's hand-over
    }
    const RunOutcome outcome = RunOnWorkerThread(*chosen.test, *execution, [console] {
        if (console != nullptr) {
            console->Tick();
        }
    });
    g_runningCancelFlag.store(nullptr);
    report.systemEvents = watch->Seen();
    watch.reset();
    if (outcome.givenUp) {
        // Still in use by the worker that is stuck inside the test.
        static_cast<void>(execution.release());
        g_testLeftRunning = true;
    }
    report.durationSeconds = ReportTime::Now().SecondsSince(report.startedAt);
    report.result = outcome.result;
    if (outcome.givenUp) {
        report.reason = GivenUpReason();
    } else if (!outcome.exception.empty()) {
        report.reason = Cli::tr("the test stopped with an exception: %1").arg(Q(outcome.exception)).toStdString();
    } else if (report.result == NotRun && report.interactive) {
        report.reason = NeedsDialog().toStdString();
    } else if (report.result == NotRun) {
        report.reason = Ps2NotRunReason(workDirectory);
    }
    if (!report.systemEvents.empty()) {
        const std::string happened =
            (report.systemEvents.size() == 1 ? Cli::tr("system event: %1") : Cli::tr("system events: %1"))
                .arg(Q(Joined(report.systemEvents, "; ")))
                .toStdString();
        report.reason = report.reason.empty() ? happened : report.reason + "; " + happened;
    }
}

// Opened before the tests run, so that a report that cannot be written costs no test run.
struct ReportFile {
    std::string path;
    std::unique_ptr<QFile> file;
};

QString CannotWriteReport(const ReportFile& report)
{
    return Cli::tr("cannot write the report to %1: %2").arg(Q(report.path), report.file->errorString());
}

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
        Print(Cli::tr("%1: the diagnostic has no tests in this build of the module.").arg(Q(report.diagnosticName)));
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
    report.keyInput = DescribeKeyInput(DesktopDialogsOnX());

    CatchTerminationSignals(OnTerminationSignal);
    if (const std::string note = WatchNote(report.keyInput); !chosen.empty() && !note.empty()) {
        report.notes.push_back(note);
    }
    // Watched from before the first test to after the last; each run sees what happens during it.
    std::unique_ptr<SystemEventMonitor> systemEvents;
    if (!chosen.empty()) {
        systemEvents = std::make_unique<SystemEventMonitor>();
        report.systemEventProblems = systemEvents->Problems();
        report.notes.insert(report.notes.end(), report.systemEventProblems.begin(), report.systemEventProblems.end());
    }
    for (const std::string& note : console != nullptr ? report.notes : std::vector<std::string>()) {
        Print(Cli::tr("note: %1").arg(Q(note)));
    }

    std::vector<ReportTest> unavailable;
    std::vector<std::pair<ReportTest, const ChosenTest*>> runnable;
    for (const ChosenTest& test : chosen) {
        ReportTest described = DescribeTest(resource, test);
        if (!described.available && !described.named) {
            described.reason = NeedsDialog().toStdString();
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
            console->Line(Cli::tr("%1: unavailable on the command line (%2)")
                              .arg(Q(test.name), Q(test.reason))
                              .toStdString());
        }
        report.tests.push_back(test);
    }

    std::vector<uint32_t> counted;
    std::map<std::string, int> counts;
    for (const ReportTest& test : report.tests) {
        if (test.counted) {
            counted.push_back(test.result);
        }
        ++counts[test.available || test.named ? ResultText(test.result)
                                              : Cli::tr("unavailable on the command line").toStdString()];
    }
    // Nothing that counts ran: "passed" would claim what nobody checked.
    report.exitStatus = counted.empty() ? kExitNotRun : ExitStatusFor(counted);
    report.cancelled = g_interrupted.load();
    report.durationSeconds = ReportTime::Now().SecondsSince(report.startedAt);

    if (console != nullptr && !report.tests.empty()) {
        QStringList summary;
        for (const auto& [name, count] : counts) {
            summary << Cli::tr("%1 %2", "a count and what it counts: 2 passed").arg(QString::number(count), Q(name));
        }
        Print(Cli::tr("Summary: %1").arg(summary.join(Cli::tr(", ", "between the counts of the summary"))));
    }
    if (json) {
        std::fputs(ReportJson(report).c_str(), stdout);
    }
    // Known before the report file is written, so that the file gives the status the program ends with.
    if (const std::string problem = StandardOutputProblem(); !problem.empty()) {
        report.exitStatus = Fail(problem);
    }
    if (reportFile.file) {
        const bool html = QString::fromStdString(reportFile.path).endsWith(".html", Qt::CaseInsensitive);
        const std::string document = html ? ReportHtml(report) : ReportJson(report);
        if (reportFile.file->write(document.data(), static_cast<qint64>(document.size()))
                != static_cast<qint64>(document.size())
            || !reportFile.file->flush()) {
            return Fail(CannotWriteReport(reportFile).toStdString());
        }
        reportFile.file->close();
    }
    return report.exitStatus;
}

std::string AbsolutePath(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

// The status to end with, once standard output has been written out.
int WithOutputChecked(int status)
{
    const std::string problem = StandardOutputProblem();
    return problem.empty() ? status : Fail(problem);
}

int RunProgram(int argc, char** argv)
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
        : ModulePathFor(programFolder, moduleName);
    if (!commandLine.modulePath && !QFileInfo::exists(QString::fromStdString(modulePath))) {
        return UsageError("unknown module '" + moduleName + "' (no " + modulePath + ")");
    }
    const std::string workDirectory =
        commandLine.workDirectory ? AbsolutePath(*commandLine.workDirectory) : WorkFolderFor(programFolder);

    HostCatalogues catalogues;
    const std::string missing =
        catalogues.Install(ChooseCatalogueLanguage(workDirectory, corvo::platform::SystemUiLanguages()),
                           CatalogueFoldersFor(programFolder));
    if (!missing.empty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, Cli::tr("warning: %1").arg(Q(missing)).toUtf8().constData());
    }

    std::string error;
    std::unique_ptr<ModuleLibrary> library = ModuleLibrary::Load(modulePath, error);
    if (!library) {
        return Fail(error);
    }
    const std::string version = ModuleLibrary::VersionText(library->Version());
    if (commandLine.version && !commandLine.help) {
        std::printf("%s %s\nmodule %s %s\n", kProgram, PROJECT_VERSION_TEXT, modulePath.c_str(), version.c_str());
        return WithOutputChecked(kExitPassed);
    }

    // Named from where the user stands, opened before the working folder changes and before any
    // test runs: a report that cannot be written is an error, not an hour's run lost.
    ReportFile reportFile;
    if (commandLine.reportPath && !commandLine.help && !commandLine.list && !commandLine.devices) {
        reportFile.path = AbsolutePath(*commandLine.reportPath);
        reportFile.file = std::make_unique<QFile>(QString::fromStdString(reportFile.path));
        if (!reportFile.file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return Fail(CannotWriteReport(reportFile).toStdString());
        }
    }

    // The module looks for config.ini and its driver service in the current directory.
    if (chdir(workDirectory.c_str()) != 0) {
        return Fail(Cli::tr("cannot use working folder %1: %2")
                        .arg(Q(workDirectory), QString::fromLocal8Bit(std::strerror(errno)))
                        .toStdString());
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
        return Fail(Cli::tr("the module %1 offers no diagnostic").arg(Q(modulePath)).toStdString());
    }

    if (commandLine.help) {
        std::fputs(view.resource->GetHelpText().c_str(), stdout);
        return WithOutputChecked(kExitPassed);
    }
    if (commandLine.list) {
        return WithOutputChecked(PrintList(view, version, commandLine.json));
    }
    if (commandLine.devices) {
        return WithOutputChecked(PrintDevices(view, workDirectory, commandLine.json));
    }
    const int status = RunTests(commandLine, view, workDirectory, reportFile);
    if (g_testLeftRunning) {
        // The module stays loaded under the test still running in it: no destructor may run.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    HoldClosedStandardStreams();
    return WithOutputChecked(RunProgram(argc, argv));
}
