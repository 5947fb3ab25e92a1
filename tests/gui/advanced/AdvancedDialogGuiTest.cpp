// The advanced test as a host runs it on a private Xvfb, its dialog with the real key capture driven
// by XTest keys and clicks as a person would drive it; and the pictures of every layout.
#include <gtest/gtest.h>

#include <QImage>
#include <QTranslator>

#include "AdvancedKeys.h"
#include "InstalledCatalogue.h"
#include "InteractiveTestRun.h"
#include "XvfbServer.h"
#include "advanced/AdvancedTest.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using namespace advancedtest;
using namespace corvo::gui_testing;
using corvo::hosts::HostExecution;
using Dialog = WinAdvancedTestWidget;

constexpr uint8_t kLeftButton = 1;

class AdvancedDialogGuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(TestDisplay().empty());
        m_input = std::make_unique<SyntheticInput>(TestDisplay());
        ASSERT_TRUE(m_input->IsConnected());
        // Cases that run in one program share the server: start each from a US keyboard, Caps Lock off.
        ASSERT_TRUE(m_input->LoadLayout("us"));
        m_input->SetIndicator("Caps Lock", false);
    }

    // Holds the key across at least two marking ticks, as a person's key press lasts.
    void Tap(const std::string& keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        ASSERT_NE(keycode, 0) << keyName;
        m_input->PressKey(keycode);
        Wait(70);
        m_input->ReleaseKey(keycode);
        Wait(70);
    }

    // A person's click on the widget's centre, or a drag from there: press, move in steps, release.
    void Drag(const QWidget* widget, QPoint by = {})
    {
        ASSERT_NE(widget, nullptr);
        const QPoint from = widget->mapToGlobal(widget->rect().center());
        m_input->MovePointer(from.x(), from.y());
        m_input->PressButton(kLeftButton);
        for (int step = 1; step <= 4 && !by.isNull(); ++step) {
            Wait(40);
            m_input->MovePointer(from.x() + by.x() * step / 4, from.y() + by.y() * step / 4);
        }
        m_input->ReleaseButton(kLeftButton);
        Wait(100);
    }

    // Runs the advanced test as a host does: worker thread, dialog on this thread, the script inside
    // the dialog's loop once it holds the keyboard.
    void Run(const std::function<void(Dialog&, HostExecution&)>& script)
    {
        AdvancedTest test(ObjectId(10, 1, 4));
        // A script that stopped early (a failed assertion) would leave the run waiting for ever.
        m_run = RunInteractiveTest<Dialog>(test, m_machine, *m_input, script, [](Dialog* dialog) {
            QTimer::singleShot(3000, dialog, [dialog] {
                if (dialog->isVisible()) {
                    ADD_FAILURE() << "the dialog was still open after its script";
                    dialog->done(0);
                }
            });
        });
    }

    const InstalledCatalogue m_texts{QStringLiteral(KEYBOARD_QM_FILE)};
    ConfigFolder m_config;
    std::unique_ptr<SyntheticInput> m_input;
    keyboardtest::ScriptedMachine m_machine;
    InteractiveRun m_run;
};

