// The style library's sheet: one object, every form name styled, icons readable, nothing lost to the rule model.
#include <SkinManager.h>
#include "QtPrinters.h"

#include "utils/accessibility/HighContrastStyleSheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

using corvo::utils::accessibility::ParseStyleRules;

TEST(SkinManager, OneObjectOneSheet)
{
    SkinManager* manager = SkinManager::instance();
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(SkinManager::instance(), manager);
    EXPECT_FALSE(manager->Stylesheet().isEmpty());
    EXPECT_EQ(manager->Stylesheet(), SkinManager::instance()->Stylesheet());
}

TEST(SkinManager, StylesEveryNameOfBothDialogForms)
{
    const QString sheet = SkinManager::instance()->Stylesheet();
    const char* names[] = {
        "KeycodeTestWidget", "keycode_test_widget_header", "keycode_test_header_icon", "keycode_test_header_label",
        "keycode_test_header_close", "keycode_test_widget_instruction", "keycode_test_instruction_label",
        "keycode_test_label_last_key", "keycode_test_line_edit_last_key", "keycode_test_label_toggle_keys",
        "keycode_test_check_num", "keycode_test_check_caps", "keycode_test_check_scroll", "keycode_test_widget_footer",
        "keycode_test_question_label", "keycode_test_button_yes", "keycode_test_button_no",
        "keyboard_advanced_test_widget_header", "keyboard_advanced_test_header_icon",
        "keyboard_advanced_test_header_label", "keyboard_advanced_test_header_close",
        "keyboard_advanced_test_widget_middle", "keyboard_advanced_test_instruction_widget",
        "keyboard_advanced_test_label_select_layout", "keyboard_advanced_test_drop_down",
        "keyboard_advanced_test_label_instruction", "keyboard_advanced_test_stacked_widget",
        "keyboard_advanced_test_label_test_explanation", "keyboard_advanced_test_widget_bottom",
        "keyboard_advanced_test_button_refresh", "keyboard_advanced_test_label_user_request",
        "keyboard_advanced_test_label_feedback", "keyboard_advanced_test_button_yes",
        "keyboard_advanced_test_button_no", "[objectName^=\"keyboard_advanced_test_button1_\"]",
    };
    for (const char* name : names) {
        const QRegularExpression selector("#" + QRegularExpression::escape(name) + "\\b|"
                                          + QRegularExpression::escape(name));
        EXPECT_TRUE(sheet.contains(selector)) << name;
    }
}

// The high-contrast restyling takes every declaration apart at ":" and keeps the second piece, and
// reads rules between braces; a comment or a colon inside a value would be cut there.
TEST(SkinManager, SheetSurvivesTheRuleModelWhole)
{
    const QString sheet = SkinManager::instance()->Stylesheet();
    EXPECT_FALSE(sheet.contains("/*"));
    int declarations = 0;
    for (const QString& part : sheet.split('}', Qt::SkipEmptyParts)) {
        const QStringList pieces = part.split('{');
        if (part.trimmed().isEmpty())
            continue;
        ASSERT_EQ(pieces.size(), 2) << part.toStdString();
        for (const QString& declaration : pieces[1].split(';', Qt::SkipEmptyParts)) {
            if (declaration.trimmed().isEmpty())
                continue;
            EXPECT_EQ(declaration.count(':'), 1) << declaration.toStdString();
            ++declarations;
        }
    }
    EXPECT_GT(declarations, 100);
    EXPECT_GT(ParseStyleRules(sheet).size(), 25);
}

TEST(SkinManager, EveryIconIsAReadableSvgWithAFillColour)
{
    const QString sheet = SkinManager::instance()->Stylesheet();
    const QRegularExpression url(R"re(\b(image|icon)\s*:\s*url\("([^"]+)"\))re");
    int icons = 0;
    for (auto match = url.globalMatch(sheet); match.hasNext(); ++icons) {
        const QString path = match.next().captured(2);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray svg = file.readAll();
        EXPECT_TRUE(svg.startsWith("<svg")) << path.toStdString();
        EXPECT_TRUE(QRegularExpression(R"(fill="#[0-9a-f]{6}")").match(QString::fromUtf8(svg)).hasMatch())
            << path.toStdString();
    }
    EXPECT_EQ(icons, 5);
}

} // namespace
