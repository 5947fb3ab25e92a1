// Readable GoogleTest output for Qt text: a failed comparison of style sheets shows the sheets.
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
