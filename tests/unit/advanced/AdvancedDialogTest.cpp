// The advanced dialog offscreen with a capture the test feeds by hand, and its settings: layout
// choice, key progress, marking passes, strict mode, resets, system events and the capture rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "AdvancedKeys.h"
#include "DialogFakes.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "module/Language.h"
#include "module/SystemEventSource.h"

namespace {

using namespace advancedtest;

const QStringList kPageOrder{"Kora-14", "Rima", "Nerv", "Pell-14", "Tamb-14", "Pell-15", "Ozel",
                             "Sola", "ABNT2", "Juno(JP)", "Pell-15(JP)", "Kora-15(JP)", "Vesk-13(JP)"};
const QStringList kJapaneseOrder{"Juno(JP)", "Pell-15(JP)", "Kora-15(JP)", "Vesk-13(JP)", "Kora-14", "Rima", "Nerv",
                                 "Pell-14", "Tamb-14", "Pell-15", "Ozel", "Sola", "ABNT2"};

// Only the exact values count; a later reading without them keeps what an earlier one gave.
TEST(AdvancedSettingsTest, ExactValuesCountAndOthersKeepThePreviousReading)
{
    ConfigFolder folder;
    const struct {
        const char* text;
        int strictMode;
        std::optional<int> layoutPage;
    } rows[] = {
        {nullptr, 0, std::nullopt},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 1\nADVANCED_TEST_LAYOUT = Pell-15(JP)\n", 1, 10},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = yes\nADVANCED_TEST_LAYOUT = pell-15(jp)\n", 1, 10},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 2\nADVANCED_TEST_LAYOUT = Pell-15\n", 1, 5},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 01\nADVANCED_TEST_LAYOUT = Juno\n", 1, 5},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = true\nADVANCED_TEST_LAYOUT = Juno(JP)x\n", 1, 5},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE =\nADVANCED_TEST_LAYOUT =\n", 1, 5},
        {"[OTHER]\nADVANCED_TEST_STRICT_MODE = 0\nADVANCED_TEST_LAYOUT = Rima\n", 1, 5},
        {"", 1, 5},
        {"[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 0\nADVANCED_TEST_LAYOUT = Vesk-13(JP)\n", 0, 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text != nullptr ? row.text : "no file");
        ASSERT_TRUE(row.text == nullptr || folder.Write(row.text));
        const catalogue::AdvancedTestSettings settings = catalogue::ReadAdvancedTestSettings();
        EXPECT_EQ(settings.strictMode, row.strictMode);
        EXPECT_EQ(settings.layoutPage, row.layoutPage);
    }
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        ASSERT_TRUE(folder.Write(("[KEYBOARD]\nADVANCED_TEST_LAYOUT = " + kPageOrder[page] + "\n").toUtf8().constData()));
        EXPECT_EQ(catalogue::ReadAdvancedTestSettings().layoutPage, page) << kPageOrder[page].toStdString();
    }
}

class FixedSystemEvents : public SystemEventSource {
public:
    uint32_t GetSystemEvents() override { return value; }
    uint32_t value = 0;
};

class AdvancedDialogTest : public ::testing::Test {
protected:
    void SetUp() override { keycodetest::InstallFakes(); }
    void TearDown() override
    {
        m_dialog.reset();
        // The language is process-wide and a machine without preferred languages keeps the last
        // one chosen: configure English again so that a Japanese case leaves nothing behind.
        m_config.Write("[LANGUAGE]\nDEFAULT_LANGUAGE = english\n");
        corvo::keyboard::DetermineLanguage();
        corvo::platform::InstallDialogPlatform({});
    }

    WinAdvancedTestWidget& Open(QWidget* host = nullptr)
    {
        m_dialog.reset(); // one capture at a time, as a host has
        m_dialog = std::make_unique<WinAdvancedTestWidget>(host, &m_counter, &m_events, 0);
        return *m_dialog;
    }

    // Presses and releases a key through the capture and lets one tick pass.
    void Press(int code)
    {
        keycodetest::Fakes().Key(static_cast<uint8_t>(code), true);
        keycodetest::Fakes().Key(static_cast<uint8_t>(code), false);
        m_dialog->UpdateKeyStateFeedBack();
        QCoreApplication::processEvents();
    }

    ConfigFolder m_config;
    FixedSystemEvents m_events;
    keycodetest::UserEventCounter m_counter;
    std::unique_ptr<WinAdvancedTestWidget> m_dialog;
};

