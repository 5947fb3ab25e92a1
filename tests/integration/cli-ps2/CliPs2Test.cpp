// The command-line host running the PS/2 test end to end: the real module loading the simulator
// plug-in and the scenario beside it from its working folder (or, as root, refusing a plug-in that
// others can write), with the fake platform library swapped in for a virtual clock. The port-I/O
// plug-in runs in umockdev machines whose kernel forbids port access in one way each.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "../cli/ReportCheck.h"

namespace {

// Machines for the port-I/O plug-in: umockdev's /sys, set up further by a shell line.
const char kI8042Device[] = "P: /devices/platform/i8042\nE: SUBSYSTEM=platform\n";
const char kOtherDevice[] = "P: /devices/platform/serial8250\nE: SUBSYSTEM=platform\n";
const char kLockdown[] = "mkdir -p \"$UMOCKDEV_DIR/sys/kernel/security\" && "
                         "echo 'none [integrity] confidentiality' > \"$UMOCKDEV_DIR/sys/kernel/security/lockdown\"; ";

struct Machine {
    const char* devices; // null: the real machine
    const char* setUp;
    bool unprivileged;
    // A testbed file instead of devices; the real platform library then reads it.
    const char* testbed = nullptr;
};

// The program and arguments that run the host in the machine.
QStringList InMachine(const Machine& machine, const QString& workFolder, const QStringList& hostArguments)
{
    if (machine.devices == nullptr && machine.testbed == nullptr) {
        return QStringList{CLI_PATH} + hostArguments;
    }
    QFile testbed(machine.testbed != nullptr ? QString(machine.testbed) : workFolder + "/machine.umockdev");
    if (machine.testbed == nullptr) {
        testbed.open(QIODevice::WriteOnly);
        testbed.write(machine.devices);
        testbed.close();
    }
    QStringList command;
    if (machine.unprivileged && geteuid() == 0) {
        command << "setpriv" << "--reuid=65534" << "--regid=65534" << "--clear-groups" << "--inh-caps=-all";
    }
    return command + QStringList{"umockdev-run", "-d", testbed.fileName(), "--", "sh", "-c",
                                 QString(machine.setUp) + "exec \"$0\" \"$@\"", CLI_PATH} + hostArguments;
}

// The fake platform library, whose firmware reports a PS/2 keyboard and whose clock is virtual, or
// the real one, which reads the machine (umockdev's) and really sleeps.
QProcessEnvironment HostEnvironment(bool fakePlatform)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (fakePlatform) {
        environment.insert("LD_LIBRARY_PATH", FAKE_HWKIT_FOLDER);
        environment.insert("HALVIK_FAKE_HWKIT_FLAGS", "13=1");
    }
    // umockdev's preload library comes before the sanitizer runtime of an instrumented host.
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    return environment;
}

// What a run names when the driver service it was given cannot serve.
const char kServiceNamed[] = "HalvikDiagnosticsDriverService.so";
const char kNotIdentified[] =
    "THIS_TEST_CANNOT_BE_PERFORMED_BECAUSE_THE_DEVICE_COULD_NOT_BE_IDENTIFIED_OR_HAS_BEEN_DISCONNECTED";

