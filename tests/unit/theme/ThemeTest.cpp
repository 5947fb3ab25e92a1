// The dialogs' look, offscreen: the style library's sheet, the high-contrast restyling, the dialogs' base, the Linux theme.
#include "EventLoopWait.h"
#include "FakeHwkit.h"
#include "XSettingsPublisher.h"
#include "platform/linux/SystemThemeLinux.h"
#include "utils/accessibility/AccessibleDialogBase.h"
#include "utils/accessibility/HighContrastStyleSheet.h"
#include "utils/event_filters/HighContrastEventFilter.h"

#include <SkinManager.h>

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <unistd.h>

static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using namespace corvo::platform;
using namespace corvo::utils::accessibility;
using corvo::utils::event_filters::HighContrastEventFilter;
using corvo::gui_testing::WaitFor;

// A system theme set by hand. Slot i holds red i, green 0x10 + i, blue 0x20 + i, stored red-low as
// the system stores it, so a colour read from the wrong slot or with its bytes swapped shows.
class FakeSystemTheme : public SystemTheme {
public:
    static constexpr char kChangeEventType[] = "fake_theme_change";
    FakeSystemTheme()
    {
        for (uint32_t slot = 0; slot < kSystemColourCount; ++slot)
            colours[slot] = ((0x20u + slot) << 16) | ((0x10u + slot) << 8) | slot;
    }
    SystemColours Colours() const override { return colours; }
    bool IsHighContrastOn() const override { return highContrast; }
    // Only the one message whose address is changeMessage announces a change.
    bool IsThemeChangeEvent(const QByteArray& eventType, void* message) const override
    {
        return eventType == kChangeEventType && message == &changeMessage;
    }

    SystemColours colours{};
    bool highContrast = false;
    int changeMessage = 0;
};

// The colours the fake's palette gives the slots the restyling reads.
constexpr char kBackground[] = "#011121", kWindowText[] = "#081828", kHighlight[] = "#0d1d2d",
               kHighlightText[] = "#0e1e2e", kButtonFace[] = "#0f1f2f", kButtonText[] = "#122232";

QString Restyle(const QString& sheet, QObject* owner = nullptr)
{
    std::vector<QColor> palette;
    for (int slot = 0; slot < 30; ++slot)
        palette.emplace_back(slot, 0x10 + slot, 0x20 + slot);
    return BuildHighContrastStyleSheet(sheet, palette, owner);
}

// A sheet written compactly, with $-names for the palette's colours and two long selectors, in the
// form the restyling writes.
QString Sheet(QString compact)
{
    const QString number = R"(QPushButton[objectName*="display_interactive_footer_button_number_%1"]:focus)";
    const std::pair<const char*, QString> names[] = {{"$bg", kBackground}, {"$wt", kWindowText}, {"$hi", kHighlight},
        {"$ht", kHighlightText}, {"$bf", kButtonFace}, {"$bt", kButtonText}, {"$n1", number.arg(1)}, {"$n2", number.arg(2)}};
    for (const auto& [name, value] : names)
        compact.replace(name, value);
    return WriteStyleRules(ParseStyleRules(compact));
}

