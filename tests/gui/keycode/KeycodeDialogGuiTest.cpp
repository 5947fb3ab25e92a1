// The keycode dialog on a private Xvfb with its real key capture and key text, driven by XTest
// keys and clicks as a person at the keyboard would drive it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "EventLoopWait.h"
#include "InstalledCatalogue.h"
#include "HostExecution.h"
#include "InteractiveTestRun.h"
#include "KeyboardFixture.h"
#include "SyntheticInput.h"
#include "TestRunner.h"
#include "XSettingsPublisher.h"
#include "XvfbServer.h"
#include "components/KeyboardComponent.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/KeycodeVerificationTest.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using corvo::gui_testing::OpenDialog;
using corvo::gui_testing::SyntheticInput;
using corvo::gui_testing::Wait;
using corvo::gui_testing::WaitFor;
using corvo::gui_testing::TestDisplay;
using corvo::hosts::HostExecution;

constexpr uint8_t kLeftButton = 1;

// A second X client with the input focus, watching for any key that reaches it.
class KeyWitness {
public:
    KeyWitness()
    {
        m_connection = xcb_connect(TestDisplay().c_str(), nullptr);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_window = xcb_generate_id(m_connection);
        const uint32_t events = XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_KEY_RELEASE;
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screen->root, 600, 500, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK, &events);
        xcb_map_window(m_connection, m_window);
        xcb_flush(m_connection);
    }
    ~KeyWitness() { xcb_disconnect(m_connection); }

    void TakeFocus()
    {
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    int KeysSeen()
    {
        std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const uint8_t type = event->response_type & 0x7F;
            m_keys += type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE ? 1 : 0;
            std::free(event);
        }
        return m_keys;
    }

private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
    int m_keys = 0;
};

class KeycodeDialogGuiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_catalogue = std::make_unique<corvo::gui_testing::InstalledCatalogue>(QStringLiteral(KEYBOARD_QM_FILE));
    }
    static void TearDownTestSuite() { s_catalogue.reset(); }

    void SetUp() override
    {
        ASSERT_FALSE(TestDisplay().empty());
        m_input = std::make_unique<SyntheticInput>(TestDisplay());
        ASSERT_TRUE(m_input->IsConnected());
        SetLayout("us");
        m_input->SetIndicator("Caps Lock", false);
    }

    void TearDown() override { SetLayout("us"); }

    void SetLayout(const char* layout)
    {
        const std::string command = "setxkbmap -display " + TestDisplay() + " " + layout;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Holds the key across at least two feedback ticks, as a person's key press lasts.
    void Tap(const char* keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        ASSERT_NE(keycode, 0) << keyName;
        m_input->PressKey(keycode);
        Wait(70);
        m_input->ReleaseKey(keycode);
        Wait(70);
    }

    void Hold(const char* modifier, const char* keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(modifier);
        m_input->PressKey(keycode);
        // A tick between the two: within one tick the table's order, not the order of the
        // presses, decides which key shows last.
        Wait(70);
        Tap(keyName);
        m_input->ReleaseKey(keycode);
        Wait(40);
    }

    void Click(QWidget* widget)
    {
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        m_input->MovePointer(centre.x(), centre.y());
        m_input->PressButton(kLeftButton);
        m_input->ReleaseButton(kLeftButton);
    }

    static QString LastKey(QWidget* dialog)
    {
        return dialog->findChild<QLineEdit*>("keycode_test_line_edit_last_key")->text();
    }

    static QString Translated(const char* key)
    {
        return QCoreApplication::translate("KEYBOARD", key);
    }

    // Runs the dialog as a host does; script runs inside its loop once the keyboard is grabbed.
    int32_t RunDialog(const std::function<void(WinKeycodeTestWidget&)>& script, HostExecution* execution = nullptr)
    {
        KeyboardWidgetWrapper<WinKeycodeTestWidget> wrapper(execution,
                                                            execution ? execution->GetSystemEventSource() : nullptr);
        QTimer::singleShot(0, [&] {
            WinKeycodeTestWidget* dialog = OpenDialog<WinKeycodeTestWidget>();
            if (dialog == nullptr || !WaitFor([this] { return m_input->IsKeyboardGrabbedElsewhere(); })) {
                ADD_FAILURE() << "the dialog did not take the keyboard";
                if (dialog != nullptr) {
                    dialog->done(0);
                }
                return;
            }
            script(*dialog);
        });
        return wrapper.Execute(nullptr, nullptr, 0);
    }

    std::unique_ptr<SyntheticInput> m_input;
    static std::unique_ptr<corvo::gui_testing::InstalledCatalogue> s_catalogue;
};

