// The advanced dialog offscreen with a capture the test feeds by hand: construction, layout
// choice, settings, key progress, marking, strict mode, reset and the system-event abort.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DialogFakes.h"
#include "advanced/AdvancedTestSettings.h"
#include "advanced/LayoutCatalogue.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "module/Language.h"
#include "module/SystemEventSource.h"

namespace {

namespace catalogue = corvo::advanced;

constexpr char kMarkedStyle[] = "background-color: #18A0FB;color: black;border-style: initial;font: 10px";

class FixedSystemEvents : public SystemEventSource {
public:
    uint32_t GetSystemEvents() override { return value; }
    uint32_t value = 0;
};

// The codes a page's key buttons carry, in form order, without the ignored keys.
std::vector<int> CodesOnPage(QWidget* dialog, int page)
{
    const QString tag = QString::fromStdString(catalogue::PageTag(page));
    static const QRegularExpression code(QStringLiteral("_W(\\d+)_"));
    std::vector<int> codes;
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (!name.endsWith(tag) || catalogue::IsIgnoredKey(name.toStdString())) {
            continue;
        }
        auto match = code.globalMatch(name);
        while (match.hasNext()) {
            const int value = match.next().captured(1).toInt();
            if (std::find(codes.begin(), codes.end(), value) == codes.end()) {
                codes.push_back(value);
            }
        }
    }
    return codes;
}

class AdvancedDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        keycodetest::InstallFakes();
        catalogue::ResetAdvancedTestSettings();
        ASSERT_TRUE(m_folder.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
    }

    void TearDown() override
    {
        m_dialog.reset();
        // The language is process-wide, and a machine without preferred languages keeps the last
        // one chosen: configure English again so that a Japanese case leaves nothing behind.
        WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE = english\n");
        corvo::keyboard::DetermineLanguage();
        QDir::setCurrent(m_previousFolder);
        catalogue::ResetAdvancedTestSettings();
        corvo::platform::InstallDialogPlatform({});
    }

    void WriteConfig(const std::string& text)
    {
        QFile file(m_folder.filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.c_str());
    }

    WinAdvancedTestWidget& Open(QWidget* host = nullptr)
    {
        m_dialog = std::make_unique<WinAdvancedTestWidget>(host, &m_counter, &m_events, 0);
        return *m_dialog;
    }

    template <typename T>
    T* Child(const char* name)
    {
        return m_dialog->findChild<T*>(QString::fromLatin1(name));
    }

    QComboBox* DropDown() { return Child<QComboBox>("keyboard_advanced_test_drop_down"); }
    QStackedWidget* Stack() { return Child<QStackedWidget>("keyboard_advanced_test_stacked_widget"); }

    // Presses and releases a key through the capture and lets one tick pass.
    void Press(uint8_t code)
    {
        keycodetest::Fakes().Key(code, true);
        keycodetest::Fakes().Key(code, false);
        m_dialog->UpdateKeyStateFeedBack();
    }

    int MarkedOnPage(int page)
    {
        const auto& progress = m_dialog->Progress().at(page);
        return static_cast<int>(std::count_if(progress.begin(), progress.end(), [](const auto& e) { return e.second; }));
    }

    std::vector<QString> DropDownItems()
    {
        std::vector<QString> items;
        for (int i = 0; i < DropDown()->count(); ++i) {
            items.push_back(DropDown()->itemText(i));
        }
        return items;
    }

    QTemporaryDir m_folder;
    QString m_previousFolder;
    FixedSystemEvents m_events;
    keycodetest::UserEventCounter m_counter;
    std::unique_ptr<WinAdvancedTestWidget> m_dialog;
};

TEST_F(AdvancedDialogTest, WindowSettingsAndGeometryOverTheHostWindow)
{
    QWidget host;
    // An odd negative difference shows the truncation toward zero: (901 - 908) / 2 is -3.
    host.setGeometry(100, 50, 901, 601);
    WinAdvancedTestWidget& dialog = Open(&host);
    EXPECT_EQ(dialog.geometry(), QRect(100 - 3, 50 + 75, 908, 450));
    EXPECT_EQ(dialog.parentWidget(), nullptr);
    EXPECT_EQ(static_cast<int>(dialog.windowFlags()), 0x40803);
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_NativeWindow));
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("APPLICATION_NAME"));
    EXPECT_STREQ(dialog.metaObject()->className(), "WinAdvancedTestWidget");
    EXPECT_STREQ(dialog.metaObject()->superClass()->className(), "AdvancedTestWidget");
    EXPECT_EQ(keycodetest::Fakes().capturesAlive, 1);
}

