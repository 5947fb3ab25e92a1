// Both dialogs on a desktop: openbox manages the private Xvfb, another program's client sits
// beside the dialog, and XTest keys and clicks come as a person's would.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include "AdvancedKeys.h"
#include "DesktopClients.h"
#include "EventLoopWait.h"
#include "InstalledCatalogue.h"
#include "SyntheticInput.h"
#include "XvfbServer.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/MessageKeys.h"

namespace {

using namespace corvo::gui_testing;
using corvo::keycode::Translated;

constexpr uint8_t kLeftButton = 1;
constexpr uint8_t kRightButton = 3;
constexpr int kTab = 9;

std::unique_ptr<WindowManager> g_windowManager;
std::string g_windowManagerFailure;

uint32_t WindowId(const QWidget& widget)
{
    return widget.windowHandle() != nullptr ? static_cast<uint32_t>(widget.windowHandle()->winId()) : 0;
}

class WindowManagerGuiTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_windowManager = WindowManager::Start(TestDisplay(), g_windowManagerFailure); }
    static void TearDownTestSuite() { g_windowManager.reset(); }

    void SetUp() override
    {
        if (g_windowManager == nullptr) {
            GTEST_SKIP() << g_windowManagerFailure;
        }
        ASSERT_TRUE(m_input.IsConnected());
    }

    static void ShowActive(QWidget& host)
    {
        host.show();
        // A window manager that has only just started may let the first request pass.
        ASSERT_TRUE(WaitFor([&host] {
            host.activateWindow();
            return host.isActiveWindow();
        }));
    }

    // Runs the dialog as a host does, through its wrapper, with the script inside its loop once it
    // holds the keyboard; a dialog the script leaves open is closed. Returns the dialog's answer.
    template <typename Dialog>
    int Run(QWidget* host, const std::function<void(Dialog&)>& script)
    {
        KeyboardWidgetWrapper<Dialog> wrapper(nullptr, nullptr);
        QTimer::singleShot(0, [&] {
            Dialog* dialog = OpenDialog<Dialog>();
            if (dialog == nullptr || !WaitFor([this] { return m_input.IsKeyboardGrabbedElsewhere(); })) {
                ADD_FAILURE() << "no dialog with the keyboard";
            } else {
                script(*dialog);
            }
            if ((dialog = OpenDialog<Dialog>()) != nullptr) {
                dialog->done(99);
            }
        });
        return wrapper.Execute(host, nullptr, 0);
    }

    void Click(const QWidget* widget, uint8_t button = kLeftButton, QPoint at = {})
    {
        const QPoint point = widget->mapToGlobal(at.isNull() ? widget->rect().center() : at);
        m_input.MovePointer(point.x(), point.y());
        Wait(50);
        m_input.PressButton(button);
        m_input.ReleaseButton(button);
        Wait(150);
    }

    // Holds the keys down together across two feedback ticks, then lets go in reverse.
    void Chord(std::initializer_list<const char*> keys)
    {
        for (const char* key : keys) {
            m_input.PressKey(m_input.KeycodeOf(key));
            Wait(40);
        }
        Wait(70);
        for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
            m_input.ReleaseKey(m_input.KeycodeOf(*key));
        }
        Wait(70);
    }

    SyntheticInput m_input{TestDisplay()};
    OtherClient m_other{TestDisplay()};
    InstalledCatalogue m_catalogue{QStringLiteral(KEYBOARD_QM_FILE)};
};

// A pop-up of the dialog (the layout drop-down, the line edit's context menu) takes the grab while
// it is open and Qt's ungrab ends the client's grab as it closes; the dialog holds the keyboard
// again afterwards: no other program takes it or receives a key, and Alt+Tab reaches the dialog
// instead of the window manager.
TEST_F(WindowManagerGuiTest, KeyboardStaysHeldAfterEveryPopUpOfEitherDialog)
{
    QWidget host;
    host.resize(400, 300);
    ShowActive(host);

    // The drop-down list and the context menu, each opened and closed as a person would.
    const auto dropDown = [this](QWidget& dialog) {
        QComboBox* list = advancedtest::DropDown(dialog);
        Click(list);
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; })) << "no drop-down list";
        QAbstractItemView* view = list->view();
        Click(view->viewport(), kLeftButton, view->visualRect(view->model()->index(1, 0)).center());
        ASSERT_TRUE(WaitFor([list] { return QApplication::activePopupWidget() == nullptr && list->currentIndex() == 1; }));
        // Closed again with no event handled in between: held the moment the pop-up is gone.
        Click(list);
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        list->hidePopup();
        EXPECT_TRUE(m_input.IsKeyboardGrabbedElsewhere()) << "the keyboard was free as the pop-up closed";
    };
    const auto contextMenu = [this](QWidget& dialog) {
        Click(dialog.findChild<QLineEdit*>("keycode_test_line_edit_last_key"), kRightButton);
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; })) << "no context menu";
        Click(dialog.findChild<QLabel*>("keycode_test_header_label"));
        ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    };
    // Whether the dialog saw the Tab of Alt+Tab.
    const auto sawTab = [](QWidget& dialog) {
        if (auto* lastKey = dialog.findChild<QLineEdit*>("keycode_test_line_edit_last_key")) {
            return lastKey->text() == Translated("TAB");
        }
        return !advancedtest::Marked(dialog, kTab).empty();
    };
    const auto check = [&](QWidget& dialog) {
        // At once: a key typed right after the choice must not reach another program.
        EXPECT_TRUE(m_input.IsKeyboardGrabbedElsewhere()) << "the keyboard was free once the pop-up closed";
        m_other.TakeFocus();
        const int before = m_other.KeysReceived();
        Chord({"LALT", "TAB"});
        EXPECT_EQ(m_other.KeysReceived(), before) << "a focused program received a key";
        EXPECT_TRUE(sawTab(dialog)) << "Alt+Tab did not reach the dialog";
    };
    Run<WinAdvancedTestWidget>(&host, [&](QWidget& dialog) {
        SCOPED_TRACE("advanced dialog's drop-down");
        dropDown(dialog);
        check(dialog);
    });
    Run<WinKeycodeTestWidget>(&host, [&](QWidget& dialog) {
        SCOPED_TRACE("keycode dialog's context menu");
        contextMenu(dialog);
        check(dialog);
    });
}

