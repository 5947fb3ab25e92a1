// The advanced dialog's key buttons for tests: the virtual-key code a button's name carries, the key
// of a US keyboard that gives that code, what the dialog shows and counts, and its config.ini folder.
#pragma once

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "advanced/AdvancedTestSettings.h"
#include "advanced/AdvancedTestWidget.h"
#include "advanced/LayoutCatalogue.h"

namespace corvo::gui_testing {

// The virtual-key code in a key button's name ("..._W65_L38_23_K00" -> 65); none for the keys
// the capture never reports ("..._WX_...").
inline std::optional<int> VirtualKeyInButtonName(const QString& objectName)
{
    static const QRegularExpression code(QStringLiteral("_W(\\d+)_"));
    const QRegularExpressionMatch match = code.match(objectName);
    return match.hasMatch() ? std::optional<int>(match.captured(1).toInt()) : std::nullopt;
}

// The XKB name of the key that gives the virtual-key code on a US 105-key keyboard, empty when none
// does; transcribed from the published virtual-key list rather than taken from the module's own
// translation, so that a wrong translation shows as a key that does not light up.
inline std::string UsKeyNameOf(int virtualKey)
{
    static const std::map<int, std::string> names = [] {
        std::map<int, std::string> table{
            {8, "BKSP"},   {9, "TAB"},    {13, "RTRN"},  {19, "PAUS"},  {20, "CAPS"},  {27, "ESC"},
            {32, "SPCE"},  {33, "PGUP"},  {34, "PGDN"},  {35, "END"},   {36, "HOME"},  {37, "LEFT"},
            {38, "UP"},    {39, "RGHT"},  {40, "DOWN"},  {44, "PRSC"},  {45, "INS"},   {46, "DELE"},
            {91, "LWIN"},  {92, "RWIN"},  {93, "COMP"},  {106, "KPMU"}, {107, "KPAD"}, {109, "KPSU"},
            {110, "KPDL"}, {111, "KPDV"}, {144, "NMLK"}, {145, "SCLK"}, {160, "LFSH"}, {161, "RTSH"},
            {162, "LCTL"}, {163, "RCTL"}, {164, "LALT"}, {165, "RALT"}, {186, "AC10"}, {187, "AE12"},
            {188, "AB08"}, {189, "AE11"}, {190, "AB09"}, {191, "AB10"}, {192, "TLDE"}, {219, "AD11"},
            {220, "BKSL"}, {221, "AD12"}, {222, "AC11"}, {226, "LSGT"},
        };
        for (int digit = 0; digit < 10; ++digit) {
            table['0' + digit] = digit == 0 ? "AE10" : "AE0" + std::to_string(digit);
            table[96 + digit] = "KP" + std::to_string(digit);
        }
        for (const auto& [letters, row] : {std::pair{"QWERTYUIOP", "AD"}, {"ASDFGHJKL", "AC"}, {"ZXCVBNM", "AB"}}) {
            for (int column = 0; letters[column] != '\0'; ++column) {
                table[letters[column]] = row + std::string(column < 9 ? "0" : "") + std::to_string(column + 1);
            }
        }
        for (int function = 1; function <= 12; ++function) {
            table[111 + function] = (function < 10 ? "FK0" : "FK") + std::to_string(function);
        }
        return table;
    }();
    const auto found = names.find(virtualKey);
    return found == names.end() ? std::string() : found->second;
}

} // namespace corvo::gui_testing

namespace advancedtest {

namespace catalogue = corvo::advanced;
using corvo::gui_testing::VirtualKeyInButtonName;

inline constexpr char kMarkedStyle[] = "background-color: #18A0FB;color: black;border-style: initial;font: 10px";

template <typename T = QPushButton>
T* Child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}
inline QStackedWidget* Pages(QWidget& dialog)
{
    return Child<QStackedWidget>(dialog, catalogue::kStackedWidgetName);
}
inline QComboBox* DropDown(QWidget& dialog)
{
    return Child<QComboBox>(dialog, "keyboard_advanced_test_drop_down");
}
inline const catalogue::LayoutPage& Layout(int page)
{
    return catalogue::kLayoutPages[static_cast<std::size_t>(page)];
}

// The key button of a page that carries the code; null when the page has none.
inline QPushButton* KeyButton(QWidget& dialog, int page, int code)
{
    for (QPushButton* button : Pages(dialog)->widget(page)->findChildren<QPushButton*>()) {
        if (VirtualKeyInButtonName(button->objectName()) == code) {
            return button;
        }
    }
    return nullptr;
}

// The painted key buttons of every page; with a code, the key buttons of that code instead.
inline std::set<QString> Marked(QWidget& dialog, std::optional<int> code = std::nullopt)
{
    std::set<QString> names;
    for (QPushButton* button : Pages(dialog)->findChildren<QPushButton*>()) {
        if (code ? VirtualKeyInButtonName(button->objectName()) == code : button->styleSheet() == kMarkedStyle) {
            names.insert(button->objectName());
        }
    }
    return names;
}

// The keys counted on each page beyond those a reset leaves (its ignored keys and illustration key).
inline std::vector<int> CountedBeyondReset(const AdvancedTestWidget& dialog)
{
    std::vector<int> counted;
    for (const auto& [page, progress] : dialog.Progress()) {
        counted.push_back(-Layout(page).ignoredKeys - 1);
        for (const auto& [name, marked] : progress) {
            counted.back() += marked ? 1 : 0;
        }
    }
    return counted;
}
inline std::vector<int> Counted(int page = 0, int keys = 0)
{
    std::vector<int> counted(catalogue::kPageCount, 0);
    counted[static_cast<std::size_t>(page)] = keys;
    return counted;
}

// A working folder of the case's own, where dialogs read config.ini, with the settings read afresh.
class ConfigFolder {
public:
    ConfigFolder() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_folder.path());
        catalogue::ResetAdvancedTestSettings();
    }
    ~ConfigFolder()
    {
        QDir::setCurrent(m_previous);
        catalogue::ResetAdvancedTestSettings();
    }

    bool Write(const char* text)
    {
        QFile file(m_folder.filePath(QStringLiteral("config.ini")));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) >= 0;
    }

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

} // namespace advancedtest
