// The registration as a reader of the PDF sees it: pdftotext -layout keeps each table row on one
// line and separates the pages with form feeds.
#include "report/Registration.h"

#include "invitation/GiroCode.h"
#include "PdfReading.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class Registration : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "Linux only: reads the PDF back with poppler's pdftotext, which the "
                        "Windows build has not; Qt's PDF writer is the same code on both platforms";
#endif
    }
};

QString pdfText(const report::Registration& reg, const QStringList& options = {})
{
    QProcess reader;
    reader.start(u"pdftotext"_s, options + QStringList{u"-"_s, u"-"_s});
    reader.write(report::pdf(reg));
    reader.closeWriteChannel();
    EXPECT_TRUE(reader.waitForFinished()) << "pdftotext (poppler-utils) missing?";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Each word where pdftotext -bbox finds it, in points from the top left corner of its page.
struct Word
{
    QString text;
    QRectF box;
};

QList<Word> pdfWords(const report::Registration& reg)
{
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"_s);
    QList<Word> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(pdfText(reg, {u"-bbox"_s}))) {
        const auto at = [&m](int i) { return m.captured(i).toDouble(); };
        words.append({m.captured(5), QRectF(QPointF(at(1), at(2)), QPointF(at(3), at(4)))});
    }
    return words;
}

TEST_F(Registration, EveryNameComesOutOfThePdfAsInTheList)
{
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

TEST_F(Registration, TwoPagesHoldEveryParticipantOnceInOrderWithHeadersAndTotals)
{
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
// The holder holds a character beyond ASCII, and the account a BIC.
TEST_F(Registration, TheGiroCodeOnPaperReadsBackAsThePayment)
{
    const invitation::Account account{u"DE02120300000000202051"_s, u"Turngau Müsterland e. V."_s,
                                      u"Meldegeld {Veranstaltung} {Verein}"_s, u"COBADEFFXXX"_s};
    const QByteArray payload =
        invitation::giroCode(account, 6600,
                             account.referenceFor(u"TV Musterstadt"_s, u"Gauturnfest 2027"_s))
            .payload;
    EXPECT_EQ(
        payload,
        "BCD\n002\n1\nSCT\nCOBADEFFXXX\nTurngau M\xC3\xBCsterland e. V.\nDE02120300000000202051\n"
        "EUR66.00\n\n\nMeldegeld Gauturnfest 2027 TV Musterstadt");
    EXPECT_TRUE(invitation::giroCode(account, 0, u"x"_s).payload.isEmpty());

    const auto decoded = [](const QByteArray& code) {
        const report::Registration reg{u"TV Musterstadt"_s,
                                       u"Gauturnfest 2027"_s,
                                       QDate(2026, 3, 5),
                                       {{u"Meier,Anna"_s, entry::makeCode(2010, 0)}},
                                       {u"Meldegeld"_s},
                                       {},
                                       code};
        return giroCodeOnPaper(report::pdf(reg), 150);
    };
    EXPECT_EQ(decoded(payload), payload.toStdString());
    EXPECT_TRUE(decoded({}).empty()) << "no code without a payment";
}

// An event file's words are anyone's: one longer than its column breaks inside it, so that none
// runs over the GiroCode, its caption or the right margin, and a long name stays in its column.
// The code reads back at a phone camera's 150 dpi and a printer's 300 and 600 (around it only).
TEST_F(Registration, LongWordsBreakInTheirColumnAndKeepClearOfTheGiroCode)
{
    struct Case
    {
        const char* name;
        QString holder;
        QString reference;
        bool whole = false; // the reference is a value that must not break
    };
    const QString reference = u"Meldegeld Gauturnfest 2027 TV Musterstadt"_s;
    const Case cases[] = {
        {"holder of 69 letters and an emoji", QString(69, u'A') + u"\U0001F600"_s, reference},
        {"holder of 70 umlauts", QString(70, u'Ö'), reference},
        {"reference of 300 letters", u"Turngau Müsterland e. V."_s, QString(300, u'W')},
        {"reference of 140 letters kept whole", u"TG"_s, QString(140, u'W'), true},
    };
    const QRectF page = report::defaultPageLayout().paintRect(QPageLayout::Point);
    const qreal side = 30 / 25.4 * 72; // the code with its quiet zone
    const QStringList caption{u"Mit"_s, u"der"_s, u"Banking-App"_s, u"scannen"_s};
    // Enough ordinary words to take the event file's lines below the code.
    const QString note = u"Hinweis:"_s + u" Umkleiden und Duschen gibt es im Keller."_s.repeated(7);
    const auto only = [](const QString& word, QChar letter) {
        return word == QString(word.size(), letter);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The payload within the EPC limits; the printed line holds every character.
        const QByteArray payload =
            (u"BCD\n002\n1\nSCT\n\n"_s + c.holder + u"\nDE02120300000000202051\nEUR5.50\n\n\n"_s +
             c.reference.left(140))
                .toUtf8();
        const report::Registration reg{
            u"TV "_s + QString(90, u'Ä'),
            u"Gauturnfest 2027"_s,
            QDate(2026, 3, 5),
            {{QString(60, u'M') + u',' + QString(60, u'Q'), entry::makeCode(2010, 0)}},
            {u"Meldegeld: 1 Teilnehmer × 5,50 € = 5,50 €"_s,
             u"Überweisung an %1, IBAN DE02 1203 0000 0000 2020 51, Verwendungszweck: %2"_s.arg(
                 c.holder, c.reference),
             note},
            {},
            payload,
            c.whole ? QStringList{c.reference} : QStringList()};
        const QList<Word> words = pdfWords(reg);
        QHash<QString, QRectF> at; // where each word is: column titles, caption, page number
        for (const Word& w : words)
            at.insert(w.text, w.box);
        EXPECT_TRUE(at.contains(u"Banking-App"_s)) << "the caption whole, nothing elided";
        // The code 3 cm square at the right margin, its caption under it.
        const QRectF code(page.right() - side, at[u"Mit"_s].top() - side, side,
                          side + at[u"scannen"_s].bottom() - at[u"Mit"_s].top());
        // Past the margin, on the code, out of its name column, into the page number's room or on
        // another word.
        const QRectF pageNumber = at[u"Seite"_s], signature = at[u"Unterschrift"_s];
        QStringList astray;
        for (auto w = words.begin(); w != words.end(); ++w) {
            const QRectF inner = w->box.adjusted(0.5, 0.5, -0.5, -0.5);
            if (w->box.right() > page.right() + 0.5 ||
                (w->box.top() > signature.bottom() && w->box.left() < pageNumber.left() &&
                 w->box.right() > pageNumber.left()) ||
                (!caption.contains(w->text) && w->box.intersects(code)) ||
                (only(w->text, u'M') && w->box.right() > at[u"Vorname"_s].left()) ||
                (only(w->text, u'Q') && w->box.right() > at[u"Jahrgang"_s].left()) ||
                std::any_of(w + 1, words.end(),
                            [&](const Word& o) { return o.box.intersects(inner); }))
                astray << w->text;
        }
        EXPECT_TRUE(astray.isEmpty()) << astray.join(u'|').toStdString();
        // Smaller where even a line of its own is too narrow for it, but never broken.
        EXPECT_EQ(at.contains(c.reference), c.whole);
        EXPECT_EQ(pdfText(reg).count(u'Ä'), 180)
            << "the club under the title and at the foot, whole";
        for (const int dpi : {150, 300, 600})
            EXPECT_EQ(giroCodeOnPaper(report::pdf(reg), dpi, code.adjusted(-30, -30, 30, 30)),
                      payload.toStdString())
                << dpi << " dpi";
    }
}
