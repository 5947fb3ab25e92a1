// The translation of composed message texts.
#include "MessageTranslator.h"

#include <QCoreApplication>
#include <QString>

namespace corvo::hosts {

namespace {

constexpr char kContext[] = "KEYBOARD";

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
    for (std::size_t length = text.size() - 1; length > 0; --length) {
        if (TranslateExact(text.substr(0, length), translated)) {
            return translated + " " + text.substr(length);
        }
    }
    return text;
}

} // namespace corvo::hosts
