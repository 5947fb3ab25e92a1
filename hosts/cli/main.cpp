// HalvikDiagnosticsCLI: loads a diagnostics module and runs its tests from the command line.
#include <QCoreApplication>
#include <QDir>
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
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConsoleReport.h"
#include "DriverServiceState.h"
#include "HostExecution.h"
#include "MessageTranslator.h"
#include "ModuleLibrary.h"
#include "Ps2Readiness.h"
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
    "  -Q, --quick                    run every test of the module's diagnostic\n"
    "  -Q\"<tests>\", --quick=\"<tests>\"\n"
    "                                 run the listed tests: short or long names, or the first word\n"
    "                                 of a test's name (keycode), comma-separated\n"
    "                                 (the module's help lists them: -M<module> --help)\n"
    "  --list                         list the diagnostic and its tests, then exit\n"
    "  --devices                      detect the devices the module can test and list them, then exit\n"
    "  --json                         print a machine-readable report on standard output instead\n"
    "                                 of progress and result lines\n"
    "  --workdir=<folder>             the working folder, where the module looks for config.ini and\n"
    "                                 its driver service (default: the folder of this program)\n"
    "  --module-path=<file>           load the module from this file instead of ../lib/lib<module>.so\n"
    "  --version                      print the host's and the module's versions\n"
    "  -h, --help                     print this text; with -M<module>, print the module's help\n"
    "\n"
    "Interactive tests need a person at a dialog: this host cannot show one, so they come back\n"
    "\"not run\". Ctrl-C asks the running test to stop; a second Ctrl-C quits at once.\n"
    "\n"
    "Exit status:\n"
    "  0  every chosen test passed (warnings included)\n"
    "  1  at least one test failed\n"
    "  2  the command line could not be understood (unknown option, module or test name)\n"
    "  3  no test failed, but at least one did not run or was aborted\n"
    "  4  error: the module could not be loaded or used, or a test reported an internal error\n";

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
};

struct TestReport {
    ChosenTest chosen;
    std::string nameKey;
    uint32_t result = NotRun;
    RunRecord record;
    std::string note;
};

