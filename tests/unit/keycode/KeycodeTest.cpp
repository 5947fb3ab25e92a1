// The keycode subsystem offscreen: the key table, the dialog frame and the keycode dialog with keys
// fed by hand where the Xvfb run does not reach (the form, timing of cancel and system events,
// which keys pass, multi-character texts, user events, clicks on the lock boxes), and the
// interactive tests' results with the host answering directly.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "DialogFakes.h"
#include "EventLoopWait.h"
#include "HostExecution.h"
#include "KeyboardFixture.h"
#include "advanced/AdvancedTest.h"
#include "components/KeyboardComponent.h"
#include "keycode/KeyTable.h"
#include "keycode/KeycodeVerificationTest.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/InputRequest.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using namespace corvo::keycode;
using corvo::gui_testing::Wait;
using corvo::hosts::HostExecution;
using keycodetest::Fakes;
namespace keys = corvo::keyboard::keys;

TEST(KeyTableTest, RowsFollowTheCodeListWithItsRepeatsGapsAndNames)
{
    // 0 to 58 with 21 three times, 64 to 238, then 234 to 254; no row for 59 to 63 and 255.
    std::vector<uint32_t> expected;
    for (uint32_t code = 0; code <= 254; ++code) {
        expected.insert(expected.end(), code >= 59 && code <= 63 ? 0 : code == 21 ? 3 : 1, code);
    }
    expected.insert(std::find(expected.begin(), expected.end(), 239u), {234u, 235u, 236u, 237u, 238u});
    std::vector<KeyRow> table;
    FillKeyTable(table);
    table[40].down = true;
    FillKeyTable(table);
    std::vector<uint32_t> codes;
    for (const KeyRow& row : table) {
        codes.push_back(row.code + (row.down ? 1000 : 0));
    }
    EXPECT_EQ(codes, expected) << "filled twice: one copy, every flag clear";
    EXPECT_EQ(KeyTableEntries().count, 257u);
    EXPECT_EQ(FindRow(table, 60), nullptr);
    // The first row of a code is the one a key marks.
    const std::pair<uint32_t, const char*> shown[] = {{13, "VK_RETURN ENTER"}, {21, "VK_KANA IME Kana mode"},
        {45, "VK_INSERT INS"}, {46, "VK_DELETE DEL"}, {48, "0 key 0"}, {58, "undefined UNDEFINED_KEYCODE"},
        {90, "Z key Z"}, {135, "VK_F24 F24"}, {254, "VK_OEM_CLEAR Clear"},
        {220, "VK_OEM_5 It can vary by keyboard. For the US standard keyboard, the '\\|' key"}};
    for (const auto& [code, text] : shown) {
        const KeyRow* row = FindRow(table, code);
        EXPECT_EQ(row ? row->name + " " + row->description : "no row", text) << code;
    }
    EXPECT_EQ(table[22].name + " " + table[22].description + ", " + table[23].name + " " + table[23].description,
              "VK_HANGUEL IME Hanguel mode, VK_HANGUL IME Hangul mode");
}

class KeycodeDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        keycodetest::InstallFakes();
        m_dialog = std::make_unique<WinKeycodeTestWidget>(nullptr, &m_events, m_execution.GetSystemEventSource(), 0);
        m_dialog->show();
    }
    void TearDown() override { corvo::platform::InstallDialogPlatform({}); }
    // What the dialog shows once the key went down and a feedback tick passed, and the number of
    // user events posted so far.
    QString Type(uint8_t code)
    {
        Fakes().Key(code, true);
        Wait(80);
        Fakes().Key(code, false);
        return m_dialog->findChild<QLineEdit*>("keycode_test_line_edit_last_key")->text() + QString::number(m_events.count);
    }

    HostExecution m_execution{nullptr, true, {}};
    keycodetest::UserEventCounter m_events;
    std::unique_ptr<WinKeycodeTestWidget> m_dialog;
};

