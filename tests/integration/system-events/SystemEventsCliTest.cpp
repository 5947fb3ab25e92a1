// The command-line host's PS/2 run in real time on the i8042 simulator, while a stand-in login
// manager and umockdev's emulated udev report events from outside: those that count end the run,
// the others leave it alone.
#include <gtest/gtest.h>

// Before Qt, whose "signals" keyword would break GLib's headers.
#include <umockdev.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "StandInLogind.h"

namespace {

using corvo::testing::StandInLogind;

class SystemEventsCliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("system_events_cli_tests"), nullptr};
        static QCoreApplication application(argc, argv); // for the stand-in's D-Bus connections
    }
    void SetUp() override
    {
        if (!umockdev_in_mock_environment()) {
            GTEST_SKIP() << "udev is not emulated: umockdev's preload library is missing";
        }
        ASSERT_FALSE(logind.Address().isEmpty()) << "no private bus with the stand-in on it";
        // A laptop whose firmware reports a PS/2 keyboard to the real platform library.
        ASSERT_TRUE(umockdev_testbed_add_from_file(testbed.get(), TESTBED_FILE, nullptr));
    }
    // A device ("P: path" and "E: KEY=value" lines of umockdev's format) appears and is announced.
    void Plug(const std::string& path, const std::string& properties)
    {
        const std::string record = "P: " + path + "\n" + properties;
        ASSERT_TRUE(umockdev_testbed_add_from_string(testbed.get(), record.c_str(), nullptr));
        umockdev_testbed_uevent(testbed.get(), ("/sys" + path).c_str(), "add");
    }
    // The exit status; `during` is called once the test has begun.
    static int RunCli(const QStringList& arguments, const QString& bus, const std::function<void()>& during,
                      std::string& out)
    {
        QProcess cli;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", bus);
        cli.setProcessEnvironment(environment);
        cli.start(CLI_PATH, arguments);
        while (during && out.find("progress 0%") == std::string::npos && cli.waitForReadyRead(20000)) {
            out += cli.readAllStandardOutput().toStdString();
        }
        if (during) {
            during();
        }
        EXPECT_TRUE(cli.waitForFinished(60000));
        out += cli.readAllStandardOutput().toStdString() + cli.readAllStandardError().toStdString();
        return cli.exitCode();
    }

    StandInLogind logind;
    std::unique_ptr<UMockdevTestbed, void (*)(gpointer)> testbed{umockdev_testbed_new(), &g_object_unref};
};

TEST_F(SystemEventsCliTest, EventsDuringAPs2RunEndItOnlyWhenTheyCount)
{
    const std::pair<std::function<void()>, const char*> rows[] = { // what happens; the note (empty: nothing counts)
        {[&] { logind.PrepareForSleep(true); }, "system event: the system is about to suspend"},
        {[&] { logind.Emit(StandInLogind::kSessionPath, "org.freedesktop.login1.Session", "Lock", {}); },
         "system event: the session was locked"},
        {[&] { logind.SessionPropertyChanged("Active", false); },
         "system event: the session stopped being the active one"},
        {[&] { Plug("/devices/virtual/input/input40", "E: SUBSYSTEM=input\nE: ID_INPUT_KEYBOARD=1\n"); },
         "system event: a keyboard was plugged in"},
        {[&] { Plug("/devices/usb1/1-1/1-1:1.0", "E: SUBSYSTEM=usb\nE: DEVTYPE=usb_interface\nE: INTERFACE=3/1/1\n"); },
         "system event: a keyboard was plugged in"},
        {[&] {
             logind.PrepareForSleep(true, false); // from a process that does not own the name
             logind.SessionPropertyChanged("Active", true);
             logind.SessionPropertyChanged("LockedHint", false);
             Plug("/devices/virtual/input/input41", "E: SUBSYSTEM=input\nE: ID_INPUT_MOUSE=1\n");
         }, ""},
    };
    for (const auto& [happen, note] : rows) {
        SCOPED_TRACE(*note != '\0' ? note : "nothing that counts");
        QTemporaryDir work;
        ASSERT_TRUE(QFile::copy(SIMULATOR_PLUGIN, work.filePath("HalvikDiagnosticsDriverService.so")));
        // A keyboard that takes its time, as real ones do.
        std::ofstream(work.filePath("i8042-scenario").toStdString()) << "clock real\n";
        std::string out;
        const bool counts = *note != '\0';
        const QStringList arguments{"-Mkeyboard", "-Qp", "--workdir=" + work.path()};
        EXPECT_EQ(RunCli(arguments, logind.Address(), happen, out), counts ? 3 : 0);
        const char* result = counts ? "aborted (result 4)" : "passed with warnings (result 5)";
        EXPECT_NE(out.find(std::string("PS/2 Keyboard Test: ") + result), std::string::npos) << out;
        EXPECT_EQ(out.find("  info: Test aborted because a system event that could compromise the outcome has "
                           "happened.\n") != std::string::npos, counts) << out;
        EXPECT_EQ(out.find("note: system event"), counts ? out.find(std::string("note: ") + note) : std::string::npos)
            << out;
    }
    // Without a system bus the run says so once, and goes on.
    std::string out;
    EXPECT_EQ(RunCli({"-Mkeyboard", "-Qk"}, "unix:path=/nonexistent/bus", {}, out), 3) << out;
    EXPECT_NE(out.find("note: no system message bus here"), std::string::npos) << out;
    EXPECT_EQ(out.find("note: no system message bus here"), out.rfind("note: no system message bus here")) << out;
}

} // namespace
