// The generated advanced test form checked against the layout catalogue's invariants.
#include <gtest/gtest.h>

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QTranslator>
#include <QUiLoader>
#include <QFile>

#include <algorithm>
#include <climits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "advanced/LayoutCatalogue.h"
#include "ui_AdvancedTestWidget.h"

namespace corvo::advanced {
namespace {

// Rows of the catalogue that fix keys exactly: name without prefix, label, x, y, w, h.
struct ReferenceKey {
    const char* name;
    const char* label;
    int x;
    int y;
    int width;
    int height;
};

const ReferenceKey kKora14Keys[] = {
    {"W44_L107_7_K00", "PrtSc", 680, 30, 41, 21},
    {"W46_L119_21_K00", "Del", 720, 30, 41, 21},
    {"W27_L9_23_K00", "Esc", 120, 31, 41, 20},
    {"W112_L67_23_K00", "F1", 160, 31, 41, 20},
    {"W113_L68_23_K00", "F2", 200, 31, 41, 20},
    {"W114_L69_23_K00", "F3", 240, 31, 41, 20},
    {"W115_L70_23_K00", "F4", 280, 31, 41, 20},
    {"W116_L71_23_K00", "F5", 320, 31, 41, 20},
    {"W117_L72_23_K00", "F6", 360, 31, 41, 20},
    {"W118_L73_23_K00", "F7", 400, 31, 41, 20},
    {"W119_L74_23_K00", "F8", 440, 31, 41, 20},
    {"W120_L75_23_K00", "F9", 480, 31, 41, 20},
    {"W121_L76_23_K00", "F10", 520, 31, 41, 20},
    {"W122_L95_23_K00", "F11", 560, 31, 41, 20},
    {"W123_L96_23_K00", "F12", 600, 31, 41, 20},
    {"W192_L49_23_K00", "`", 120, 50, 41, 41},
    {"W49_L10_23_K00", "1", 160, 50, 41, 41},
    {"W50_L11_23_K00", "2", 200, 50, 41, 41},
    {"W51_L12_23_K00", "3", 240, 50, 41, 41},
    {"W52_L13_23_K00", "4", 280, 50, 41, 41},
    {"W53_L14_23_K00", "5", 320, 50, 41, 41},
    {"W54_L15_23_K00", "6", 360, 50, 41, 41},
    {"W55_L16_23_K00", "7", 400, 50, 41, 41},
    {"W56_L17_23_K00", "8", 440, 50, 41, 41},
    {"W57_L18_23_K00", "9", 480, 50, 41, 41},
    {"W48_L19_23_K00", "0", 520, 50, 41, 41},
    {"W189_L20_23_K00", "-", 560, 50, 41, 41},
    {"W187_L21_23_K00", "=", 600, 50, 41, 41},
    {"W8_L22_23_K00", "Backspace", 640, 50, 81, 41},
    {"W36_L110_6_K00", "Home", 720, 50, 41, 41},
    {"W9_L23_23_K00", "Tab", 120, 90, 61, 41},
    {"W81_L24_23_K00", "Q", 180, 90, 41, 41},
    {"W87_L25_23_K00", "W", 220, 90, 41, 41},
    {"W69_L26_23_K00", "E", 260, 90, 41, 41},
    {"W82_L27_23_K00", "R", 300, 90, 41, 41},
    {"W84_L28_23_K00", "T", 340, 90, 41, 41},
    {"W89_L29_23_K00", "Y", 380, 90, 41, 41},
    {"W85_L30_23_K00", "U", 420, 90, 41, 41},
    {"W73_L31_23_K00", "I", 460, 90, 41, 41},
    {"W79_L32_23_K00", "O", 500, 90, 41, 41},
    {"W80_L33_23_K00", "P", 540, 90, 41, 41},
    {"W219_L34_22_K00", "[", 580, 90, 41, 41},
    {"W221_L35_22_K00", "]", 620, 90, 41, 41},
    {"W220_L51_31_K00", "\\", 660, 90, 61, 41},
    {"W35_L115_6_K00", "End", 720, 90, 41, 41},
    {"W20_L66_23_K00", "Caps", 120, 130, 81, 41},
    {"W65_L38_23_K00", "A", 200, 130, 41, 41},
    {"W83_L39_23_K00", "S", 240, 130, 41, 41},
    {"W68_L40_23_K00", "D", 280, 130, 41, 41},
    {"W70_L41_23_K00", "F", 320, 130, 41, 41},
    {"W71_L42_23_K00", "G", 360, 130, 41, 41},
    {"W72_L43_23_K00", "H", 400, 130, 41, 41},
    {"W74_L44_23_K00", "J", 440, 130, 41, 41},
    {"W75_L45_23_K00", "K", 480, 130, 41, 41},
    {"W76_L46_23_K00", "L", 520, 130, 41, 41},
    {"W186_L47_26_K00", ";", 560, 130, 41, 41},
    {"W222_L48_34_K00", "'", 600, 130, 41, 41},
    {"W13_L36_23_K00", "Enter", 640, 130, 81, 41},
    {"W33_L112_3_K00", "PgUp", 720, 130, 41, 41},
    {"W160_L50_23_K00", "Shift", 120, 170, 81, 41},
    {"W90_L52_23_K00", "Z", 200, 170, 41, 41},
    {"W88_L53_23_K00", "X", 240, 170, 41, 41},
    {"W67_L54_23_K00", "C", 280, 170, 41, 41},
    {"W86_L55_23_K00", "V", 320, 170, 41, 41},
    {"W66_L56_23_K00", "B", 360, 170, 41, 41},
    {"W78_L57_23_K00", "N", 400, 170, 41, 41},
    {"W77_L58_23_K00", "M", 440, 170, 41, 41},
    {"W188_L59_23_K00", ",", 480, 170, 41, 41},
    {"W190_L60_23_K00", ".", 520, 170, 41, 41},
    {"W191_L61_22_K00", "/", 560, 170, 41, 41},
    {"W161_L62_23_K00", "Shift", 600, 170, 81, 41},
    {"W38_L111_23_K00", "Up", 680, 170, 41, 41},
    {"W34_L117_3_K00", "PgDn", 720, 170, 41, 41},
    {"W162_L37_23_K00", "Ctrl", 120, 210, 41, 41},
    {"WX_L151_21_K00", "Fn", 160, 210, 41, 41},
    {"W91_L133_27_K00", "Win", 200, 210, 41, 41},
    {"W164_L64_23_K00", "Alt", 240, 210, 41, 41},
    {"W32_L65_23_K00", "Space", 280, 210, 241, 41},
    {"W165_L108_23_K00", "Alt", 520, 210, 41, 41},
    {"W93_L135_1_K00", "Menu", 560, 210, 41, 41},
    {"W163_L105_23_K00", "Ctrl", 600, 210, 41, 41},
    {"W37_L113_23_K00", "Left", 640, 210, 41, 41},
    {"W40_L116_23_K00", "Down", 680, 210, 41, 41},
    {"W39_L114_23_K00", "Right", 720, 210, 41, 41},
};

const ReferenceKey kJunoKeys[] = {
    {"W244_W243_11_K09", "半角/\n 全角\n漢字", 200, 60, 43, 43},
    {"W222_L48__K09", "^", 704, 60, 43, 43},
    {"W220_L51__K09", " |\n￥", 746, 60, 43, 43},
    {"W8_L22_11_K09", "Back\nspace", 788, 60, 83, 43},
    {"W192_L49_11_K09", "@", 690, 102, 43, 43},
    {"W13_L36_11_K09", "Enter", 774, 102, 97, 85},
    {"W240_W20_11_K09", "Caps", 200, 144, 71, 43},
    {"W187_L21_11_K09", ";", 648, 144, 43, 43},
    {"W186_L47_11_K09", ":", 690, 144, 43, 43},
    {"W226_L94__K09", "\\", 720, 186, 43, 43},
    {"WX_L151_18_K09", "Fn", 200, 228, 43, 43},
    {"W29_L151_11_K09", " 無変換", 368, 228, 43, 43},
    {"W28_L151_11_K09", "変換", 536, 228, 33, 43},
    {"W242_L151_11_K09", "カタカナ\nひらがな\nローマ字", 568, 228, 44, 43},
};

const ReferenceKey kAbnt2Keys[] = {
    {"WX1__K08", "Fn", 530, 10, 41, 21},
    {"W19_L127__K08", "Break", 570, 10, 41, 21},
    {"WX3__K08", "Calc", 670, 10, 41, 21},
    {"W219_L34__K08", "´", 450, 90, 41, 41},
    {"W221_L35__K08", "[", 490, 90, 41, 41},
    {"W186_L47__K08", "Ç", 410, 130, 41, 41},
    {"W222_L48__K08", "~", 450, 130, 41, 41},
    {"W220_L51__K08", "]", 490, 130, 41, 41},
    {"W226_L94__K08", "\\", 50, 170, 41, 41},
    {"W191_L61__K08", ";", 450, 170, 41, 41},
    {"W193_L97__K08", "/", 490, 170, 41, 41},
};

// What the dialog reads from a key button's object name.
struct KeyName {
    std::vector<int> codes; // empty for keys the test cannot see
    bool untestable = false; // W field "WX", "WX1" or "WX3"
    QString tag;
};

// W field(s), optional L field, number, page tag. Two codes come without an L field, and so do the
// untestable keys that carry no key code at all ("WX1", "WX3").
std::optional<KeyName> ParseKeyName(const QString& name)
{
    static const QRegularExpression format(QStringLiteral(
        R"(^keyboard_advanced_test_button1_(?:W(\d+)_(?:W(\d+)_)?|(WX[13]?)_)(?:L(\d+|X)_)?(\d*)_(K\d\d)$)"));
    const QRegularExpressionMatch match = format.match(name);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const bool hasL = match.hasCaptured(4);
    KeyName key;
    key.tag = match.captured(6);
    if (match.hasCaptured(3)) {
        key.untestable = true;
        if (match.captured(3) == QLatin1String("WX") && !hasL) {
            return std::nullopt;
        }
        return key;
    }
    key.codes.push_back(match.captured(1).toInt());
    if (match.hasCaptured(2)) {
        if (hasL) {
            return std::nullopt;
        }
        key.codes.push_back(match.captured(2).toInt());
    } else if (!hasL) {
        return std::nullopt;
    }
    return key;
}

QString KeyPrefix()
{
    return QString::fromLatin1(kKeyButtonPrefix);
}

QString Tag(int page)
{
    return QString::fromStdString(PageTag(page));
}

const LayoutPage& PageRecord(int page)
{
    return kLayoutPages[static_cast<std::size_t>(page)];
}

std::vector<int> Codes(int first, int last)
{
    std::vector<int> codes;
    for (int code = first; code <= last; ++code) {
        codes.push_back(code);
    }
    return codes;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> joined;
    for (const auto& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// Every code a page's keys carry, with repeats: the catalogue's code table, row by row.
std::vector<int> ExpectedCodes(int page)
{
    struct CodeRow {
        std::vector<int> codes;
        std::vector<int> pages;
    };
    const std::vector<int> allPages = Codes(0, 12);
    const std::vector<int> keypadPages = {5, 6, 7, 8, 10, 11};
    const std::vector<CodeRow> table = {
        {Join({{8, 9, 13, 20, 27, 32}, Codes(37, 40), {46}, Codes(48, 57), Codes(65, 90), {91}, Codes(112, 123),
               Codes(160, 164), Codes(186, 192), Codes(219, 222)}),
         allPages},
        {{13}, keypadPages},
        {Join({Codes(96, 107), Codes(109, 111), {144}}), keypadPages},
        {Codes(33, 36), {0, 1, 2, 6, 7, 8, 9, 11}},
        {{44}, {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {{44}, {6}},
        {{45}, {1, 3, 5, 6, 7, 8, 10, 11, 12}},
        {{165}, Codes(0, 9)},
        {{93}, {0, 11}},
        {Codes(176, 179), {5, 10}},
        {{19, 193}, {8}},
        {{226}, Codes(8, 12)},
        {{28, 29, 240, 242, 243, 244}, Codes(9, 12)},
    };
    std::vector<int> expected;
    for (const CodeRow& row : table) {
        if (std::find(row.pages.begin(), row.pages.end(), page) != row.pages.end()) {
            expected.insert(expected.end(), row.codes.begin(), row.codes.end());
        }
    }
    std::sort(expected.begin(), expected.end());
    return expected;
}

// The dialog's virtual-key table holds codes 1 to 58 and 64 to 254; no other code can be marked.
bool InVirtualKeyTable(int code)
{
    return (code >= 1 && code <= 58) || (code >= 64 && code <= 254);
}

// Neighbouring keys share their one-pixel edge; anything more is an overlap.
bool Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.width() > 1 && common.height() > 1;
}

// Marks every source text of the form's own context, so a test sees which texts pass through it.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "AdvancedTestWidget") != 0) {
            return {};
        }
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

class AdvancedTestFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog_ = std::make_unique<QDialog>();
        ui_ = std::make_unique<Ui::AdvancedTestWidget>();
        ui_->setupUi(dialog_.get());
    }

    void TearDown() override
    {
        ui_.reset();
        dialog_.reset();
    }

    QStackedWidget* Stack() const { return ui_->keyboard_advanced_test_stacked_widget; }

    QWidget* Container(int page) const
    {
        return Stack()->widget(page)->findChild<QWidget*>(QString::fromLatin1(PageRecord(page).containerObjectName),
                                                          Qt::FindDirectChildrenOnly);
    }

    // The page's key buttons in the order the form creates them.
    std::vector<QPushButton*> Keys(int page) const
    {
        std::vector<QPushButton*> keys;
        for (QPushButton* button : Stack()->widget(page)->findChildren<QPushButton*>()) {
            if (button->objectName().startsWith(KeyPrefix())) {
                keys.push_back(button);
            }
        }
        return keys;
    }

    QPushButton* Key(int page, const char* name) const
    {
        return Stack()->widget(page)->findChild<QPushButton*>(KeyPrefix() + QString::fromUtf8(name));
    }

    void ExpectKeys(int page, const ReferenceKey* begin, const ReferenceKey* end) const
    {
        for (const ReferenceKey* key = begin; key != end; ++key) {
            SCOPED_TRACE(key->name);
            const QPushButton* button = Key(page, key->name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->parentWidget(), Container(page));
            EXPECT_EQ(button->text(), QString::fromUtf8(key->label));
            EXPECT_EQ(button->geometry(), QRect(key->x, key->y, key->width, key->height));
        }
    }

    std::unique_ptr<QDialog> dialog_;
    std::unique_ptr<Ui::AdvancedTestWidget> ui_;
};

TEST_F(AdvancedTestFormTest, FrameWidgetsHaveTheirNamesTypesAndTexts)
{
    struct FrameObject {
        const char* name;
        const char* className;
        const char* text; // nullptr: no text to check
    };
    const FrameObject frame[] = {
        {"keyboard_advanced_test_widget_header", "QWidget", nullptr},
        {"keyboard_advanced_test_header_icon", "QLabel", nullptr},
        {"keyboard_advanced_test_header_label", "QLabel", nullptr},
        {"keyboard_advanced_test_header_close", "QPushButton", nullptr},
        {"keyboard_advanced_test_widget_middle", "QWidget", nullptr},
        {"keyboard_advanced_test_instruction_widget", "QWidget", nullptr},
        {"keyboard_advanced_test_label_select_layout", "QLabel", "LAYOUT_TKN"},
        {"keyboard_advanced_test_drop_down", "QComboBox", nullptr},
        {"keyboard_advanced_test_label_instruction", "QLabel", ""},
        {"keyboard_advanced_test_stacked_widget", "QStackedWidget", nullptr},
        {"keyboard_advanced_test_label_test_explanation", "QLabel", ""},
        {"keyboard_advanced_test_widget_bottom", "QWidget", nullptr},
        {"keyboard_advanced_test_button_refresh", "QPushButton", "REFRESH_TKN"},
        {"keyboard_advanced_test_label_user_request", "QLabel", ""},
        {"keyboard_advanced_test_label_feedback", "QLabel", "TEST_FEEDBACK_TKN"},
        {"keyboard_advanced_test_button_yes", "QPushButton", "Yes"},
        {"keyboard_advanced_test_button_no", "QPushButton", "No"},
    };
    for (const FrameObject& expected : frame) {
        SCOPED_TRACE(expected.name);
        QWidget* widget = dialog_->findChild<QWidget*>(QString::fromLatin1(expected.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), expected.className);
        if (expected.text == nullptr) {
            continue;
        }
        const QString text = QString::fromLatin1(expected.text);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_EQ(label->text(), text);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
        }
    }
    EXPECT_EQ(ui_->keyboard_advanced_test_header_label->parentWidget(), ui_->keyboard_advanced_test_widget_header);
    EXPECT_EQ(Stack()->parentWidget(), ui_->keyboard_advanced_test_widget_middle);
    EXPECT_EQ(ui_->keyboard_advanced_test_drop_down->parentWidget(), ui_->keyboard_advanced_test_instruction_widget);
    EXPECT_EQ(ui_->keyboard_advanced_test_button_yes->parentWidget(), ui_->keyboard_advanced_test_widget_bottom);
}

TEST_F(AdvancedTestFormTest, FrameSettingsAreThoseTheDialogReliesOn)
{
    EXPECT_EQ(dialog_->size(), QSize(908, 409));
    EXPECT_EQ(dialog_->minimumSize(), QSize(908, 402));
    EXPECT_EQ(Stack()->minimumSize(), QSize(908, 276));
    EXPECT_EQ(Stack()->count(), kPageCount);

    const QPushButton* close = ui_->keyboard_advanced_test_header_close;
    EXPECT_TRUE(close->isFlat());
    EXPECT_EQ(close->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(ui_->keyboard_advanced_test_drop_down->minimumWidth(), 130);
    EXPECT_EQ(ui_->keyboard_advanced_test_drop_down->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(ui_->keyboard_advanced_test_drop_down->count(), 0) << "the dialog fills the drop-down";
    EXPECT_EQ(ui_->keyboard_advanced_test_label_instruction->maximumWidth(), 320);
    EXPECT_TRUE(ui_->keyboard_advanced_test_label_instruction->wordWrap());
    for (const QPushButton* button : {ui_->keyboard_advanced_test_button_refresh, ui_->keyboard_advanced_test_button_yes,
                                      ui_->keyboard_advanced_test_button_no}) {
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();
    }
}

TEST_F(AdvancedTestFormTest, SetUpLeavesPageFiveCurrentAndYesNotDefault)
{
    EXPECT_EQ(Stack()->currentIndex(), kFormInitialPage);
    EXPECT_EQ(Stack()->currentWidget()->objectName(), QLatin1String(PageRecord(kFormInitialPage).pageObjectName));
    EXPECT_FALSE(ui_->keyboard_advanced_test_button_yes->isDefault());
}

TEST_F(AdvancedTestFormTest, LayoutsAreNamedAndTheOuterOneHasNoMargins)
{
    QLayout* outer = dialog_->layout();
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(outer->objectName(), QLatin1String("keyboard_advanced_test_verticalLayout_2"));
    EXPECT_EQ(outer->contentsMargins(), QMargins(0, 0, 0, 0));
    EXPECT_EQ(ui_->keyboard_advanced_test_widget_header->layout()->objectName(), QLatin1String("horizontalLayout"));
    EXPECT_EQ(ui_->keyboard_advanced_test_widget_middle->layout()->objectName(), QLatin1String("verticalLayout"));
    EXPECT_EQ(ui_->keyboard_advanced_test_widget_bottom->layout()->objectName(),
              QLatin1String("keyboard_advanced_test_horizontalLayout"));

    QLayout* instruction = ui_->keyboard_advanced_test_instruction_widget->layout();
    ASSERT_NE(instruction, nullptr);
    EXPECT_EQ(instruction->objectName(), QLatin1String("keyboard_advanced_test_Instruction"));
    ASSERT_GT(instruction->count(), 0);
    QSpacerItem* spacer = instruction->itemAt(0)->spacerItem();
    ASSERT_NE(spacer, nullptr) << "the row starts with a spacer that pushes the drop-down right";
    EXPECT_EQ(spacer->sizeHint(), QSize(40, 20));
    EXPECT_EQ(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
}

TEST_F(AdvancedTestFormTest, TextsAreTranslatedInTheFormsOwnContext)
{
    MarkingTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    ui_->retranslateUi(dialog_.get());
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(Key(0, "W27_L9_23_K00")->text(), QStringLiteral("<Esc>"));
    EXPECT_EQ(Key(9, "W242_L151_11_K09")->text(),
              QString::fromUtf8("<カタカナ\nひらがな\nローマ字>"));
    EXPECT_EQ(ui_->keyboard_advanced_test_label_feedback->text(), QStringLiteral("<TEST_FEEDBACK_TKN>"));
    EXPECT_EQ(Stack()->findChild<QLabel*>(QStringLiteral("keyboard_advanced_test_ilustration_description_K03"))->text(),
              QStringLiteral("<Dark bordered keys are ignored by this test>"));
    for (int page = 0; page < kPageCount; ++page) {
        for (const QPushButton* key : Keys(page)) {
            EXPECT_TRUE(key->text().startsWith(QLatin1Char('<'))) << key->objectName().toStdString();
        }
    }
}

TEST_F(AdvancedTestFormTest, ObjectNamesAreUniqueInTheForm)
{
    std::map<QString, int> seen;
    for (const QObject* object : dialog_->findChildren<QObject*>()) {
        const QString name = object->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) {
            ++seen[name];
        }
    }
    std::size_t expected = 5 * kPageCount; // page, container, illustration key, description, instruction
    for (const LayoutPage& page : kLayoutPages) {
        expected += static_cast<std::size_t>(page.keyButtons);
    }
    EXPECT_GT(seen.size(), expected) << "the frame's widgets come on top of the pages'";
    for (const auto& [name, count] : seen) {
        EXPECT_EQ(count, 1) << name.toStdString();
    }
}

TEST_F(AdvancedTestFormTest, EveryButtonOnThePagesIsAKeyOrAnIllustrationKey)
{
    int keys = 0;
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (name.startsWith(KeyPrefix())) {
            ++keys;
        } else {
            EXPECT_TRUE(name.startsWith(QLatin1String(kIllustrationKeyPrefix))) << name.toStdString();
        }
    }
    int expected = 0;
    for (const LayoutPage& page : kLayoutPages) {
        expected += page.keyButtons;
    }
    EXPECT_EQ(keys, expected);
}

TEST_F(AdvancedTestFormTest, IgnoredSetIsExactlyTheUntestableKeysAndTheIllustrationKeys)
{
    std::set<std::string> inForm;
    for (const QPushButton* button : Stack()->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (name.startsWith(QLatin1String(kIllustrationKeyPrefix))) {
            inForm.insert(name.toStdString());
            continue;
        }
        const auto key = ParseKeyName(name);
        ASSERT_TRUE(key.has_value()) << name.toStdString();
        if (key->untestable) {
            inForm.insert(name.toStdString());
        }
    }
    const std::set<std::string> listed(kIgnoredKeyNames.begin(), kIgnoredKeyNames.end());
    EXPECT_EQ(inForm, listed);

    const std::map<std::string, const char*> labels = {
        {"WX_L151_21_K00", "Fn"}, {"WX_L151_20_K01", "Fn"},  {"WX_L151_19_K02", "Fn"},
        {"WX_L151_17_K03", "Fn"}, {"WX_L151_16_K04", "Fn"},  {"WX_LX_2_K04", "Pwr"},
        {"WX_L151_15_K05", "Fn"}, {"WX_L151_10_K06", "Fn"},  {"WX_L151_7_K07", "Fn"},
        {"WX_L16777379__K07", "Calc"}, {"WX_L46__K07", "Lock"}, {"WX_L16777360__K07", "Net"},
        {"WX_L26__K07", "File"}, {"WX1__K08", "Fn"},  {"WX3__K08", "Calc"},
        {"WX_L151_18_K09", "Fn"}, {"WX_L151_15_K10", "Fn"}, {"WX_L151_15_K11", "Fn"},
        {"WX_L151_15_K12", "Fn"},
    };
    for (const auto& [name, label] : labels) {
        const auto* button = Stack()->findChild<QPushButton*>(KeyPrefix() + QString::fromStdString(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QLatin1String(label)) << name;
    }
}

TEST_F(AdvancedTestFormTest, NoOtherObjectOnThePagesCarriesACodeFragmentOrPageTag)
{
    static const QRegularExpression codeFragment(QStringLiteral(R"(W\d+_)"));
    static const QRegularExpression anyTag(QStringLiteral(R"(K\d\d)"));
    QList<QObject*> objects = Stack()->findChildren<QObject*>();
    objects.push_back(Stack());
    int checked = 0;
    for (const QObject* object : objects) {
        const QString name = object->objectName();
        if (name.startsWith(KeyPrefix()) && qobject_cast<const QPushButton*>(object) != nullptr) {
            continue;
        }
        ++checked;
        EXPECT_FALSE(codeFragment.match(name).hasMatch()) << name.toStdString();
        if (!anyTag.match(name).hasMatch()) {
            continue;
        }
        // Only the three per-page companions of the keys carry their page's tag.
        const QWidget* page = nullptr;
        for (int index = 0; index < kPageCount; ++index) {
            if (Stack()->widget(index)->isAncestorOf(qobject_cast<const QWidget*>(object))) {
                page = Stack()->widget(index);
                const QString tag = Tag(index);
                EXPECT_TRUE(name == QLatin1String(kIllustrationKeyPrefix) + tag
                            || name == QLatin1String(kIllustrationDescriptionPrefix) + tag
                            || name == QLatin1String(kInstructionPrefix) + tag)
                    << name.toStdString();
            }
        }
        EXPECT_NE(page, nullptr) << name.toStdString();
    }
    EXPECT_GE(checked, 2 * kPageCount + 3 * kPageCount);
}

TEST_F(AdvancedTestFormTest, EnterFragmentFindsBothEnterKeysOfPell15AndNothingElse)
{
    std::vector<const QPushButton*> found;
    for (const QPushButton* key : Keys(5)) {
        if (key->objectName().contains(QLatin1String("W13_"))) {
            found.push_back(key);
        }
    }
    ASSERT_EQ(found.size(), 2u);
    for (const QPushButton* key : found) {
        EXPECT_EQ(key->text(), QLatin1String("Enter"));
    }
    EXPECT_NE(found[0]->geometry(), found[1]->geometry());
}

TEST_F(AdvancedTestFormTest, JapaneseCapsKeyAnswersToBothOfItsCodes)
{
    for (int page = 9; page <= 12; ++page) {
        SCOPED_TRACE(page);
        std::vector<const QPushButton*> caps;
        std::vector<const QPushButton*> alphanumeric;
        for (const QPushButton* key : Keys(page)) {
            if (key->objectName().contains(QLatin1String("W20_"))) {
                caps.push_back(key);
            }
            if (key->objectName().contains(QLatin1String("W240_"))) {
                alphanumeric.push_back(key);
            }
        }
        ASSERT_EQ(caps.size(), 1u);
        ASSERT_EQ(alphanumeric.size(), 1u);
        EXPECT_EQ(caps[0], alphanumeric[0]);
        EXPECT_EQ(caps[0]->text(), QLatin1String("Caps"));
    }
}

TEST_F(AdvancedTestFormTest, Kora14IsKeyForKeyTheCatalogueTable)
{
    const std::vector<QPushButton*> keys = Keys(0);
    ASSERT_EQ(keys.size(), std::size(kKora14Keys));
    for (std::size_t index = 0; index < keys.size(); ++index) {
        const ReferenceKey& expected = kKora14Keys[index];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(keys[index]->objectName(), KeyPrefix() + QLatin1String(expected.name));
        EXPECT_EQ(keys[index]->text(), QString::fromUtf8(expected.label));
        EXPECT_EQ(keys[index]->geometry(), QRect(expected.x, expected.y, expected.width, expected.height));
        EXPECT_EQ(keys[index]->parentWidget(), Container(0));
    }
}

TEST_F(AdvancedTestFormTest, JunoCarriesTheListedJapaneseKeys)
{
    ExpectKeys(9, std::begin(kJunoKeys), std::end(kJunoKeys));
}

TEST_F(AdvancedTestFormTest, Abnt2CarriesTheListedRows)
{
    ExpectKeys(8, std::begin(kAbnt2Keys), std::end(kAbnt2Keys));
}

TEST_F(AdvancedTestFormTest, Kora14IllustrationSitsWhereTheCatalogueSays)
{
    const QWidget* container = Container(0);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->findChild<QPushButton*>(QStringLiteral("keyboard_advanced_test_ilustration_K00"))->geometry(),
              QRect(120, 250, 16, 16));
    EXPECT_EQ(container->findChild<QLabel*>(QStringLiteral("keyboard_advanced_test_ilustration_description_K00"))
                  ->geometry(),
              QRect(140, 250, 621, 16));
    EXPECT_EQ(container->findChild<QLabel*>(QStringLiteral("keyboard_advanced_test_instruction_K00"))->geometry(),
              QRect(120, 270, 641, 16));
}

// The same invariants on each of the thirteen pages.
class AdvancedTestFormPageTest : public AdvancedTestFormTest, public ::testing::WithParamInterface<int> {
protected:
    int PageIndex() const { return GetParam(); }
    const LayoutPage& Record() const { return PageRecord(GetParam()); }
};

TEST_P(AdvancedTestFormPageTest, PageAndContainerMatchThePageTable)
{
    QWidget* page = Stack()->widget(PageIndex());
    EXPECT_EQ(page->objectName(), QLatin1String(Record().pageObjectName));
    QWidget* container = Container(PageIndex());
    ASSERT_NE(container, nullptr);
    const Rect& geometry = Record().container;
    EXPECT_EQ(container->geometry(), QRect(geometry.x, geometry.y, geometry.width, geometry.height));
    for (const QPushButton* key : Keys(PageIndex())) {
        EXPECT_EQ(key->parentWidget(), container) << key->objectName().toStdString();
    }
}

TEST_P(AdvancedTestFormPageTest, CountsMatchThePageTable)
{
    int keys = 0;
    int ignored = 0;
    for (const QPushButton* key : Keys(PageIndex())) {
        ++keys;
        ignored += IsIgnoredKey(key->objectName().toStdString()) ? 1 : 0;
    }
    EXPECT_EQ(keys, Record().keyButtons);
    EXPECT_EQ(ignored, Record().ignoredKeys);
    EXPECT_EQ(keys - ignored, Record().keysToMark);
    const QString illustration = QLatin1String(kIllustrationKeyPrefix) + Tag(PageIndex());
    EXPECT_NE(Container(PageIndex())->findChild<QPushButton*>(illustration), nullptr);
    EXPECT_TRUE(IsIgnoredKey(illustration.toStdString()));
}

TEST_P(AdvancedTestFormPageTest, KeyNamesFollowTheFormatAndEndInTheirPageTag)
{
    const QString ownTag = Tag(PageIndex());
    std::set<QString> names;
    for (const QPushButton* key : Keys(PageIndex())) {
        const QString name = key->objectName();
        SCOPED_TRACE(name.toStdString());
        const auto parsed = ParseKeyName(name);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->tag, ownTag);
        EXPECT_TRUE(name.endsWith(QLatin1Char('_') + ownTag));
        for (int other = 0; other < kPageCount; ++other) {
            if (other != PageIndex()) {
                EXPECT_FALSE(name.contains(Tag(other)));
            }
        }
        EXPECT_TRUE(names.insert(name).second) << "name repeats on the page";
    }
}

TEST_P(AdvancedTestFormPageTest, CodesAreThoseOfTheCodeTable)
{
    std::vector<int> codes;
    for (const QPushButton* key : Keys(PageIndex())) {
        const auto parsed = ParseKeyName(key->objectName());
        ASSERT_TRUE(parsed.has_value()) << key->objectName().toStdString();
        codes.insert(codes.end(), parsed->codes.begin(), parsed->codes.end());
    }
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, ExpectedCodes(PageIndex()));
    for (int code : codes) {
        EXPECT_TRUE(InVirtualKeyTable(code)) << code;
    }
}