// A person's session: every layout's picture (the pictures in docs/ come from here), keys that mark
// every page and count on the shown one in the colours of their styles, lock keys that keep working,
// a layout picked from the drop-down, and the dialog closed by its header button.
TEST_F(AdvancedDialogGuiTest, KeysMarkEveryPageCountOnTheShownOneAndOnlyLockKeysPassThrough)
{
    const QString folder = QStringLiteral(SCREENSHOT_FOLDER);
    QDir().mkpath(folder);
    Run([&](Dialog& dialog, HostExecution&) {
        QImage previous;
        for (int position = catalogue::kPageCount - 1; position >= 0; --position) {
            DropDown(dialog)->setCurrentIndex(position);
            Wait(70);
            ASSERT_EQ(Pages(dialog)->currentIndex(), position);
            const QImage picture = dialog.grab().toImage();
            EXPECT_EQ(picture.size(), QSize(908, 450));
            EXPECT_NE(picture, previous) << "page " << position << " looks like the one after it";
            const QStringList words = QString::fromLatin1(Layout(position).layoutName).toLower().split(
                QRegularExpression(QStringLiteral("[^a-z0-9]+")), Qt::SkipEmptyParts);
            picture.save(folder + "/advanced-" + words.join('-') + ".png");
            previous = picture;
        }
        for (const char* key : {"AC01", "AC01", "AC02", "AC03", "AC04", "SPCE", "LFSH", "FK01", "ESC", "UP"}) {
            Tap(key);
        }
        EXPECT_EQ(CountedBeyondReset(dialog), Counted(0, 9)) << "A counted twice, or on another page";
        std::set<QString> expected;
        for (int virtualKey : {65, 83, 68, 70, 32, 160, 112, 27, 38}) { // A S D F Space Shift F1 Esc Up
            const std::set<QString> keys = Marked(dialog, virtualKey);
            EXPECT_EQ(keys.size(), static_cast<std::size_t>(catalogue::kPageCount)) << virtualKey;
            expected.insert(keys.begin(), keys.end());
        }
        EXPECT_EQ(Marked(dialog), expected) << "a key was not painted on every page, or another key was";
        const QImage marked = dialog.grab().toImage();
        marked.save(folder + "/advanced-marked.png");
        // The colour a key shows near its top left corner, inside its margin and away from its label.
        const std::pair<QColor, std::vector<int>> colours[] = {
            {QColor(0x18, 0xA0, 0xFB), {'A', 'S', 'D', 'F', 32, 160, 112, 27, 38}},
            {QColor(0xCC, 0xCC, 0xCC), {'Q', 'G', 13, 161}}};
        for (const auto& [colour, keys] : colours) {
            for (int virtualKey : keys) {
                EXPECT_EQ(marked.pixelColor(KeyButton(dialog, 0, virtualKey)->mapTo(&dialog, QPoint(4, 4))), colour)
                    << virtualKey;
            }
        }

        // Escape and Alt+F4 are taken like any key; Caps Lock is marked and still reaches the server.
        const uint8_t alt = m_input->KeycodeOf("LALT");
        m_input->PressKey(alt);
        Tap("FK04");
        m_input->ReleaseKey(alt);
        Tap("CAPS");
        EXPECT_EQ(OpenDialog<Dialog>(), &dialog);
        EXPECT_TRUE(m_input->IsCapsLocked()) << "Caps Lock did not reach the server";
        for (int virtualKey : {20, 115, 164}) {
            EXPECT_TRUE(Marked(dialog).count(KeyButton(dialog, 0, virtualKey)->objectName())) << virtualKey;
        }
        Tap("CAPS");
        EXPECT_FALSE(m_input->IsCapsLocked());

        // Another layout (the window-manager test picks one with clicks and follows the drop-down's grab).
        DropDown(dialog)->setCurrentIndex(Layout(1).defaultPosition);
        EXPECT_EQ(Pages(dialog)->currentIndex(), 1);
        EXPECT_EQ(DropDown(dialog)->currentText(), "Rima");
        EXPECT_TRUE(Marked(dialog).empty()) << "the layout change left keys painted";
        Tap("AC01");
        EXPECT_EQ(CountedBeyondReset(dialog), Counted(1, 1));
        Drag(Child(dialog, "keyboard_advanced_test_header_close"));
    });
    EXPECT_EQ(m_run.answer, 0u);
    EXPECT_FALSE(m_input->IsKeyboardGrabbedElsewhere()) << "the grab outlived the dialog";
}