std::unique_ptr<corvo::gui_testing::InstalledCatalogue> KeycodeDialogGuiTest::s_catalogue;

TEST_F(KeycodeDialogGuiTest, LettersShiftCapsLockAndNamedKeys)
{
    std::vector<QString> shown;
    bool capsChecked = false;
    bool capsCleared = false;
    const int32_t code = RunDialog([&](WinKeycodeTestWidget& dialog) {
        auto* caps = dialog.findChild<QCheckBox*>("keycode_test_check_caps");
        Tap("AC01");
        shown.push_back(LastKey(&dialog));
        Hold("LFSH", "AC01");
        shown.push_back(LastKey(&dialog));
        Tap("CAPS");
        capsChecked = WaitFor([caps] { return caps->isChecked(); }, 100);
        shown.push_back(LastKey(&dialog));
        Tap("AC01");
        shown.push_back(LastKey(&dialog));
        Tap("CAPS");
        capsCleared = WaitFor([caps] { return !caps->isChecked(); }, 100);
        for (const char* key : {"RTRN", "SPCE", "ESC", "FK05"}) {
            Tap(key);
            shown.push_back(LastKey(&dialog));
        }
        dialog.findChild<QPushButton*>("keycode_test_button_yes")->click();
    });
    EXPECT_EQ(code, 3);
    EXPECT_TRUE(capsChecked) << "the Caps box did not follow Caps Lock within a few ticks";
    EXPECT_TRUE(capsCleared);
    EXPECT_EQ(shown, (std::vector<QString>{"a", "A", Translated("CAPS LOCK"), "A", Translated("ENTER"),
                                           Translated("SPACEBAR"), Translated("ESC"), Translated("F5")}));
    // The translations are in force, not the raw keys.
    EXPECT_EQ(Translated("ENTER"), "Enter");
    EXPECT_FALSE(m_input->IsKeyboardGrabbedElsewhere()) << "the grab outlived the dialog";
}

TEST_F(KeycodeDialogGuiTest, EscapeKeepsTheDialogAndControlReachesNoOtherClient)
{
    KeyWitness witness;
    witness.TakeFocus();
    Tap("AC02");
    ASSERT_GT(witness.KeysSeen(), 0) << "the witness cannot see keys even without the dialog";
    const int before = witness.KeysSeen();
    bool openAfterEscape = false;
    QString afterControlA;
    const int32_t code = RunDialog([&](WinKeycodeTestWidget& dialog) {
        witness.TakeFocus();
        Tap("ESC");
        openAfterEscape = OpenDialog<WinKeycodeTestWidget>() == &dialog;
        Hold("LCTL", "AC01");
        afterControlA = LastKey(&dialog);
        Hold("LALT", "FK04");
        Click(dialog.findChild<QPushButton*>("keycode_test_button_no"));
    });
    EXPECT_EQ(code, 4);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(afterControlA, "a") << "Control changed the text or the key was lost";
    EXPECT_EQ(witness.KeysSeen(), before) << "a key reached another client while the dialog was open";
}

TEST_F(KeycodeDialogGuiTest, ClicksOnTheLockBoxesChangeNothing)
{
    bool before = true;
    bool after = true;
    const int32_t code = RunDialog([&](WinKeycodeTestWidget& dialog) {
        auto* scroll = dialog.findChild<QCheckBox*>("keycode_test_check_scroll");
        Wait(70);
        before = scroll->isChecked();
        Click(scroll);
        Wait(100);
        after = scroll->isChecked();
        Click(dialog.findChild<QPushButton*>("keycode_test_header_close"));
    });
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(before);
    EXPECT_FALSE(after);
}