TEST(CliPs2Test, ResultMessagesAndExitStatusFollowTheSimulatedKeyboard)
{
    // The simulated machine has no keyboard input device, so the repeat setting cannot be restored.
    const Machine realMachine{nullptr, "", false};
    Reports reports;
    const struct {
        const char* scenario; // empty: no driver service in the working folder; "port-io": the real one
        bool othersCanWrite;  // the plug-in, which a root process then refuses to load
        Machine machine;
        int result;
        const char* message; // part of a key the run must have sent
        int exitStatus;
        const char* note;
    } rows[] = {
        {"good-keyboard", false, realMachine, 5, "PS2_KEYBOARD_COULD_NOT_RESTORE_TYPEMATIC_MESSAGE_WINDOWS", 0, ""},
        {"self-test-fails-fc", false, realMachine, 1, "POSSIBLE_DEFECTIVE_COMPONENTS: KEYBOARD", 1, ""},
        {"input-buffer-stuck", false, realMachine, 4, "KEYBOARD_COULD_NOT_DISABLE_INTERRUPTS_MESSAGE", 3, ""},
        {"", false, realMachine, 3, kServiceNamed, 3, "driver service not found"},
        {"plugin:not-ready", false, realMachine, 3, kServiceNamed, 3, "the PS/2 test cannot run: the service says it is not ready"},
        {"good-keyboard", true, realMachine, 3, kServiceNamed, 3, "is writable by group or others"},
        {"port-io", false, {kOtherDevice, "", false}, 3, kServiceNamed, 3, "the PS/2 test cannot run: no keyboard controller"},
        {"port-io", false, {kI8042Device, kLockdown, false}, 3, kServiceNamed, 3,
         "the PS/2 test cannot run: kernel lockdown (Secure Boot) forbids port access: lockdown mode \"integrity\""},
        {"port-io", false, {kI8042Device, "", true}, 3, kServiceNamed, 3, "the PS/2 test cannot run: needs root"},
        // A working controller but an empty keyboard port: the module does not test a keyboard that is not there.
        {"good-keyboard", false, {nullptr, "", false, EMPTY_PORT_TESTBED}, 3, kNotIdentified, 3,
         "no PS/2 keyboard: the i8042 keyboard port exists but no keyboard answered when the kernel probed it"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.scenario) + (row.othersCanWrite ? " writable by others" : "")
                     + (row.machine.devices != nullptr ? " in " + std::string(row.machine.devices) + row.machine.setUp : "")
                     + (row.machine.testbed != nullptr ? " in " + std::string(row.machine.testbed) : ""));
        if (row.othersCanWrite && geteuid() != 0) {
            continue; // only root refuses such a plug-in
        }
        QTemporaryDir work;
        // An unprivileged host must be able to read what root prepared for it.
        const auto others = row.machine.unprivileged ? QFile::ReadOther | QFile::ExeOther : QFile::Permissions();
        ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | others));
        const QString scenario = row.scenario;
        if (scenario == "port-io" || scenario.startsWith("plugin:")) {
            const QString plugin = scenario == "port-io" ? PORT_IO_PLUGIN : TEST_PLUGIN_FOLDER "/" + scenario.mid(7) + "/HalvikDiagnosticsDriverService.so";
            ASSERT_TRUE(QFile::copy(plugin, work.filePath("HalvikDiagnosticsDriverService.so")));
        } else if (*row.scenario != '\0') {
            const QString plugin = work.filePath("HalvikDiagnosticsDriverService.so");
            ASSERT_TRUE(QFile::copy(SIMULATOR_PLUGIN, plugin));
            const auto othersWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::WriteOther;
            ASSERT_TRUE(!row.othersCanWrite || QFile::setPermissions(plugin, othersWrite));
            ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-%1/i8042-scenario").arg(row.scenario),
                                    work.filePath("i8042-scenario")));
        }
        QProcess process;
        process.setProcessEnvironment(HostEnvironment(row.machine.testbed == nullptr));
        const QStringList command = InMachine(row.machine, work.path(), {"-Mkeyboard", "-Qp", "--json", "--workdir=" + work.path()});
        process.start(command.first(), command.mid(1));
        ASSERT_TRUE(process.waitForFinished(120000));
        const QByteArray out = process.readAllStandardOutput();
        reports.Keep(out);
        const QJsonArray tests = QJsonDocument::fromJson(out).object()["tests"].toArray();
        ASSERT_EQ(tests.size(), 1) << out.toStdString() << process.readAllStandardError().toStdString();
        const QJsonObject test = tests[0].toObject();
        EXPECT_EQ(test["result"].toInt(), row.result) << out.toStdString() << process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitCode(), row.exitStatus);
        const QJsonArray messages = test["messages"].toArray();
        EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [&](const QJsonValue& message) {
            return message["key"].toString().contains(QLatin1String(row.message));
        })) << row.message << out.toStdString();
        EXPECT_TRUE(test["reason"].toString().contains(QLatin1String(row.note))) << out.toStdString();
        if (scenario == "port-io" || scenario.startsWith("plugin:")) {
            // The device list says the same before any test is run.
            const QStringList devices = InMachine(row.machine, work.path(), {"-Mkeyboard", "--devices", "--json", "--workdir=" + work.path()});
            process.start(devices.first(), devices.mid(1));
            ASSERT_TRUE(process.waitForFinished(60000));
            const QJsonObject service = QJsonDocument::fromJson(process.readAllStandardOutput()).object()["driverService"].toObject();
            EXPECT_FALSE(service["usable"].toBool());
            const QString reason = QString(row.note).mid(QString("the PS/2 test cannot run: ").size());
            EXPECT_TRUE(service["problem"].toString().startsWith(reason)) << service["problem"].toString().toStdString();
        }
    }
    EXPECT_EQ(reports.Problems(), "");
}