// The module's objects the host works with, looked up once after loading.
struct ModuleView {
    ModuleInterface* module = nullptr;
    Resource* resource = nullptr;
    Diagnostic* diagnostic = nullptr;
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

QJsonArray PropertiesJson(const PropertyList& properties)
{
    QJsonArray array;
    for (const auto& [key, value] : properties) {
        array.append(QJsonObject{{"key", QString::fromStdString(key)},
                                 {"label", QString::fromStdString(Translated(key))},
                                 {"value", QString::fromStdString(value)},
                                 {"text", QString::fromStdString(Translated(value))}});
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

    if (json) {
        QJsonArray components;
        for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
            SystemComponent* component = manager->GetComponent(index);
            if (component == nullptr) {
                continue;
            }
            const ComponentSummary summary = component->GetSummary();
            QJsonArray devices;
            for (const DeviceEntry& device : component->GetDevices()) {
                devices.append(QJsonObject{{"name", QString::fromStdString(device.name)},
                                           {"properties", PropertiesJson(device.properties)}});
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

    for (uint32_t index = 0; index < manager->GetComponentCount(); ++index) {
        SystemComponent* component = manager->GetComponent(index);
        if (component == nullptr) {
            continue;
        }
        const std::vector<DeviceEntry> devices = component->GetDevices();
        std::printf("%s: %zu found\n", Translated(component->GetSummary().typeName).c_str(), devices.size());
        std::size_t width = 0;
        for (const DeviceEntry& device : devices) {
            for (const auto& property : device.properties) {
                width = std::max(width, Translated(property.first).size());
            }
        }
        for (const DeviceEntry& device : devices) {
            std::string number;
            for (const auto& [key, value] : device.properties) {
                if (key == "INDEX") {
                    number = value;
                }
            }
            std::printf("\n  %s %s\n", Translated(device.name).c_str(), number.c_str());
            for (const auto& [key, value] : device.properties) {
                if (key != "INDEX") {
                    const std::string label = Translated(key);
                    std::printf("    %s%s  %s\n", label.c_str(), std::string(width - label.size(), ' ').c_str(),
                                Translated(value).c_str());
                }
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

    auto add = [&](const ObjectId& identifier) {
        for (const ChosenTest& existing : chosen) {
            if (existing.identifier == identifier) {
                return;
            }
        }
        const CommandNameEntry* names = FindNames(testNames, identifier);
        chosen.push_back(ChosenTest{identifier, names != nullptr ? *names : CommandNameEntry{},
                                    view.diagnostic->FindTest(identifier)});
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
                    add(test->GetIdentifier());
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
            add(identifier);
        }
    }
    return {};
}

QJsonObject TestReportJson(Resource& resource, const TestReport& report)
{
    QJsonObject object = TestDescriptionJson(resource, report.chosen.identifier, &report.chosen.names);
    object["result"] = static_cast<int>(report.result);
    object["status"] = QString::fromStdString(ResultName(report.result));
    if (!report.note.empty()) {
        object["note"] = QString::fromStdString(report.note);
    }
    QJsonArray messages;
    for (const ReceivedMessage& message : report.record.messages) {
        messages.append(QJsonObject{{"key", QString::fromStdString(message.text)},
                                    {"text", QString::fromStdString(Translated(message.text))},
                                    {"kind", static_cast<int>(message.kind)},
                                    {"kindName", QString::fromStdString(MessageKindName(message.kind))}});
    }
    object["messages"] = messages;
    QJsonArray progress;
    for (const ReceivedProgress& step : report.record.progress) {
        QJsonObject entry{{"percent", static_cast<int>(step.percent)}};
        if (!step.text.empty()) {
            entry["key"] = QString::fromStdString(step.text);
            entry["text"] = QString::fromStdString(Translated(step.text));
        }
        progress.append(entry);
    }
    object["progress"] = progress;
    return object;
}

int RunTests(const CommandLine& commandLine, const ModuleView& view, const std::string& version,
             const std::string& workDirectory)
{
    std::vector<ChosenTest> chosen;
    if (const std::string error = ChooseTests(commandLine, view, chosen); !error.empty()) {
        return UsageError(error);
    }

    const bool json = commandLine.json;
    ConsoleReport console(stdout, !json && isatty(STDOUT_FILENO) != 0 && std::getenv("TERM") != nullptr
                                      && std::strcmp(std::getenv("TERM"), "dumb") != 0);
    Resource& resource = *view.resource;

    if (chosen.empty() && !json) {
        std::printf("%s: the diagnostic has no tests in this build of the module.\n",
                    Translated(resource.GetDiagnosticName(view.diagnostic->GetIdentifier())).c_str());
    }

    SystemComponent* device = nullptr;
    if (SystemComponentManager* manager = view.module->GetComponentManager()) {
        manager->DetectComponents();
        device = manager->GetComponent(0);
    }

    InstallInterruptHandler();
    std::vector<std::string> notes;
    if (!chosen.empty() && !InputStateReadable()) {
        notes.push_back("no X display and no readable input device here: the tests cannot see a person "
                        "touching the keyboard or the pointer, so user intervention goes undetected");
    }
    // Watched from before the first test to after the last; each run sees what happens during it.
    std::unique_ptr<SystemEventMonitor> systemEvents;
    if (!chosen.empty()) {
        systemEvents = std::make_unique<SystemEventMonitor>();
        const std::vector<std::string> problems = systemEvents->Problems();
        notes.insert(notes.end(), problems.begin(), problems.end());
    }
    for (const std::string& note : json ? std::vector<std::string>() : notes) {
        std::printf("note: %s\n", note.c_str());
    }
    std::vector<TestReport> reports;
    for (std::size_t position = 0; position < chosen.size(); ++position) {
        TestReport report;
        report.chosen = chosen[position];
        report.nameKey = NameKeyOf(resource, report.chosen.identifier);
        const std::string title = Translated(report.nameKey);
        if (!json) {
            console.BeginTest(position + 1, chosen.size(), title);
        }

        if (g_interrupted.load()) {
            report.result = NotRun;
            report.note = "not started: cancelled by the user";
        } else if (report.chosen.test == nullptr) {
            report.result = NotRun;
            report.note = "this build of the module does not contain this test";
        } else {
            HostExecution::Callbacks callbacks;
            if (!json) {
                callbacks.onMessage = [&console](const ReceivedMessage& message) {
                    console.Message(Translated(message.text), message.kind);
                };
                callbacks.onProgress = [&console](const ReceivedProgress& progress) {
                    console.Progress(progress.percent, Translated(progress.text));
                };
            }
            // Only reached if a test asks although input requests are refused: notices are
            // shown, dialogs get no verdict.
            callbacks.onInputRequest = [&console, json](InputRequest& request) {
                if (request.requestType == ShowNotice && !json) {
                    console.Note(Translated(request.title) + ": " + Translated(request.message));
                }
                request.answer = 0;
            };
            HostExecution execution(device, false, callbacks);
            const SystemEventMonitor::Watch watch(*systemEvents, execution);
            g_runningCancelFlag.store(&execution.CancelFlag());
            const RunOutcome outcome = RunOnWorkerThread(*report.chosen.test, execution);
            g_runningCancelFlag.store(nullptr);
            report.result = outcome.result;
            report.record = execution.Record();
            const std::vector<std::string> events = watch.Seen();
            if (!outcome.exception.empty()) {
                report.note = "the test stopped with an exception: " + outcome.exception;
            } else if (report.result == NotRun && report.chosen.test->IsInteractive()) {
                report.note = "interactive test: needs a person at a dialog, which this host cannot show";
            } else if (report.result == NotRun) {
                report.note = Ps2NotRunReason(workDirectory);
            }
            if (!events.empty()) {
                const std::string happened =
                    (events.size() == 1 ? "system event: " : "system events: ") + Joined(events, "; ");
                report.note = report.note.empty() ? happened : report.note + "; " + happened;
            }
        }
        if (!json) {
            if (!report.note.empty()) {
                console.Note(report.note);
            }
            console.EndTest(title, report.result);
        }
        reports.push_back(report);
    }

    std::vector<uint32_t> results;
    for (const TestReport& report : reports) {
        results.push_back(report.result);
    }
    const int status = chosen.empty() ? kExitNotRun : ExitStatusFor(results);

    if (json) {
        QJsonArray tests;
        for (const TestReport& report : reports) {
            tests.append(TestReportJson(resource, report));
        }
        const ObjectId diagnosticId = view.diagnostic->GetIdentifier();
        QJsonObject root{{"module", QString::fromStdString(resource.GetModuleName())},
                         {"version", QString::fromStdString(version)},
                         {"diagnostic", QString::fromStdString(diagnosticId.ToString())},
                         {"diagnosticName", QString::fromStdString(Translated(resource.GetDiagnosticName(diagnosticId)))},
                         {"tests", tests},
                         {"cancelled", g_interrupted.load()},
                         {"notes", QJsonArray::fromStringList(StringList(notes))},
                         {"exitStatus", status}};
        std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
    } else if (!reports.empty()) {
        std::map<std::string, int> counts;
        for (uint32_t result : results) {
            ++counts[ResultName(result)];
        }
        std::string summary;
        for (const auto& [name, count] : counts) {
            summary += (summary.empty() ? "" : ", ") + std::to_string(count) + " " + name;
        }
        std::printf("Summary: %s\n", summary.c_str());
    }
    return status;
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
    return RunTests(commandLine, view, version, workDirectory);
}
