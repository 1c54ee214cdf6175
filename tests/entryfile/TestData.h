#pragma once
// Helpers shared by the entry file tests: the golden files under tests/data and a fixed "today"
// so that the birth-year window does not move under the tests.

#include "EntryFile.h"

#include <ostream>
#include <QByteArray>
#include <QFile>
#include <QString>

namespace entryfile {

// Readable failure messages for the types under test.
inline void PrintTo(const Entry& e, std::ostream* os)
{
    *os << '"' << e.text.toStdString() << "\" " << e.code;
}

inline void PrintTo(const HeaderValue& h, std::ostream* os)
{
    *os << (h.kind == HeaderValue::Club ? "Club" : "Event") << " \"" << h.value.toStdString()
        << "\" line " << h.line;
}

} // namespace entryfile

namespace entryfile::test {

inline constexpr int kYear = 2026;

inline QString DataPath(const char* name)
{
    return QStringLiteral(ZANDREL_TEST_DATA_DIR "/") + QString::fromUtf8(name);
}

inline QByteArray ReadData(const char* name)
{
    QFile file(DataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace entryfile::test
