// The registration as a reader of the PDF sees it: pdftotext -layout keeps each table row on one
// line and separates the pages with form feeds.
#include "invitation/Invitation.h"
#include "report/Registration.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

#ifdef Q_OS_WIN
constexpr char kNoPdfReader[] = "Linux only: reads the PDF back with poppler's pdftotext, which "
                                "the Windows build has not; Qt's PDF writer is the same code on "
                                "both platforms";
#endif

QString pdfText(const report::Registration& reg, const QStringList& options = {})
{
    QProcess reader;
    reader.start(u"pdftotext"_s, options + QStringList{u"-"_s, u"-"_s});
    reader.write(report::pdf(reg));
    reader.closeWriteChannel();
    EXPECT_TRUE(reader.waitForFinished()) << "pdftotext (poppler-utils) missing?";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

TEST(Registration, EveryNameComesOutOfThePdfAsInTheList)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << kNoPdfReader;
#endif
    // Names a font would join into ligatures ("ff", "ffi", "fl") and long ones that must wrap.
    const QStringList names = {u"Hoffmann,Steffi"_s, u"Pfeiffer,Raffaela"_s, u"Schifflände,Fliss"_s,
                               u"Kaufleute,Afra"_s};
    // What an event file adds under the totals, a long note wrapped whole.
    const QString note = u"Hinweis: Je 10 Kinder bitte eine erwachsene Begleitperson melden; "
                         u"Umkleiden und Duschen gibt es in der Halle, Parkplätze hinter der "
                         u"Schule, Verpflegung am Stand des Fördervereins."_s;
    report::Registration reg{u"SV Offenbach"_s,
                             u"Gauturnfest"_s,
                             QDate(2026, 3, 5),
                             {},
                             {u"Meldegeld: 5 Teilnehmer × 5,50 € = 27,50 €"_s, note},
                             u"Eva Muster, eva@sv-offenbach.de"_s,
                             {}};
    for (const QString& name : names)
        reg.entries << EntryRow{name, entry::makeCode(2000, 0)};
    reg.entries << EntryRow{u"Schmidt-Rottluff-Oberhausen-Wiesenthal,Maximilian-Alexander-"
                            u"Friedrich-Wilhelm"_s,
                            entry::makeCode(2000, 1)};
    const QString text = pdfText(reg);
    for (const QString& name : names) {
        const entry::Names split = entry::splitDisplayText(name);
        EXPECT_TRUE(text.contains(split.name)) << text.toStdString();
        EXPECT_TRUE(text.contains(split.firstName)) << split.firstName.toStdString();
    }
    EXPECT_TRUE(text.contains(u"SV Offenbach"_s));
    for (const QChar c : text)
        EXPECT_FALSE(c.unicode() >= 0xFB00 && c.unicode() <= 0xFB06) << "ligature in the PDF";
    // The long names are all there, in lines of their columns, the hyphens kept at the ends.
    const QString layout = pdfText(reg, {u"-layout"_s}).simplified();
    EXPECT_TRUE(layout.contains(u"Schmidt-Rottluff- Maximilian-Alexander-"_s))
        << layout.toStdString();
    EXPECT_TRUE(layout.contains(u"Oberhausen-Wiesenthal Friedrich-Wilhelm"_s));
    EXPECT_FALSE(text.contains(u'…'));
    EXPECT_TRUE(text.simplified().contains(u"5 Teilnehmer × 5,50 € = 27,50 €"_s));
    EXPECT_TRUE(text.simplified().contains(note)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Ansprechpartner: Eva Muster, eva@sv-offenbach.de"_s));
}

TEST(Registration, TwoPagesHoldEveryParticipantOnceInOrderWithHeadersAndTotals)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << kNoPdfReader;
#endif
    // Enough rows for a second page, every third one male; row 5's surname is far wider than its
    // column (one word: wrapped anywhere), row 7 has the invalid year of a loaded file.
    report::Registration reg{
        u"TV Musterstadt"_s, u"Gauturnfest"_s, QDate(2026, 3, 5), {}, {}, {}, {}};
    QStringList expected;
    for (int i = 1, year = 1951; i <= 45; ++i, ++year) {
        const bool male = i % 3 == 0;
        reg.entries << EntryRow{u"Müller%1%2,Jörg%1"_s.arg(i).arg(QString(i == 5 ? 150 : 0, u'x')),
                                entry::makeCode(i == 7 ? -1 : year, male)};
        if (i != 5)
            expected << u"%1. Müller%1 Jörg%1 %2 %3"_s.arg(i).arg(
                i == 7 ? u"–"_s : QString::number(year), male ? u"männlich"_s : u"weiblich"_s);
    }
    const QString text = pdfText(reg, {u"-layout"_s});
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = line.simplified();
    // The wide name wraps within its column, whole: every x is printed, none is cut off.
    EXPECT_EQ(text.count(u'x'), 150);
    EXPECT_FALSE(text.contains(u'…'));
    EXPECT_EQ(lines.filter(QRegularExpression(u"^\\d+\\. M"_s)), expected);
    EXPECT_EQ(lines.count(u"Nr. Name Vorname Jahrgang Geschlecht"_s), 2); // on both pages
    EXPECT_EQ(lines.filter(u" von "_s),
              (QStringList{u"TV Musterstadt · Gauturnfest Seite 1 von 2"_s,
                           u"TV Musterstadt · Gauturnfest Seite 2 von 2"_s}));
    EXPECT_TRUE(lines.contains(u"Gedruckt am 05.03.2026"_s));
    EXPECT_TRUE(lines.contains(u"45 Teilnehmer · 30 weiblich · 15 männlich"_s));
}

