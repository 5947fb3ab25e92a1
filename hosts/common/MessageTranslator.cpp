// The translation of composed message texts.
#include "MessageTranslator.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>

namespace corvo::hosts {

namespace {

constexpr char kContext[] = "KEYBOARD";
// Longer than any key of the module's catalogue (the longest has about 250 characters). A key
// glued to a name is looked for among this many leading parts at most, so a device text of any
// length, as hostile firmware may hand out, costs time in proportion to its length.
constexpr std::size_t kLongestKey = 1024;

bool TranslateExact(const std::string& key, std::string& translated)
{
    const QString text = QCoreApplication::translate(kContext, key.c_str());
    if (text == QString::fromStdString(key)) {
        return false;
    }
    translated = text.toStdString();
    return true;
}

} // namespace

std::string MessageTranslator::Translate(const std::string& text)
{
    std::string translated;
    if (text.empty() || TranslateExact(text, translated)) {
        return text.empty() ? text : translated;
    }
    // The device hint: two keys joined by ": ".
    const std::size_t separator = text.find(": ");
    if (separator != std::string::npos) {
        std::string first;
        std::string second;
        if (TranslateExact(text.substr(0, separator), first)) {
            const std::string rest = text.substr(separator + 2);
            return first + ": " + (TranslateExact(rest, second) ? second : rest);
        }
    }
    // A key followed directly by a device name: the longest leading key wins.
    for (std::size_t length = std::min(text.size() - 1, kLongestKey); length > 0; --length) {
        if (TranslateExact(text.substr(0, length), translated)) {
            return translated + " " + text.substr(length);
        }
    }
    return text;
}

} // namespace corvo::hosts
