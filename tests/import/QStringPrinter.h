#pragma once

#include <QString>
#include <ostream>

// Readable texts in the failure messages of the import tests.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
