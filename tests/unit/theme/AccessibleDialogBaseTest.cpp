// The dialogs' base on the offscreen platform with a system theme set by the test.
#include "utils/accessibility/AccessibleDialogBase.h"

#include "FakeHwkit.h"
#include "QtPrinters.h"
#include "FakeSystemTheme.h"
#include "utils/accessibility/HighContrastStyleSheet.h"
#include "utils/event_filters/HighContrastEventFilter.h"

#include <SkinManager.h>

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {

using corvo::testing::FakeSystemTheme;
using corvo::utils::accessibility::AccessibleDialogBase;
using corvo::utils::accessibility::ParseStyleRules;
using corvo::utils::accessibility::StyleRuleModel;
using corvo::utils::event_filters::HighContrastEventFilter;
using namespace corvo::testing;

class AccessibleDialogBaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        fakehwkit::Reset();
        fakehwkit::SetTemporaryPath(folder_.path().toStdString());
        previous_ = corvo::platform::InstallSystemTheme(&theme_);
    }
    void TearDown() override
    {
        corvo::platform::InstallSystemTheme(previous_);
        fakehwkit::Reset();
    }

    QStringList IconFiles() const { return QDir(folder_.filePath("temp")).entryList(QDir::Files); }

    // Hands a native event to the application's filters the way the platform plugin does.
    bool DeliverNativeEvent(const QByteArray& eventType, void* message)
    {
        qintptr result = 0;
        return QAbstractEventDispatcher::instance()->filterNativeEvent(eventType, message, &result);
    }

    // Runs the event loop until the condition holds or the time is up; true when it held.
    template <typename Condition>
    static bool WaitFor(Condition condition, int timeoutMilliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > timeoutMilliseconds)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        return true;
    }

    QTemporaryDir folder_;
    FakeSystemTheme theme_;
    corvo::platform::SystemTheme* previous_ = nullptr;
};

TEST_F(AccessibleDialogBaseTest, WithHighContrastOffTheSheetIsExactlyTheSkinsSheet)
{
    AccessibleDialogBase dialog;
    const QString skin = SkinManager::instance()->Stylesheet();
    ASSERT_FALSE(skin.isEmpty());
    EXPECT_EQ(dialog.styleSheet(), skin);
    EXPECT_EQ(dialog.NormalStyleSheet(), skin);
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_STREQ(dialog.metaObject()->className(), "corvo::utils::accessibility::AccessibleDialogBase");
    EXPECT_TRUE(IconFiles().isEmpty());
}

TEST_F(AccessibleDialogBaseTest, WithHighContrastOnAtConstructionTheSkinIsRestyled)
{
    theme_.highContrast = true;
    auto dialog = std::make_unique<AccessibleDialogBase>();
    const QString skin = SkinManager::instance()->Stylesheet();
    EXPECT_EQ(dialog->NormalStyleSheet(), skin) << "the normal sheet stays what the skin gave";
    const StyleRuleModel rules = ParseStyleRules(dialog->styleSheet());

    const auto rule = [&rules](const char* selector) {
        EXPECT_TRUE(rules.contains(selector)) << selector;
        return rules.value(selector);
    };
    EXPECT_EQ(rule("QWidget#keycode_test_widget_header, QWidget#keyboard_advanced_test_widget_header")
                  .value("background-color"),
              kBackground);
    EXPECT_EQ(rule("QLabel#keycode_test_header_label, QLabel#keyboard_advanced_test_header_label").value("color"),
              kWindowText);

    const auto close = rule("QPushButton#keycode_test_header_close, QPushButton#keyboard_advanced_test_header_close");
    EXPECT_EQ(close.value("border-radius"), "14px");
    EXPECT_EQ(close.value("color"), kButtonText);
    EXPECT_EQ(close.value("background-color"), kButtonFace);
    EXPECT_EQ(close.value("border"), QString("1px solid ") + kButtonText);
    const auto closeHover =
        rule("QPushButton#keycode_test_header_close:hover, QPushButton#keyboard_advanced_test_header_close:hover");
    EXPECT_EQ(closeHover.value("background-color"), kHighlight);
    EXPECT_EQ(closeHover.value("border"), "none");

    const auto stacked = rule("QStackedWidget#keyboard_advanced_test_stacked_widget");
    EXPECT_EQ(stacked.value("color"), kHighlightText);
    EXPECT_EQ(stacked.value("border"), QString("1px solid ") + kButtonFace);
    EXPECT_EQ(rule("QComboBox#keyboard_advanced_test_drop_down").value("background-color"), kButtonFace);

    const auto focused = rule(R"(QPushButton[objectName*="_test_button_"]:focus:focus)");
    EXPECT_EQ(focused.value("border-color"), kHighlight);
    EXPECT_EQ(focused.value("border"), "2px solid");

    // The close icon is the skin's white cross, now in window text, in a file of the dialog's.
    const QString iconValue = close.value("icon");
    const QRegularExpression url("^url\\(\"" + QRegularExpression::escape(folder_.filePath("temp"))
                                 + "/close_[A-Za-z0-9]{6}\\.svg\"\\)$");
    ASSERT_TRUE(url.match(iconValue).hasMatch()) << iconValue.toStdString();
    QFile icon(iconValue.mid(5, iconValue.size() - 7));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    const QByteArray svg = icon.readAll();
    EXPECT_TRUE(svg.contains(R"(fill="#081828")"));
    EXPECT_FALSE(svg.contains("#ffffff"));
    icon.close();

    // Header icon, close, check mark, combo arrow, refresh: one recoloured file each.
    EXPECT_EQ(IconFiles().size(), 5) << IconFiles().join(' ').toStdString();
    dialog.reset();
    EXPECT_TRUE(IconFiles().isEmpty()) << "the icons go with their dialog";
}

TEST_F(AccessibleDialogBaseTest, ThemeChangeRestylesAbout100MillisecondsLaterAndSwitchingBackRestoresTheSheet)
{
    AccessibleDialogBase dialog;
    const QString normal = dialog.styleSheet();
    auto* filter = dialog.findChild<HighContrastEventFilter*>();
    ASSERT_NE(filter, nullptr);
    QSignalSpy changed(filter, &HighContrastEventFilter::ThemeChanged);

    theme_.highContrast = true;
    QElapsedTimer sinceChange;
    sinceChange.start();
    EXPECT_TRUE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).isEmpty());
    EXPECT_EQ(dialog.styleSheet(), normal) << "nothing happens before the timer";

    EXPECT_FALSE(WaitFor([&] { return dialog.styleSheet() != normal; }, 70));
    ASSERT_TRUE(WaitFor([&] { return dialog.styleSheet() != normal; }, 2000));
    // Qt's coarse timers may fire up to 5% early.
    EXPECT_GE(sinceChange.elapsed(), 95);
    EXPECT_EQ(ParseStyleRules(dialog.styleSheet())
                  .value("QWidget#keycode_test_widget_header, QWidget#keyboard_advanced_test_widget_header")
                  .value("background-color"),
              kBackground);
    EXPECT_EQ(IconFiles().size(), 5);

    theme_.highContrast = false;
    EXPECT_TRUE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(1).isEmpty());
    ASSERT_TRUE(WaitFor([&] { return dialog.styleSheet() == normal; }, 2000));
    EXPECT_EQ(dialog.styleSheet(), SkinManager::instance()->Stylesheet());
}