TEST(SkinManager, StylesEveryNameOfBothDialogForms)
{
    EXPECT_EQ(SkinManager::instance(), SkinManager::instance());
    const QString sheet = SkinManager::instance()->Stylesheet();
    const QString names = "KeycodeTestWidget keycode_test_widget_header keycode_test_header_icon keycode_test_header_label "
        "keycode_test_header_close keycode_test_widget_instruction keycode_test_instruction_label keycode_test_label_last_key "
        "keycode_test_line_edit_last_key keycode_test_label_toggle_keys keycode_test_check_num keycode_test_check_caps "
        "keycode_test_check_scroll keycode_test_widget_footer keycode_test_question_label keycode_test_button_yes "
        "keycode_test_button_no keyboard_advanced_test_widget_header keyboard_advanced_test_header_icon "
        "keyboard_advanced_test_header_label keyboard_advanced_test_header_close keyboard_advanced_test_widget_middle "
        "keyboard_advanced_test_instruction_widget keyboard_advanced_test_label_select_layout "
        "keyboard_advanced_test_drop_down keyboard_advanced_test_label_instruction keyboard_advanced_test_stacked_widget "
        "keyboard_advanced_test_label_test_explanation keyboard_advanced_test_widget_bottom "
        "keyboard_advanced_test_button_refresh keyboard_advanced_test_label_user_request keyboard_advanced_test_label_feedback "
        "keyboard_advanced_test_button_yes keyboard_advanced_test_button_no";
    for (const QString& name : names.split(' '))
        EXPECT_TRUE(sheet.contains(QRegularExpression("#" + name + "\\b"))) << name.toStdString();
    EXPECT_TRUE(sheet.contains("[objectName^=\"keyboard_advanced_test_button1_\"]"));
}

