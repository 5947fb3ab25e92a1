// What the desktop host's session puts into a run report.
#include "SessionReport.h"

#include <QGuiApplication>

#include <memory>

#include "DriverServiceState.h"
#include "KeyInputState.h"
#include "KeyboardDevices.h"
#include "MessageAttribution.h"
#include "MessageTranslator.h"
#include "Ps2Readiness.h"
#include "TestOutcome.h"
#include "TestSelection.h"
#include "module/Diagnostic.h"
#include "module/Resource.h"
#include "module/SystemComponent.h"
#include "module/Test.h"
#include "module/TestResult.h"
#include "platform/MachineInventory.h"

namespace corvo::hosts::gui {

namespace {

double Seconds(std::chrono::milliseconds time) { return static_cast<double>(time.count()) / 1000.0; }

ReportTest Describe(const TestRunRecord& run, const std::vector<TestNames>& names, Diagnostic* diagnostic,
                    const std::vector<KeyboardDevice>& keyboards)
{
    ReportTest test;
    test.id = run.identifier.ToString();
    test.nameKey = run.nameKey;
    test.name = MessageTranslator::Translate(run.nameKey);
    for (const TestNames& known : names) {
        if (known.identifier == run.identifier) {
            test.shortName = known.command.shortName;
            test.longName = known.command.longName;
        }
    }
    Test* found = diagnostic != nullptr ? diagnostic->FindTest(run.identifier) : nullptr;
    test.interactive = found != nullptr && found->IsInteractive();
    // Every test in the window is one the user chose, and this host can run them all.
    test.named = true;
    test.started = run.started;
    test.result = run.result;
    test.reason = run.note;
    test.systemEvents = run.systemEvents;
    for (const std::string& event : run.systemEvents) {
        test.reason += (test.reason.empty() ? "system event: " : "; system event: ") + event;
    }
    test.startedAt.wall = run.startedAt;
    test.durationSeconds = Seconds(run.duration);

    // Put back in the order the test sent them: which keyboard a finding is about follows from the
    // progress reports before it.
    MessageAttribution attribution(run.nameKey, keyboards);
    auto message = run.messages.begin();
    auto progress = run.progress.begin();
    while (message != run.messages.end() || progress != run.progress.end()) {
        if (progress != run.progress.end() && (message == run.messages.end() || progress->order < message->order)) {
            attribution.Progress(progress->percent);
            test.progress.push_back({progress->percent, progress->key, MessageTranslator::Translate(progress->key),
                                     Seconds(progress->sinceStart)});
            ++progress;
        } else {
            test.messages.push_back({message->key, MessageTranslator::Translate(message->key), message->kind,
                                     Seconds(message->sinceStart), attribution.Message(message->kind)});
            ++message;
        }
    }
    return test;
}

} // namespace

RunReport SessionReport(const SessionFacts& session, const std::vector<TestRunRecord>& runs)
{
    RunReport report;
    report.hostName = "HalvikDiagnostics";
    report.hostVersion = session.hostVersion;
    report.moduleVersion = session.moduleVersion;
    report.modulePath = session.modulePath;
    report.startedAt = session.started;
    report.durationSeconds = ReportTime::Now().SecondsSince(session.started);
    std::vector<TestNames> names;
    if (session.resource != nullptr) {
        report.moduleName = session.resource->GetModuleName();
    }
    if (session.resource != nullptr && session.diagnostic != nullptr) {
        const ObjectId diagnosticId = session.diagnostic->GetIdentifier();
        report.diagnosticId = diagnosticId.ToString();
        report.diagnosticNameKey = session.resource->GetDiagnosticName(diagnosticId);
        report.diagnosticName = MessageTranslator::Translate(report.diagnosticNameKey);
        names = CollectTestNames(*session.resource, *session.diagnostic);
    }
    const std::unique_ptr<platform::MachineInventory> inventory = platform::CreateMachineInventory();
    report.machine = inventory->Identity();
    report.keyboards = DescribeKeyboards(
        session.device != nullptr ? session.device->GetDevices() : std::vector<DeviceEntry>(), inventory->UsbKeyboards());
    report.ps2Keyboard = DescribePs2Keyboard();
    report.driverService = DescribeDriverService(session.workDirectory);
    report.keyInput = DescribeKeyInput(QGuiApplication::platformName() == QLatin1String("xcb"));
    report.systemEventProblems = session.systemEventProblems;
    report.notes = session.systemEventProblems;
    if (const std::string note = WatchNote(report.keyInput); !note.empty()) {
        report.notes.insert(report.notes.begin(), note);
    }

    std::vector<uint32_t> results;
    for (const TestRunRecord& run : runs) {
        report.tests.push_back(Describe(run, names, session.diagnostic, report.keyboards));
        results.push_back(run.result);
    }
    // Nothing ran: "passed" would claim what nobody checked.
    report.exitStatus = runs.empty() ? kExitNotRun : ExitStatusFor(results);
    report.cancelled = session.cancelled;
    return report;
}

} // namespace corvo::hosts::gui