TEST_F(AccessibleDialogBaseTest, ApplyThemeFollowsTheCurrentSetting)
{
    AccessibleDialogBase dialog;
    theme_.highContrast = true;
    // New colours are read at every restyling.
    theme_.colours[8] = 0x00563412;
    dialog.ApplyTheme();
    const StyleRuleModel rules = ParseStyleRules(dialog.styleSheet());
    EXPECT_EQ(rules.value("QLabel#keycode_test_header_label, QLabel#keyboard_advanced_test_header_label").value("color"),
              "#123456");
    EXPECT_TRUE(dialog.IsHighContrastOn());
    theme_.highContrast = false;
    EXPECT_FALSE(dialog.IsHighContrastOn());
    dialog.ApplyTheme();
    EXPECT_EQ(dialog.styleSheet(), SkinManager::instance()->Stylesheet());
}

TEST_F(AccessibleDialogBaseTest, FilterPassesEveryOtherNativeEvent)
{
    AccessibleDialogBase dialog;
    auto* filter = dialog.findChild<HighContrastEventFilter*>();
    ASSERT_NE(filter, nullptr);
    QSignalSpy changed(filter, &HighContrastEventFilter::ThemeChanged);
    int otherMessage = 0;
    qintptr result = 0;

    EXPECT_FALSE(filter->nativeEventFilter("xcb_generic_event_t", &otherMessage, &result));
    EXPECT_FALSE(filter->nativeEventFilter(FakeSystemTheme::kChangeEventType, &otherMessage, &result));
    EXPECT_FALSE(filter->nativeEventFilter("windows_generic_MSG", &theme_.changeMessage, &result));
    EXPECT_FALSE(DeliverNativeEvent("xcb_generic_event_t", &otherMessage));
    EXPECT_EQ(changed.count(), 0);

    EXPECT_TRUE(filter->nativeEventFilter(FakeSystemTheme::kChangeEventType, &theme_.changeMessage, &result));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_TRUE(changed.at(0).isEmpty());
}

TEST_F(AccessibleDialogBaseTest, FilterLeavesTheApplicationWithItsDialog)
{
    auto dialog = std::make_unique<AccessibleDialogBase>();
    dialog.reset();
    // A filter still installed after its dialog would be called through a dangling pointer here.
    EXPECT_FALSE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
}

TEST_F(AccessibleDialogBaseTest, EachDialogHasOneAccessibleObjectWithClientRoleAndNoName)
{
    const QString className = QString::fromLatin1(AccessibleDialogBase::staticMetaObject.className());
    auto first = std::make_unique<AccessibleDialogBase>();
    // Through Qt's own lookup: the accessibility layer asks the installed factory.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(first.get());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Client);
    EXPECT_TRUE(accessible->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(accessible->object(), first.get());

    EXPECT_EQ(QAccessible::queryAccessibleInterface(first.get()), accessible) << "a second request made another";
    AccessibleDialogBase second;
    QAccessibleInterface* secondAccessible = QAccessible::queryAccessibleInterface(&second);
    ASSERT_NE(secondAccessible, nullptr);
    EXPECT_NE(secondAccessible, accessible) << "two dialogs share one object, which Qt would delete twice";
    EXPECT_EQ(secondAccessible->object(), &second);
    EXPECT_EQ(AccessibleDialogBase::AccessibleInterfaceFactory("QDialog", &second), nullptr);
    QObject notAWidget;
    EXPECT_EQ(AccessibleDialogBase::AccessibleInterfaceFactory(className, &notAWidget), nullptr);

    // Qt deletes the object with its dialog; a later request must not get the deleted one.
    first.reset();
    QAccessibleInterface* renewed = QAccessible::queryAccessibleInterface(&second);
    ASSERT_NE(renewed, nullptr);
    EXPECT_EQ(renewed->object(), &second);
    EXPECT_EQ(renewed->role(), QAccessible::Client);
}

} // namespace