TEST_F(AdvancedDialogTest, WithoutAHostWindowTheDialogCentresOnThePrimaryScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    WinAdvancedTestWidget& dialog = Open(nullptr);
    EXPECT_EQ(dialog.geometry().center(), QRect(screen.x() + (screen.width() - 908) / 2,
                                                 screen.y() + (screen.height() - 450) / 2, 908, 450).center());
}

TEST_F(AdvancedDialogTest, DefaultOrderStartsOnKora14WithAllKeysUnmarked)
{
    Open();
    std::vector<QString> expected(catalogue::kPageCount);
    for (const catalogue::LayoutPage& page : catalogue::kLayoutPages) {
        expected[static_cast<std::size_t>(page.defaultPosition)] = QString::fromLatin1(page.layoutName);
    }
    EXPECT_EQ(DropDownItems(), expected);
    EXPECT_EQ(DropDown()->currentText(), QStringLiteral("Kora-14"));
    EXPECT_EQ(Stack()->currentIndex(), 0);

    // Each page counts its key buttons and its illustration key; only the ignored ones start
    // as marked.
    for (const catalogue::LayoutPage& page : catalogue::kLayoutPages) {
        SCOPED_TRACE(page.layoutName);
        EXPECT_EQ(m_dialog->Progress().at(page.index).size(), static_cast<std::size_t>(page.keyButtons + 1));
        EXPECT_EQ(MarkedOnPage(page.index), page.ignoredKeys + 1);
    }
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    }
}

TEST_F(AdvancedDialogTest, JapaneseLanguageOrJapaneseKeyboardPutsTheJisLayoutsFirst)
{
    std::vector<QString> expected(catalogue::kPageCount);
    for (const catalogue::LayoutPage& page : catalogue::kLayoutPages) {
        expected[static_cast<std::size_t>(page.japanesePosition)] = QString::fromLatin1(page.layoutName);
    }

    WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE = japanese\n");
    Open();
    EXPECT_EQ(DropDownItems(), expected);
    EXPECT_EQ(Stack()->currentIndex(), 9);

    WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE = english\n");
    keycodetest::Fakes().layout = {"jp", "ja_JP"};
    Open();
    EXPECT_EQ(corvo::keyboard::GetLanguage(), std::string("en_US"));
    EXPECT_EQ(DropDownItems(), expected);
    EXPECT_EQ(DropDown()->currentText(), QStringLiteral("Juno(JP)"));
    EXPECT_EQ(Stack()->currentIndex(), 9);
}

TEST_F(AdvancedDialogTest, ConfiguredLayoutStartsOnItsPageAndUnknownNamesAreIgnored)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_LAYOUT = ABNT2\n");
    Open();
    EXPECT_EQ(DropDown()->currentText(), QStringLiteral("ABNT2"));
    EXPECT_EQ(Stack()->currentIndex(), 8);
    EXPECT_EQ(MarkedOnPage(8), catalogue::kLayoutPages[8].ignoredKeys + 1);

    // The Japanese order puts ABNT2 last; the configured page is still ABNT2's.
    keycodetest::Fakes().layout = {"jp", "ja_JP"};
    Open();
    EXPECT_EQ(DropDown()->currentIndex(), 12);
    EXPECT_EQ(Stack()->currentIndex(), 8);

    catalogue::ResetAdvancedTestSettings();
    keycodetest::Fakes().layout = {"us", "en_US"};
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_LAYOUT = abnt2\n");
    Open();
    EXPECT_EQ(DropDown()->currentText(), QStringLiteral("Kora-14"));
    EXPECT_EQ(Stack()->currentIndex(), 0);
}

