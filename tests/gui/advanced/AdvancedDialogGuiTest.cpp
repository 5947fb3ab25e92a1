// The advanced dialog on a private Xvfb with its real key capture, driven by XTest keys and
// clicks as a person at the keyboard would drive it: marking, progress, resets, strict mode, the
// layout chosen at start, system events, and a picture of every layout.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "AdvancedKeys.h"
#include "HostExecution.h"
#include "KeyboardFixture.h"
#include "EventLoopWait.h"
#include "InstalledCatalogue.h"
#include "InteractiveTestRun.h"
#include "SyntheticInput.h"
#include "TestRunner.h"
#include "XvfbServer.h"
#include "advanced/AdvancedTest.h"
#include "advanced/AdvancedTestSettings.h"
#include "advanced/LayoutCatalogue.h"
#include "advanced/WinAdvancedTestWidget.h"
#include "components/KeyboardComponent.h"
#include "keycode/KeyboardWidgetWrapper.h"
#include "module/InputRequest.h"
#include "module/Language.h"
#include "module/MessageKeys.h"
#include "module/ObjectId.h"

namespace {

using corvo::gui_testing::OpenDialog;
using corvo::gui_testing::SyntheticInput;
using corvo::gui_testing::Wait;
using corvo::gui_testing::WaitFor;
using corvo::gui_testing::TestDisplay;
using corvo::hosts::HostExecution;
namespace catalogue = corvo::advanced;

constexpr uint8_t kLeftButton = 1;
constexpr int kKoraPage = 0;
constexpr int kAbntPage = 8;
constexpr int kJunoPage = 9;
// Pages of layouts with a numeric keypad; the others have none.
const std::set<int> kKeypadPages{5, 6, 7, 8, 10, 11};
// The two colours of the key styles, as they show on screen.
const QColor kMarkedColour(0x18, 0xA0, 0xFB);
const QColor kPlainColour(0xCC, 0xCC, 0xCC);

QString Tag(int page)
{
    return QString::fromStdString(catalogue::PageTag(page));
}

QStackedWidget* Pages(QWidget& dialog)
{
    return dialog.findChild<QStackedWidget*>(QString::fromLatin1(catalogue::kStackedWidgetName));
}

QComboBox* DropDown(QWidget& dialog)
{
    return dialog.findChild<QComboBox*>("keyboard_advanced_test_drop_down");
}

// The key buttons of one page, the illustration key not included.
std::vector<QPushButton*> KeyButtons(QWidget& dialog, int page)
{
    std::vector<QPushButton*> buttons;
    for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (name.startsWith(QLatin1String(catalogue::kKeyButtonPrefix)) && name.endsWith(QLatin1Char('_') + Tag(page))) {
            buttons.push_back(button);
        }
    }
    return buttons;
}

// The key button of a page that carries the virtual-key code; null when the page has none.
QPushButton* KeyButton(QWidget& dialog, int page, int virtualKey)
{
    for (QPushButton* button : KeyButtons(dialog, page)) {
        if (corvo::gui_testing::VirtualKeyInButtonName(button->objectName()) == virtualKey) {
            return button;
        }
    }
    return nullptr;
}

bool IsMarked(const QPushButton* button)
{
    return button->styleSheet().contains(QLatin1String("#18A0FB"), Qt::CaseInsensitive);
}

// Every painted key button on every page, by name.
std::set<QString> MarkedButtons(QWidget& dialog)
{
    std::set<QString> marked;
    for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        if (IsMarked(button)) {
            marked.insert(button->objectName());
        }
    }
    return marked;
}

std::set<QString> ButtonsWithCode(QWidget& dialog, int virtualKey)
{
    std::set<QString> names;
    for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        if (corvo::gui_testing::VirtualKeyInButtonName(button->objectName()) == virtualKey &&
            !catalogue::IsIgnoredKey(button->objectName().toStdString())) {
            names.insert(button->objectName());
        }
    }
    return names;
}

std::map<QString, QString> StyleSheets(QWidget& dialog)
{
    std::map<QString, QString> sheets;
    for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        sheets[button->objectName()] = button->styleSheet();
    }
    return sheets;
}

int MarkedCount(const AdvancedTestWidget& dialog, int page)
{
    const auto& progress = dialog.Progress().at(page);
    return static_cast<int>(std::count_if(progress.begin(), progress.end(), [](const auto& key) { return key.second; }));
}

// What a page's progress holds right after a reset: its ignored keys and its illustration key.
int ResetCount(int page)
{
    return catalogue::kLayoutPages[static_cast<std::size_t>(page)].ignoredKeys + 1;
}