TEST_F(KeycodeDialogGuiTest, DeadKeyShowsItsAccent)
{
    SetLayout("de");
    std::vector<QString> shown;
    RunDialog([&](WinKeycodeTestWidget& dialog) {
        Tap("AE12");  // dead acute on a German keyboard
        shown.push_back(LastKey(&dialog));
        Tap("AD06");  // the German Z sits where the US Y is
        shown.push_back(LastKey(&dialog));
        dialog.findChild<QPushButton*>("keycode_test_button_yes")->click();
    });
    EXPECT_EQ(shown, (std::vector<QString>{QString::fromUtf8("\u00b4"), "z"}));
}

TEST_F(KeycodeDialogGuiTest, NormalAndHighContrastLookDifferentAndAreSaved)
{
    // The pictures in docs/ come from here: the dialog as a user sees it after typing "a".
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
    QImage normal;
    QImage highContrast;
    QString normalSheet;
    QString highContrastSheet;
    for (bool contrast : {false, true}) {
        std::string failure;
        auto settings = corvo::testing::XSettingsPublisher::Start(TestDisplay(), contrast ? "HighContrast" : "Adwaita",
                                                                  failure);
        ASSERT_NE(settings, nullptr) << failure;
        RunDialog([&](WinKeycodeTestWidget& dialog) {
            Tap("AC01");
            const QImage picture = dialog.grab().toImage();
            (contrast ? highContrast : normal) = picture;
            (contrast ? highContrastSheet : normalSheet) = dialog.styleSheet();
            picture.save(QStringLiteral(SCREENSHOT_FOLDER) +
                         (contrast ? "/keycode-dialog-high-contrast.png" : "/keycode-dialog.png"));
            dialog.findChild<QPushButton*>("keycode_test_button_yes")->click();
        });
    }
    ASSERT_FALSE(normal.isNull());
    EXPECT_GE(normal.width(), 500);
    EXPECT_EQ(normal.size(), highContrast.size());
    EXPECT_NE(normal, highContrast) << "high contrast changed nothing on screen";
    EXPECT_NE(normalSheet, highContrastSheet);
}

// The whole test as a host runs it: worker thread, dialog on this thread, real clicks.
class KeycodeTestRunGuiTest : public KeycodeDialogGuiTest {
protected:
    uint32_t RunTest(const std::function<void(WinKeycodeTestWidget&, HostExecution&)>& script)
    {
        KeycodeVerificationTest test(ObjectId(10, 1, 3));
        const corvo::gui_testing::InteractiveRun run =
            corvo::gui_testing::RunInteractiveTest<WinKeycodeTestWidget>(test, m_machine, *m_input, script);
        m_record = run.record;
        return run.result;
    }

    keyboardtest::ScriptedMachine m_machine;
    corvo::hosts::RunRecord m_record;
};

TEST_F(KeycodeTestRunGuiTest, YesNoAndCloseGiveTheTestResults)
{
    const struct {
        const char* button;
        uint32_t result;
    } rows[] = {{"keycode_test_button_yes", 0}, {"keycode_test_button_no", 1}, {"keycode_test_header_close", 4}};
    for (const auto& row : rows) {
        const uint32_t result = RunTest([&](WinKeycodeTestWidget& dialog, HostExecution&) {
            Tap("AC01");
            Click(dialog.findChild<QPushButton*>(row.button));
        });
        EXPECT_EQ(result, row.result) << row.button;
        EXPECT_TRUE(m_record.messages.empty()) << row.button;
    }
}

TEST_F(KeycodeTestRunGuiTest, SystemEventClosesTheDialogAndTheTestSaysWhy)
{
    const uint32_t result = RunTest([](WinKeycodeTestWidget&, HostExecution& execution) { execution.RaiseSystemEvents(1); });
    EXPECT_EQ(result, 4u);
    ASSERT_EQ(m_record.messages.size(), 1u);
    EXPECT_EQ(m_record.messages[0].text, corvo::keyboard::keys::kSystemEventAbort);
}

} // namespace