TEST_F(AdvancedDialogTest, APressMarksItsKeyOnceAndAnnouncesEachPass)
{
    Open();
    const int before = MarkedOnPage(0);
    Press(65);
    QCoreApplication::processEvents();
    const QPushButton* a = nullptr;
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        if (button->objectName().contains(QStringLiteral("W65_")) && button->objectName().endsWith("K00")) {
            a = button;
        }
    }
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->styleSheet(), QString::fromLatin1(kMarkedStyle));
    EXPECT_TRUE(m_dialog->Progress().at(0).at(a->objectName()));
    EXPECT_EQ(MarkedOnPage(0), before + 1);
    EXPECT_EQ(m_counter.count, 1);

    // Several presses within one tick make one pass; a second pass marks nothing new.
    keycodetest::Fakes().Key(65, true);
    keycodetest::Fakes().Key(65, true);
    m_dialog->UpdateKeyStateFeedBack();
    QCoreApplication::processEvents();
    EXPECT_EQ(MarkedOnPage(0), before + 1);
    EXPECT_EQ(m_counter.count, 2);

    // "W65_" must not reach a key whose code merely ends in 65.
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        if (button->styleSheet() == QString::fromLatin1(kMarkedStyle)) {
            EXPECT_TRUE(button->objectName().contains(QStringLiteral("_W65_"))) << button->objectName().toStdString();
        }
    }
}

TEST_F(AdvancedDialogTest, AKeyOnlyAHiddenPageHasPaintsThatPageButCountsNothing)
{
    Open();
    const std::vector<int> shown = CodesOnPage(m_dialog.get(), 0);
    const std::vector<int> keypadPage = CodesOnPage(m_dialog.get(), 5);
    int hiddenOnly = 0;
    for (int code : keypadPage) {
        if (std::find(shown.begin(), shown.end(), code) == shown.end()) {
            hiddenOnly = code;
            break;
        }
    }
    ASSERT_NE(hiddenOnly, 0) << "Pell-15 carries no key that Kora-14 lacks";

    const auto progressBefore = m_dialog->Progress();
    Press(static_cast<uint8_t>(hiddenOnly));
    EXPECT_EQ(m_dialog->Progress(), progressBefore);
    const QString fragment = QStringLiteral("W%1_").arg(hiddenOnly);
    QPushButton* painted = nullptr;
    for (QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        if (button->styleSheet() == QString::fromLatin1(kMarkedStyle)) {
            EXPECT_TRUE(button->objectName().contains(fragment));
            EXPECT_FALSE(button->objectName().endsWith("K00"));
            painted = button;
        }
    }
    ASSERT_NE(painted, nullptr);

    DropDown()->setCurrentIndex(3);
    EXPECT_NE(painted->styleSheet(), QString::fromLatin1(kMarkedStyle));
}

TEST_F(AdvancedDialogTest, ClearAndLayoutChangeDiscardAllProgress)
{
    Open();
    const auto fresh = m_dialog->Progress();
    Press(65);
    Press(66);
    ASSERT_EQ(MarkedOnPage(0), catalogue::kLayoutPages[0].ignoredKeys + 3);

    Child<QPushButton>("keyboard_advanced_test_button_refresh")->click();
    EXPECT_EQ(m_dialog->Progress(), fresh);
    EXPECT_EQ(m_dialog->result(), 0);
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        const bool ignored = catalogue::IsIgnoredKey(button->objectName().toStdString());
        EXPECT_EQ(button->styleSheet().contains(QStringLiteral("border-width:2px")), ignored)
            << button->objectName().toStdString();
        EXPECT_FALSE(button->isEnabled());
    }

    Press(65);
    DropDown()->setCurrentIndex(5);
    EXPECT_EQ(Stack()->currentIndex(), 5);
    EXPECT_EQ(m_dialog->Progress(), fresh);
}

TEST_F(AdvancedDialogTest, StrictModePassesOnTheLastKeyOfTheShownPage)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 1\nADVANCED_TEST_LAYOUT = Kora-14\n");
    Open();
    EXPECT_TRUE(m_dialog->IsStrictMode());
    EXPECT_EQ(Child<QPushButton>("keyboard_advanced_test_button_no")->text(), QStringLiteral("FAIL"));
    EXPECT_TRUE(Child<QPushButton>("keyboard_advanced_test_button_yes")->isHidden());
    EXPECT_TRUE(Child<QLabel>("keyboard_advanced_test_label_feedback")->isHidden());
    EXPECT_FALSE(Child<QLabel>("keyboard_advanced_test_instruction_K00")->isHidden());

    const std::vector<int> codes = CodesOnPage(m_dialog.get(), 0);
    ASSERT_FALSE(codes.empty());
    for (std::size_t i = 0; i + 1 < codes.size(); ++i) {
        Press(static_cast<uint8_t>(codes[i]));
        ASSERT_EQ(m_dialog->result(), 0) << "passed before code " << codes.back() << " was pressed";
    }
    EXPECT_FALSE(m_dialog->AllKeysMarked(0));
    Press(static_cast<uint8_t>(codes.back()));
    EXPECT_EQ(m_dialog->result(), 3);
    EXPECT_TRUE(m_dialog->AllKeysMarked(0));
    EXPECT_EQ(MarkedOnPage(0), catalogue::kLayoutPages[0].keyButtons + 1);
}

