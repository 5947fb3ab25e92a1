// The real HalvikDiagnostics program on the test's X server, run the way a script runs it.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <string>

#include "XvfbServer.h"

namespace {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

ProgramRun RunProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& extra = QProcessEnvironment())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(corvo::gui_testing::TestDisplay()));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // Read only by sanitizer builds; the child's exit status is what the tests check.
    const QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       (leakOptions.isEmpty() ? QString() : leakOptions + QLatin1Char(':'))
                           + QStringLiteral("suppressions=" HOST_LSAN_SUPPRESSIONS));
    for (const QString& key : extra.keys()) {
        environment.insert(key, extra.value(key));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << program.toStdString() << " did not finish";
    ProgramRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

ProgramRun RunHost(const QStringList& arguments, const QProcessEnvironment& extra = QProcessEnvironment())
{
    return RunProgram(QStringLiteral(HOST_PATH), arguments, extra);
}

// A working folder of our own, as the module reads config.ini and its driver service there.
class HostProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid());
        ASSERT_TRUE(QFile::setPermissions(work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QString WorkOption() const { return QStringLiteral("--workdir=") + work.path(); }

    QTemporaryDir work;
};

TEST_F(HostProcessTest, UsbTestRunsAndExitsWithTheCommandLineHostsStatus)
{
    const ProgramRun run = RunHost({QStringLiteral("--run"), QStringLiteral("usb"), QStringLiteral("--exit-when-done"),
                                    WorkOption()});
    const ProgramRun cli = RunProgram(QStringLiteral(CLI_PATH), {QStringLiteral("-Mkeyboard"), QStringLiteral("-Qu"),
                                                                  WorkOption()});
    EXPECT_TRUE(Contains(run.out, "Starting USB Keyboard Test")) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "\nUSB Keyboard Test: ")) << run.out;
    EXPECT_EQ(run.exitCode, cli.exitCode) << run.out << "\n---\n" << cli.out;
    // The same result word as the command-line host's.
    const std::size_t line = cli.out.find("USB Keyboard Test: ");
    ASSERT_NE(line, std::string::npos) << cli.out;
    const std::string resultLine = cli.out.substr(line, cli.out.find('\n', line) - line);
    EXPECT_TRUE(Contains(run.out, resultLine)) << resultLine << " in " << run.out;
}

struct Ps2Row {
    const char* scenario;
    const char* resultLine;
    int exitStatus;
};

class HostPs2ProcessTest : public HostProcessTest, public ::testing::WithParamInterface<Ps2Row> {};

TEST_P(HostPs2ProcessTest, Ps2TestAgainstTheSimulatorShowsItsNoticeAndExitsWithItsStatus)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(SIMULATOR_PLUGIN), work.filePath("HalvikDiagnosticsDriverService.so")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-%1/i8042-scenario").arg(GetParam().scenario),
                            work.filePath("i8042-scenario")));
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKE_HWKIT_FOLDER));
    extra.insert(QStringLiteral("HALVIK_FAKE_HWKIT_FLAGS"), QStringLiteral("13=1"));
    const ProgramRun run = RunHost({QStringLiteral("--run=p"), QStringLiteral("--exit-when-done"), WorkOption()}, extra);
    EXPECT_EQ(run.exitCode, GetParam().exitStatus) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, GetParam().resultLine)) << run.out << run.err;
    // The type-2 request, translated: served as a notice, not a dialog.
    EXPECT_TRUE(Contains(run.out, "[notice] PS/2 Keyboard Test: ")) << run.out;
    EXPECT_FALSE(Contains(run.out, "KEYBOARD_AVOID_USER_INTERVATION_MESSAGE")) << run.out;
    EXPECT_FALSE(Contains(run.out, "[dialog]")) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Keyboards, HostPs2ProcessTest,
    ::testing::Values(Ps2Row{"good-keyboard", "PS/2 Keyboard Test: passed with warnings (result 5)", 0},
                      Ps2Row{"self-test-fails-fc", "PS/2 Keyboard Test: failed (result 1)", 1}),
    [](const ::testing::TestParamInfo<Ps2Row>& info) {
        std::string name = info.param.scenario;
        for (char& c : name) {
            c = c == '-' ? '_' : c;
        }
        return name;
    });

TEST_F(HostProcessTest, UnknownTestNameIsAUsageErrorBeforeAnyWindow)
{
    const ProgramRun run = RunHost({QStringLiteral("--run"), QStringLiteral("p,bogus"), QStringLiteral("--exit-when-done"),
                                    WorkOption()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Contains(run.err, "unknown test 'bogus' (known: p/ps2, u/usb")) << run.err;
    EXPECT_TRUE(Contains(run.err, "Usage: HalvikDiagnostics")) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(HostProcessTest, ModuleThatCannotBeLoadedIsAnError)
{
    const ProgramRun run = RunHost({QStringLiteral("--module-path=/nonexistent/libkeyboard.so"), QStringLiteral("--run=u"),
                                    QStringLiteral("--exit-when-done"), WorkOption()});
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(Contains(run.err, "cannot load module /nonexistent/libkeyboard.so")) << run.err;
}

TEST(HostOptionsProcessTest, HelpNamesEveryOptionAndTheExitStatuses)
{
    const ProgramRun run = RunHost({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* part : {"--run <tests>", "--exit-when-done", "--workdir=", "--module-path=", "--version",
                             "Exit status:", "  3  no test failed"}) {
        EXPECT_TRUE(Contains(run.out, part)) << part << " in " << run.out;
    }
}

TEST(HostOptionsProcessTest, VersionNamesTheHostAndTheModule)
{
    const ProgramRun run = RunHost({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Contains(run.out, "HalvikDiagnostics 4.42.0.92\nmodule ")) << run.out;
    EXPECT_TRUE(Contains(run.out, "libkeyboard.so 4.42.0.92")) << run.out;
}

TEST(HostOptionsProcessTest, ExitWhenDoneWithoutTestsIsAUsageError)
{
    const ProgramRun run = RunHost({QStringLiteral("--exit-when-done")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(Contains(run.err, "--exit-when-done needs tests to run")) << run.err;
}

} // namespace