bool OnlyIgnoredKeysCounted(const AdvancedTestWidget& dialog)
{
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        for (const auto& [name, marked] : dialog.Progress().at(page)) {
            if (marked != catalogue::IsIgnoredKey(name.toStdString())) {
                return false;
            }
        }
    }
    return true;
}

// The colour a key shows near its top left corner, inside its margin and away from its label.
QColor KeyColour(const QImage& picture, QWidget& dialog, const QPushButton* button)
{
    const QPoint corner = button->mapTo(&dialog, QPoint(4, 4));
    return picture.pixelColor(corner);
}

std::string Sanitised(const std::string& layoutName)
{
    std::string name;
    for (char c : layoutName) {
        const bool alphanumeric = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (alphanumeric) {
            name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        } else if (!name.empty() && name.back() != '-') {
            name += '-';
        }
    }
    while (!name.empty() && name.back() == '-') {
        name.pop_back();
    }
    return name;
}

// The host's event filter as the desktop host passes it: counts the dialog's own notifications.
class NotificationCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++count;
            watchedOther |= watched != OpenDialog<WinAdvancedTestWidget>();
        }
        return false;
    }
    int count = 0;
    bool watchedOther = false;
};

// The server's own Lock modifier, read on a connection of the test's.
bool ServerCapsLocked()
{
    xcb_connection_t* connection = xcb_connect(TestDisplay().c_str(), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr);
    const bool locked = pointer != nullptr && (pointer->mask & XCB_MOD_MASK_LOCK) != 0;
    std::free(pointer);
    xcb_disconnect(connection);
    return locked;
}

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// What a window manager sends a window on Alt+F4 or a click on its close box.
void AskWindowToClose(WId window)
{
    xcb_connection_t* connection = xcb_connect(TestDisplay().c_str(), nullptr);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = Atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

class AdvancedDialogGuiTest : public ::testing::Test {
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
        m_input->SetIndicator("Num Lock", false);
        ReleaseCapsLock();
        // The dialog reads config.ini in the current folder; each case gets a folder of its own.
        ASSERT_TRUE(m_work.isValid());
        m_previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_work.path()));
        catalogue::ResetAdvancedTestSettings();
        // The user-interface language outlives its configuration line; an earlier case may have
        // left Japanese in force.
        WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE=english\n");
        corvo::keyboard::DetermineLanguage();
        ASSERT_EQ(corvo::keyboard::GetLanguage(), "en_US");
        ASSERT_TRUE(QFile::remove(m_work.filePath(QStringLiteral("config.ini"))));
    }

    void TearDown() override
    {
        QDir::setCurrent(m_previousFolder);
        catalogue::ResetAdvancedTestSettings();
        SetLayout("us");
        m_input->SetIndicator("Num Lock", false);
        ReleaseCapsLock();
    }

    void ReleaseCapsLock()
    {
        if (ServerCapsLocked()) {
            TapKeycode(m_input->KeycodeOf("CAPS"));
        }
    }

    void WriteConfig(const char* text)
    {
        QFile config(m_work.filePath(QStringLiteral("config.ini")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(text);
    }

    void SetLayout(const char* layout)
    {
        const std::string command = "setxkbmap -display " + TestDisplay() + " " + layout;
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Holds the key across at least two marking ticks, as a person's key press lasts.
    void TapKeycode(uint8_t keycode)
    {
        m_input->PressKey(keycode);
        Wait(70);
        m_input->ReleaseKey(keycode);
        Wait(70);
    }

    void Tap(const std::string& keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(keyName);
        ASSERT_NE(keycode, 0) << keyName;
        TapKeycode(keycode);
    }

    void Hold(const char* modifier, const char* keyName)
    {
        const uint8_t keycode = m_input->KeycodeOf(modifier);
        ASSERT_NE(keycode, 0) << modifier;
        m_input->PressKey(keycode);
        Wait(70);
        Tap(keyName);
        m_input->ReleaseKey(keycode);
        Wait(40);
    }

    void Click(QWidget* widget)
    {
        ASSERT_NE(widget, nullptr);
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        m_input->MovePointer(centre.x(), centre.y());
        m_input->PressButton(kLeftButton);
        m_input->ReleaseButton(kLeftButton);
    }

    // Opens the drop-down with a click and clicks the item at position, as a user picks a layout.
    void PickLayout(QWidget& dialog, int position)
    {
        QComboBox* dropDown = DropDown(dialog);
        ASSERT_NE(dropDown, nullptr);
        Click(dropDown);
        QAbstractItemView* list = dropDown->view();
        ASSERT_TRUE(WaitFor([list] { return list->isVisible(); })) << "the drop-down did not open";
        Wait(100);
        const QModelIndex item = list->model()->index(position, 0);
        list->scrollTo(item);
        Wait(50);
        const QPoint centre = list->viewport()->mapToGlobal(list->visualRect(item).center());
        m_input->MovePointer(centre.x(), centre.y());
        m_input->PressButton(kLeftButton);
        m_input->ReleaseButton(kLeftButton);
        ASSERT_TRUE(WaitFor([list] { return !list->isVisible(); })) << "the drop-down stayed open";
        ASSERT_TRUE(WaitFor([this] { return m_input->IsKeyboardGrabbedElsewhere(); }))
            << "the dialog did not take the keyboard back after the drop-down";
    }

    // A script that stopped early (a failed assertion) would leave the run waiting for ever.
    static void CloseIfLeftOpen(WinAdvancedTestWidget* dialog)
    {
        QTimer::singleShot(3000, dialog, [dialog] {
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was still open after its script";
                dialog->done(0);
            }
        });
    }

    // Runs the dialog as a host does; script runs inside its loop once the keyboard is grabbed.
    int32_t RunDialog(const std::function<void(WinAdvancedTestWidget&)>& script, QObject* eventFilter = nullptr)
    {
        KeyboardWidgetWrapper<WinAdvancedTestWidget> wrapper(nullptr, nullptr);
        QTimer::singleShot(0, [&] {
            WinAdvancedTestWidget* dialog = OpenDialog<WinAdvancedTestWidget>();
            if (dialog == nullptr || !WaitFor([this] { return m_input->IsKeyboardGrabbedElsewhere(); })) {
                ADD_FAILURE() << "the dialog did not take the keyboard";
                if (dialog != nullptr) {
                    dialog->done(0);
                }
                return;
            }
            script(*dialog);
            CloseIfLeftOpen(dialog);
        });
        return wrapper.Execute(nullptr, eventFilter, 0);
    }

    std::unique_ptr<SyntheticInput> m_input;
    QTemporaryDir m_work;
    QString m_previousFolder;
    static std::unique_ptr<corvo::gui_testing::InstalledCatalogue> s_catalogue;
};

std::unique_ptr<corvo::gui_testing::InstalledCatalogue> AdvancedDialogGuiTest::s_catalogue;

TEST_F(AdvancedDialogGuiTest, KeyPressMarksItsKeyOnceAndEachPassNotifiesTheHost)
{
    NotificationCounter counter;
    int passesBeforeKeys = -1;
    int countedAfterFirst = -1;
    int countedAfterSecond = -1;
    int notificationsAfterFirst = -1;
    int notificationsAfterSecond = -1;
    int notificationsAfterThird = -1;
    bool keyMarked = false;
    bool otherPagesUncounted = false;
    std::set<QString> paintedByA;
    std::set<QString> buttonsOfA;
    std::map<QString, QString> sheetsAfterFirst;
    std::map<QString, QString> sheetsAfterSecond;
    const int32_t code = RunDialog(
        [&](WinAdvancedTestWidget& dialog) {
            // Ticks without a key are no marking passes.
            Wait(150);
            passesBeforeKeys = counter.count;
            ASSERT_EQ(Pages(dialog)->currentIndex(), kKoraPage);
            QPushButton* a = KeyButton(dialog, kKoraPage, 'A');
            ASSERT_NE(a, nullptr);
            ASSERT_FALSE(IsMarked(a));
            Tap("AC01");
            keyMarked = IsMarked(a);
            countedAfterFirst = MarkedCount(dialog, kKoraPage);
            paintedByA = MarkedButtons(dialog);
            buttonsOfA = ButtonsWithCode(dialog, 'A');
            otherPagesUncounted = true;
            for (int page = 1; page < catalogue::kPageCount; ++page) {
                otherPagesUncounted &= MarkedCount(dialog, page) == ResetCount(page);
            }
            Wait(100);
            notificationsAfterFirst = counter.count;
            sheetsAfterFirst = StyleSheets(dialog);

            Tap("AC01");
            Wait(100);
            countedAfterSecond = MarkedCount(dialog, kKoraPage);
            notificationsAfterSecond = counter.count;
            sheetsAfterSecond = StyleSheets(dialog);

            Tap("AC02");
            Wait(100);
            notificationsAfterThird = counter.count;
            dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes")->click();
        },
        &counter);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(passesBeforeKeys, 0);
    EXPECT_TRUE(keyMarked) << "the A key of the shown page does not have the marked style";
    EXPECT_EQ(countedAfterFirst, ResetCount(kKoraPage) + 1);
    EXPECT_EQ(countedAfterSecond, countedAfterFirst) << "a second press counted the key again";
    EXPECT_TRUE(otherPagesUncounted) << "a key counted on a page that is not shown";
    EXPECT_EQ(buttonsOfA.size(), static_cast<std::size_t>(catalogue::kPageCount));
    EXPECT_EQ(paintedByA, buttonsOfA)
        << "the A key was not painted on every page, or another key was";
    EXPECT_EQ(sheetsAfterSecond, sheetsAfterFirst) << "a second press changed some key's look";
    EXPECT_EQ(notificationsAfterFirst, 1);
    EXPECT_EQ(notificationsAfterSecond, 2);
    EXPECT_EQ(notificationsAfterThird, 3);
    EXPECT_FALSE(counter.watchedOther) << "the filter saw a notification for another object";
}

TEST_F(AdvancedDialogGuiTest, KeypadKeysPaintOnlyHiddenKeypadPagesAndALayoutChangeClearsThem)
{
    m_input->SetIndicator("Num Lock", true);
    std::map<int, std::set<QString>> painted;
    std::map<int, std::set<QString>> expected;
    bool nothingCounted = false;
    bool shownPageHasNoKeypad = false;
    std::set<QString> paintedAfterChange{QStringLiteral("not read")};
    int shownAfterChange = -1;
    bool nothingCountedAfterChange = false;
    RunDialog([&](WinAdvancedTestWidget& dialog) {
        ASSERT_EQ(Pages(dialog)->currentIndex(), kKoraPage);
        shownPageHasNoKeypad = KeyButton(dialog, kKoraPage, 106) == nullptr && KeyButton(dialog, kKoraPage, 97) == nullptr;
        // Keypad "*" and keypad 1: codes that only the keypad pages carry.
        for (const auto& [keyName, virtualKey] : {std::pair<const char*, int>{"KPMU", 106}, {"KP1", 97}}) {
            Tap(keyName);
            painted[virtualKey] = MarkedButtons(dialog);
            expected[virtualKey] = ButtonsWithCode(dialog, virtualKey);
            dialog.findChild<QPushButton*>("keyboard_advanced_test_button_refresh")->click();
        }
        Tap("KPMU");
        nothingCounted = OnlyIgnoredKeysCounted(dialog);
        DropDown(dialog)->setCurrentIndex(catalogue::kLayoutPages[5].defaultPosition);
        Wait(70);
        shownAfterChange = Pages(dialog)->currentIndex();
        paintedAfterChange = MarkedButtons(dialog);
        nothingCountedAfterChange = OnlyIgnoredKeysCounted(dialog);
        dialog.findChild<QPushButton*>("keyboard_advanced_test_button_no")->click();
    });
    EXPECT_TRUE(shownPageHasNoKeypad);
    for (int virtualKey : {106, 97}) {
        std::set<int> pages;
        for (const QString& name : painted[virtualKey]) {
            pages.insert(name.right(2).toInt());
        }
        EXPECT_EQ(pages, kKeypadPages) << "code " << virtualKey;
        EXPECT_EQ(painted[virtualKey], expected[virtualKey]) << "code " << virtualKey;
    }
    EXPECT_TRUE(nothingCounted) << "a key of a hidden page counted";
    EXPECT_EQ(shownAfterChange, 5);
    EXPECT_TRUE(paintedAfterChange.empty()) << "the layout change left keys painted";
    EXPECT_TRUE(nothingCountedAfterChange);
}

TEST_F(AdvancedDialogGuiTest, ClearAndALayoutChangeResetProgressButKeepIgnoredKeysCounted)
{
    std::map<int, int> progressSizes;
    int countedBeforeClear = -1;
    int countedAfterClear = -1;
    bool clearResetAll = false;
    std::set<QString> paintedAfterClear{QStringLiteral("not read")};
    int countedBeforeChange = -1;
    int shownAfterChange = -1;
    QString textAfterChange;
    bool changeResetAll = false;
    std::set<QString> paintedAfterChange{QStringLiteral("not read")};
    int countedOnNewPage = -1;
    bool ignoredStyleKept = false;
    RunDialog([&](WinAdvancedTestWidget& dialog) {
        for (int page = 0; page < catalogue::kPageCount; ++page) {
            progressSizes[page] = static_cast<int>(dialog.Progress().at(page).size());
        }
        Tap("AC01");
        Tap("AC02");
        Tap("SPCE");
        countedBeforeClear = MarkedCount(dialog, kKoraPage);
        Click(dialog.findChild<QPushButton*>("keyboard_advanced_test_button_refresh"));
        Wait(70);
        countedAfterClear = MarkedCount(dialog, kKoraPage);
        clearResetAll = OnlyIgnoredKeysCounted(dialog);
        paintedAfterClear = MarkedButtons(dialog);

        Tap("AC03");
        countedBeforeChange = MarkedCount(dialog, kKoraPage);
        PickLayout(dialog, catalogue::kLayoutPages[1].defaultPosition);
        shownAfterChange = Pages(dialog)->currentIndex();
        textAfterChange = DropDown(dialog)->currentText();
        changeResetAll = OnlyIgnoredKeysCounted(dialog);
        paintedAfterChange = MarkedButtons(dialog);
        ignoredStyleKept = true;
        for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
            if (catalogue::IsIgnoredKey(button->objectName().toStdString())) {
                ignoredStyleKept &= button->styleSheet().contains(QLatin1String("border-width:2px"));
            }
        }
        // The capture survives the drop-down's own grab: the new page's keys light up.
        Tap("AC01");
        countedOnNewPage = MarkedCount(dialog, 1);
        Click(dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes"));
    });
    for (int page = 0; page < catalogue::kPageCount; ++page) {
        // Every key button of the catalogue and the page's illustration key.
        EXPECT_EQ(progressSizes[page], catalogue::kLayoutPages[static_cast<std::size_t>(page)].keyButtons + 1)
            << "page " << page;
    }
    EXPECT_EQ(countedBeforeClear, ResetCount(kKoraPage) + 3);
    EXPECT_EQ(countedAfterClear, ResetCount(kKoraPage));
    EXPECT_TRUE(clearResetAll);
    EXPECT_TRUE(paintedAfterClear.empty());
    EXPECT_EQ(countedBeforeChange, ResetCount(kKoraPage) + 1);
    EXPECT_EQ(shownAfterChange, 1);
    EXPECT_EQ(textAfterChange, "Rima");
    EXPECT_TRUE(changeResetAll);
    EXPECT_TRUE(paintedAfterChange.empty());
    EXPECT_TRUE(ignoredStyleKept) << "an ignored key lost its dark border";
    EXPECT_EQ(countedOnNewPage, ResetCount(1) + 1) << "no key marked after the layout change";
}

TEST_F(AdvancedDialogGuiTest, ConfiguredLayoutIsShownFirst)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_LAYOUT=ABNT2\n");
    int shown = -1;
    QString text;
    int counted = -1;
    RunDialog([&](WinAdvancedTestWidget& dialog) {
        shown = Pages(dialog)->currentIndex();
        text = DropDown(dialog)->currentText();
        Tap("AC01");
        counted = MarkedCount(dialog, kAbntPage);
        dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes")->click();
    });
    EXPECT_EQ(shown, kAbntPage);
    EXPECT_EQ(text, "ABNT2");
    EXPECT_EQ(counted, ResetCount(kAbntPage) + 1) << "the configured page is shown but not the one counting";
}

