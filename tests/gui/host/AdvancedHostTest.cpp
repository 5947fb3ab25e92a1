// The advanced test through the real HalvikDiagnostics program on the test's X server, with the
// keys pressed and the verdict clicked through XTest while the program runs.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "AdvancedKeys.h"
#include "EventLoopWait.h"
#include "InstalledCatalogue.h"
#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "advanced/AdvancedTestWidget.h"
#include "advanced/LayoutCatalogue.h"
#include "keycode/WinKeycodeTestWidget.h"

namespace {

using corvo::gui_testing::SyntheticInput;
using corvo::gui_testing::Wait;
using corvo::gui_testing::WaitFor;
using corvo::gui_testing::TestDisplay;

constexpr uint8_t kLeftButton = 1;
constexpr int kDialogWidth = 908;
constexpr int kDialogHeight = 450;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Where the other process's dialog is on the screen: the one viewable top-level window of its size.
std::optional<QPoint> DialogOrigin(QSize size = QSize(kDialogWidth, kDialogHeight))
{
    xcb_connection_t* connection = xcb_connect(TestDisplay().c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    std::optional<QPoint> origin;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree != nullptr) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int child = 0; child < xcb_query_tree_children_length(tree); ++child) {
            xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, children[child]), nullptr);
            xcb_get_geometry_reply_t* geometry =
                xcb_get_geometry_reply(connection, xcb_get_geometry(connection, children[child]), nullptr);
            if (attributes != nullptr && geometry != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE &&
                geometry->width == size.width() && geometry->height == size.height()) {
                origin = QPoint(geometry->x, geometry->y);
            }
            std::free(attributes);
            std::free(geometry);
        }
        std::free(tree);
    }
    xcb_disconnect(connection);
    return origin;
}

struct DialogLayout {
    QSize size;
    QPoint button; // centre of the button, from the dialog's top left corner
};

// Where a button of a dialog is: the same dialog laid out in this process, with the same texts.
template <typename Dialog>
DialogLayout LayoutOf(const char* objectName)
{
    const corvo::gui_testing::InstalledCatalogue catalogue(QStringLiteral(KEYBOARD_QM_FILE));
    DialogLayout layout;
    {
        Dialog dialog(nullptr, nullptr, nullptr, 0);
        dialog.show();
        Wait(100);
        layout.size = dialog.size();
        if (auto* button = dialog.template findChild<QPushButton*>(objectName)) {
            layout.button = button->mapTo(&dialog, button->rect().center());
        }
    }
    return layout;
}

QPoint ButtonOffset(const char* objectName)
{
    return LayoutOf<AdvancedTestWidget>(objectName).button;
}

// The XKB names of the keys to press for every key of a page, in the form's order; the buttons no
// key of this server gives go to unpressable.
std::vector<std::string> KeysOfPage(int page, SyntheticInput& input, std::vector<std::string>& unpressable)
{
    QFile form(QStringLiteral(ADVANCED_FORM));
    if (!form.open(QIODevice::ReadOnly)) {
        unpressable.push_back("the form " ADVANCED_FORM " cannot be read");
        return {};
    }
    std::vector<std::string> keys;
    const QString tag = QString::fromStdString(corvo::advanced::PageTag(page));
    for (const QString& name : corvo::gui_testing::KeyButtonNamesInForm(QString::fromUtf8(form.readAll()), tag)) {
        if (corvo::advanced::IsIgnoredKey(name.toStdString())) {
            continue;
        }
        const std::optional<int> code = corvo::gui_testing::VirtualKeyInButtonName(name);
        const std::string key = code ? corvo::gui_testing::UsKeyNameOf(*code) : std::string();
        if (key.empty() || input.KeycodeOf(key) == 0) {
            unpressable.push_back(name.toStdString());
        } else {
            keys.push_back(key);
        }
    }
    return keys;
}

