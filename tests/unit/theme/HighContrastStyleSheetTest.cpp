// The high-contrast restyling on hand-written sheets: the rule model, every override, recoloured icons.
#include "utils/accessibility/HighContrastStyleSheet.h"

#include "FakeHwkit.h"
#include "QtPrinters.h"
#include "FakeSystemTheme.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

using corvo::utils::accessibility::BuildHighContrastStyleSheet;
using corvo::utils::accessibility::ParseStyleRules;
using corvo::utils::accessibility::StyleRuleModel;
using corvo::utils::accessibility::TemporaryIconDirectory;
using corvo::utils::accessibility::WriteStyleRules;
using namespace corvo::testing;

std::vector<QColor> TestPalette()
{
    std::vector<QColor> palette;
    for (int slot = 0; slot < 30; ++slot)
        palette.emplace_back(slot, 0x10 + slot, 0x20 + slot);
    return palette;
}

QString Restyle(const QString& sheet, QObject* owner = nullptr)
{
    return BuildHighContrastStyleSheet(sheet, TestPalette(), owner);
}

QString Colour(const char* name)
{
    return QString::fromLatin1(name);
}

// ---- The rule model ----

TEST(StyleRuleModel, ParsesSelectorsAndDeclarationsWithoutSurroundingBlanks)
{
    const StyleRuleModel rules = ParseStyleRules(
        "  QLabel#b { color : red ; font-size: 10pt;; }\nQLabel#a{margin:0}\n  text after the last rule");
    ASSERT_EQ(rules.size(), 2);
    EXPECT_EQ(rules.value("QLabel#a"), (QMap<QString, QString>{{"margin", "0"}}));
    EXPECT_EQ(rules.value("QLabel#b"), (QMap<QString, QString>{{"color", "red"}, {"font-size", "10pt"}}));
}

TEST(StyleRuleModel, DropsPartsWithoutExactlyOneOpeningBraceAndDeclarationsWithoutColon)
{
    const StyleRuleModel rules = ParseStyleRules("A { x: 1 } B { { y: 2 } C { nothing here; z: 3 }");
    ASSERT_EQ(rules.keys(), (QStringList{"A", "C"}));
    EXPECT_EQ(rules.value("C"), (QMap<QString, QString>{{"z", "3"}}));
}

TEST(StyleRuleModel, KeepsOnlyTheTextBetweenTheFirstAndSecondColonOfAValue)
{
    const StyleRuleModel rules = ParseStyleRules("QLabel#icon { image: url(\":/skin/a.svg\"); border: a:b:c; }");
    EXPECT_EQ(rules.value("QLabel#icon").value("image"), "url(\"");
    EXPECT_EQ(rules.value("QLabel#icon").value("border"), "a");
}

TEST(StyleRuleModel, MergesRepeatedSelectorsLaterValuesWinning)
{
    const StyleRuleModel rules = ParseStyleRules("X { a: 1; b: 2 } X { b: 3 }");
    EXPECT_EQ(rules.value("X"), (QMap<QString, QString>{{"a", "1"}, {"b", "3"}}));
}

TEST(StyleRuleModel, WritesRulesAndPropertiesInKeyOrder)
{
    StyleRuleModel rules;
    rules["b"]["z"] = "1";
    rules["b"]["a"] = "2";
    rules["a"]["m"] = "";
    EXPECT_EQ(WriteStyleRules(rules), "a {\n  m: ;\n}\nb {\n  a: 2;\n  z: 1;\n}\n");
}

// ---- The overrides ----

TEST(HighContrastOverrides, WidgetRulesGetTheBackgroundAndNamedContainersTheirBorders)
{
    const QString sheet = R"(
QWidget#plain { background-color: white; color: black; }
QWidget#camera_barcode_test_information_message_container { border: 1px solid red; border-color: red; }
QWidget#camera_barcode_test_warning_container { background: yellow; }
QWidget#result_border_widget { border: 3px dashed red; }
QWidget#display_interactive_widget_card_2 { border-radius: 10px; }
QFrame#border_widget_frame { border: 3px dashed red; }
)";
    const QString expected = QStringLiteral(
        "QFrame#border_widget_frame {\n  border: 3px dashed red;\n}\n"
        "QWidget#camera_barcode_test_information_message_container {\n  background-color: %1;\n"
        "  border: 1px solid red;\n  border-color: %2;\n}\n"
        "QWidget#camera_barcode_test_warning_container {\n  background: yellow;\n  background-color: %1;\n"
        "  border-color: %2;\n}\n"
        "QWidget#display_interactive_widget_card_2 {\n  background-color: %1;\n  border: 1px solid %2;\n"
        "  border-radius: 4px;\n}\n"
        "QWidget#plain {\n  background-color: %1;\n  color: black;\n}\n"
        "QWidget#result_border_widget {\n  background-color: %1;\n  border: 1px solid %2;\n  border-radius: 4px;\n}\n")
        .arg(Colour(kBackground), Colour(kWindowText));
    EXPECT_EQ(Restyle(sheet), expected);
}

