// The registration as a reader of the PDF sees it: pdftotext -layout keeps each table row on one
// line and separates the pages with form feeds.
#include "Registration.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

TEST(Registration, TwoPagesHoldEveryParticipantOnceInOrderWithHeadersAndTotals)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: reads the PDF back with poppler's pdftotext, which the Windows "
                    "build has not; Qt's PDF writer is the same code on both platforms";
#endif
    // Enough rows for a second page, every third one male; row 5's surname is far wider than its
    // column, row 7 has the invalid year of a loaded file.
    report::Registration reg{u"TV Musterstadt"_s, u"Gauturnfest"_s, QDate(2026, 3, 5), {}};
    QStringList expected;
    for (int i = 1, year = 1951; i <= 45; ++i, ++year) {
        const bool male = i % 3 == 0;
        reg.entries << EntryRow{u"Müller%1%2,Jörg%1"_s.arg(i).arg(QString(i == 5 ? 150 : 0, u'x')),
                                entry::MakeCode(i == 7 ? -1 : year, male)};
        expected << u"%1. Müller%1%2 Jörg%1 %3 %4"_s.arg(i).arg(
            i == 5 ? u"…"_s : QString(), i == 7 ? u"–"_s : QString::number(year),
            male ? u"männlich"_s : u"weiblich"_s);
    }
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, u"-"_s, u"-"_s});
    reader.write(report::Pdf(reg));
    reader.closeWriteChannel();
    ASSERT_TRUE(reader.waitForFinished()) << "pdftotext (poppler-utils) missing?";
    QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    for (QString& line : lines)
        line = line.simplified().replace(QRegularExpression(u"x+…"_s), u"…"_s);
    EXPECT_EQ(lines.filter(QRegularExpression(u"^\\d+\\. "_s)), expected);
    EXPECT_EQ(lines.count(u"Nr. Name Vorname Jahrgang Geschlecht"_s), 2); // on both pages
    EXPECT_EQ(lines.filter(u" von "_s),
              (QStringList{u"TV Musterstadt · Gauturnfest Seite 1 von 2"_s,
                           u"TV Musterstadt · Gauturnfest Seite 2 von 2"_s}));
    EXPECT_TRUE(lines.contains(u"Gedruckt am 05.03.2026"_s));
    EXPECT_TRUE(lines.contains(u"45 Teilnehmer · 30 weiblich · 15 männlich"_s));
}