// The dialog is its host's transient: a click on the host leaves the dialog above it, and the
// dialog's buttons answer.
TEST_F(WindowManagerGuiTest, ClickOnTheHostLeavesTheDialogOnTopAndItsButtonsAnswer)
{
    QWidget host;
    host.resize(1000, 720);
    ShowActive(host);
    const int answer = Run<WinKeycodeTestWidget>(&host, [&](QWidget& dialog) {
        ASSERT_TRUE(WaitFor([&] { return dialog.isActiveWindow(); }));
        EXPECT_EQ(m_other.TransientFor(WindowId(dialog)), WindowId(host));
        const QPoint corner(10, host.height() - 10);
        ASSERT_FALSE(dialog.frameGeometry().contains(host.mapToGlobal(corner))) << "the corner is under the dialog";
        Click(&host, kLeftButton, corner);
        const auto above = [&] {
            const std::vector<uint32_t> stacking = m_other.Stacking();
            const auto hostAt = std::find(stacking.begin(), stacking.end(), WindowId(host));
            const auto dialogAt = std::find(stacking.begin(), stacking.end(), WindowId(dialog));
            return hostAt != stacking.end() && dialogAt != stacking.end() && dialogAt > hostAt;
        };
        EXPECT_TRUE(WaitFor(above, 1000)) << "the host buried the dialog";
        EXPECT_TRUE(WaitFor([&] { return m_other.ActiveWindow() == WindowId(dialog); }, 1000));
        Click(dialog.findChild<QPushButton*>("keycode_test_button_no"));
    });
    EXPECT_EQ(answer, 4) << "the dialog's button did not answer";
}

// While another program holds the keyboard the dialog says so and no key shows; once it lets go
// the dialog takes the keyboard and keys show again.
TEST_F(WindowManagerGuiTest, KeyboardHeldByAnotherProgramIsSaidUntilItIsFree)
{
    ASSERT_TRUE(m_other.HoldKeyboard());
    auto keycode = std::make_unique<WinKeycodeTestWidget>(nullptr, nullptr, nullptr, 0);
    auto advanced = std::make_unique<WinAdvancedTestWidget>(nullptr, nullptr, nullptr, 0);
    const std::pair<QWidget*, const char*> notes[] = {{keycode.get(), "keycode_test_label_capture_note"},
                                                      {advanced.get(), "keyboard_advanced_test_label_capture_note"}};
    for (const auto& [dialog, name] : notes) {
        dialog->show();
        auto* note = dialog->findChild<QLabel*>(name);
        EXPECT_TRUE(WaitFor([note] { return note->isVisible(); })) << name;
        EXPECT_EQ(note->text(), Translated(corvo::keyboard::keys::kKeyboardHeldElsewhere));
        dialog->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/%1-held-elsewhere.png").arg(dialog->objectName()));
        dialog->hide();
    }
    advanced.reset();
    keycode->show();
    auto* lastKey = keycode->findChild<QLineEdit*>("keycode_test_line_edit_last_key");
    Chord({"AC01"});
    EXPECT_EQ(lastKey->text(), "") << "a key held by another program showed";
    m_other.ReleaseKeyboard();
    EXPECT_TRUE(WaitFor([this] { return m_input.IsKeyboardGrabbedElsewhere(); }));
    EXPECT_TRUE(WaitFor([&] { return !keycode->findChild<QLabel*>(notes[0].second)->isVisible(); }));
    Chord({"AC01"});
    EXPECT_EQ(lastKey->text(), "a");

    // The same grab on XWayland holds only while the compositor gives an X window the focus, so
    // the dialog says keys come only while it has it; with no event device to read, keys still
    // come through the grab.
    keycode.reset();
    ::setenv("WAYLAND_DISPLAY", "wayland-test", 1);
    keycode = std::make_unique<WinKeycodeTestWidget>(nullptr, nullptr, nullptr, 0);
    ::unsetenv("WAYLAND_DISPLAY");
    keycode->show();
    auto* note = keycode->findChild<QLabel*>(notes[0].second);
    EXPECT_TRUE(WaitFor([&] { return note->isVisible() && m_input.IsKeyboardGrabbedElsewhere(); }));
    EXPECT_EQ(note->text(), Translated(corvo::keyboard::keys::kKeysOnlyWhileFocused));
    Chord({"AC02"});
    EXPECT_EQ(keycode->findChild<QLineEdit*>("keycode_test_line_edit_last_key")->text(), "s");
}

} // namespace
