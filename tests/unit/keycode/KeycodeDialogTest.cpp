// The dialog frame and the keycode dialog offscreen: answers, the accept and reject rule,
// cancellation, system events, trace lines, and the key feedback fed through a fake capture.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "DialogFakes.h"
#include "HostExecution.h"
#include "keycode/InputDialog.h"
#include "keycode/KeyTable.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/Language.h"

namespace {

using corvo::hosts::HostExecution;
using keycodetest::Fakes;

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Two feedback ticks and then some: whatever a key set is on screen after this.
void WaitForFeedback()
{
    Wait(80);
}

WinKeycodeTestWidget* OpenKeycodeDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<WinKeycodeTestWidget*>(widget); dialog != nullptr && dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

template <typename T>
T* Child(QWidget* dialog, const char* name)
{
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString LastKey(QWidget* dialog)
{
    return Child<QLineEdit>(dialog, "keycode_test_line_edit_last_key")->text();
}

QString Translated(const char* key)
{
    return QString::fromStdString(corvo::keyboard::TranslateKey(corvo::keyboard::kContextKeyboard, key));
}

class KeycodeDialogTest : public ::testing::Test {
protected:
    void SetUp() override { keycodetest::InstallFakes(); }
    void TearDown() override { corvo::platform::InstallDialogPlatform({}); }

    // Runs the keycode dialog through its wrapper as a host does; script runs inside the
    // dialog's event loop once the dialog is up.
    int32_t RunDialog(const std::function<void(WinKeycodeTestWidget&)>& script, HostExecution* execution = nullptr)
    {
        KeyboardWidgetWrapper<WinKeycodeTestWidget> wrapper(execution,
                                                            execution ? execution->GetSystemEventSource() : nullptr);
        QTimer::singleShot(0, [&] {
            WinKeycodeTestWidget* dialog = OpenKeycodeDialog();
            if (dialog == nullptr) {
                ADD_FAILURE() << "the dialog is not shown";
                return;
            }
            script(*dialog);
        });
        return wrapper.Execute(nullptr, &m_events, 0);
    }

    keycodetest::UserEventCounter m_events;
};

struct AnswerRow {
    const char* button;
    int32_t code;
};

class KeycodeDialogAnswerTest : public KeycodeDialogTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(KeycodeDialogAnswerTest, EachButtonGivesItsCode)
{
    const AnswerRow row = GetParam();
    const int32_t code = RunDialog([&](WinKeycodeTestWidget& dialog) { Child<QPushButton>(&dialog, row.button)->click(); });
    EXPECT_EQ(code, row.code);
    // The dialog and its capture are gone when Execute returns.
    EXPECT_EQ(OpenKeycodeDialog(), nullptr);
    EXPECT_EQ(Fakes().capturesAlive, 0);
    EXPECT_EQ(Fakes().capturesMade, 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, KeycodeDialogAnswerTest,
                         ::testing::Values(AnswerRow{"keycode_test_button_yes", 3}, AnswerRow{"keycode_test_button_no", 4},
                                           AnswerRow{"keycode_test_header_close", 0}));

TEST_F(KeycodeDialogTest, AcceptAndRejectKeepTheCurrentResult)
{
    InputDialog accepting(nullptr);
    QTimer::singleShot(0, &accepting, [&] { accepting.accept(); });
    EXPECT_EQ(accepting.exec(), 0) << "accept gave a verdict of its own";

    InputDialog rejecting(nullptr);
    QTimer::singleShot(0, &rejecting, [&] {
        rejecting.setResult(4);
        rejecting.reject();
    });
    EXPECT_EQ(rejecting.exec(), 4);
}

TEST_F(KeycodeDialogTest, EscapeAndRejectLeaveTheKeycodeDialogOpen)
{
    bool stillOpen = false;
    const int32_t code = RunDialog([&](WinKeycodeTestWidget& dialog) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &escape);
        dialog.reject();
        Wait(50);
        stillOpen = OpenKeycodeDialog() == &dialog;
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(code, 3);
}

TEST_F(KeycodeDialogTest, CancelRequestEndsTheDialogWithinASecondWithoutAVerdict)
{
    HostExecution execution(nullptr, true, {});
    QElapsedTimer clock;
    const int32_t code = RunDialog(
        [&](WinKeycodeTestWidget&) {
            clock.start();
            execution.RequestCancel();
        },
        &execution);
    EXPECT_EQ(code, 0);
    EXPECT_LT(clock.elapsed(), 2000) << "the cancellation check runs every second";
    EXPECT_EQ(Fakes().capturesAlive, 0);
}

struct EventRow {
    uint32_t events;
    bool closes;
};

class KeycodeDialogSystemEventTest : public KeycodeDialogTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(KeycodeDialogSystemEventTest, CompromisingEventsCloseTheDialog)
{
    const EventRow row = GetParam();
    HostExecution execution(nullptr, true, {});
    bool openAfterCheck = false;
    QElapsedTimer clock;
    const int32_t code = RunDialog(
        [&](WinKeycodeTestWidget& dialog) {
            clock.start();
            execution.RaiseSystemEvents(row.events);
            Wait(1300);
            openAfterCheck = OpenKeycodeDialog() == &dialog;
            if (openAfterCheck) {
                Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
            }
        },
        &execution);
    EXPECT_EQ(openAfterCheck, !row.closes);
    EXPECT_EQ(code, row.closes ? 0 : 3);
}

INSTANTIATE_TEST_SUITE_P(Events, KeycodeDialogSystemEventTest,
                         ::testing::Values(EventRow{0x4, false}, EventRow{0x1, true}, EventRow{0x100, true}));

TEST_F(KeycodeDialogTest, TraceLinesOfOneRunInOrder)
{
    static std::vector<std::string> lines;
    lines.clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                                                const QString& text) {
        if (type == QtDebugMsg) {
            lines.push_back(text.toStdString());
            EXPECT_EQ(context.file, nullptr);
            EXPECT_EQ(context.line, 0);
        }
    });
    const int32_t code = RunDialog(
        [](WinKeycodeTestWidget& dialog) { Child<QPushButton>(&dialog, "keycode_test_button_no")->click(); });
    qInstallMessageHandler(previous);
    EXPECT_EQ(code, 4);
    EXPECT_EQ(lines, (std::vector<std::string>{"exec filter installed", "Before show: 0", "Before loop: 0",
                                               "After the event loop: 4", "Returning: 4"}));
}

TEST_F(KeycodeDialogTest, ShowsWhatTheLastKeyTypesOrItsDescription)
{
    Fakes().texts[65] = {1, "a"};
    Fakes().texts[222] = {-1, "\u00b4"};  // a dead key's accent
    Fakes().texts[66] = {2, "xb"};
    Fakes().texts[13] = {1, "\r"};       // Enter types a character but shows its description
    std::vector<QString> shown;
    RunDialog([&](WinKeycodeTestWidget& dialog) {
        for (uint8_t code : {65, 222, 66, 13, 116, 27}) {
            Fakes().Key(code, true);
            WaitForFeedback();
            Fakes().Key(code, false);
            shown.push_back(LastKey(&dialog));
        }
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
    EXPECT_EQ(shown, (std::vector<QString>{"a", QString::fromUtf8("\u00b4"), "b", Translated("ENTER"), Translated("F5"),
                                           Translated("ESC")}));
    EXPECT_EQ(m_events.count, 6) << "one user event per key shown";
}

TEST_F(KeycodeDialogTest, KeysThatWentUpBeforeATickAndMouseButtonsShowNothing)
{
    Fakes().texts[65] = {1, "a"};
    QString shown = "unset";
    RunDialog([&](WinKeycodeTestWidget& dialog) {
        Fakes().Key(65, true);
        Fakes().Key(65, false);
        Fakes().Key(1, true);
        WaitForFeedback();
        shown = LastKey(&dialog);
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(m_events.count, 0);
}

TEST_F(KeycodeDialogTest, OnlyLockKeysAndShiftsPassAndOnlyTheyShapeTheText)
{
    std::vector<bool> passes;
    RunDialog([&](WinKeycodeTestWidget& dialog) {
        for (uint8_t code : {20, 144, 145, 160, 161, 16, 17, 162, 18, 91, 65, 27, 13}) {
            passes.push_back(Fakes().Key(code, true));
            Fakes().Key(code, false);
        }
        // Left Shift and left Control held, Caps Lock on, when A is pressed.
        Fakes().keys[160] = 0x80;
        Fakes().keys[162] = 0x80;
        Fakes().keys[17] = 0x80;
        Fakes().keys[20] = 0x01;
        Fakes().Key(65, true);
        WaitForFeedback();
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
    EXPECT_EQ(passes, (std::vector<bool>{true, true, true, true, true, false, false, false, false, false, false, false,
                                         false}));
    const auto& state = Fakes().lastTranslatedState;
    EXPECT_EQ(state[160] & 0x80, 0x80);
    EXPECT_EQ(state[16] & 0x80, 0x80) << "the generic Shift follows the sided one";
    EXPECT_EQ(state[20] & 0x01, 0x01);
    EXPECT_EQ(state[162], 0) << "a swallowed Control must not reach the text";
    EXPECT_EQ(state[17], 0);
}

TEST_F(KeycodeDialogTest, CheckBoxesFollowTheLocksAndIgnoreClicks)
{
    bool capsAfterToggle = false;
    bool numAfterToggle = true;
    bool capsAfterClick = false;
    RunDialog([&](WinKeycodeTestWidget& dialog) {
        auto* caps = Child<QCheckBox>(&dialog, "keycode_test_check_caps");
        Fakes().keys[20] = 0x01;
        WaitForFeedback();
        capsAfterToggle = caps->isChecked();
        numAfterToggle = Child<QCheckBox>(&dialog, "keycode_test_check_num")->isChecked();
        const QPointF centre = QRectF(caps->rect()).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, centre, caps->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(caps, &click);
        }
        capsAfterClick = caps->isChecked();
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
    EXPECT_TRUE(capsAfterToggle);
    EXPECT_FALSE(numAfterToggle);
    EXPECT_TRUE(capsAfterClick) << "a click unchecked a display-only box";
}

TEST_F(KeycodeDialogTest, OpeningTwiceLeavesOneKeyTable)
{
    for (int run = 0; run < 2; ++run) {
        RunDialog([](WinKeycodeTestWidget& dialog) { Child<QPushButton>(&dialog, "keycode_test_button_yes")->click(); });
    }
    EXPECT_EQ(corvo::keycode::KeyTable().size(), 257u);
    EXPECT_EQ(Fakes().capturesMade, 2);
    EXPECT_EQ(Fakes().capturesAlive, 0);
}

TEST_F(KeycodeDialogTest, FormCarriesItsNamesAndWindowSettings)
{
    RunDialog([](WinKeycodeTestWidget& dialog) {
        EXPECT_EQ(dialog.objectName(), "KeycodeTestWidget");
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Dialog));
        EXPECT_TRUE(Child<QLineEdit>(&dialog, "keycode_test_line_edit_last_key")->isReadOnly());
        EXPECT_EQ(Child<QPushButton>(&dialog, "keycode_test_button_yes")->text(), Translated("YES"));
        EXPECT_EQ(Child<QCheckBox>(&dialog, "keycode_test_check_scroll")->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(Child<QPushButton>(&dialog, "keycode_test_header_close")->cursor().shape(), Qt::PointingHandCursor);
        Child<QPushButton>(&dialog, "keycode_test_button_yes")->click();
    });
}

} // namespace