// Every state rule is a "QLabel#" rule itself and is visited after its base rule, so its own visit
// sets its colour to window text again; the focus rule keeps the border the base rule gave it.
TEST(HighContrastOverrides, LabelRulesAndTheirStateRules)
{
    const QString sheet = R"(
QLabel#title { color: blue; font-weight: bold; }
QLabel#title:disabled { color: gray; }
QLabel#title:selected { color: white; }
QLabel#title:active { color: navy; }
QLabel#title:focus { border: 1px dotted blue; }
QLabel#note:focus { color: red; }
QLabel { color: purple; }
)";
    const QString expected = QStringLiteral(
        "QLabel {\n  color: purple;\n}\n"
        "QLabel#note:focus {\n  color: %1;\n}\n"
        "QLabel#title {\n  color: %1;\n  font-weight: bold;\n}\n"
        "QLabel#title:active {\n  color: %1;\n}\n"
        "QLabel#title:disabled {\n  color: %1;\n}\n"
        "QLabel#title:focus {\n  border: 2px solid;\n  border-color: %2;\n  color: %1;\n  outline-style: none;\n}\n"
        "QLabel#title:selected {\n  color: %1;\n}\n")
        .arg(Colour(kWindowText), Colour(kHighlight));
    EXPECT_EQ(Restyle(sheet), expected);
}

TEST(HighContrastOverrides, PushButtonRulesHoverAndHeaderClose)
{
    const QString sheet = R"(
QPushButton { color: black; background-color: silver; border-radius: 3px; }
QPushButton:hover { background-color: blue; border: 1px solid navy; }
QPushButton#dialog_header_close { animation: spin 1s linear; border-radius: 2px; image: none; }
QPushButton#dialog_header_close:hover { animation: pulse 1s; }
QPushButton[objectName="x"]:pressed { color: red; }
)";
    const QString expected = QStringLiteral(
        "QPushButton {\n  background-color: %1;\n  border: 1px solid %2;\n  border-radius: 3px;\n  color: %2;\n}\n"
        "QPushButton#dialog_header_close {\n  background-color: %1;\n  border: 1px solid %2;\n"
        "  border-radius: 14px;\n  color: %2;\n  image: none;\n}\n"
        "QPushButton#dialog_header_close:hover {\n  animation: pulse 1s;\n  background-color: %3;\n"
        "  border: none;\n  color: %1;\n}\n"
        "QPushButton:hover {\n  background-color: %3;\n  border: none;\n  color: %1;\n}\n"
        "QPushButton[objectName=\"x\"]:pressed {\n  background-color: %1;\n  border: 1px solid %2;\n  color: %2;\n}\n")
        .arg(Colour(kButtonFace), Colour(kButtonText), Colour(kHighlight));
    EXPECT_EQ(Restyle(sheet), expected);
}

TEST(HighContrastOverrides, ObjectNameContainsRulesLoseBorderColourAndGainFocusRules)
{
    const QString sheet = R"(
QWidget[objectName*="display_interactive_footer_button_number_"] { border-color: red; border: 1px solid red; }
QPushButton[objectName*="display_interactive_footer_button_number_2"]:focus,QPushButton[objectName*="display_interactive_footer_button_number_1"]:focus { border-color: blue; color: black; }
QLineEdit[objectName*="edit"]:focus { border-color: green; padding: 2px; }
)";
    const QString number1 = R"(QPushButton[objectName*="display_interactive_footer_button_number_1"]:focus)";
    const QString number2 = R"(QPushButton[objectName*="display_interactive_footer_button_number_2"]:focus)";
    const QString expected =
        QStringLiteral("QLineEdit[objectName*=\"edit\"]:focus {\n  padding: 2px;\n}\n"
                       "QLineEdit[objectName*=\"edit\"]:focus:focus {\n  border: 2px solid;\n  border-color: %1;\n"
                       "  outline-style: none;\n}\n")
            .arg(Colour(kHighlight))
        // The container selector: the parts naming button 1, then button 2, joined with ",".
        + number1 + "," + number2 + " {\n  border-radius: 8px;\n}\n"
        // The rule itself is a push-button rule too.
        + number2 + "," + number1
        + QStringLiteral(" {\n  background-color: %1;\n  border: 1px solid %2;\n  color: %2;\n}\n")
              .arg(Colour(kButtonFace), Colour(kButtonText))
        // The focused selector: ":focus" after every part, joined with ", ".
        + number2 + ":focus, " + number1 + ":focus"
        + QStringLiteral(" {\n  border: 2px solid;\n  border-color: %1;\n  outline-style: none;\n}\n")
              .arg(Colour(kHighlight))
        + "QWidget[objectName*=\"display_interactive_footer_button_number_\"] {\n  border: 1px solid red;\n}\n";
    EXPECT_EQ(Restyle(sheet), expected);
}

