// The keycode dialog and test on a private Xvfb with the real key capture, key state and key text,
// driven by XTest keys and clicks as a person at the keyboard would drive them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTranslator>

#include "InstalledCatalogue.h"
#include "InteractiveTestRun.h"
#include "XvfbServer.h"
#include "keycode/KeycodeVerificationTest.h"
#include "keycode/WinKeycodeTestWidget.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using namespace corvo::gui_testing;
using corvo::keycode::Translated;

class KeycodeDialogGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_input.IsConnected());
        ASSERT_TRUE(m_input.LoadLayout("us"));
        m_input.SetIndicator("Caps Lock", false);
    }
    // A keycode dialog shown as its wrapper shows it, once it holds the keyboard.
    std::unique_ptr<WinKeycodeTestWidget> Open()
    {
        auto dialog = std::make_unique<WinKeycodeTestWidget>(nullptr, nullptr, nullptr, 0);
        dialog->show();
        EXPECT_TRUE(WaitFor([this] { return m_input.IsKeyboardGrabbedElsewhere(); })) << "no keyboard grab";
        return dialog;
    }
    // What the open dialog shows after each key: "LFSH+AC01" holds left Shift around "a". A key is
    // held across two feedback ticks, as a person's key press lasts; a modifier goes down a tick
    // before the key, because within one tick the table's order decides which key shows last.
    QStringList Type(std::initializer_list<std::string> keys)
    {
        QStringList shown;
        for (const std::string& key : keys) {
            const std::size_t plus = key.find('+');
            const uint8_t held = plus == std::string::npos ? 0 : m_input.KeycodeOf(key.substr(0, plus));
            const uint8_t keycode = m_input.KeycodeOf(key.substr(plus + 1));
            EXPECT_TRUE(keycode != 0 && (plus == std::string::npos || held != 0)) << key;
            for (const auto& [code, down] : {std::pair{held, true}, {keycode, true}, {keycode, false}, {held, false}}) {
                if (code != 0) {
                    down ? m_input.PressKey(code) : m_input.ReleaseKey(code);
                    Wait(70);
                }
            }
            WinKeycodeTestWidget* dialog = OpenDialog<WinKeycodeTestWidget>();
            shown << (dialog ? dialog->findChild<QLineEdit*>("keycode_test_line_edit_last_key")->text() : "(closed)");
        }
        return shown;
    }
    void Click(QWidget* widget)
    {
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        m_input.MovePointer(centre.x(), centre.y());
        m_input.PressButton(1);
        m_input.ReleaseButton(1);
    }

    SyntheticInput m_input{TestDisplay()};
    InstalledCatalogue m_catalogue{QStringLiteral(KEYBOARD_QM_FILE)};
};

TEST_F(KeycodeDialogGuiTest, KeysShowWhatTheyTypeOrTheirNameAndOnlyLocksAndShiftsShapeIt)
{
    auto dialog = Open();
    // The picture in the README comes from here: the dialog as a user sees it after typing "a".
    Type({"AC01"});
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER)));
    dialog->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/keycode-dialog.png"));
    auto* caps = dialog->findChild<QCheckBox*>("keycode_test_check_caps");
    EXPECT_EQ(Type({"AC01", "LFSH+AC01", "RTSH+AC01", "CAPS"}), (QStringList{"a", "A", "A", Translated("CAPS LOCK")}));
    EXPECT_TRUE(WaitFor([caps] { return caps->isChecked(); }, 100)) << "the Caps box follows Caps Lock";
    EXPECT_EQ(Type({"AC01", "CAPS"}), (QStringList{"A", Translated("CAPS LOCK")}));
    EXPECT_TRUE(WaitFor([caps] { return !caps->isChecked(); }, 100));
    // Delete types a control character and shows its name; the keypad follows Num Lock; Scroll
    // Lock ticks its box although no stock X keymap lights its indicator.
    auto* scroll = dialog->findChild<QCheckBox*>("keycode_test_check_scroll");
    EXPECT_EQ(Type({"DELE", "KP7", "SCLK"}), (QStringList{Translated("DEL"), Translated("HOME"), Translated("SCROLL LOCK")}));
    EXPECT_TRUE(WaitFor([scroll] { return scroll->isChecked(); }, 100)) << "the Scroll box follows Scroll Lock";
    EXPECT_EQ(Type({"NMLK", "KP7", "NMLK", "SCLK"}),
              (QStringList{Translated("NUM LOCK"), "7", Translated("NUM LOCK"), Translated("SCROLL LOCK")}));
    EXPECT_TRUE(WaitFor([scroll] { return !scroll->isChecked(); }, 100));
    // Escape and Alt+F4 leave the dialog open; Control does not turn "a" into a control character.
    EXPECT_EQ(Type({"RTRN", "SPCE", "FK05", "ESC", "LCTL+AC01", "LALT+FK04"}),
              (QStringList{"Enter", Translated("SPACEBAR"), Translated("F5"), Translated("ESC"), "a",
                           Translated("F4")}))
        << "the catalogue's texts";
    EXPECT_TRUE(m_input.IsKeyboardGrabbedElsewhere()) << "no key can reach another client";
    Click(dialog->findChild<QPushButton*>("keycode_test_button_no"));
    EXPECT_TRUE(WaitFor([&dialog] { return !dialog->isVisible(); }));
    EXPECT_EQ(dialog->result(), 4);
    dialog.reset();
    EXPECT_FALSE(m_input.IsKeyboardGrabbedElsewhere()) << "the grab outlived the dialog";

    ASSERT_TRUE(m_input.LoadLayout("de"));
    dialog = Open();
    // A dead key shows its accent; the German Z sits where the US Y is.
    EXPECT_EQ(Type({"AE12", "AD06"}), (QStringList{QString::fromUtf8("\u00b4"), "z"}));
}