// The restyling reads rules between braces and keeps only the second piece of each declaration cut
// at ":"; a comment or a colon inside a value would be cut there. Every icon must be an SVG with a
// fill colour to recolour.
TEST(SkinManager, SheetSurvivesTheRuleModelAndItsIconsCanBeRecoloured)
{
    const QString sheet = SkinManager::instance()->Stylesheet();
    EXPECT_FALSE(sheet.contains(QRegularExpression(R"(/\*)"))) << "a comment is left";
    int declarations = 0;
    for (const QString& part : sheet.split('}', Qt::SkipEmptyParts)) {
        const QStringList pieces = part.split('{');
        ASSERT_TRUE(part.trimmed().isEmpty() || pieces.size() == 2) << part.toStdString();
        for (const QString& declaration : pieces.value(1).split(';', Qt::SkipEmptyParts)) {
            declarations += declaration.trimmed().isEmpty() ? 0 : 1;
            EXPECT_TRUE(declaration.trimmed().isEmpty() || declaration.count(':') == 1) << declaration.toStdString();
        }
    }
    EXPECT_GT(declarations, 100);
    const QRegularExpression url(R"re(\b(image|icon)\s*:\s*url\("([^"]+)"\))re");
    int icons = 0;
    for (auto match = url.globalMatch(sheet); match.hasNext(); ++icons) {
        QFile file(match.next().captured(2));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QString svg = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(svg.startsWith("<svg") && svg.contains(QRegularExpression(R"(fill="#[0-9a-f]{6}")")))
            << file.fileName().toStdString();
    }
    EXPECT_EQ(icons, 5);
}

// The icons go to one folder per user in a shared place; one that another user made first must not
// be written into or named in the sheet. The folder is chosen once a process, so a fresh process
// (a death test in the thread-safe style runs this program again) does the choosing.
TEST(SkinManager, IconsNeverGoIntoAFolderSomeoneElseOwns)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir base;
    const QString foreign = base.filePath(QStringLiteral("halvik-skin-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkdir(foreign));
    ASSERT_EQ(::chown(foreign.toLocal8Bit().constData(), 65534, 65534), 0);
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", base.path().toLocal8Bit());
    EXPECT_EXIT(
        {
            const QString sheet = SkinManager::instance()->Stylesheet();
            const bool kept = sheet.contains("url(\":/skin/icons/close.svg\")") && !sheet.contains(foreign)
                && QDir(foreign).isEmpty();
            base.remove();
            std::exit(kept ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    qputenv("XDG_RUNTIME_DIR", previous);
}

TEST(HighContrastStyleSheet, RuleModelParsesAndWrites)
{
    EXPECT_EQ(ParseStyleRules("  QLabel#b { color : red ; font-size: 10pt;; }\nQLabel#a{margin:0}\n  text after"),
              (StyleRuleModel{{"QLabel#a", {{"margin", "0"}}}, {"QLabel#b", {{"color", "red"}, {"font-size", "10pt"}}}}));
    // Parts without exactly one "{" and declarations without ":" are dropped.
    EXPECT_EQ(ParseStyleRules("A { x: 1 } B { { y: 2 } C { nothing here; z: 3 }"),
              (StyleRuleModel{{"A", {{"x", "1"}}}, {"C", {{"z", "3"}}}}));
    // A value is the text between the first and the second colon.
    EXPECT_EQ(ParseStyleRules("Q { image: url(\":/skin/a.svg\"); border: a:b:c; }"),
              (StyleRuleModel{{"Q", {{"image", "url(\""}, {"border", "a"}}}}));
    EXPECT_EQ(ParseStyleRules("X { a: 1; b: 2 } X { b: 3 }"), (StyleRuleModel{{"X", {{"a", "1"}, {"b", "3"}}}}));
    StyleRuleModel rules;
    rules["b"]["z"] = "1";
    rules["b"]["a"] = "2";
    rules["a"]["m"] = "";
    EXPECT_EQ(WriteStyleRules(rules), "a {\n  m: ;\n}\nb {\n  a: 2;\n  z: 1;\n}\n");
}

TEST(HighContrastStyleSheet, EveryKindOfRule)
{
    QFile file(HIGH_CONTRAST_CASES);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << HIGH_CONTRAST_CASES;
    const QRegularExpression comment("^# .*$", QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(file.readAll()).remove(comment);
    const QStringList cases = text.split("\n## ").mid(1);
    EXPECT_EQ(cases.size(), 5);
    for (const QString& written : cases) {
        const QStringList sheets = written.section('\n', 1).split("\n==>\n");
        ASSERT_EQ(sheets.size(), 2) << written.toStdString();
        EXPECT_EQ(Restyle(Sheet(sheets[0])), Sheet(sheets[1])) << written.section('\n', 0, 0).toStdString();
    }
}

// A world with a temporary folder for the platform library and a system theme set by hand.
class ThemeWorld : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        fakehwkit::Reset();
        fakehwkit::SetTemporaryPath(folder_.path().toStdString());
        previous_ = InstallSystemTheme(&theme_);
    }
    void TearDown() override
    {
        InstallSystemTheme(previous_);
        fakehwkit::Reset();
    }
    QString WriteIcon(const QString& name, const QByteArray& text)
    {
        QFile file(folder_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        return file.fileName();
    }
    QStringList IconFiles(const QString& in = "temp") const { return QDir(folder_.filePath(in)).entryList(QDir::Files); }
    // The contents of the file a restyled "url(\"...\")" value names.
    static QByteArray Icon(const QString& value)
    {
        QFile file(value.mid(5, value.size() - 7));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    static QString Value(const QString& sheet, const char* selector, const char* property)
    {
        EXPECT_TRUE(ParseStyleRules(sheet).contains(selector)) << selector;
        return ParseStyleRules(sheet).value(selector).value(property);
    }
    // Hands a native event to the application's filters the way the platform plugin does.
    static bool DeliverNativeEvent(const QByteArray& eventType, void* message)
    {
        qintptr result = 0;
        return QAbstractEventDispatcher::instance()->filterNativeEvent(eventType, message, &result);
    }

    QTemporaryDir folder_;
    FakeSystemTheme theme_;
    SystemTheme* previous_ = nullptr;
    const QString skin_ = SkinManager::instance()->Stylesheet();
};

TEST_F(ThemeWorld, IconFillIsReplacedEverywhereInFilesTheOwnerRemoves)
{
    const QString icon = WriteIcon(
        "close_icon.svg", R"(<svg><path fill="#abcdef" d="M0 0"/><rect stroke="#abcdef" fill="#123456"/></svg>)");
    const QString unnamed = WriteIcon(".svg", R"(<svg fill="#000000"/>)");
    auto owner = std::make_unique<QObject>();
    const StyleRuleModel rules = ParseStyleRules(Restyle(QStringLiteral("QToolButton#close { icon: url(\"%1\"); }"
        "QCheckBox::indicator { image: url(\"%1\") } X { image: url(\"%2\") }").arg(icon, unnamed), owner.get()));
    const QString iconValue = rules.value("QToolButton#close").value("icon");
    const QString imageValue = rules.value("QCheckBox::indicator").value("image");
    const QString prefix = "^url\\(\"" + QRegularExpression::escape(folder_.filePath("temp/"));
    const QRegularExpression url(prefix + "close_icon_[A-Za-z0-9]{6}\\.svg\"\\)$");
    EXPECT_TRUE(url.match(iconValue).hasMatch()) << iconValue.toStdString();
    EXPECT_TRUE(url.match(imageValue).hasMatch()) << imageValue.toStdString();
    EXPECT_NE(iconValue, imageValue) << "each property gets a file of its own";
    EXPECT_EQ(Icon(iconValue), R"(<svg><path fill="#081828" d="M0 0"/><rect stroke="#081828" fill="#123456"/></svg>)");
    // An icon without a base name is written as "temp_svg".
    const QString unnamedValue = rules.value("X").value("image");
    EXPECT_TRUE(QRegularExpression(prefix + "temp_svg_[A-Za-z0-9]{6}\\.svg\"\\)$").match(unnamedValue).hasMatch())
        << unnamedValue.toStdString();
    EXPECT_EQ(Icon(unnamedValue), R"(<svg fill="#081828"/>)");
    EXPECT_EQ(IconFiles().size(), 3);
    owner.reset();
    EXPECT_TRUE(IconFiles().isEmpty()) << IconFiles().join(' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(icon)) << "the original icon is left alone";
}

TEST_F(ThemeWorld, IconsThatCannotBeRecolouredKeepTheirValue)
{
    const QString plain = WriteIcon("plain.svg", R"(<svg><path stroke="#abcdef" d="M0 0"/></svg>)");
    const QString emptyFill = WriteIcon("empty_fill.svg", R"(<svg><path fill="" d="M0 0"/></svg>)");
    const QString icon = WriteIcon("x.svg", R"(<svg fill="#000000"/>)");
    QObject owner;
    // No fill attribute, an empty fill, a missing file, an unquoted and an unterminated path.
    const QString sheet = Sheet(QStringLiteral("A { icon: url(\"%1\") } B { icon: url(\"%2\") } C { icon: url(\"%3\") }"
                                               "D { image: url(%4) } E { image: url(\"%4) }")
                                    .arg(plain, emptyFill, folder_.filePath("missing.svg"), icon));
    EXPECT_EQ(Restyle(sheet, &owner), sheet);
    // A file where the icon folder would have to be made.
    WriteIcon("blocked", "not a folder");
    fakehwkit::SetTemporaryPath(folder_.filePath("blocked").toStdString());
    const QString blocked = Sheet(QStringLiteral("X { image: url(\"%1\") }").arg(icon));
    EXPECT_EQ(Restyle(blocked, &owner), blocked);
    EXPECT_TRUE(owner.children().isEmpty());
    EXPECT_TRUE(IconFiles().isEmpty());
}

TEST_F(ThemeWorld, IconFolderIsThePlatformsTemporaryPathElseTheModulesOwn)
{
    const QString sheet = QStringLiteral("X { image: url(\"%1\"); }").arg(WriteIcon("deep.svg", R"(<svg fill="#000000"/>)"));
    fakehwkit::SetTemporaryPath(folder_.filePath("not/yet/there").toStdString());
    EXPECT_EQ(TemporaryIconDirectory(), folder_.filePath("not/yet/there/temp"));
    QObject owner;
    Restyle(sheet, &owner);
    EXPECT_EQ(IconFiles("not/yet/there/temp").size(), 1) << "made with its parents";
    fakehwkit::SetTemporaryPath("");
    EXPECT_EQ(TemporaryIconDirectory(), QDir::tempPath() + "/halvik-diagnostics/temp");
}

TEST_F(ThemeWorld, DialogSheetAtConstructionFollowsHighContrast)
{
    ASSERT_FALSE(skin_.isEmpty());
    EXPECT_EQ(AccessibleDialogBase().styleSheet(), skin_);
    // The skin restyled with the theme's colours, read in the system's byte order.
    theme_.highContrast = true;
    auto dialog = std::make_unique<AccessibleDialogBase>();
    const QString close = "QPushButton#keycode_test_header_close, QPushButton#keyboard_advanced_test_header_close";
    EXPECT_EQ(dialog->NormalStyleSheet(), skin_);
    EXPECT_EQ(Value(dialog->styleSheet(), "QWidget#keycode_test_widget_header, "
                    "QWidget#keyboard_advanced_test_widget_header", "background-color"), kBackground);
    EXPECT_EQ(Value(dialog->styleSheet(), qPrintable(close), "border"), QString("1px solid ") + kButtonText);
    EXPECT_EQ(Value(dialog->styleSheet(), "QStackedWidget#keyboard_advanced_test_stacked_widget", "color"), kHighlightText);
    // The close icon is the skin's white cross, now in window text, in a file of the dialog's.
    const QString icon = Value(dialog->styleSheet(), qPrintable(close), "icon");
    ASSERT_TRUE(icon.startsWith("url(\"" + folder_.filePath("temp/close_"))) << icon.toStdString();
    EXPECT_TRUE(Icon(icon).contains(R"(fill="#081828")") && !Icon(icon).contains("#ffffff")) << Icon(icon).toStdString();
    // Header icon, close, check mark, combo arrow, refresh: one recoloured file each, gone with the dialog.
    EXPECT_EQ(IconFiles().size(), 5) << IconFiles().join(' ').toStdString();
    dialog.reset();
    EXPECT_TRUE(IconFiles().isEmpty());
}

TEST_F(ThemeWorld, ThemeChangeRestylesAbout100MillisecondsLaterAndApplyThemeReadsItAgain)
{
    AccessibleDialogBase dialog;
    auto* filter = dialog.findChild<HighContrastEventFilter*>();
    ASSERT_NE(filter, nullptr);
    QSignalSpy changed(filter, &HighContrastEventFilter::ThemeChanged);
    theme_.highContrast = true;
    QElapsedTimer sinceChange;
    sinceChange.start();
    EXPECT_TRUE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(dialog.styleSheet(), skin_) << "nothing happens before the timer";
    EXPECT_FALSE(WaitFor([&] { return dialog.styleSheet() != skin_; }, 70));
    ASSERT_TRUE(WaitFor([&] { return dialog.styleSheet() != skin_; }, 2000));
    EXPECT_GE(sinceChange.elapsed(), 95) << "Qt's coarse timers may fire up to 5% early, not more";
    theme_.highContrast = false;
    EXPECT_TRUE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(0).isEmpty() && changed.at(1).isEmpty());
    EXPECT_TRUE(WaitFor([&] { return dialog.styleSheet() == skin_; }, 2000));

    // New colours and the setting are read at every restyling.
    theme_.highContrast = true;
    theme_.colours[8] = 0x00563412;
    dialog.ApplyTheme();
    EXPECT_EQ(Value(dialog.styleSheet(), "QLabel#keycode_test_header_label, QLabel#keyboard_advanced_test_header_label",
                    "color"), "#123456");
    theme_.highContrast = false;
    dialog.ApplyTheme();
    EXPECT_EQ(dialog.styleSheet(), skin_);
}

TEST_F(ThemeWorld, FilterTakesOnlyTheChangeEventAndLeavesWithItsDialog)
{
    auto dialog = std::make_unique<AccessibleDialogBase>();
    auto* filter = dialog->findChild<HighContrastEventFilter*>();
    ASSERT_NE(filter, nullptr);
    QSignalSpy changed(filter, &HighContrastEventFilter::ThemeChanged);
    int otherMessage = 0;
    qintptr result = 0;
    EXPECT_FALSE(filter->nativeEventFilter("xcb_generic_event_t", &otherMessage, &result));
    EXPECT_FALSE(filter->nativeEventFilter(FakeSystemTheme::kChangeEventType, &otherMessage, &result));
    EXPECT_FALSE(filter->nativeEventFilter("windows_generic_MSG", &theme_.changeMessage, &result));
    EXPECT_FALSE(DeliverNativeEvent("xcb_generic_event_t", &otherMessage));
    EXPECT_EQ(changed.count(), 0);
    dialog.reset();
    // A filter still installed after its dialog would be called through a dangling pointer here.
    EXPECT_FALSE(DeliverNativeEvent(FakeSystemTheme::kChangeEventType, &theme_.changeMessage));
}

TEST_F(ThemeWorld, EachDialogHasOneAccessibleObjectWithClientRoleAndNoName)
{
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
    EXPECT_EQ(AccessibleDialogBase::AccessibleInterfaceFactory(AccessibleDialogBase::staticMetaObject.className(),
                                                               &notAWidget), nullptr);
    // Qt deletes the object with its dialog; a later request must not get the deleted one.
    first.reset();
    QAccessibleInterface* renewed = QAccessible::queryAccessibleInterface(&second);
    ASSERT_NE(renewed, nullptr);
    EXPECT_EQ(renewed->object(), &second);
}

QByteArray Property(const std::vector<corvo::testing::XSetting>& settings, bool bigEndian = false)
{
    const std::string bytes = corvo::testing::EncodeXSettings(settings, 3, bigEndian);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

TEST(SystemThemeLinux, PaletteSlotsHighContrastNamesAndPalettes)
{
    EXPECT_EQ(SystemColourIndexOfSlot(24), 24);
    EXPECT_EQ(SystemColourIndexOfSlot(25), 26) << "index 25 is not part of the set";
    QPalette palette;
    const std::tuple<QPalette::ColorGroup, QPalette::ColorRole, std::vector<std::size_t>> roles[] = {
        {QPalette::All, QPalette::Window, {1, 29}}, {QPalette::All, QPalette::WindowText, {8}},
        {QPalette::All, QPalette::Highlight, {13}}, {QPalette::All, QPalette::HighlightedText, {14}},
        {QPalette::All, QPalette::Button, {15}}, {QPalette::Disabled, QPalette::Text, {17}},
        {QPalette::All, QPalette::ButtonText, {18}}, {QPalette::All, QPalette::ToolTipText, {23}},
        {QPalette::All, QPalette::Link, {25}}};  // background, ..., grey text, ..., info text, hot light, menu bar
    for (std::size_t index = 0; index < std::size(roles); ++index)
        palette.setColor(std::get<0>(roles[index]), std::get<1>(roles[index]), QColor(0x40, 0x50, static_cast<int>(index)));
    const SystemColours colours = SystemThemeLinux::ColoursFromPalette(palette);
    for (std::size_t index = 0; index < std::size(roles); ++index)
        for (const std::size_t slot : std::get<2>(roles[index]))
            EXPECT_EQ(colours[slot], (index << 16) | 0x5040u) << "slot " << slot;

    for (const auto& [name, highContrast] : std::initializer_list<std::pair<const char*, bool>>{{"HighContrast", true},
             {"HighContrastInverse", true}, {"highcontrast", true}, {"Adwaita", false}, {"Contrast", false}, {"", false}})
        EXPECT_EQ(SystemThemeLinux::IsHighContrastThemeName(name), highContrast) << name;
    const QPalette dark = SystemThemeLinux::HighContrastPalette("HighContrastInverse");
    const QPalette light = SystemThemeLinux::HighContrastPalette("HighContrast");
    EXPECT_EQ(dark.color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(dark.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(dark.color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(light.color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(light.color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_NE(light.color(QPalette::Disabled, QPalette::Text), light.color(QPalette::WindowText));
    EXPECT_NE(light.color(QPalette::Highlight), light.color(QPalette::WindowText));
}

TEST(SystemThemeLinux, XSettingsPropertyGivesStringSettingsAndNothingWhenMalformed)
{
    const char bytes[] = {0, 0, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0,  // LSB first, serial 7, one setting
                          1, 0, 13, 0, 'N', 'e', 't', '/', 'T', 'h', 'e', 'm', 'e', 'N', 'a', 'm', 'e', 0, 0, 0,
                          7, 0, 0, 0, 5, 0, 0, 0, 'D', 'a', 'r', 'k', 'X', 0, 0, 0};  // last change, "DarkX"
    EXPECT_EQ(SystemThemeLinux::StringSetting(QByteArray(bytes, sizeof bytes), "Net/ThemeName"), QString("DarkX"));
    EXPECT_EQ(SystemThemeLinux::StringSetting(QByteArray(bytes, sizeof bytes), "Net/IconThemeName"), std::nullopt);
    for (const bool bigEndian : {false, true}) {
        const QByteArray property = Property({{"Net/DoubleClickTime", int32_t{400}},
            {"Gtk/ColorScheme", std::vector<uint16_t>{1, 2, 3, 4}}, {"Gtk/FontName", std::string("Sans 10")},
            {"Net/ThemeName", std::string("HighContrast")}}, bigEndian);
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/ThemeName"), QString("HighContrast")) << bigEndian;
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Gtk/FontName"), QString("Sans 10"));
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/DoubleClickTime"), std::nullopt);
    }
    const QByteArray whole = Property({{"Net/ThemeName", std::string("HighContrast")}});
    for (qsizetype length = 0; length < whole.size(); ++length) {
        // A fresh copy of exactly this length, so a read past it is seen by the address sanitizer.
        const QByteArray cut(whole.constData(), length);
        EXPECT_EQ(SystemThemeLinux::StringSetting(cut, "Net/ThemeName"), std::nullopt) << "length " << length;
    }
    QByteArray unknownType = Property({{"A", int32_t{1}}, {"Net/ThemeName", std::string("X")}});
    unknownType[12] = 9;
    QByteArray overstatedCount = Property({{"A", int32_t{1}}});
    overstatedCount[8] = 2;
    QByteArray hugeLength = Property({{"Net/ThemeName", std::string("X")}});
    std::memset(hugeLength.data() + 36, 0xff, 4);
    for (const QByteArray& property : {unknownType, overstatedCount, hugeLength})
        EXPECT_EQ(SystemThemeLinux::StringSetting(property, "Net/ThemeName"), std::nullopt);
}

TEST(SystemThemeLinux, WithoutDisplayHighContrastIsOffAndInstalledThemesStandInFront)
{
    SystemThemeLinux theme(nullptr, 0);
    EXPECT_FALSE(theme.IsHighContrastOn());
    EXPECT_TRUE(theme.ThemeName().isEmpty());
    xcb_property_notify_event_t notify{};
    notify.response_type = XCB_PROPERTY_NOTIFY;
    EXPECT_FALSE(theme.IsThemeChangeEvent("xcb_generic_event_t", &notify));
    EXPECT_FALSE(theme.IsThemeChangeEvent("xcb_generic_event_t", nullptr));
    EXPECT_EQ(theme.Colours(), SystemThemeLinux::ColoursFromPalette(QGuiApplication::palette()));
    // On the offscreen platform the process's theme is the Linux one without a connection.
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_EQ(InstallSystemTheme(nullptr), nullptr);
    SystemTheme& system = CurrentSystemTheme();
    EXPECT_EQ(&CurrentSystemTheme(), &system) << "created once";
    EXPECT_NE(dynamic_cast<SystemThemeLinux*>(&system), nullptr);
    EXPECT_FALSE(system.IsHighContrastOn());
    FakeSystemTheme fake;
    EXPECT_EQ(InstallSystemTheme(&fake), nullptr);
    EXPECT_EQ(&CurrentSystemTheme(), &fake);
    EXPECT_EQ(InstallSystemTheme(nullptr), &fake);
    EXPECT_EQ(&CurrentSystemTheme(), &system);
}

} // namespace
