// The real desktop host on weston's headless backend, natively and through XWayland: what it says
// about where its dialogs' keys come from, its dialogs opening and closing on a suspend, and
// pictures of them for the docs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "StandInLogind.h"

namespace {

bool WaitUntil(const std::function<bool()>& done, int milliseconds)
{
    for (const QDeadlineTimer deadline(milliseconds); !done(); QThread::msleep(50)) {
        if (deadline.hasExpired()) {
            return done();
        }
    }
    return true;
}

// How the host is started; {socket} and {display} in the key line stand for the compositor's socket
// and XWayland's display. Each dialog by the title its log gives it, with its picture's name or "".
struct Session {
    const char* name;
    bool onXWayland;
    bool asSudoLeavesIt; // WAYLAND_DISPLAY and XDG_SESSION_TYPE gone, DISPLAY kept
    const char* tests;
    QString keyLine;
    std::vector<std::pair<std::string, QString>> dialogs;
};
void PrintTo(const Session& session, std::ostream* out) { *out << session.name; }

// A weston of the case's own, its sockets in a private runtime folder that is the host's working
// folder too.
class WaylandHostTest : public ::testing::TestWithParam<Session> {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty() ||
            (GetParam().onXWayland && QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty())) {
            GTEST_SKIP() << "weston or Xwayland is not installed";
        }
        if (QFile::exists(QStringLiteral("/dev/input"))) {
            GTEST_SKIP() << "the keys could come from the event devices in /dev/input here, not from the compositor";
        }
        ASSERT_TRUE(m_runtime.isValid() &&
                    QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        m_weston.setProcessEnvironment(m_environment);
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.setStandardOutputFile(m_runtime.filePath("weston.log"));
        // --use-pixman: without a renderer the headless backend gives the screenshooter no picture.
        QStringList arguments{"--backend=headless-backend.so", "--use-pixman", "--width=1280", "--height=800",
                              "--socket=" + m_socket, "--idle-time=0", "--debug", "--no-config"};
        if (GetParam().onXWayland) {
            arguments << QStringLiteral("--xwayland");
        }
        m_weston.start(QStringLiteral("weston"), arguments);
        ASSERT_TRUE(WaitUntil([&] { return QFile::exists(m_runtime.filePath(m_socket)); }, 20000)) << WestonLog();
        // weston takes the first free X display and starts XWayland when a client first connects.
        const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
        ASSERT_TRUE(!GetParam().onXWayland || WaitUntil([&] {
            m_display = listening.match(QString::fromStdString(WestonLog())).captured(1);
            return !m_display.isEmpty();
        }, 20000)) << WestonLog();
    }
    void TearDown() override
    {
        // Terminated, weston removes the X sockets it made; killed, it would leave them behind.
        for (QProcess* process : {&m_host, &m_weston}) {
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    std::string WestonLog() const
    {
        QFile log(m_runtime.filePath("weston.log"));
        return log.open(QIODevice::ReadOnly) ? log.readAll().toStdString() : "no log";
    }
    // Gives up at once when the host has ended: all it wrote was read by then.
    bool WaitForOutput(const std::string& part)
    {
        WaitUntil([&] {
            m_host.waitForReadyRead(50);
            const bool ended = m_host.state() == QProcess::NotRunning;
            m_out += m_host.readAll().toStdString();
            return ended || m_out.find(part) != std::string::npos;
        }, 60000);
        return m_out.find(part) != std::string::npos;
    }
    // The whole output as weston shows it; the screenshooter names its file after the time.
    void TakePicture(const QString& name)
    {
        // The dialog is logged as opened before its first frame; on XWayland, weston shows a shadow
        // where the dialog was first mapped for about a second more.
        QThread::msleep(2000);
        QTemporaryDir folder;
        QProcess shooter;
        shooter.setProcessEnvironment(m_environment);
        shooter.setWorkingDirectory(folder.path());
        shooter.start(QStringLiteral("weston-screenshooter"), {});
        ASSERT_TRUE(shooter.waitForFinished(10000) && shooter.exitCode() == 0) << shooter.readAll().toStdString();
        const QStringList files = QDir(folder.path()).entryList({QStringLiteral("wayland-screenshot-*.png")});
        ASSERT_EQ(files.size(), 1);
        QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
        QFile::remove(QStringLiteral(SCREENSHOT_FOLDER "/") + name);
        EXPECT_TRUE(QFile::rename(folder.filePath(files.first()), QStringLiteral(SCREENSHOT_FOLDER "/") + name));
    }

    QTemporaryDir m_runtime;
    const QString m_socket = QStringLiteral("wayland-host-test");
    QString m_display;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QProcess m_weston;
    QProcess m_host;
    std::string m_out;
};

// The host reads no event device here (this machine has no /dev/input): a native window gets only
// the keys typed into it, an X window on XWayland the X grab, and a root shell from sudo, which has
// lost WAYLAND_DISPLAY, still learns it is on Wayland from the X server.
TEST_P(WaylandHostTest, DialogsOpenAndSayWhereTheirKeysComeFrom)
{
    const Session& session = GetParam();
    int argc = 1;
    char name[] = "wayland_host_tests";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv); // for the stand-in's bus connections
    corvo::testing::StandInLogind logind;
    ASSERT_FALSE(logind.Address().isEmpty()) << "no private bus with the stand-in on it";
    QProcessEnvironment environment = m_environment;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), session.onXWayland ? "xcb" : "wayland");
    session.onXWayland ? environment.insert(QStringLiteral("DISPLAY"), m_display)
                       : environment.remove(QStringLiteral("DISPLAY"));
    if (session.asSudoLeavesIt) {
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("XDG_SESSION_TYPE"));
    }
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKE_HWKIT_FOLDER));
    environment.insert(QStringLiteral("HALVIK_FAKE_HWKIT_FLAGS"), QStringLiteral("9=1,13=1"));
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), logind.Address());
    // Read only by sanitizer builds. Qt's Wayland client and Mesa have no frame pointers: only full
    // stacks name the libraries that the suppressions name.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), environment.value(QStringLiteral("ASAN_OPTIONS")) +
                                                           QStringLiteral(":fast_unwind_on_malloc=0"));
    environment.insert(QStringLiteral("LSAN_OPTIONS"), environment.value(QStringLiteral("LSAN_OPTIONS")) +
                                                           QStringLiteral(":suppressions=" HOST_LSAN_SUPPRESSIONS));
    m_host.setProcessEnvironment(environment);
    m_host.setProcessChannelMode(QProcess::MergedChannels);
    m_host.start(QStringLiteral(HOST_PATH), {"--workdir=" + m_runtime.path(), QStringLiteral("--run=") + session.tests,
                                             QStringLiteral("--exit-when-done")});
    ASSERT_TRUE(m_host.waitForStarted(10000));
    for (const auto& [title, picture] : session.dialogs) {
        ASSERT_TRUE(WaitForOutput("[dialog] " + title + ": opened\n")) << m_out << WestonLog();
        if (!picture.isEmpty()) {
            TakePicture(picture);
        }
        logind.PrepareForSleep(true);
        EXPECT_TRUE(WaitForOutput("[dialog] " + title + ": closed with 0 (no verdict)")) << m_out;
    }
    EXPECT_TRUE(m_host.waitForFinished(60000)) << "no exit";
    m_out += m_host.readAll().toStdString();
    EXPECT_EQ(m_host.exitStatus() == QProcess::NormalExit ? m_host.exitCode() : -1, 3) << m_out;
    const QString keyLine = QString(session.keyLine).replace("{socket}", m_socket).replace("{display}", m_display);
    EXPECT_NE(m_out.find(keyLine.toStdString()), std::string::npos) << keyLine.toStdString() << "\nnot in\n" << m_out;
}

const QString kNoDevices = QStringLiteral("; no keyboard event device in /dev/input\n");
const QString kXWayland = QStringLiteral(
    "Dialog keys: the X server {display} inside the Wayland session, which sees only keys typed into X windows, ");

INSTANTIATE_TEST_SUITE_P(
    Compositors, WaylandHostTest,
    ::testing::Values(
        Session{"NativeWayland", false, false, "k,a",
                "Dialog keys: only the keys typed into the focused dialog, on a Wayland session "
                "(WAYLAND_DISPLAY={socket})" + kNoDevices,
                {{"Keycode Verification", "wayland-keycode-dialog.png"},
                 {"Advanced Keyboard Test", "wayland-advanced-dialog.png"}}},
        Session{"XWayland", true, false, "k",
                kXWayland + "on a Wayland session (WAYLAND_DISPLAY={socket})" + kNoDevices,
                {{"Keycode Verification", "xwayland-keycode-dialog.png"}}},
        Session{"XWaylandUnderSudo", true, true, "k",
                kXWayland + "on a Wayland session (DISPLAY={display} is XWayland)" + kNoDevices,
                {{"Keycode Verification", ""}}}),
    [](const ::testing::TestParamInfo<Session>& row) { return std::string(row.param.name); });

} // namespace
