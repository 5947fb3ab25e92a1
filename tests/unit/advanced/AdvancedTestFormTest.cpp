// The generated layout form checked against its invariants, the layout catalogue and the message catalogue.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>
#include <QUiLoader>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../module/TsCatalogue.h"
#include "advanced/LayoutCatalogue.h"
#include "ui_AdvancedTestWidget.h"

namespace corvo::advanced {
namespace {

// The codes in a key button's name, none for a key the dialog never sees; nullopt for a name outside
// the format or of another page. Two codes come without an L field (the X keycode), one code with
// it, an untestable key as "WX" with it or as "WX1", "WX3"; then the number and the page tag. No other
// "W" stands in the name, so the dialog's fragment "W<code>_" reaches exactly the keys of the code.
std::optional<std::vector<int>> CodesInName(const QString& name, int page)
{
    const QRegularExpression format(
        QStringLiteral(R"(^keyboard_advanced_test_button1_(?:W(\d+)_W(\d+)_|W(\d+)_L\d+_|WX_L(?:\d+|X)_|WX[13]_)\d*_%1$)")
            .arg(QString::fromStdString(PageTag(page))));
    const QRegularExpressionMatch match = format.match(name);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    std::vector<int> codes;
    for (int field : {1, 2, 3}) {
        if (match.hasCaptured(field)) {
            codes.push_back(match.captured(field).toInt());
        }
    }
    return codes;
}

// The label a key's code gives whatever the layout (letters, digits, function keys, keypad digits,
// Space); empty for the others.
QString LabelOfCode(const std::vector<int>& codes)
{
    const int code = codes.size() == 1 ? codes.front() : 0;
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return QString(QChar(code));
    }
    if (code >= 96 && code <= 105) {
        return QString::number(code - 96);
    }
    if (code >= 112 && code <= 123) {
        return QStringLiteral("F%1").arg(code - 111);
    }
    return code == 32 ? QStringLiteral("Space") : QString();
}

// Records the texts looked up in the form's own context and marks them, so a test sees which pass through it.
class RecordingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "AdvancedTestWidget") != 0) {
            return {};
        }
        texts.insert(QString::fromUtf8(sourceText));
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
    mutable std::set<QString> texts;
};

class AdvancedTestFormTest : public ::testing::Test {
protected:
    void SetUp() override { m_ui.setupUi(&m_dialog); }

    QStackedWidget* Stack() { return m_ui.keyboard_advanced_test_stacked_widget; }
    QDialog m_dialog;
    Ui::AdvancedTestWidget m_ui;
};