// Ended from outside while the keyboard interrupt is off (a service stop, a closed terminal, a
// Ctrl-\, two Ctrl-C): the run is cancelled, the interrupt switched back on (the simulator's log
// ends at configuration byte 0x47) and the report written. The simulator plays a keyboard that
// never answers, in a laptop whose real platform library reports it and really sleeps. A plug-in
// stuck in a call is given up instead.
TEST(CliPs2Test, TerminationSignalsCancelTheRunAndLeaveTheKeyboardInterruptOn)
{
    const struct {
        const char* plugin; // empty: the simulator
        std::vector<int> signalsSent;
        const char* reason;
    } rows[] = {{"", {SIGTERM}, ""}, {"", {SIGHUP}, ""}, {"", {SIGQUIT}, ""}, {"", {SIGINT, SIGINT}, ""},
                {"hangs", {SIGINT, SIGINT}, "the test did not stop within 5 s of the cancel request and was given up"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.plugin) + " " + std::to_string(row.signalsSent.front()));
        QTemporaryDir work;
        const auto log = [&work] { QFile file(work.filePath("log")); return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(); };
        ASSERT_TRUE(QFile::copy(*row.plugin == '\0' ? QString(SIMULATOR_PLUGIN) : TEST_PLUGIN_FOLDER "/" + QString(row.plugin) + "/HalvikDiagnosticsDriverService.so",
                                work.filePath("HalvikDiagnosticsDriverService.so")));
        ASSERT_TRUE(QFile::copy(FIXTURES_FOLDER "/i8042-no-keyboard/i8042-scenario", work.filePath("i8042-scenario")));
        QProcessEnvironment environment = HostEnvironment(*row.plugin != '\0');
        environment.insert("HALVIK_I8042_LOG", work.filePath("log"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start("umockdev-run", {"-d", LAPTOP_TESTBED, "--", CLI_PATH, "-Mkeyboard", "-Qp,u", "--workdir=" + work.path(), "--report=" + work.filePath("report.json")});
        QByteArray err;
        for (int wait = 0; wait < 600 && !log().contains("config=0x46") && !err.contains("hanging"); ++wait) {
            process.waitForReadyRead(100);
            err += process.readAllStandardError();
        }
        QFile host(QString("/proc/%1/task/%1/children").arg(process.processId()));
        const pid_t pid = host.open(QIODevice::ReadOnly) ? host.readAll().trimmed().toInt() : 0;
        ASSERT_GT(pid, 0) << "no host under umockdev-run: " << err.toStdString();
        for (const int signal : row.signalsSent) {
            usleep(300000); // apart, or two of a kind would reach the program as one
            ASSERT_EQ(kill(pid, signal), 0) << err.toStdString();
        }
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, 3);
        const QByteArray accesses = log();
        EXPECT_TRUE(*row.plugin != '\0' || accesses.mid(accesses.lastIndexOf("config=")).startsWith("config=0x47")) << accesses.right(300).toStdString();
        QFile report(work.filePath("report.json"));
        ASSERT_TRUE(report.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(report.readAll()).object();
        EXPECT_EQ(QStringList({QString::number(root["cancelled"].toBool()), root["tests"][0]["resultName"].toString(),
                               root["tests"][0]["reason"].toString(), root["tests"][1]["reason"].toString()}),
                  QStringList({"1", "aborted", row.reason, "not started: cancelled by the user"}));
    }
}

// The simulated laptop of scripts/demo (a good PS/2 keyboard and a USB one), with the fake
// platform library's virtual clock: what counts toward the exit status, and the report.
TEST(CliPs2Test, QuickRunCountsEveryTestThisHostCanRunAndTheTestsNamed)
{
    QTemporaryDir work;
    Reports reports;
    ASSERT_TRUE(QFile::copy(SIMULATOR_PLUGIN, work.filePath("HalvikDiagnosticsDriverService.so")));
    ASSERT_TRUE(QFile::copy(FIXTURES_FOLDER "/i8042-good-keyboard/i8042-scenario", work.filePath("i8042-scenario")));
    const struct {
        QStringList selectors;
        int exitStatus;
        const char* tests; // id, and whether it counts
    } rows[] = {
        {{"-Q"}, 0, "10.1.1+ 10.1.2+ 10.1.3- 10.1.4-"},
        {{"-Qp,u"}, 0, "10.1.1+ 10.1.2+"},
        {{"-Qk"}, 3, "10.1.3+"},
        {{"--quick=adv"}, 3, "10.1.4+"},
        {{"-Q", "-Qkeycode"}, 3, "10.1.1+ 10.1.2+ 10.1.3+ 10.1.4-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.selectors.join(' ').toStdString());
        const QString report = reports.Next();
        QProcess process;
        process.setProcessEnvironment(HostEnvironment(true));
        process.start("umockdev-run", QStringList{"-d", FIXTURES_FOLDER "/usb-boot-keyboard/usb-boot-keyboard.umockdev",
                                                  "-d", DMI_TESTBED, "--", CLI_PATH, "-Mkeyboard",
                                                  "--workdir=" + work.path(), "--report=" + report} + row.selectors);
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), row.exitStatus) << process.readAllStandardOutput().toStdString();
        QFile file(report);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QStringList tests;
        for (const QJsonValue& test : root["tests"].toArray()) {
            tests << test["id"].toString() + (test["counted"].toBool() ? "+" : "-");
        }
        EXPECT_EQ(tests.join(' ').toStdString(), row.tests);
        EXPECT_EQ(root["exitStatus"].toInt(), row.exitStatus);
        // The firmware's names as DMI gives them, without the blanks it pads them with.
        const QJsonObject machine = root["machine"].toObject();
        EXPECT_EQ(QStringList({machine["vendor"].toString(), machine["product"].toString(),
                               machine["productVersion"].toString(), machine["boardVendor"].toString(),
                               machine["boardName"].toString()}),
                  QStringList({"Kestrel Computers", "Tern 14 Laptop", "Rev. B", "Kestrel Computers", "TRN14-MB"}));
    }
    EXPECT_EQ(reports.Problems(), "");
}

} // namespace
