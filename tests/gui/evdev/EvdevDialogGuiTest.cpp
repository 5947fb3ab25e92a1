// Both dialogs and the intervention watch on the event-device backends, as a Wayland session or a
// console runs them: keyboards and a mouse that umockdev emulates, their events replayed from evemu
// recordings, the grab answered as the kernel answers it.
#include <gtest/gtest.h>

#include <linux/input.h>
#include <umockdev.h> // before Qt, whose "signals" keyword glib's headers use as a name

#include <QCheckBox>
#include <QLineEdit>

#include <fstream>
#include <mutex>
#include <tuple>

#include "AdvancedKeys.h"
#include "EventLoopWait.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "intervention/UserInterventionDetectorLinux.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/SystemEventSource.h"
#include "platform/DialogPlatform.h"
#include "platform/linux/EvdevKeyCapture.h"
#include "platform/linux/EvdevKeyPointerState.h"
#include "platform/linux/SessionKeyboard.h"

namespace corvo::platform {
namespace {

using gui_testing::WaitFor;

const unsigned kTypes = _IOC_NR(EVIOCGBIT(0, 0)), kKeyBits = _IOC_NR(EVIOCGBIT(EV_KEY, 0)),
               kLightBits = _IOC_NR(EVIOCGBIT(EV_LED, 0)), kRelativeAxes = _IOC_NR(EVIOCGBIT(EV_REL, 0)),
               kLights = _IOC_NR(EVIOCGLED(0));

// An emulated device: its answers by request number, and a "+" for each grab, a "-" for each
// release. umockdev answers on a thread of its own, so devices change only under the lock.
struct Device {
    std::map<unsigned, std::set<unsigned>> bits;
    const UMockdevIoctlClient* holder = nullptr;
    std::string grabs;
};
std::mutex g_lock;

gboolean AnswerIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data)
{
    Device& device = *static_cast<Device*>(data);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    const unsigned size = _IOC_SIZE(request);
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    const std::lock_guard<std::mutex> guard(g_lock);
    if (request == EVIOCGRAB) {
        const bool grab = *reinterpret_cast<const glong*>(arg->data) != 0;
        device.grabs += grab ? "+" : "-";
        device.holder = grab ? client : nullptr;
    } else if (_IOC_DIR(request) == _IOC_READ) {
        guint8* buffer = umockdev_ioctl_data_resolve(arg, 0, size, nullptr)->data;
        std::fill_n(buffer, size, 0);
        for (const unsigned bit : device.bits[_IOC_NR(request)]) {
            if (bit / 8 < size) {
                buffer[bit / 8] |= static_cast<guint8>(1u << (bit % 8));
            }
        }
    }
    umockdev_ioctl_client_complete(client, _IOC_DIR(request) == _IOC_READ ? size : 0, 0);
    return TRUE;
}

// While a descriptor holds the grab, the kernel gives the device's events to it alone; the others
// read nothing. Reads left unanswered here get the replayed recording.
gboolean AnswerRead(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer data)
{
    const std::lock_guard<std::mutex> guard(g_lock);
    const UMockdevIoctlClient* holder = static_cast<Device*>(data)->holder;
    if (holder == nullptr || holder == client) {
        return FALSE;
    }
    umockdev_ioctl_client_complete(client, -1, EAGAIN);
    return TRUE;
}

// One application for the whole program, ended before the leak check that follows main. Qt's
// offscreen platform: the keys come from the emulated devices, not from a display server, and an
// Xvfb started from here would run under umockdev's preload, on the emulated /dev and /sys.
class Application : public ::testing::Environment {
    void SetUp() override
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        m_application = std::make_unique<QApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