TEST_F(AdvancedTestFormTest, EveryPageAgreesWithTheCatalogueAndLooksLikeAKeyboard)
{
    ASSERT_EQ(Stack()->count(), kPageCount);
    std::set<std::string> ignoredKeys; // the untestable keys and the illustration keys
    for (const LayoutPage& record : kLayoutPages) {
        const int page = record.index;
        const QString tag = QString::fromStdString(PageTag(page));
        SCOPED_TRACE(record.layoutName);
        EXPECT_EQ(Stack()->widget(page)->objectName(), QLatin1String(record.pageObjectName));
        const QWidget* container = Stack()->widget(page)->findChild<QWidget*>(
            QString::fromLatin1(record.containerObjectName), Qt::FindDirectChildrenOnly);
        ASSERT_NE(container, nullptr);
        EXPECT_EQ(container->geometry(),
                  QRect(record.container.x, record.container.y, record.container.width, record.container.height));

        std::map<int, int> keysOfCode;
        std::map<int, const QPushButton*> byCode; // the first key of each code (Enter before keypad Enter)
        int ignored = 0;
        int left = container->width();
        int bottom = 0;
        int widest = 0;
        std::vector<QPushButton*> keys; // the illustration key aside
        for (QPushButton* button : Stack()->widget(page)->findChildren<QPushButton*>()) {
            if (button->objectName().startsWith(QLatin1String(kKeyButtonPrefix))) {
                keys.push_back(button);
            }
        }
        for (const QPushButton* key : keys) {
            const QString name = key->objectName();
            SCOPED_TRACE(name.toStdString());
            const std::optional<std::vector<int>> codes = CodesInName(name, page);
            ASSERT_TRUE(codes.has_value()) << "name outside the format or of another page";
            EXPECT_EQ(key->parentWidget(), container);
            EXPECT_FALSE(key->text().trimmed().isEmpty());
            if (!LabelOfCode(*codes).isEmpty()) {
                EXPECT_EQ(key->text(), LabelOfCode(*codes));
            }
            EXPECT_EQ(IsIgnoredKey(name.toStdString()), codes->empty());
            if (codes->empty()) {
                ignoredKeys.insert(name.toStdString());
                ++ignored;
            }
            for (int code : *codes) {
                EXPECT_TRUE((code >= 1 && code <= 58) || (code >= 64 && code <= 254)) << code << " is no virtual key";
                ++keysOfCode[code];
                byCode.emplace(code, key);
            }
            EXPECT_GE(key->width(), 30);
            EXPECT_GE(key->height(), 20);
            left = std::min(left, key->x());
            bottom = std::max(bottom, key->geometry().bottom());
            widest = std::max(widest, key->width());
        }
        EXPECT_EQ(static_cast<int>(keys.size()), record.keyButtons);
        EXPECT_EQ(Stack()->widget(page)->findChildren<QPushButton*>().size(), keys.size() + 1) << "not a key button";
        EXPECT_EQ(ignored, record.ignoredKeys);
        EXPECT_EQ(record.keysToMark, record.keyButtons - record.ignoredKeys);
        // Every layout has the main block, one with a keypad all of the keypad; a code stands on one
        // key of a page, but for keypad Enter's 13 and Ozel's second Print Screen.
        const bool keypad = keysOfCode.count(144) == 1;
        std::vector<std::pair<int, int>> required{{37, 40}, {48, 57}, {65, 90}, {112, 123}, {160, 164}, {186, 192},
                                                  {219, 222}, {8, 9}, {13, 13}, {20, 20}, {27, 27}, {32, 32}, {46, 46},
                                                  {91, 91}};
        if (keypad) {
            required.insert(required.end(), {{96, 107}, {109, 111}});
        }
        for (const auto& [first, last] : required) {
            for (int code = first; code <= last; ++code) {
                EXPECT_EQ(keysOfCode.count(code), 1u) << code << " missing";
            }
        }
        for (const auto& [code, count] : keysOfCode) {
            EXPECT_EQ(count, (code == 13 && keypad) || (code == 44 && page == 6) ? 2 : 1) << code;
        }

        // Inside the container and inside what the dialog shows of the page (the stack's minimum
        // size); neighbouring keys share their one-pixel edge, anything more is an overlap.
        const QList<QWidget*> children = container->findChildren<QWidget*>();
        EXPECT_EQ(children.size(), record.keyButtons + 3) << "keys, illustration key, description, instruction";
        for (const QWidget* child : children) {
            EXPECT_TRUE(QRect(QPoint(0, 0), container->size()).contains(child->geometry()) &&
                        QRect(-container->pos(), QSize(908, 276)).contains(child->geometry()))
                << child->objectName().toStdString() << " lies outside";
        }
        for (std::size_t a = 0; a < keys.size(); ++a) {
            for (std::size_t b = a + 1; b < keys.size(); ++b) {
                const QRect common = keys[a]->geometry().intersected(keys[b]->geometry());
                EXPECT_FALSE(common.width() > 1 && common.height() > 1)
                    << keys[a]->objectName().toStdString() << " overlaps " << keys[b]->objectName().toStdString();
            }
        }

        // Letter rows one below the other, with same-sized keys side by side; Space widest and below them.
        const QSize letter = byCode.at('A')->size();
        int previousY = byCode.at('1')->y();
        for (const char* row : {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"}) {
            EXPECT_GT(byCode.at(*row)->y(), previousY) << row;
            previousY = byCode.at(*row)->y();
            for (const char* c = row; *c != '\0'; ++c) {
                const int x = byCode.at(*row)->x() + static_cast<int>(c - row) * (letter.width() - 1);
                EXPECT_EQ(byCode.at(*c)->geometry(), QRect(QPoint(x, previousY), letter)) << *c;
            }
        }
        EXPECT_EQ(byCode.at(32)->width(), widest);
        EXPECT_GT(byCode.at(32)->y(), previousY);

        // The illustration key with its description beside it and the instruction below, under the rows.
        const auto* illustration = container->findChild<QPushButton*>(QLatin1String(kIllustrationKeyPrefix) + tag);
        const auto* description = container->findChild<QLabel*>(QLatin1String(kIllustrationDescriptionPrefix) + tag);
        const auto* instruction = container->findChild<QLabel*>(QLatin1String(kInstructionPrefix) + tag);
        ASSERT_TRUE(illustration != nullptr && description != nullptr && instruction != nullptr);
        ignoredKeys.insert(illustration->objectName().toStdString());
        EXPECT_TRUE(IsIgnoredKey(illustration->objectName().toStdString()));
        EXPECT_EQ(illustration->geometry(), QRect(left, illustration->y(), 16, 16));
        EXPECT_GE(illustration->y(), bottom);
        EXPECT_EQ(description->pos(), illustration->pos() + QPoint(20, 0));
        EXPECT_EQ(instruction->pos(), illustration->pos() + QPoint(0, 20));
    }
    EXPECT_EQ(ignoredKeys, std::set<std::string>(kIgnoredKeyNames.begin(), kIgnoredKeyNames.end()));
}

// The form's texts are looked up in its own context, and the shipped catalogue holds exactly those
// texts, each reading in English as it is drawn.
TEST_F(AdvancedTestFormTest, TextsAreTranslatedInTheFormsContextByTheCatalogue)
{
    RecordingTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    m_ui.retranslateUi(&m_dialog);
    QCoreApplication::removeTranslator(&translator);
    for (const QPushButton* key : Stack()->findChildren<QPushButton*>()) {
        const bool isKey = key->objectName().startsWith(QLatin1String(kKeyButtonPrefix));
        EXPECT_TRUE(!isKey || key->text().startsWith(QLatin1Char('<'))) << key->objectName().toStdString();
    }
    EXPECT_EQ(m_ui.keyboard_advanced_test_label_feedback->text(), QStringLiteral("<TEST_FEEDBACK_TKN>"));

    std::map<std::string, std::string> asDrawn;
    for (const QString& text : translator.texts) {
        asDrawn[text.toStdString()] = text.toStdString();
    }
    EXPECT_GT(asDrawn.size(), 100u);
    EXPECT_EQ(ReadTsCatalogue(KEYBOARD_TS_FILE)["AdvancedTestWidget"], asDrawn);
}

// Names are unique, as the dialog and the tests find widgets by name; and Qt Designer reads forms with
// the same loader: the form it opens must be the form the build compiles, widget for widget.
TEST_F(AdvancedTestFormTest, NamesAreUniqueAndDesignersLoaderReadsTheSameWidgetTree)
{
    std::map<QString, int> seen;
    for (const QObject* object : m_dialog.findChildren<QObject*>()) {
        if (!object->objectName().isEmpty() && !object->objectName().startsWith(QLatin1String("qt_"))) {
            ++seen[object->objectName()];
        }
    }
    for (const auto& [name, count] : seen) {
        EXPECT_EQ(count, 1) << name.toStdString();
    }

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
                widgets.insert(std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString());
            }
        }
        return widgets;
    };
    EXPECT_GT(tree(m_dialog).size(), 1200u);
    EXPECT_EQ(tree(*loaded), tree(m_dialog));
}

} // namespace
} // namespace corvo::advanced