TEST_F(AdvancedDialogGuiTest, JapaneseKeyboardOrUserInterfaceListsTheJapaneseLayoutsFirst)
{
    struct Opening {
        int shown = -1;
        QStringList items;
    };
    auto open = [this] {
        Opening opening;
        RunDialog([&](WinAdvancedTestWidget& dialog) {
            opening.shown = Pages(dialog)->currentIndex();
            for (int item = 0; item < DropDown(dialog)->count(); ++item) {
                opening.items.append(DropDown(dialog)->itemText(item));
            }
            dialog.findChild<QPushButton*>("keyboard_advanced_test_button_no")->click();
        });
        return opening;
    };
    const QStringList japaneseOrder{"Juno(JP)", "Pell-15(JP)", "Kora-15(JP)", "Vesk-13(JP)", "Kora-14", "Rima",
                                    "Nerv", "Pell-14", "Tamb-14", "Pell-15", "Ozel", "Sola", "ABNT2"};

    SetLayout("jp");
    const Opening keyboard = open();
    EXPECT_EQ(keyboard.shown, kJunoPage);
    EXPECT_EQ(keyboard.items, japaneseOrder);

    SetLayout("us");
    WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE=japanese\n");
    const Opening language = open();
    EXPECT_EQ(language.shown, kJunoPage);
    EXPECT_EQ(language.items, japaneseOrder);

    // A language once configured stays until another one is: the English order needs English named.
    WriteConfig("[LANGUAGE]\nDEFAULT_LANGUAGE=english\n");
    const Opening neither = open();
    EXPECT_EQ(neither.shown, kKoraPage);
    ASSERT_EQ(neither.items.size(), catalogue::kPageCount);
    EXPECT_EQ(neither.items.front(), "Kora-14");
    EXPECT_EQ(neither.items.back(), "Vesk-13(JP)");
}