    int m_argc = 1;
    char m_name[23] = "evdev_dialog_gui_tests", *m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QApplication> m_application;
};
const ::testing::Environment* const g_application = ::testing::AddGlobalTestEnvironment(new Application);

// Raised and read on the user-interface thread only.
struct SystemEvents : SystemEventSource {
    uint32_t GetSystemEvents() override { return raised; }
    uint32_t raised = 0;
};
// Seconds from the start of the recording, type, code, value.
using Event = std::tuple<double, unsigned, unsigned, int>;

// Keyboards 3 and 4, and the dialogs' services on them with the keymap XKB_DEFAULT_LAYOUT names.
class EvdevDialogGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!umockdev_in_mock_environment()) {
            GTEST_SKIP() << "/dev is not emulated: umockdev's preload library is missing";
        }
        ::setenv("XKB_DEFAULT_LAYOUT", "us", 1);
        for (const unsigned number : {3u, 4u}) {
            Add(number, {{kTypes, {EV_SYN, EV_KEY, EV_LED}}, {kKeyBits, {KEY_ESC, KEY_Y, KEY_A, KEY_SCROLLLOCK}},
                         {kLightBits, {LED_NUML, LED_CAPSL, LED_SCROLLL}}});
        }
        DialogPlatform platform;
        // No uinput keyboard: on a machine with /dev/uinput it would type into the real session.
        platform.createKeyCapture = [](QWidget*, KeyCapture::Handler handler) {
            return std::make_unique<EvdevKeyCapture>(handler, "/dev/input", SessionKeyText().KeyMap(), "/nonexistent");
        };
        platform.createKeyText = [] { return std::make_unique<SessionKeyText>(); };
        platform.createKeyState = [] { return std::make_unique<EvdevKeyPointerState>("/dev/input", SessionKeyText().KeyMap()); };
        InstallDialogPlatform(std::move(platform));
    }
    void TearDown() override { InstallDialogPlatform({}); }

    void Add(unsigned number, std::map<unsigned, std::set<unsigned>> bits)
    {
        const std::string node = "input/event" + std::to_string(number);
        const std::string description = "P: /devices/virtual/" + node + "\nN: " + node + "\nE: SUBSYSTEM=input\n";
        EXPECT_TRUE(umockdev_testbed_add_from_string(m_testbed.get(), description.c_str(), nullptr));
        m_handlers.emplace_back(umockdev_ioctl_base_new(), &g_object_unref);
        const std::lock_guard<std::mutex> guard(g_lock);
        m_devices[number].bits = std::move(bits);
        g_signal_connect(m_handlers.back().get(), "handle-ioctl", G_CALLBACK(AnswerIoctl), &m_devices[number]);
        g_signal_connect(m_handlers.back().get(), "handle-read", G_CALLBACK(AnswerRead), &m_devices[number]);
        EXPECT_TRUE(umockdev_testbed_attach_ioctl(m_testbed.get(), ("/dev/" + node).c_str(), m_handlers.back().get(), nullptr));
    }
    // Starts replaying the events on /dev/input/eventN, each followed by a report.
    void Replay(unsigned number, std::initializer_list<Event> events)
    {
        const std::unique_ptr<gchar, void (*)(gpointer)> root{umockdev_testbed_get_root_dir(m_testbed.get()), &g_free};
        const std::string recording = root.get() + std::string("/event") + std::to_string(number) + ".events";
        std::string text = "E: 0.000000 0000 0000 0\n";
        for (const auto& [seconds, type, code, value] : events) {
            char line[96];
            std::snprintf(line, sizeof line, "E: %.6f %04x %04x %d\nE: %.6f 0000 0000 0\n", seconds, type, code, value,
                          seconds);
            text += line;
        }
        std::ofstream(recording) << text;
        const std::string path = "/dev/input/event" + std::to_string(number);
        EXPECT_TRUE(umockdev_testbed_load_evemu_events(m_testbed.get(), path.c_str(), recording.c_str(), nullptr));
    }
    // The grabs and releases of keyboards 3 and 4: "+-/+-".
    std::string Grabs()
    {
        const std::lock_guard<std::mutex> guard(g_lock);
        return m_devices[3].grabs + "/" + m_devices[4].grabs;
    }
    // Runs a dialog as a host's input request does, the script inside its loop once every keyboard
    // is grabbed; the dialog's answer.
    int Run(bool advanced, const std::function<void(InputDialog&)>& script)
    {
        QTimer::singleShot(0, [&] {
            InputDialog* dialog = gui_testing::OpenDialog<InputDialog>();
            ASSERT_NE(dialog, nullptr);
            // A script that stopped early would leave the run waiting for ever.
            QTimer::singleShot(10000, dialog, [dialog] { dialog->done(0); ADD_FAILURE() << "the script left it open"; });
            ASSERT_TRUE(WaitFor([this] { return Grabs() == "+/+"; })) << Grabs();
            script(*dialog);
        });
        return advanced ? KeyboardWidgetWrapper<WinAdvancedTestWidget>(nullptr, &m_events).Execute(nullptr, nullptr, 0)
                        : KeyboardWidgetWrapper<WinKeycodeTestWidget>(nullptr, &m_events).Execute(nullptr, nullptr, 0);
    }

    // The testbed, made first, emulates /dev for as long as it lives.
    std::unique_ptr<UMockdevTestbed, void (*)(gpointer)> m_testbed{umockdev_testbed_new(), &g_object_unref};
    std::map<unsigned, Device> m_devices;
    std::vector<std::unique_ptr<UMockdevIoctlBase, void (*)(gpointer)>> m_handlers;
    SystemEvents m_events;
};