// The code on paper as a banking app sees it: the first page rendered at 150 dpi, decoded by zbar.
// The reference holds a character beyond ASCII and a name the EPC limits would cut.
TEST(Registration, TheGiroCodeOnPaperReadsBackAsThePayment)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << kNoPdfReader;
#endif
    const invitation::Account account{u"DE02120300000000202051"_s, u"Turngau Müsterland e. V."_s,
                                      u"Meldegeld {Veranstaltung} {Verein}"_s};
    const QByteArray payload = invitation::giroCodePayload(
        account, 6600, account.referenceFor(u"TV Musterstadt"_s, u"Gauturnfest 2027"_s));
    EXPECT_EQ(payload,
              "BCD\n002\n1\nSCT\n\nTurngau M\xC3\xBCsterland e. V.\nDE02120300000000202051\n"
              "EUR66.00\n\n\nMeldegeld Gauturnfest 2027 TV Musterstadt");
    EXPECT_TRUE(invitation::giroCodePayload(account, 0, u"x"_s).isEmpty());

    QTemporaryDir dir;
    const auto decoded = [&dir](const QByteArray& code) {
        report::Registration reg{u"TV Musterstadt"_s,
                                 u"Gauturnfest 2027"_s,
                                 QDate(2026, 3, 5),
                                 {{u"Meier,Anna"_s, entry::makeCode(2010, 0)}},
                                 {u"Meldegeld"_s},
                                 {},
                                 code};
        QFile pdf(dir.filePath(u"m.pdf"_s));
        EXPECT_TRUE(pdf.open(QIODevice::WriteOnly) && pdf.write(report::pdf(reg)) > 0);
        pdf.close();
        QProcess render;
        render.start(u"pdftoppm"_s, {u"-r"_s, u"150"_s, u"-png"_s, u"-singlefile"_s, pdf.fileName(),
                                     dir.filePath(u"page"_s)});
        EXPECT_TRUE(render.waitForFinished() && render.exitCode() == 0);
        QProcess zbar;
        zbar.start(u"zbarimg"_s, {u"--raw"_s, u"-q"_s, u"-Sbinary"_s, dir.filePath(u"page.png"_s)});
        EXPECT_TRUE(zbar.waitForFinished()) << "zbarimg (zbar-tools) missing?";
        return zbar.readAllStandardOutput();
    };
    QByteArray read = decoded(payload);
    if (read.endsWith('\n') && !payload.endsWith('\n'))
        read.chop(1); // zbarimg ends its output with a line break of its own
    EXPECT_EQ(read, payload);
    EXPECT_TRUE(decoded({}).isEmpty()) << "no code without a payment";
}