TEST_P(AdvancedTestFormPageTest, LabelsAgreeWithTheCodes)
{
    for (const QPushButton* key : Keys(PageIndex())) {
        SCOPED_TRACE(key->objectName().toStdString());
        const auto parsed = ParseKeyName(key->objectName());
        ASSERT_TRUE(parsed.has_value());
        EXPECT_FALSE(key->text().trimmed().isEmpty());
        if (parsed->codes.size() != 1) {
            continue;
        }
        const int code = parsed->codes.front();
        if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
            EXPECT_EQ(key->text(), QString(QChar(code)));
        } else if (code >= 96 && code <= 105) {
            EXPECT_EQ(key->text(), QString::number(code - 96));
        } else if (code >= 112 && code <= 123) {
            EXPECT_EQ(key->text(), QStringLiteral("F%1").arg(code - 111));
        } else if (code == 32) {
            EXPECT_EQ(key->text(), QLatin1String("Space"));
        }
    }
}

TEST_P(AdvancedTestFormPageTest, KeysStayInsideTheContainerAndTheVisibleArea)
{
    const QWidget* container = Container(PageIndex());
    ASSERT_NE(container, nullptr);
    const QRect containerArea(QPoint(0, 0), container->size());
    // What the dialog shows of the page: the stacked widget's minimum size, from its top left.
    const QRect shown(-container->pos(), QSize(908, 276));
    std::vector<const QWidget*> widgets;
    for (const QWidget* child : container->findChildren<QWidget*>()) {
        widgets.push_back(child);
    }
    ASSERT_EQ(widgets.size(), static_cast<std::size_t>(Record().keyButtons + 3));
    for (const QWidget* widget : widgets) {
        EXPECT_TRUE(containerArea.contains(widget->geometry())) << widget->objectName().toStdString();
        EXPECT_TRUE(shown.contains(widget->geometry())) << widget->objectName().toStdString();
    }
}