// The keycode dialog's last key; the virtual keys of the advanced dialog's marked buttons.
std::string Shown(QWidget& dialog)
{
    if (const auto* line = dialog.findChild<QLineEdit*>("keycode_test_line_edit_last_key")) {
        return line->text().toStdString();
    }
    QStringList codes;
    for (const QString& button : advancedtest::Marked(dialog)) {
        codes << QString::number(gui_testing::VirtualKeyInButtonName(button).value_or(0));
    }
    codes.removeDuplicates();
    return codes.join(' ').toStdString();
}

// The key goes down on keyboard 4; the exit is the button clicked, or none for a system event.
struct Row { const char *name, *layout; bool advanced; unsigned key; const char *shown, *exit; int answer; };
class EvdevDialogKeysTest : public EvdevDialogGuiTest, public ::testing::WithParamInterface<Row> {};

TEST_P(EvdevDialogKeysTest, KeysShowInTheSessionLayoutAndEveryWayOutReleasesEachGrab)
{
    const Row& row = GetParam();
    ::setenv("XKB_DEFAULT_LAYOUT", row.layout, 1);
    const int answer = Run(row.advanced, [&](InputDialog& dialog) {
        Replay(4, {{0, EV_KEY, row.key, 1}});
        EXPECT_TRUE(WaitFor([&] { return Shown(dialog) == row.shown; })) << Shown(dialog);
        EXPECT_EQ(Grabs(), "+/+") << "each keyboard is grabbed once, and held while the dialog is open";
        *row.exit != '\0' ? dialog.findChild<QPushButton*>(row.exit)->click() : void(m_events.raised = 1);
    });
    EXPECT_EQ(answer, row.answer);
    EXPECT_EQ(Grabs(), "+-/+-");
}

// The US Y position types z in German, and its virtual key is Z (90).
INSTANTIATE_TEST_SUITE_P(, EvdevDialogKeysTest, ::testing::Values(
    Row{"KeycodeYes", "us", false, KEY_A, "a", "keycode_test_button_yes", 3},
    Row{"KeycodeGermanNo", "de", false, KEY_Y, "z", "keycode_test_button_no", 4},
    Row{"KeycodeClose", "us", false, KEY_Y, "y", "keycode_test_header_close", 0},
    Row{"KeycodeSystemEvent", "de", false, KEY_Y, "z", "", 0},
    Row{"AdvancedYes", "us", true, KEY_A, "65", "keyboard_advanced_test_button_yes", 3},
    Row{"AdvancedGermanNo", "de", true, KEY_Y, "90", "keyboard_advanced_test_button_no", 4},
    Row{"AdvancedClose", "us", true, KEY_Y, "89", "keyboard_advanced_test_header_close", 0},
    Row{"AdvancedSystemEvent", "de", true, KEY_A, "65", "", 0}),
    [](const ::testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

TEST_F(EvdevDialogGuiTest, ScrollBoxFollowsAKeyboardsLightWithoutAnyKey)
{
    Run(false, [&](InputDialog& dialog) {
        const auto* scroll = dialog.findChild<QCheckBox*>("keycode_test_check_scroll");
        EXPECT_FALSE(scroll->isChecked());
        for (const bool lit : {true, false}) {
            {
                const std::lock_guard<std::mutex> guard(g_lock);
                m_devices[4].bits[kLights] = lit ? std::set<unsigned>{LED_SCROLLL} : std::set<unsigned>{};
            }
            EXPECT_TRUE(WaitFor([&] { return scroll->isChecked() == lit; })) << "lit " << lit;
        }
        dialog.findChild<QPushButton*>("keycode_test_header_close")->click();
    });
}

TEST_F(EvdevDialogGuiTest, MouseMotionIsInterventionAndStillnessIsNot)
{
    Add(5, {{kTypes, {EV_SYN, EV_KEY, EV_REL}}, {kKeyBits, {BTN_LEFT}}, {kRelativeAxes, {REL_X, REL_Y}}});
    EvdevKeyPointerState state("/dev/input");
    UserInterventionDetectorLinux detector(UserInterventionDetector::WatchKeyboard | UserInterventionDetector::WatchPointer,
                                           state);
    EXPECT_FALSE(detector.Detect(200)) << "idle keyboards and a still mouse";
    // The mouse moves a moment after the watch has taken its starting point, reporting as a
    // moving mouse does, several times a second.
    Replay(5, {{0.40, EV_REL, REL_X, 5}, {0.43, EV_REL, REL_Y, -3}, {0.46, EV_REL, REL_X, 2}, {0.49, EV_REL, REL_Y, 4}});
    EXPECT_TRUE(detector.Detect(5000));
}

} // namespace
} // namespace corvo::platform