TEST_F(AdvancedDialogTest, WithoutStrictModeAllKeysMarkedKeepsTheDialogOpen)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE = 0\n");
    Open();
    EXPECT_FALSE(m_dialog->IsStrictMode());
    EXPECT_FALSE(Child<QPushButton>("keyboard_advanced_test_button_yes")->isHidden());
    EXPECT_TRUE(Child<QLabel>("keyboard_advanced_test_instruction_K03")->isHidden());
    for (int code : CodesOnPage(m_dialog.get(), 0)) {
        Press(static_cast<uint8_t>(code));
    }
    EXPECT_TRUE(m_dialog->AllKeysMarked(0));
    EXPECT_EQ(m_dialog->result(), 0);
}

TEST_F(AdvancedDialogTest, SystemEventsEndTheDialogExceptBitTwo)
{
    Open();
    // Runs the dialog with the value raised; a guard gives 5 if the dialog is still open after
    // two abort periods.
    auto runWith = [this](uint32_t value) {
        m_dialog->setResult(7);
        m_events.value = value;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, m_dialog.get(), [this] { m_dialog->done(5); });
        guard.start(700);
        return m_dialog->InputDialog::exec();
    };
    EXPECT_EQ(runWith(0x4), 5);
    EXPECT_EQ(runWith(0x200), 5);
    EXPECT_EQ(runWith(0x1), 0);
    EXPECT_EQ(runWith(0x8), 0);
    EXPECT_EQ(runWith(0x100), 0);
}

TEST_F(AdvancedDialogTest, VerdictButtonsAndRejectRequests)
{
    Open();
    m_dialog->reject();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_dialog.get(), &escape);
    EXPECT_EQ(m_dialog->result(), 0);

    Child<QPushButton>("keyboard_advanced_test_button_no")->click();
    EXPECT_EQ(m_dialog->result(), 4);
    Child<QPushButton>("keyboard_advanced_test_button_yes")->click();
    EXPECT_EQ(m_dialog->result(), 3);
    Child<QPushButton>("keyboard_advanced_test_header_close")->click();
    EXPECT_EQ(m_dialog->result(), 0);

    m_dialog.reset();
    EXPECT_EQ(keycodetest::Fakes().capturesAlive, 0);
}

TEST_F(AdvancedDialogTest, APressLeftOverFromAClosedDialogMarksNothingInTheNext)
{
    Open();
    // Pressed after the last tick of the first dialog, which then closes.
    keycodetest::Fakes().Key(65, true);
    m_dialog.reset();
    Open();
    const auto fresh = m_dialog->Progress();
    m_dialog->UpdateKeyStateFeedBack();
    EXPECT_EQ(m_dialog->Progress(), fresh);
    EXPECT_EQ(m_counter.count, 0);
}

TEST(AdvancedCaptureRule, OnlyLockShiftAndInputModeKeysKeepTheirEffect)
{
    std::vector<catalogue::VirtualKeyEntry> table = catalogue::VirtualKeyTable();
    ASSERT_EQ(table.size(), 249u);
    std::set<uint32_t> codes;
    for (const auto& entry : table) {
        codes.insert(entry.code);
    }
    for (uint32_t absent : {0u, 59u, 60u, 61u, 62u, 63u, 255u}) {
        EXPECT_EQ(codes.count(absent), 0u) << absent;
    }

    const std::set<uint8_t> passing{20, 28, 29, 144, 145, 160, 161, 240, 242, 243, 244};
    for (int code = 0; code < 256; ++code) {
        for (auto& entry : table) {
            entry.pressed = false;
        }
        const auto key = static_cast<uint8_t>(code);
        EXPECT_EQ(catalogue::RecordCapturedKey(table, key, true), passing.count(key) == 1) << code;
        EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const auto& e) { return e.pressed; }),
                  codes.count(static_cast<uint32_t>(code)) == 1 ? 1 : 0)
            << code;
        // Releases always pass and flag nothing.
        for (auto& entry : table) {
            entry.pressed = false;
        }
        EXPECT_TRUE(catalogue::RecordCapturedKey(table, key, false));
        EXPECT_TRUE(std::none_of(table.begin(), table.end(), [](const auto& e) { return e.pressed; }));
    }
}

} // namespace