TEST_F(AdvancedDialogTest, WindowSettingsAndGeometryOverTheHostWindowOrTheScreen)
{
    // Over the host, truncating toward zero as the host's arithmetic does ((447 - 450) / 2 is -1),
    // but never off the 800x800 offscreen screen: a dialog wider than the screen takes its width
    // and scrolls its keyboard picture.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    const std::pair<QRect, QRect> rows[] = {
        {{0, 100, 800, 447}, {0, 99, 800, 450}},
        {{100, 50, 901, 601}, {0, 125, 800, 450}},
        {{0, 600, 800, 300}, {0, 350, 800, 450}},
    };
    for (const auto& [hostGeometry, expected] : rows) {
        QWidget host;
        host.setGeometry(hostGeometry);
        EXPECT_EQ(Open(&host).geometry(), expected);
        EXPECT_NE(m_dialog->findChild<QScrollArea*>("keyboard_advanced_test_picture_scroll_area"), nullptr);
    }
    QWidget host;
    WinAdvancedTestWidget& dialog = Open(&host);
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(static_cast<int>(dialog.windowFlags()), 0x40803);
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(keycodetest::Fakes().capturesAlive, 1);

    EXPECT_EQ(Open(nullptr).geometry(), QRect(0, 175, 800, 450)) << "over the screen without a host window";
}

// The drop-down order follows the language or the keyboard; a configured layout is shown (and
// counts) first. Settings are process-wide, so each row keeps what the rows before configured.
TEST_F(AdvancedDialogTest, LayoutChoiceFollowsLanguageKeyboardAndConfiguration)
{
    const struct {
        const char* config;
        bool japaneseKeyboard;
        const char* language;
        QStringList order;
        int position;
        int page;
    } rows[] = {
        {"", false, "en_US", kPageOrder, 0, 0},
        {"[LANGUAGE]\nDEFAULT_LANGUAGE = japanese\n", false, "ja_JP", kJapaneseOrder, 0, 9},
        {"[LANGUAGE]\nDEFAULT_LANGUAGE = english\n", true, "en_US", kJapaneseOrder, 0, 9},
        {"[KEYBOARD]\nADVANCED_TEST_LAYOUT = ABNT2\n", false, "en_US", kPageOrder, 8, 8},
        {"", true, "en_US", kJapaneseOrder, 12, 8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.config);
        ASSERT_TRUE(m_config.Write(row.config));
        keycodetest::Fakes().layout = {row.japaneseKeyboard ? "jp" : "us", row.japaneseKeyboard ? "ja_JP" : "en_US"};
        WinAdvancedTestWidget& dialog = Open();
        QStringList items;
        for (int i = 0; i < DropDown(dialog)->count(); ++i) {
            items.append(DropDown(dialog)->itemText(i));
        }
        EXPECT_EQ(items, row.order);
        EXPECT_EQ(DropDown(dialog)->currentIndex(), row.position);
        EXPECT_EQ(Pages(dialog)->currentIndex(), row.page);
        const auto& order = row.order == kPageOrder ? catalogue::kDefaultDropDownOrder : catalogue::kJapaneseDropDownOrder;
        EXPECT_EQ(catalogue::PageForDropDownPosition(order, row.position), row.page);
        EXPECT_EQ(corvo::keyboard::GetLanguage(), row.language);
        // Each page counts its key buttons and its illustration key; only the ignored ones start marked.
        for (const catalogue::LayoutPage& page : catalogue::kLayoutPages) {
            EXPECT_EQ(dialog.Progress().at(page.index).size(), static_cast<std::size_t>(page.keyButtons + 1));
        }
        EXPECT_EQ(CountedBeyondReset(dialog), Counted());
        Press('A');
        EXPECT_EQ(CountedBeyondReset(dialog), Counted(row.page, 1)) << "the page shown is not the one counting";
    }
}