TEST_P(AdvancedTestFormPageTest, KeysDoNotOverlap)
{
    const std::vector<QPushButton*> keys = Keys(PageIndex());
    for (std::size_t a = 0; a < keys.size(); ++a) {
        for (std::size_t b = a + 1; b < keys.size(); ++b) {
            EXPECT_FALSE(Overlap(keys[a]->geometry(), keys[b]->geometry()))
                << keys[a]->objectName().toStdString() << " and " << keys[b]->objectName().toStdString();
        }
    }
}

TEST_P(AdvancedTestFormPageTest, IllustrationSitsBelowTheRowsAtTheirLeftEdge)
{
    int left = INT_MAX;
    int bottom = 0;
    for (const QPushButton* key : Keys(PageIndex())) {
        left = std::min(left, key->x());
        bottom = std::max(bottom, key->geometry().bottom());
    }
    const QString tag = Tag(PageIndex());
    const QWidget* container = Container(PageIndex());
    const auto* illustration = container->findChild<QPushButton*>(QLatin1String(kIllustrationKeyPrefix) + tag);
    const auto* description = container->findChild<QLabel*>(QLatin1String(kIllustrationDescriptionPrefix) + tag);
    const auto* instruction = container->findChild<QLabel*>(QLatin1String(kInstructionPrefix) + tag);
    ASSERT_NE(illustration, nullptr);
    ASSERT_NE(description, nullptr);
    ASSERT_NE(instruction, nullptr);
    EXPECT_EQ(illustration->size(), QSize(16, 16));
    EXPECT_EQ(illustration->x(), left);
    EXPECT_GE(illustration->y(), bottom);
    EXPECT_EQ(description->pos(), illustration->pos() + QPoint(20, 0));
    EXPECT_EQ(instruction->pos(), illustration->pos() + QPoint(0, 20));
    EXPECT_EQ(description->text(), QLatin1String("Dark bordered keys are ignored by this test"));
    EXPECT_EQ(instruction->text(), QLatin1String("Click Fail if any key is not marked after being pressed."));
}