TEST(HighContrastOverrides, InputWidgetRulesGetHighlightTextOnButtonFace)
{
    const QString sheet = "QSpinBox#count { color: black; }\n"
                          "QComboBox#keyboard_layouts { border: none; }\n"
                          "QRadioButton#choice_a { background-color: white; }\n"
                          "QLCDNumber#timer { color: green; }\n"
                          "QStackedWidget#pages { padding: 1px; }\n"
                          "QSpinBox { color: black; }\n"
                          "QCheckBox#toggle { color: black; }\n";
    const QString restyled = QStringLiteral("  background-color: %1;\n  border: 1px solid %1;\n  color: %2;\n")
                                 .arg(Colour(kButtonFace), Colour(kHighlightText));
    const QString expected = "QCheckBox#toggle {\n  color: black;\n}\n"
                             "QComboBox#keyboard_layouts {\n" + restyled + "}\n"
                             "QLCDNumber#timer {\n" + restyled + "}\n"
                             "QRadioButton#choice_a {\n" + restyled + "}\n"
                             "QSpinBox {\n  color: black;\n}\n"
                             "QSpinBox#count {\n" + restyled + "}\n"
                             "QStackedWidget#pages {\n" + restyled + "  padding: 1px;\n}\n";
    EXPECT_EQ(Restyle(sheet), expected);
}

// ---- Icons ----

