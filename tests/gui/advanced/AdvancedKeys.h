// The keys behind the advanced dialog's buttons, for tests that press them through XTest: the
// virtual-key code a button's name carries, and the key of a US keyboard that gives that code.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <map>
#include <optional>
#include <string>

namespace corvo::gui_testing {

// The virtual-key code in a key button's name ("..._W65_L38_23_K00" -> 65); none for the keys
// the capture never reports ("..._WX_...").
inline std::optional<int> VirtualKeyInButtonName(const QString& objectName)
{
    static const QRegularExpression code(QStringLiteral("_W(\\d+)_"));
    const QRegularExpressionMatch match = code.match(objectName);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return match.captured(1).toInt();
}

// The XKB key name of the key that gives each virtual-key code on a US 105-key keyboard,
// transcribed from the published virtual-key list rather than taken from the module's own
// translation, so that a wrong translation shows as a key that does not light up.
inline const std::map<int, std::string>& UsKeyNamesByVirtualKey()
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
        const char* digits[] = {"AE10", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07", "AE08", "AE09"};
        for (int digit = 0; digit < 10; ++digit) {
            table['0' + digit] = digits[digit];
            table[96 + digit] = "KP" + std::to_string(digit);
        }
        const char* letters[] = {"AC01", "AB05", "AB03", "AC03", "AD03", "AC04", "AC05", "AC06", "AD08",
                                 "AC07", "AC08", "AC09", "AB07", "AB06", "AD09", "AD10", "AD01", "AD04",
                                 "AC02", "AD05", "AD07", "AB04", "AD02", "AB02", "AD06", "AB01"};
        for (int letter = 0; letter < 26; ++letter) {
            table['A' + letter] = letters[letter];
        }
        for (int function = 0; function < 12; ++function) {
            char name[8];
            std::snprintf(name, sizeof name, "FK%02d", function + 1);
            table[112 + function] = name;
        }
        return table;
    }();
    return names;
}

// Empty when no key of a US keyboard gives the code.
inline std::string UsKeyNameOf(int virtualKey)
{
    const auto& names = UsKeyNamesByVirtualKey();
    const auto found = names.find(virtualKey);
    return found == names.end() ? std::string() : found->second;
}

// The names of the key buttons of one page ("K00") in the form's text, in the form's order.
inline QStringList KeyButtonNamesInForm(const QString& formText, const QString& pageTag)
{
    const QRegularExpression button(QStringLiteral("name=\"(keyboard_advanced_test_button1_[^\"]*_%1)\"").arg(pageTag));
    QStringList names;
    for (QRegularExpressionMatchIterator it = button.globalMatch(formText); it.hasNext();) {
        names.append(it.next().captured(1));
    }
    return names;
}

} // namespace corvo::gui_testing