// Rows line up, letters share one size, and the keys a typist looks for are the wider ones.
TEST_P(AdvancedTestFormPageTest, KeysLookLikeAKeyboard)
{
    std::map<int, const QPushButton*> byCode;
    int widest = 0;
    for (const QPushButton* key : Keys(PageIndex())) {
        EXPECT_GE(key->width(), 30) << key->objectName().toStdString();
        EXPECT_GE(key->height(), 20) << key->objectName().toStdString();
        widest = std::max(widest, key->width());
        const auto parsed = ParseKeyName(key->objectName());
        ASSERT_TRUE(parsed.has_value());
        for (int code : parsed->codes) {
            // Keypad Enter shares 13 with Enter; keep the main one, which comes first.
            byCode.emplace(code, key);
        }
    }
    ASSERT_EQ(byCode.count(32), 1u);
    EXPECT_EQ(byCode[32]->width(), widest) << "Space is the widest key";

    const auto rowOf = [&](const char* letters) {
        std::vector<const QPushButton*> row;
        for (const char* letter = letters; *letter != '\0'; ++letter) {
            row.push_back(byCode.at(*letter));
        }
        return row;
    };
    const QSize letterSize = byCode.at('A')->size();
    int previousY = byCode.at('1')->y();
    for (const char* letters : {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"}) {
        const auto row = rowOf(letters);
        EXPECT_GT(row.front()->y(), previousY) << letters;
        previousY = row.front()->y();
        for (std::size_t index = 0; index < row.size(); ++index) {
            EXPECT_EQ(row[index]->y(), row.front()->y()) << letters;
            EXPECT_EQ(row[index]->size(), letterSize) << letters;
            if (index > 0) {
                EXPECT_EQ(row[index]->x(), row[index - 1]->x() + letterSize.width() - 1) << letters;
            }
        }
    }
    EXPECT_GT(byCode[32]->y(), previousY) << "Space sits below the letters";
    for (int wide : {9, 20, 13, 160, 8}) {
        EXPECT_GE(byCode.at(wide)->width(), letterSize.width()) << wide;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, AdvancedTestFormPageTest, ::testing::Range(0, kPageCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Page" + std::to_string(info.param);
                         });

} // namespace
// Qt Designer reads forms with the same loader: the form it opens must be the form the build
// compiles, widget for widget.
TEST_F(AdvancedTestFormTest, DesignersLoaderReadsTheSameWidgetTree)
{
    QFile file(QStringLiteral(ADVANCED_FORM_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QUiLoader loader;
    std::unique_ptr<QWidget> loaded(loader.load(&file));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    EXPECT_TRUE(loader.errorString().isEmpty()) << loader.errorString().toStdString();

    auto tree = [](const QWidget& root) {
        std::multiset<std::string> widgets;
        for (const QWidget* widget : root.findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty()) {
                widgets.insert(std::string(widget->metaObject()->className()) + " " +
                               widget->objectName().toStdString());
            }
        }
        return widgets;
    };
    const std::multiset<std::string> compiled = tree(*dialog_);
    EXPECT_GT(compiled.size(), 1200u);
    EXPECT_EQ(tree(*loaded), compiled);
}

} // namespace corvo::advanced