class HighContrastIcons : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        fakehwkit::Reset();
        fakehwkit::SetTemporaryPath(folder_.filePath("hwkit").toStdString());
    }
    void TearDown() override { fakehwkit::Reset(); }

    QString WriteIcon(const QString& name, const QByteArray& text)
    {
        const QString path = folder_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QString IconDirectory() const { return folder_.filePath("hwkit/temp"); }
    QStringList IconFiles() const { return QDir(IconDirectory()).entryList(QDir::Files); }

    QTemporaryDir folder_;
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST_F(HighContrastIcons, FillColourIsReplacedEverywhereInATemporaryFileOwnedByTheCaller)
{
    const QString icon = WriteIcon(
        "close_icon.svg", R"(<svg><path fill="#abcdef" d="M0 0"/><rect stroke="#abcdef" fill="#123456"/></svg>)");
    auto owner = std::make_unique<QObject>();
    const StyleRuleModel rules = ParseStyleRules(Restyle(
        QStringLiteral("QToolButton#close { icon: url(\"%1\"); }\nQCheckBox::indicator { image: url(\"%1\") }").arg(icon),
        owner.get()));

    const QRegularExpression url(
        "^url\\(\"" + QRegularExpression::escape(IconDirectory()) + "/close_icon_[A-Za-z0-9]{6}\\.svg\"\\)$");
    const QString iconValue = rules.value("QToolButton#close").value("icon");
    const QString imageValue = rules.value("QCheckBox::indicator").value("image");
    ASSERT_TRUE(url.match(iconValue).hasMatch()) << iconValue.toStdString();
    ASSERT_TRUE(url.match(imageValue).hasMatch()) << imageValue.toStdString();
    EXPECT_NE(iconValue, imageValue) << "each property gets a file of its own";

    const QString iconFile = iconValue.mid(5, iconValue.size() - 7);
    EXPECT_EQ(ReadAll(iconFile),
              QByteArray(R"(<svg><path fill="#081828" d="M0 0"/><rect stroke="#081828" fill="#123456"/></svg>)"));
    EXPECT_EQ(IconFiles().size(), 2);

    owner.reset();
    EXPECT_TRUE(IconFiles().isEmpty()) << IconFiles().join(' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(icon)) << "the original icon is left alone";
}

TEST_F(HighContrastIcons, IconWithoutFillAttributeKeepsItsValue)
{
    const QString icon = WriteIcon("plain.svg", R"(<svg><path stroke="#abcdef" d="M0 0"/></svg>)");
    const QString emptyFill = WriteIcon("empty_fill.svg", R"(<svg><path fill="" d="M0 0"/></svg>)");
    QObject owner;
    const QString sheet = QStringLiteral("QToolButton#a {\n  icon: url(\"%1\");\n}\nQToolButton#b {\n  icon: url(\"%2\");\n}\n")
                              .arg(icon, emptyFill);
    EXPECT_EQ(Restyle(sheet, &owner), sheet);
    EXPECT_TRUE(IconFiles().isEmpty());
}

TEST_F(HighContrastIcons, MissingOrUnquotedIconKeepsItsValue)
{
    const QString icon = WriteIcon("x.svg", R"(<svg fill="#000000"/>)");
    QObject owner;
    const QString sheet = QStringLiteral("QToolButton#a {\n  icon: url(\"%1\");\n}\n"
                                         "QToolButton#b {\n  image: url(%2);\n}\n"
                                         "QToolButton#c {\n  image: url(\"%2);\n}\n")
                              .arg(folder_.filePath("missing.svg"), icon);
    EXPECT_EQ(Restyle(sheet, &owner), sheet);
    EXPECT_TRUE(IconFiles().isEmpty());
}

TEST_F(HighContrastIcons, IconWithoutBaseNameIsWrittenAsTempSvg)
{
    const QString icon = WriteIcon(".svg", R"(<svg fill="#000000"/>)");
    QObject owner;
    const QString restyled = Restyle(QStringLiteral("X { image: url(\"%1\"); }").arg(icon), &owner);
    const QStringList files = IconFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression("^temp_svg_[A-Za-z0-9]{6}\\.svg$").match(files[0]).hasMatch())
        << files[0].toStdString();
    EXPECT_EQ(restyled, QStringLiteral("X {\n  image: url(\"%1/%2\");\n}\n").arg(IconDirectory(), files[0]));
    EXPECT_EQ(ReadAll(IconDirectory() + "/" + files[0]), QByteArray(R"(<svg fill="#081828"/>)"));
}

TEST_F(HighContrastIcons, IconFolderThatCannotBeMadeKeepsTheValue)
{
    const QString icon = WriteIcon("x.svg", R"(<svg fill="#000000"/>)");
    // A file where the folder would have to be.
    WriteIcon("blocked", "not a folder");
    fakehwkit::SetTemporaryPath(folder_.filePath("blocked").toStdString());
    QObject owner;
    const QString sheet = QStringLiteral("X {\n  image: url(\"%1\");\n}\n").arg(icon);
    EXPECT_EQ(Restyle(sheet, &owner), sheet);
    EXPECT_TRUE(owner.children().isEmpty());
}

TEST_F(HighContrastIcons, WithoutAPlatformTemporaryPathTheModulesOwnFolderIsUsed)
{
    fakehwkit::SetTemporaryPath("");
    const QString ownFolder = QDir::tempPath() + "/halvik-diagnostics/temp";
    EXPECT_EQ(TemporaryIconDirectory(), ownFolder);
    const QString icon = WriteIcon("fallback_probe.svg", R"(<svg fill="#000000"/>)");
    auto owner = std::make_unique<QObject>();
    const StyleRuleModel rules = ParseStyleRules(Restyle(QStringLiteral("X { image: url(\"%1\"); }").arg(icon), owner.get()));
    const QString value = rules.value("X").value("image");
    ASSERT_TRUE(value.startsWith("url(\"" + ownFolder + "/fallback_probe_")) << value.toStdString();
    const QString file = value.mid(5, value.size() - 7);
    EXPECT_TRUE(QFileInfo::exists(file));
    owner.reset();
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(HighContrastIcons, PlatformTemporaryPathGetsATempSubfolderMadeWithItsParents)
{
    fakehwkit::SetTemporaryPath(folder_.filePath("not/yet/there").toStdString());
    EXPECT_EQ(TemporaryIconDirectory(), folder_.filePath("not/yet/there/temp"));
    const QString icon = WriteIcon("deep.svg", R"(<svg fill="#000000"/>)");
    QObject owner;
    Restyle(QStringLiteral("X { image: url(\"%1\"); }").arg(icon), &owner);
    EXPECT_EQ(QDir(folder_.filePath("not/yet/there/temp")).entryList(QDir::Files).size(), 1);
}

} // namespace