// The program with a working folder of its own (config.ini is read there) and a firmware that
// reports a PS/2 keyboard, so that the test finds a keyboard on any machine.
class AdvancedHostProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_input = std::make_unique<SyntheticInput>(TestDisplay());
        ASSERT_TRUE(m_input->IsConnected());
        ASSERT_EQ(std::system(("setxkbmap -display " + TestDisplay() + " us").c_str()), 0);
    }

    void TearDown() override
    {
        if (m_host.state() != QProcess::NotRunning) {
            m_host.kill();
            m_host.waitForFinished(5000);
        }
        // The strict run presses Caps Lock once; leave the server as the next case expects it.
        if (m_capsPressed % 2 == 1) {
            Tap("CAPS");
        }
    }

    void WriteConfig(const char* text)
    {
        QFile config(m_work.filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(text);
    }

    void StartHost(const QString& tests = QStringLiteral("adv"), const QString& firmwareFlags = QStringLiteral("9=1"))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(TestDisplay()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const QString leakOptions = environment.value(QStringLiteral("LSAN_OPTIONS"));
        environment.insert(QStringLiteral("LSAN_OPTIONS"),
                           (leakOptions.isEmpty() ? QString() : leakOptions + QLatin1Char(':')) +
                               QStringLiteral("suppressions=" HOST_LSAN_SUPPRESSIONS));
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), QStringLiteral(FAKE_HWKIT_FOLDER));
        environment.insert(QStringLiteral("HALVIK_FAKE_HWKIT_FLAGS"), firmwareFlags);
        m_host.setProcessEnvironment(environment);
        m_host.start(QStringLiteral(HOST_PATH), {QStringLiteral("--run=") + tests, QStringLiteral("--exit-when-done"),
                                                 QStringLiteral("--workdir=") + m_work.path()});
        ASSERT_TRUE(m_host.waitForStarted(10000));
    }

    // Until the program's dialog holds the keyboard, or the program ends.
    bool WaitForDialog(int milliseconds = 60000)
    {
        return WaitFor(
                   [this] {
                       m_out += m_host.readAllStandardOutput().toStdString();
                       return m_input->IsKeyboardGrabbedElsewhere() || m_host.state() == QProcess::NotRunning;
                   },
                   milliseconds) &&
               m_host.state() != QProcess::NotRunning;
    }

    void Finish()
    {
        // The program may have ended while this process waited in its own event loop.
        EXPECT_TRUE(m_host.state() == QProcess::NotRunning || m_host.waitForFinished(60000))
            << "the program did not exit";
        m_exitCode = m_host.exitStatus() == QProcess::NormalExit ? m_host.exitCode() : -1;
        m_out += m_host.readAllStandardOutput().toStdString();
        m_err += m_host.readAllStandardError().toStdString();
    }

    void Click(QPoint origin, QPoint offset)
    {
        m_input->MovePointer(origin.x() + offset.x(), origin.y() + offset.y());
        m_input->PressButton(kLeftButton);
        m_input->ReleaseButton(kLeftButton);
    }

    void Tap(const std::string& keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        ASSERT_NE(keycode, 0) << keyName;
        m_capsPressed += keyName == "CAPS" ? 1 : 0;
        m_input->PressKey(keycode);
        Wait(70);
        m_input->ReleaseKey(keycode);
        Wait(70);
    }

    QTemporaryDir m_work;
    std::unique_ptr<SyntheticInput> m_input;
    QProcess m_host;
    std::string m_out;
    std::string m_err;
    int m_exitCode = -1;
    int m_capsPressed = 0;
};

TEST_F(AdvancedHostProcessTest, KeysAndYesPassTheTestAndTheHostCountsEachKeyShown)
{
    const QPoint yes = ButtonOffset("keyboard_advanced_test_button_yes");
    ASSERT_FALSE(yes.isNull());
    StartHost();
    ASSERT_TRUE(WaitForDialog()) << "no dialog took the keyboard\n" << m_out;
    for (const char* key : {"AC01", "AC02", "AC03"}) {
        Tap(key);
        // Each key in a tick of its own even on a busy machine, so that each is one marking pass.
        Wait(250);
    }
    const std::optional<QPoint> origin = DialogOrigin();
    ASSERT_TRUE(origin.has_value()) << "no window of the dialog's size";
    Click(*origin, yes);
    Finish();
    EXPECT_EQ(m_exitCode, 0) << m_out << m_err;
    EXPECT_TRUE(Contains(m_out, "[dialog] ")) << m_out;
    EXPECT_TRUE(Contains(m_out, ": closed with 3 (")) << m_out;
    EXPECT_TRUE(Contains(m_out, "keys shown: 3\n")) << m_out;
    EXPECT_TRUE(Contains(m_out, ": passed (result 0)")) << m_out;
}

