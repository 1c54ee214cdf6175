#include "Entry.h"
#include "EntryFile.h"
#include "TestData.h"

#include <gtest/gtest.h>
#include <QDate>

using namespace entryfile;
using entryfile::test::ReadData;

namespace {

qint32 Code(int year, int gender)
{
    return entry::MakeCode(year, gender);
}

TEST(EntryFileWrite, ExampleIsFourLinesOf152Bytes)
{
    const QByteArray bytes = Write(QStringLiteral("TV Musterstadt"), QStringLiteral("Gauturnfest"),
                                   {{QStringLiteral("Meier,Anna"), Code(1994, entry::Female)},
                                    {QStringLiteral("Schmidt,Jonas"), Code(1996, entry::Male)}});
    EXPECT_EQ(bytes.size(), 152);
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_EQ(bytes, ReadData("example.mdg"));
}

TEST(EntryFileWrite, UmlautsAreOneWindows1252ByteEach)
{
    const QByteArray bytes =
        Write(QStringLiteral("TSV Gößweinstein"), QStringLiteral("Kinderturnfest"),
              {{QStringLiteral("Müller,Jürgen"), Code(1990, entry::Male)},
               {QStringLiteral("Weiß,Käthe"), Code(2001, entry::Female)},
               {QStringLiteral("Šimek,Zoë"), Code(2012, entry::Female)},
               {QStringLiteral("Œhler,Renée"), Code(1999, entry::Male)}});
    EXPECT_EQ(bytes, ReadData("umlauts.mdg"));
    // Every entry line is 47 bytes before CR LF although the names hold multi-byte UTF-8 letters.
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 2; i < 6; ++i)
        EXPECT_EQ(lines[i].size(), 48) << i;
}

TEST(EntryFileWrite, LongTextsAreWrittenWholeAndOddYearsKeepTheirForm)
{
    const QByteArray bytes = Write(
        QStringLiteral("SV Blau-Weiß"), QStringLiteral("Minitrampolin-Meisterschaften"),
        {{QStringLiteral("Schmidt-Rottluff-Oberhausen,Maximilian-Alexander"),
          Code(2010, entry::Male)},
         {QStringLiteral("Exakt-Vierzig-Zeichen-Langer-Name,Hannes"), Code(2003, entry::Female)},
         {QStringLiteral("Alt,Erna"), Code(-1, entry::Female)}});
    EXPECT_EQ(bytes, ReadData("long.mdg"));
    EXPECT_TRUE(bytes.contains("Maximilian-Alexander,m,2010\r\n"));
    EXPECT_TRUE(bytes.contains("Hannes,w,2003\r\n"));
    EXPECT_TRUE(bytes.contains(",w,2147483647\r\n"));
}

TEST(EntryFileWrite, YearColumnIsRightAlignedInFourAndCodeTakenUnsigned)
{
    auto line = [](qint32 code) {
        return Write(QString(), QString(), {{QStringLiteral("A,B"), code}}).split('\n').at(2);
    };
    EXPECT_EQ(line(Code(7, entry::Female)), QByteArray("A,B" + QByteArray(37, ' ') + ",w,   7\r"));
    EXPECT_EQ(line(Code(123, entry::Male)), QByteArray("A,B" + QByteArray(37, ' ') + ",m, 123\r"));
    EXPECT_EQ(line(Code(12345, entry::Male)),
              QByteArray("A,B" + QByteArray(37, ' ') + ",m,12345\r"));
    EXPECT_TRUE(line(-1).endsWith(",m,2147483647\r"));
    EXPECT_TRUE(line(-2).endsWith(",w,2147483647\r"));
    EXPECT_TRUE(line(0).endsWith(",w,   0\r"));
}

TEST(EntryFileWrite, EmptyHeaderValuesAndEmptyListKeepTheLineForm)
{
    EXPECT_EQ(Write(QString(), QString(), {}), QByteArray("VEREIN:  \r\nVERANSTALTUNG:  \r\n"));
}

TEST(EntryFileWrite, ValuesCannotBreakTheLineStructure)
{
    // A line feed would split the entry in two, a 0x1A would end the file for the reader.
    const QByteArray bytes = Write(QStringLiteral("A\nB"),
                                   QStringLiteral("C\x1a"
                                                  "D"),
                                   {{QStringLiteral("X\nY,Z\x1a"), Code(2000, entry::Male)}});
    EXPECT_EQ(bytes.count('\n'), 3);
    EXPECT_FALSE(bytes.contains('\x1a'));
    EXPECT_TRUE(bytes.startsWith("VEREIN: A B \r\nVERANSTALTUNG: C D \r\nX Y,Z "));
}

TEST(EntryFileWrite, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    const QByteArray bytes =
        Write(QString(), QString(), {{QStringLiteral("Öztürk,Ayşe 😀"), Code(2000, 0)}});
    EXPECT_TRUE(bytes.contains(QByteArray("\xD6zt\xFCrk,Ay?e ?")));
}

TEST(EntryFileWrite, GenderLetterLooksAtBitZeroOnly)
{
    EXPECT_EQ(GenderLetter(3981), QStringLiteral("m"));
    EXPECT_EQ(GenderLetter(3980), QStringLiteral("w"));
    EXPECT_EQ(GenderLetter(-1), QStringLiteral("m"));
    EXPECT_EQ(GenderLetter(-2), QStringLiteral("w"));
    EXPECT_EQ(GenderLetter(0), QStringLiteral("w"));
}

TEST(EntryFileNaming, AutomaticNameIsEventYearClub)
{
    EXPECT_EQ(AutomaticName(QStringLiteral("Gauturnfest"), 2003, QStringLiteral("TV Musterstadt")),
              QStringLiteral("Gauturnfest 2003 TV Musterstadt.mdg"));
    // Nothing is changed, not even a slash, and empty parts leave their blanks.
    EXPECT_EQ(AutomaticName(QStringLiteral("A/B"), 2026, QStringLiteral("C:D")),
              QStringLiteral("A/B 2026 C:D.mdg"));
    EXPECT_EQ(AutomaticName(QString(), 2026, QString()), QStringLiteral(" 2026 .mdg"));
}

TEST(EntryFileNaming, CurrentLocalYearIsTheLocalCalendarYear)
{
    const int before = QDate::currentDate().year();
    const int year = CurrentLocalYear();
    const int after = QDate::currentDate().year();
    EXPECT_TRUE(year == before || year == after);
    EXPECT_EQ(AutomaticName(QStringLiteral("E"), year, QStringLiteral("C")),
              QStringLiteral("E %1 C.mdg").arg(year));
}

} // namespace