// A key without a character shows its description in the user's language, as that language's
// catalogue gives it (read here apart from the dialog's own lookup). The pictures in
// docs/images/languages come from here.
TEST_F(KeycodeDialogGuiTest, KeyDescriptionsComeFromTheCatalogueOfTheUsersLanguage)
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER "/languages"));
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"de_DE", "RTRN", "ENTER"}, {"ja_JP", "SPCE", "SPACEBAR"}, {"zh_CN", "SPCE", "SPACEBAR"}};
    for (const auto& [language, key, description] : rows) {
        const QString file = QStringLiteral(TRANSLATIONS_FOLDER "/keyboard_%1.qm").arg(QLatin1String(language));
        QTranslator expected;
        ASSERT_TRUE(expected.load(file)) << language;
        ASSERT_NE(expected.translate("KEYBOARD", description), Translated(description)) << language << " is English";
        const InstalledCatalogue catalogue(file);
        const auto dialog = Open();
        EXPECT_EQ(Type({key}), QStringList{expected.translate("KEYBOARD", description)}) << language;
        dialog->grab().save(QStringLiteral(SCREENSHOT_FOLDER "/languages/keycode-%1.png").arg(QLatin1String(language)));
    }
}

std::vector<std::string> g_traceLines;

// The whole test as a host runs it: worker thread, dialog on this thread, real keys and clicks. The
// dialog frame writes its trace lines, with no source context, on the way.
TEST_F(KeycodeDialogGuiTest, TestRunGivesTheResultOfEachAnswerAndSaysWhyAnEventEndedIt)
{
    // Trace lines are for whoever enables them, not for every run's standard error.
    EXPECT_FALSE(corvo::keycode::DialogTrace().isDebugEnabled());
    QLoggingCategory::setFilterRules(QStringLiteral("halvik.keyboard.dialog.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                                                const QString& text) {
        if (type == QtDebugMsg) {
            g_traceLines.push_back(text.toStdString() + (context.file || context.line ? " with its source" : ""));
        }
    });
    keyboardtest::ScriptedMachine machine;
    const std::tuple<const char*, uint32_t, uint32_t> rows[] = {
        {"keycode_test_button_yes", 3, 0}, {"keycode_test_button_no", 4, 1}, {"keycode_test_header_close", 0, 4},
        {"", 0, 4}}; // a system event
    for (const auto& [button, answer, result] : rows) {
        g_traceLines.clear();
        KeycodeVerificationTest test(ObjectId(10, 1, 3));
        const auto script = [&, button = button](WinKeycodeTestWidget& dialog, corvo::hosts::HostExecution& host) {
            Type({"AC01"});
            *button ? Click(dialog.findChild<QPushButton*>(button)) : host.RaiseSystemEvents(1);
        };
        const InteractiveRun run = RunInteractiveTest<WinKeycodeTestWidget>(test, machine, m_input, script);
        std::string messages;
        for (const auto& message : run.record.messages) {
            messages += message.text + ";";
        }
        const std::string code = std::to_string(answer);
        EXPECT_EQ(g_traceLines, (std::vector<std::string>{"exec filter installed", "Before show: 0", "Before loop: 0",
                                                          "After the event loop: " + code, "Returning: " + code}));
        EXPECT_EQ(run.answer, answer) << button;
        EXPECT_EQ(run.result, result) << button;
        EXPECT_EQ(messages, *button ? "" : std::string(corvo::keyboard::keys::kSystemEventAbort) + ";") << button;
        EXPECT_FALSE(OpenDialog<WinKeycodeTestWidget>() || m_input.IsKeyboardGrabbedElsewhere()) << "it left its grab";
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
}

} // namespace