TEST_F(AdvancedDialogGuiTest, EscapeAndAltF4LeaveTheDialogOpenAndCapsLockStillLocks)
{
    bool openAfterEscape = false;
    bool openAfterAltF4 = false;
    bool lockedInDialog = false;
    bool capsMarked = false;
    bool escapeMarked = false;
    bool f4Marked = false;
    bool unlockedInDialog = false;
    const int32_t code = RunDialog([&](WinAdvancedTestWidget& dialog) {
        Tap("ESC");
        openAfterEscape = OpenDialog<WinAdvancedTestWidget>() == &dialog;
        Hold("LALT", "FK04");
        // Without a window manager on the server, Alt+F4 reaches nobody but the dialog; the
        // close request a window manager would send for it is sent here.
        AskWindowToClose(dialog.windowHandle()->winId());
        Wait(100);
        openAfterAltF4 = OpenDialog<WinAdvancedTestWidget>() == &dialog;
        Tap("CAPS");
        lockedInDialog = ServerCapsLocked();
        capsMarked = IsMarked(KeyButton(dialog, kKoraPage, 20));
        escapeMarked = IsMarked(KeyButton(dialog, kKoraPage, 27));
        f4Marked = IsMarked(KeyButton(dialog, kKoraPage, 115));
        Tap("CAPS");
        unlockedInDialog = !ServerCapsLocked();
        Click(dialog.findChild<QPushButton*>("keyboard_advanced_test_header_close"));
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterAltF4);
    EXPECT_TRUE(lockedInDialog) << "Caps Lock did not reach the server";
    EXPECT_TRUE(unlockedInDialog);
    EXPECT_TRUE(capsMarked);
    EXPECT_TRUE(escapeMarked);
    EXPECT_TRUE(f4Marked);
    EXPECT_FALSE(m_input->IsKeyboardGrabbedElsewhere()) << "the grab outlived the dialog";
}

TEST_F(AdvancedDialogGuiTest, TheHeaderDragsTheDialogAndTheBodyDoesNot)
{
    QPoint start;
    QPoint afterHeaderDrag;
    QPoint afterBodyDrag;
    const QPoint delta(60, 40);
    RunDialog([&](WinAdvancedTestWidget& dialog) {
        // A person's drag: press, move in steps, release.
        auto drag = [this, delta](QPoint from) {
            m_input->MovePointer(from.x(), from.y());
            Wait(50);
            m_input->PressButton(kLeftButton);
            Wait(50);
            for (int step = 1; step <= 4; ++step) {
                m_input->MovePointer(from.x() + delta.x() * step / 4, from.y() + delta.y() * step / 4);
                Wait(40);
            }
            m_input->ReleaseButton(kLeftButton);
            Wait(100);
        };
        start = dialog.pos();
        QWidget* header = dialog.findChild<QWidget*>("keyboard_advanced_test_widget_header");
        ASSERT_NE(header, nullptr);
        drag(header->mapToGlobal(QPoint(header->width() / 2, header->height() / 2)));
        WaitFor([&] { return dialog.pos() == start + delta; }, 1000);
        afterHeaderDrag = dialog.pos();

        QWidget* body = dialog.findChild<QWidget*>("keyboard_advanced_test_label_user_request");
        ASSERT_NE(body, nullptr);
        drag(body->mapToGlobal(body->rect().center()));
        afterBodyDrag = dialog.pos();
        dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes")->click();
    });
    EXPECT_EQ(afterHeaderDrag, start + delta);
    EXPECT_EQ(afterBodyDrag, afterHeaderDrag);
}

TEST_F(AdvancedDialogGuiTest, EveryLayoutPictureIsSaved)
{
    // The pictures in docs/ come from here.
    const QString folder = QStringLiteral(SCREENSHOT_FOLDER);
    QDir().mkpath(folder);
    std::map<int, QImage> pictures;
    std::map<int, QString> failures;
    QImage marked;
    QImage unmarked;
    std::vector<QColor> markedColours;
    std::vector<QColor> plainColours;
    RunDialog([&](WinAdvancedTestWidget& dialog) {
        for (int position = 0; position < catalogue::kPageCount; ++position) {
            DropDown(dialog)->setCurrentIndex(position);
            Wait(70);
            const int page = Pages(dialog)->currentIndex();
            const catalogue::LayoutPage& layout = catalogue::kLayoutPages[static_cast<std::size_t>(page)];
            if (layout.defaultPosition != position || DropDown(dialog)->currentText() != layout.layoutName) {
                failures[position] = QStringLiteral("position shows page %1 under \"%2\"")
                                         .arg(page)
                                         .arg(DropDown(dialog)->currentText());
            }
            // Every key lies inside the dialog and has a label or a picture.
            for (QPushButton* button : KeyButtons(dialog, page)) {
                const QRect area(button->mapTo(&dialog, QPoint(0, 0)), button->size());
                if (!dialog.rect().contains(area) || !button->isVisible()) {
                    failures[position] += QStringLiteral(" %1 outside the dialog").arg(button->objectName());
                }
                if (button->text().trimmed().isEmpty() && button->icon().isNull() &&
                    !catalogue::IsIgnoredKey(button->objectName().toStdString())) {
                    failures[position] += QStringLiteral(" %1 without a label").arg(button->objectName());
                }
            }
            pictures[page] = dialog.grab().toImage();
            pictures[page].save(folder + "/advanced-" + QString::fromStdString(Sanitised(layout.layoutName)) + ".png");
        }
        DropDown(dialog)->setCurrentIndex(catalogue::kLayoutPages[kKoraPage].defaultPosition);
        Wait(70);
        unmarked = dialog.grab().toImage();
        const char* keys[] = {"AC01", "AC02", "AC03", "AC04", "SPCE", "LFSH", "FK01", "ESC", "UP"};
        for (const char* key : keys) {
            Tap(key);
        }
        Wait(70);
        marked = dialog.grab().toImage();
        marked.save(folder + "/advanced-marked.png");
        for (int virtualKey : std::initializer_list<int>{'A', 'S', 'D', 'F', 32, 160, 112, 27, 38}) {
            markedColours.push_back(KeyColour(marked, dialog, KeyButton(dialog, kKoraPage, virtualKey)));
        }
        for (int virtualKey : std::initializer_list<int>{'Q', 'G', 13, 161}) {
            plainColours.push_back(KeyColour(marked, dialog, KeyButton(dialog, kKoraPage, virtualKey)));
        }
        dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes")->click();
    });
    for (const auto& [position, failure] : failures) {
        ADD_FAILURE() << "drop-down position " << position << ": " << failure.toStdString();
    }
    ASSERT_EQ(pictures.size(), static_cast<std::size_t>(catalogue::kPageCount));
    for (const auto& [page, picture] : pictures) {
        EXPECT_EQ(picture.size(), QSize(908, 450)) << "page " << page;
        for (const auto& [other, otherPicture] : pictures) {
            EXPECT_TRUE(other == page || picture != otherPicture) << "pages " << page << " and " << other << " look alike";
        }
    }
    EXPECT_EQ(unmarked, pictures[kKoraPage]) << "the same page looked different the second time";
    EXPECT_NE(marked, unmarked);
    for (const QColor& colour : markedColours) {
        EXPECT_EQ(colour, kMarkedColour);
    }
    for (const QColor& colour : plainColours) {
        EXPECT_EQ(colour, kPlainColour);
    }
}

// The whole test as a host runs it: worker thread, dialog on this thread, real keys and clicks.
class AdvancedTestRunGuiTest : public AdvancedDialogGuiTest {
protected:
    uint32_t RunTest(const std::function<void(WinAdvancedTestWidget&, HostExecution&)>& script)
    {
        AdvancedTest test(ObjectId(10, 1, 4));
        const corvo::gui_testing::InteractiveRun run = corvo::gui_testing::RunInteractiveTest<WinAdvancedTestWidget>(
            test, m_machine, *m_input, script, CloseIfLeftOpen);
        m_record = run.record;
        m_answer = run.answer;
        return run.result;
    }

    keyboardtest::ScriptedMachine m_machine;
    corvo::hosts::RunRecord m_record;
    uint32_t m_answer = 99;
};

TEST_F(AdvancedTestRunGuiTest, StrictModePassesOnTheLastKeyOfThePage)
{
    WriteConfig("[KEYBOARD]\nADVANCED_TEST_STRICT_MODE=1\nADVANCED_TEST_LAYOUT=Kora-14\n");
    std::vector<std::string> keyNames;
    std::vector<QString> unpressable;
    int keysToMark = -1;
    bool strict = false;
    bool yesHidden = false;
    bool openBeforeLast = false;
    int countedBeforeLast = -1;
    bool closedAfterLast = false;
    int resultAfterLast = -1;
    const uint32_t result = RunTest([&](WinAdvancedTestWidget& dialog, HostExecution&) {
        strict = dialog.IsStrictMode();
        yesHidden = !dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes")->isVisible();
        ASSERT_EQ(Pages(dialog)->currentIndex(), kKoraPage);
        for (QPushButton* button : KeyButtons(dialog, kKoraPage)) {
            if (catalogue::IsIgnoredKey(button->objectName().toStdString())) {
                continue;
            }
            const std::optional<int> code = corvo::gui_testing::VirtualKeyInButtonName(button->objectName());
            const std::string keyName = code ? corvo::gui_testing::UsKeyNameOf(*code) : std::string();
            if (keyName.empty() || m_input->KeycodeOf(keyName) == 0) {
                unpressable.push_back(button->objectName());
            } else {
                keyNames.push_back(keyName);
            }
        }
        keysToMark = static_cast<int>(keyNames.size() + unpressable.size());
        ASSERT_TRUE(unpressable.empty()) << "keys no X keycode of this server gives";
        for (std::size_t key = 0; key + 1 < keyNames.size(); ++key) {
            Tap(keyNames[key]);
            if (OpenDialog<WinAdvancedTestWidget>() != &dialog) {
                ADD_FAILURE() << "the dialog closed after " << key + 1 << " keys, at " << keyNames[key];
                return;
            }
        }
        openBeforeLast = OpenDialog<WinAdvancedTestWidget>() == &dialog;
        countedBeforeLast = MarkedCount(dialog, kKoraPage);
        Tap(keyNames.back());
        closedAfterLast = WaitFor([&dialog] { return !dialog.isVisible(); }, 500);
        resultAfterLast = dialog.result();
    });
    EXPECT_TRUE(strict);
    EXPECT_TRUE(yesHidden) << "strict mode still offers YES";
    for (const QString& name : unpressable) {
        ADD_FAILURE() << "cannot press " << name.toStdString();
    }
    EXPECT_EQ(keysToMark, catalogue::kLayoutPages[kKoraPage].keysToMark);
    EXPECT_TRUE(openBeforeLast);
    EXPECT_EQ(countedBeforeLast, ResetCount(kKoraPage) + catalogue::kLayoutPages[kKoraPage].keysToMark - 1);
    EXPECT_TRUE(closedAfterLast) << "the last key did not end the dialog";
    EXPECT_EQ(resultAfterLast, 3);
    EXPECT_EQ(m_answer, 3u);
    EXPECT_EQ(result, 0u) << "not passed";
    EXPECT_TRUE(m_record.messages.empty());
}

TEST_F(AdvancedTestRunGuiTest, SystemEventsEndTheDialogOnlyWhenTheyCount)
{
    const struct {
        uint32_t events;
        uint32_t answer;
        uint32_t result;
        bool message;
    } rows[] = {{0x100, 0, 4, false}, {0x1, 0, 4, true}, {0x4, 3, 0, false}};
    for (const auto& row : rows) {
        bool openAfterEvent = true;
        m_answer = 99;
        const uint32_t result = RunTest([&](WinAdvancedTestWidget& dialog, HostExecution& execution) {
            Tap("AC01");
            execution.RaiseSystemEvents(row.events);
            // Three polls of the event source.
            Wait(1000);
            openAfterEvent = OpenDialog<WinAdvancedTestWidget>() == &dialog;
            if (openAfterEvent) {
                Click(dialog.findChild<QPushButton*>("keyboard_advanced_test_button_yes"));
            }
        });
        EXPECT_EQ(openAfterEvent, row.answer != 0) << std::hex << row.events;
        EXPECT_EQ(m_answer, row.answer) << std::hex << row.events;
        EXPECT_EQ(result, row.result) << std::hex << row.events;
        if (row.message) {
            ASSERT_EQ(m_record.messages.size(), 1u) << std::hex << row.events;
            EXPECT_EQ(m_record.messages[0].text, corvo::keyboard::keys::kSystemEventAbort);
            EXPECT_EQ(std::string(corvo::keyboard::keys::kSystemEventAbort),
                      "TEST_ABORTED_BECAUSE_A_SYSTEM_EVENT_THAT_COULD_COMPROMISE_THE_OUTCOME_HAS_HAPPENED.");
        } else {
            EXPECT_TRUE(m_record.messages.empty()) << std::hex << row.events;
        }
    }
}

} // namespace
