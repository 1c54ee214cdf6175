#pragma once
// Failures show a QString as its text, not as bytes; in Qt's namespace, where GoogleTest's lookup
// finds it.

#include <ostream>
#include <QString>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