TEST_F(KeycodeDialogTest, FormVerdictsCancelAndSystemEvents)
{
    EXPECT_EQ(m_dialog->objectName(), "KeycodeTestWidget");
    EXPECT_TRUE(m_dialog->findChild<QLineEdit*>("keycode_test_line_edit_last_key")->isReadOnly());
    EXPECT_EQ(m_dialog->findChild<QPushButton*>("keycode_test_button_yes")->text(), Translated("YES"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(m_dialog.get(), &escape);
    m_dialog->reject();
    EXPECT_TRUE(m_dialog->isVisible()) << "Escape or reject closed the keycode dialog";
    // A system event ends a dialog without a verdict at its next check, once a second; 4 alone
    // does not.
    HostExecution first(nullptr, true, {});
    HostExecution second(nullptr, true, {});
    WinKeycodeTestWidget closing[] = {{nullptr, nullptr, first.GetSystemEventSource(), 0},
                                      {nullptr, nullptr, second.GetSystemEventSource(), 0}};
    for (WinKeycodeTestWidget& dialog : closing) {
        dialog.setResult(3);
        dialog.show();
    }
    m_execution.RaiseSystemEvents(0x4);
    first.RaiseSystemEvents(0x1);
    second.RaiseSystemEvents(0x100);
    // accept and reject keep the result; the cancellation check, every second, ends the loop
    // without touching it.
    InputDialog frame(nullptr);
    QTimer::singleShot(0, &frame, [&] { frame.accept(); });
    EXPECT_EQ(frame.exec(), 0) << "accept gave a verdict of its own";
    QTimer::singleShot(0, &frame, [&] {
        frame.setResult(4);
        frame.reject();
    });
    EXPECT_EQ(frame.exec(), 4);
    QElapsedTimer clock;
    clock.start();
    frame.SetExecution(&m_execution);
    m_execution.RequestCancel();
    EXPECT_EQ(frame.exec(), 4);
    EXPECT_LT(clock.elapsed(), 2000);
    Wait(300);
    EXPECT_TRUE(m_dialog->isVisible()) << "4 alone is no reason to close";
    EXPECT_TRUE(!closing[0].isVisible() && closing[0].result() == 0) << "0x1";
    EXPECT_TRUE(!closing[1].isVisible() && closing[1].result() == 0) << "0x100";
}

TEST_F(KeycodeDialogTest, KeysShowWhatTheyTypeOnlyLocksAndShiftsPassAndClicksChangeNoBox)
{
    Fakes().texts = {{65, {1, "a"}}, {222, {-1, "\u00b4"}}, {66, {2, "xb"}}, {13, {1, "\r"}}};
    // A key that went up before a tick and a mouse button show nothing and post no user event.
    Fakes().Key(65, true);
    Fakes().Key(65, false);
    EXPECT_EQ(Type(1), "0");
    // The accent of a dead key, the last of two characters, and descriptions for Enter (which
    // types a character), F5 (which types none) and Escape; one user event for each.
    QStringList shown;
    for (const uint8_t code : {65, 222, 66, 13, 116, 27}) {
        shown << Type(code);
    }
    EXPECT_EQ(shown, (QStringList{"a1", QString::fromUtf8("\u00b42"), "b3", Translated("ENTER") + "4",
                                  Translated("F5") + "5", Translated("ESC") + "6"}));
    std::vector<bool> passes;
    for (const uint8_t code : {20, 144, 145, 160, 161, 16, 17, 162, 18, 91, 65, 27, 13}) {
        passes.push_back(Fakes().Key(code, true));
        Fakes().Key(code, false);
    }
    EXPECT_EQ(passes, (std::vector<bool>{true, true, true, true, true, false, false, false, false, false, false, false,
                                         false}));
    // Left Shift and left Control held, Caps Lock on, when A is pressed: only Shift and Caps Lock
    // reach the text, Shift also as the generic code; the Caps box follows, Num stays clear.
    Fakes().keys[160] = Fakes().keys[162] = Fakes().keys[17] = 0x80;
    Fakes().keys[20] = 0x01;
    Type(65);
    const auto& state = Fakes().lastTranslatedState;
    EXPECT_TRUE((state[160] & state[16] & 0x80) && (state[20] & 0x01) && (state[162] | state[17]) == 0)
        << "Shift, the generic Shift and Caps Lock reach the text, a swallowed Control does not";
    auto* caps = m_dialog->findChild<QCheckBox*>("keycode_test_check_caps");
    EXPECT_TRUE(caps->isChecked() && !m_dialog->findChild<QCheckBox*>("keycode_test_check_num")->isChecked());
    const QPointF centre = QRectF(caps->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, centre, caps->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(caps, &click);
    }
    EXPECT_TRUE(caps->isChecked()) << "a click changed a display-only box";
}

// What a run gives, in order: the result; each dialog request (title, type, option); each message
// (text, kind); the progress steps. The host answers the dialog request directly.
TEST(InteractiveDialogTestTest, ResultsMessagesAndProgressOfBothTests)
{
    keycodetest::InstallFakes();
    KeycodeVerificationTest keycode(ObjectId(10, 1, 3));
    AdvancedTest advanced(ObjectId(10, 1, 4));
    constexpr uint32_t kCancel = 0x8000; // stands for a cancel request among the events before the dialog
    using Kind = std::pair<InteractiveDialogTest*, const char*>;
    for (const auto& [test, title] : {Kind{&keycode, keys::kKeycodeInputTitle},
                                      Kind{&advanced, keys::kAdvancedTestInputTitle}}) {
        const std::string asked = std::string(title) + " 1/3; ";
        const std::string eventAbort = std::string(keys::kSystemEventAbort) + " 0; ";
        const std::string notIdentified = std::string(keys::kDeviceNotIdentified) + " 0; ";
        const struct { const char* name; bool keyboard, accepts; uint32_t before, answer, during; std::string seen; }
            rows[] = {
            {"Yes passes", true, true, 0, 3, 0, "0; " + asked + "0 0 30 100 "},
            {"No fails", true, true, 0, 4, 0, "1; " + asked + "0 0 30 100 "},
            {"no verdict aborts", true, true, 0, 0, 0, "4; " + asked + "0 0 30 100 "},
            {"no keyboard ends before any dialog", false, true, 0, 3, 0, "4; " + notIdentified + "100 "},
            {"a host without dialogs gets not run", true, false, 0, 3, 0, "3; "},
            {"a system event during the dialog", true, true, 0, 3, 0x1, "4; " + asked + eventAbort + "0 0 30 100 100 "},
            // 0x100 ends the dialog without a verdict but does not compromise the test itself.
            {"an event only the dialog counts", true, true, 0, 0, 0x100, "4; " + asked + "0 0 30 100 "},
            {"a cancel before the dialog", true, true, kCancel, 3, 0, "4; 0 0 100 "},
            {"a system event before the dialog", true, true, 0x2, 3, 0, "4; " + eventAbort + "0 0 100 "},
        };
        for (const auto& row : rows) {
            keyboardtest::ScriptedMachine machine;
            fakehwkit::SetFlag(9, row.keyboard ? 1 : 0); // the firmware reports a PS/2 keyboard
            KeyboardComponent keyboard("0", machine.Platform());
            std::string requests;
            HostExecution* running = nullptr;
            HostExecution execution(&keyboard, row.accepts, {{}, {}, [&](InputRequest& request) {
                requests += request.title + " " + std::to_string(request.requestType) + "/" +
                            std::to_string(request.option) + (request.widgetWrapper ? "; " : " without a dialog; ");
                running->RaiseSystemEvents(row.during);
                request.answer = row.answer;
            }});
            running = &execution;
            row.before == kCancel ? execution.RequestCancel() : execution.RaiseSystemEvents(row.before);
            std::string seen = std::to_string(test->Run(&execution)) + "; " + requests;
            for (const auto& message : execution.Record().messages) {
                seen += message.text + " " + std::to_string(message.kind) + "; ";
            }
            for (const auto& step : execution.Record().progress) {
                seen += std::to_string(step.percent) + " ";
            }
            EXPECT_EQ(seen, row.seen) << title << ": " << row.name;
        }
        HostExecution noDevice(nullptr, true, {});
        EXPECT_EQ(test->Run(&noDevice), 6u) << title << ": a device that is not the keyboard";
        EXPECT_EQ(test->Run(nullptr), 6u) << title << ": no execution";
        EXPECT_TRUE(test->IsApplicable(nullptr) && test->IsInteractive()) << title;
    }
    corvo::platform::InstallDialogPlatform({});
}

} // namespace