TEST_F(AdvancedHostProcessTest, StrictModeInTheWorkingFolderPassesOnceEveryKeyIsPressed)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=1\nADVANCED_TEST_LAYOUT=Kora-14\n");
    std::vector<std::string> unpressable;
    const std::vector<std::string> keys = KeysOfPage(0, *m_input, unpressable);
    ASSERT_TRUE(unpressable.empty()) << unpressable.front();
    ASSERT_EQ(static_cast<int>(keys.size()), corvo::advanced::kLayoutPages[0].keysToMark);
    StartHost();
    ASSERT_TRUE(WaitForDialog()) << "no dialog took the keyboard\n" << m_out;
    for (std::size_t key = 0; key + 1 < keys.size(); ++key) {
        Tap(keys[key]);
    }
    m_out += m_host.readAllStandardOutput().toStdString();
    EXPECT_FALSE(Contains(m_out, ": closed with")) << "the dialog closed before the last key\n" << m_out;
    EXPECT_TRUE(m_input->IsKeyboardGrabbedElsewhere());
    Tap(keys.back());
    Finish();
    EXPECT_EQ(m_exitCode, 0) << m_out << m_err;
    EXPECT_TRUE(Contains(m_out, ": closed with 3 (")) << m_out;
    EXPECT_TRUE(Contains(m_out, ": passed (result 0)")) << m_out;
}

TEST_F(AdvancedHostProcessTest, AllFourTestsRunInOneSessionWithRealKeys)
{
    // The PS/2 test against the simulated controller, the USB test on this machine, then both
    // dialogs answered as a technician would: keys first, then Yes.
    ASSERT_TRUE(QFile::copy(QStringLiteral(SIMULATOR_PLUGIN), m_work.filePath("HalvikDiagnosticsDriverService.so")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(FIXTURES_FOLDER "/i8042-good-keyboard/i8042-scenario"),
                            m_work.filePath("i8042-scenario")));
    ASSERT_TRUE(QFile::setPermissions(m_work.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const DialogLayout keycode = LayoutOf<WinKeycodeTestWidget>("keycode_test_button_yes");
    const QPoint advancedYes = ButtonOffset("keyboard_advanced_test_button_yes");
    ASSERT_FALSE(keycode.button.isNull());
    ASSERT_FALSE(advancedYes.isNull());

    StartHost(QStringLiteral("p,u,k,a"), QStringLiteral("9=1,13=1"));
    ASSERT_TRUE(WaitForDialog(120000)) << "the keycode dialog never took the keyboard\n" << m_out;
    Tap("AC01");
    Wait(200);
    std::optional<QPoint> origin = DialogOrigin(keycode.size);
    ASSERT_TRUE(origin.has_value()) << "no window of the keycode dialog's size";
    Click(*origin, keycode.button);
    ASSERT_TRUE(WaitFor(
        [this] {
            m_out += m_host.readAllStandardOutput().toStdString();
            return DialogOrigin().has_value() && m_input->IsKeyboardGrabbedElsewhere();
        },
        60000))
        << "the advanced dialog never came\n" << m_out;
    Tap("AC02");
    // The window may be placed again as the dialog starts; click where it finally is.
    Wait(200);
    const std::optional<QPoint> advancedOrigin = DialogOrigin();
    ASSERT_TRUE(advancedOrigin.has_value());
    Click(*advancedOrigin, advancedYes);
    Finish();
    for (const char* line : {"PS/2 Keyboard Test: passed with warnings (result 5)", "\nUSB Keyboard Test: ",
                             "Keycode Verification Test: passed (result 0)", "Advanced Test: passed (result 0)",
                             // The host's filter saw the event of the one key pressed in each dialog.
                             "Keycode Verification: closed with 3 (yes), keys shown: 1\n",
                             "Advanced Keyboard Test: closed with 3 (yes), keys shown: 1\n"}) {
        EXPECT_TRUE(Contains(m_out, line)) << line << " missing in\n" << m_out << m_err;
    }
    // The PS/2 run came first and the advanced one last, as asked.
    EXPECT_LT(m_out.find("PS/2 Keyboard Test: "), m_out.find("Advanced Test: passed"));
}

} // namespace