// Marking and counting through real keys are the X server tests' part; here the passes and resets.
TEST_F(AdvancedDialogTest, EachTickWithKeysIsOneMarkingPassAndResetsForgetEveryMark)
{
    WinAdvancedTestWidget& dialog = Open();
    const auto fresh = dialog.Progress();
    Press(0);
    EXPECT_EQ(m_counter.count, 0) << "a tick without a known key is no marking pass";
    keycodetest::Fakes().Key('A', true); // several presses within one tick make one pass
    Press('A');
    EXPECT_EQ(m_counter.count, 1);
    const std::set<QString> painted = Marked(dialog);
    EXPECT_EQ(painted, Marked(dialog, 'A')) << "\"W65_\" reached a key whose code merely ends in 65";
    Press('A');
    Press(106); // only hidden keypad pages have it
    EXPECT_EQ(m_counter.count, 3);
    EXPECT_EQ(CountedBeyondReset(dialog), Counted(0, 1));
    EXPECT_EQ(Marked(dialog).size(), painted.size() + 6);

    // The layout change resets as Clear does; the X server test picks a layout from the drop-down.
    Child(dialog, "keyboard_advanced_test_button_refresh")->click();
    EXPECT_EQ(dialog.Progress(), fresh);
    EXPECT_TRUE(Marked(dialog).empty());
    EXPECT_EQ(dialog.result(), 0);
    for (const QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        EXPECT_EQ(button->styleSheet().contains(QStringLiteral("border-width:2px")),
                  catalogue::IsIgnoredKey(button->objectName().toStdString()))
            << button->objectName().toStdString();
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
}

// Strict mode passes by itself once the shown page is done (the X server test presses its keys);
// without it, a page with every key marked still waits for the verdict.
TEST_F(AdvancedDialogTest, OnlyStrictModePassesWhenEveryKeyOfThePageIsMarked)
{
    for (const bool strict : {true, false}) {
        SCOPED_TRACE(strict ? "strict" : "lenient");
        ASSERT_TRUE(m_config.Write(strict ? "[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 1\nADVANCED_TEST_LAYOUT = Kora-14\n"
                                          : "[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 0\n"));
        WinAdvancedTestWidget& dialog = Open();
        EXPECT_EQ(dialog.IsStrictMode(), strict);
        EXPECT_EQ(Child(dialog, "keyboard_advanced_test_button_no")->text(), strict ? "FAIL" : "NO");
        EXPECT_EQ(Child(dialog, "keyboard_advanced_test_button_yes")->isHidden(), strict);
        EXPECT_EQ(Child<QLabel>(dialog, "keyboard_advanced_test_label_feedback")->isHidden(), strict);
        EXPECT_EQ(Child<QLabel>(dialog, "keyboard_advanced_test_instruction_K00")->isHidden(), !strict);
        EXPECT_EQ(Child<QLabel>(dialog, "keyboard_advanced_test_instruction_K03")->isHidden(), !strict);
        for (const auto& [name, marked] : dialog.Progress().at(0)) {
            if (!marked) { // ignored keys start marked; the others are still to press
                EXPECT_EQ(dialog.result(), 0) << "passed before " << name.toStdString() << " was pressed";
                Press(VirtualKeyInButtonName(name).value_or(0));
            }
        }
        EXPECT_TRUE(dialog.AllKeysMarked(0));
        EXPECT_EQ(CountedBeyondReset(dialog), Counted(0, Layout(0).keysToMark));
        EXPECT_EQ(dialog.result(), strict ? 3 : 0);
    }
}

TEST_F(AdvancedDialogTest, SystemEventsEndTheDialogExceptBitTwoAndThoseAboveBitEight)
{
    Open();
    for (const auto& [value, result] : {std::pair<uint32_t, int>{0x4, 5}, {0x200, 5}, {0x1, 0}, {0x8, 0}, {0x100, 0}}) {
        m_dialog->setResult(7);
        m_events.value = value;
        // Gives 5 if the dialog is still open after two abort periods; the guard goes with the pass.
        QObject guard;
        QTimer::singleShot(700, &guard, [this] { m_dialog->done(5); });
        EXPECT_EQ(m_dialog->InputDialog::exec(), result) << std::hex << value;
    }
}

TEST_F(AdvancedDialogTest, VerdictButtonsAndRejectRequests)
{
    Open().show();
    m_dialog->reject();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(m_dialog.get(), &press);
    }
    EXPECT_FALSE(m_dialog->close()) << "a window manager's close request ended the dialog";
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), 0);
    for (const auto& [name, result] : {std::pair<const char*, int>{"keyboard_advanced_test_button_no", 4},
                                       {"keyboard_advanced_test_button_yes", 3},
                                       {"keyboard_advanced_test_header_close", 0}}) {
        m_dialog->setResult(7);
        Child(*m_dialog, name)->click();
        EXPECT_EQ(m_dialog->result(), result) << name;
    }
    m_dialog.reset();
    EXPECT_EQ(keycodetest::Fakes().capturesAlive, 0);
}

TEST_F(AdvancedDialogTest, APressLeftOverFromAClosedDialogMarksNothingInTheNext)
{
    Open();
    // Pressed after the last tick of the first dialog, which then closes.
    keycodetest::Fakes().Key('A', true);
    Open().UpdateKeyStateFeedBack();
    EXPECT_EQ(CountedBeyondReset(*m_dialog), Counted());
    EXPECT_EQ(m_counter.count, 0);
}

// The key table holds codes 1-58 and 64-254; only lock, shift and input-mode keys keep their effect.
TEST(AdvancedCaptureRule, EveryCodeIsFlaggedIfInTheTableAndOnlyThePassThroughKeysPass)
{
    std::vector<catalogue::VirtualKeyEntry> table = catalogue::VirtualKeyTable();
    ASSERT_EQ(table.size(), 249u);
    const std::set<int> passing{20, 28, 29, 144, 145, 160, 161, 240, 242, 243, 244};
    for (int code = 0; code < 256; ++code) {
        for (auto& entry : table) {
            entry.pressed = false;
        }
        // Releases always pass and flag nothing; a press flags its code if the table has it.
        EXPECT_TRUE(catalogue::RecordCapturedKey(table, static_cast<uint8_t>(code), false)) << code;
        EXPECT_EQ(catalogue::RecordCapturedKey(table, static_cast<uint8_t>(code), true), passing.count(code) == 1) << code;
        std::vector<uint32_t> flagged;
        for (const auto& entry : table) {
            if (entry.pressed) {
                flagged.push_back(entry.code);
            }
        }
        const bool inTable = (code >= 1 && code <= 58) || (code >= 64 && code <= 254);
        EXPECT_EQ(flagged, std::vector<uint32_t>(inTable ? 1 : 0, static_cast<uint32_t>(code))) << code;
    }
}

} // namespace