// In the user's language the pictures carry that language's key labels (as its catalogue gives them,
// read here apart from the dialog's lookup), and pressed keys are marked under them; a Japanese user
// gets a JIS layout first. The pictures in docs/images/languages come from here, the German one in
// strict mode on a layout with a keypad.
TEST_F(AdvancedDialogGuiTest, PressedKeysAreMarkedUnderTheLabelsOfTheUsersLanguage)
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER "/languages"));
    const std::tuple<const char*, const char*, int, std::vector<std::pair<int, const char*>>> rows[] = {
        {"de_DE", "[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=1\nADVANCED_TEST_LAYOUT=Pell-15\n", 5,
         {{162, "Ctrl"}, {32, "Space"}, {13, "Enter"}, {8, "Backspace"}}},
        {"ja_JP", "", 9, {{32, "Space"}, {38, "Up"}, {37, "Left"}}},
        {"zh_CN", "", 0, {{32, "Space"}, {93, "Menu"}, {40, "Down"}}}};
    for (const auto& [language, settings, page, keys] : rows) {
        const QString file = QStringLiteral(TRANSLATIONS_FOLDER "/keyboard_%1.qm").arg(QLatin1String(language));
        QTranslator labels;
        const std::string config = "[LANGUAGE]\nDEFAULT_LANGUAGE=" + std::string(language) + "\n" + settings;
        catalogue::ResetAdvancedTestSettings(); // settings left out keep an earlier row's otherwise
        ASSERT_TRUE(labels.load(file) && m_config.Write(config.c_str()));
        const InstalledCatalogue catalogue(file);
        Run([&](Dialog& dialog, HostExecution&) {
            ASSERT_EQ(Pages(dialog)->currentIndex(), page) << language;
            for (const auto& [code, english] : keys) {
                Tap(UsKeyNameOf(code));
                const QPushButton* key = KeyButton(dialog, page, code);
                ASSERT_NE(key, nullptr) << code;
                const QString label = labels.translate("AdvancedTestWidget", english);
                EXPECT_NE(label, QLatin1String(english)) << language;
                EXPECT_EQ(key->text(), label) << language;
                EXPECT_EQ(key->styleSheet(), kMarkedStyle) << language << " " << english << " not marked";
            }
            dialog.grab().save(QStringLiteral(SCREENSHOT_FOLDER "/languages/advanced-%1.png").arg(QLatin1String(language)));
            Drag(Child(dialog, "keyboard_advanced_test_header_close"));
        });
        EXPECT_EQ(m_run.answer, 0u) << language;
    }
}

// A Japanese keyboard puts the JIS layouts first; only the header drags the dialog; the dialog polls
// the run's own system events, and one that compromises the test ends it with a message.
TEST_F(AdvancedDialogGuiTest, JapaneseKeyboardHeaderDragAndASystemEventThatEndsTheRun)
{
    ASSERT_TRUE(m_input->LoadLayout("jp"));
    Run([&](Dialog& dialog, HostExecution& execution) {
        EXPECT_EQ(Pages(dialog)->currentIndex(), 9);
        EXPECT_EQ(DropDown(dialog)->itemText(3), "Vesk-13(JP)");
        const QPoint start = dialog.pos();
        for (const char* name : {"keyboard_advanced_test_widget_header", "keyboard_advanced_test_label_user_request"}) {
            Drag(dialog.findChild<QWidget*>(QString::fromLatin1(name)), QPoint(60, 40));
            WaitFor([&] { return dialog.pos() == start + QPoint(60, 40); }, 500);
            EXPECT_EQ(dialog.pos(), start + QPoint(60, 40)) << name;
        }
        execution.RaiseSystemEvents(0x1);
        EXPECT_TRUE(WaitFor([&dialog] { return !dialog.isVisible(); }, 1000)) << "three polls and still open";
    });
    EXPECT_EQ(m_run.answer, 0u);
    EXPECT_EQ(m_run.result, 4u);
    ASSERT_EQ(m_run.record.messages.size(), 1u);
    EXPECT_EQ(m_run.record.messages[0].text, corvo::keyboard::keys::kSystemEventAbort);
}

} // namespace
