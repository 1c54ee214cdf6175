// The manual is shown by a QTextBrowser that has nothing but this one file: it must render there
// on its own, open with its first topic, keep its links inside the page, and explain every
// message the program can put in front of the user with the program's exact words.
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <set>

namespace {

const QString kHelpPath = QStringLiteral(ZANDREL_HELP_SOURCE);

QByteArray ReadRaw()
{
    QFile file(kHelpPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << kHelpPath.toStdString();
    return file.readAll();
}

class HelpManual : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_browser.setSource(QUrl::fromLocalFile(kHelpPath));
        m_text = m_browser.document()->toPlainText();
        ASSERT_FALSE(m_text.isEmpty()) << "the help browser showed nothing";
    }

    QTextBrowser m_browser;
    QString m_text;
};

TEST(HelpManualFile, IsSelfContainedUtf8Html)
{
    const QByteArray raw = ReadRaw();
    ASSERT_FALSE(raw.isEmpty());

    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(raw);
    EXPECT_FALSE(utf8.hasError()) << "the manual is not valid UTF-8";
    EXPECT_TRUE(raw.contains("charset=utf-8")) << "the browser needs the charset to read umlauts";

    // No script and nothing loaded from elsewhere: the help window has only this file.
    for (const char* forbidden : {"<script", "<img", "<link", "<iframe", "src=", "url("})
        EXPECT_FALSE(text.contains(QLatin1String(forbidden), Qt::CaseInsensitive)) << forbidden;
}

TEST_F(HelpManual, OpensWithTheFirstTopicAsItsFirstHeading)
{
    const QTextDocument* doc = m_browser.document();
    QTextBlock first = doc->begin();
    while (first.isValid() && first.text().trimmed().isEmpty())
        first = first.next();
    ASSERT_TRUE(first.isValid());
    EXPECT_EQ(first.blockFormat().headingLevel(), 1) << first.text().toStdString();
    EXPECT_TRUE(first.text().startsWith(QStringLiteral("Zandrel"))) << first.text().toStdString();
    EXPECT_EQ(doc->metaInformation(QTextDocument::DocumentTitle),
              QStringLiteral("Zandrel – Hilfe"));
    // The browser shows the top of the page, not some anchor further down.
    EXPECT_EQ(m_browser.source().fragment(), QString());
}

TEST_F(HelpManual, EveryLinkStaysInsideThePageAndFindsItsTopic)
{
    const QTextDocument* doc = m_browser.document();
    std::set<QString> anchors;
    std::set<QString> targets;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                anchors.insert(name);
            const QString href = format.anchorHref();
            if (href.isEmpty())
                continue;
            EXPECT_TRUE(href.startsWith(QLatin1Char('#')))
                << "link leaves the page: " << href.toStdString();
            targets.insert(href.mid(1));
        }
    }
    EXPECT_GE(targets.size(), 9u) << "the table of contents lost its links";
    for (const QString& target : targets)
        EXPECT_TRUE(anchors.count(target)) << "link to a missing topic #" << target.toStdString();
}

TEST_F(HelpManual, ExplainsEveryMessageInTheProgramsWords)
{
    const QStringList messages = {
        QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!"),
        QStringLiteral("FEHLER: Datum falsch!"),
        QStringLiteral("Geben Sie bitte eine ganze Zahl ein."),
        QStringLiteral("Zum Löschen erst einen Eintrag aus der Liste auswählen!"),
        QStringLiteral("Fehler beim Speichern: Meldeliste leer!"),
        QStringLiteral("FEHLER: Ungültiger Dateiname!"),
        QStringLiteral("Meldedatei konnte nicht gespeichert werden!"),
        QStringLiteral("FEHLER: Meldedatei nicht gefunden!"),
        QStringLiteral("Beenden ohne Speichern?"),
        QStringLiteral("wurde ein voller Datenträger gemeldet."),
        QStringLiteral("Ein unbekannter Fehler ist beim Zugriff auf"),
    };
    for (const QString& message : messages)
        EXPECT_TRUE(m_text.contains(message)) << message.toStdString();
}

TEST_F(HelpManual, DescribesButtonsKeysAndWhereThingsAreKept)
{
    const QStringList facts = {
        // the buttons and the check box, as labelled in the window
        QStringLiteral("Hinzu"),
        QStringLiteral("Neu"),
        QStringLiteral("Entfernen"),
        QStringLiteral("Laden"),
        QStringLiteral("Speichern"),
        QStringLiteral("Automatische Namen"),
        QStringLiteral("Hilfe"),
        QStringLiteral("Beenden"),
        // the fields
        QStringLiteral("Verein"),
        QStringLiteral("Veranstaltung"),
        QStringLiteral("Vorname"),
        QStringLiteral("Jahrgang"),
        QStringLiteral("weiblich"),
        QStringLiteral("männlich"),
        // keyboard
        QStringLiteral("Escape"),
        QStringLiteral("F1"),
        QStringLiteral("Eingabetaste"),
        QStringLiteral("Tab"),
        // file and settings
        QStringLiteral("Windows-1252"),
        QStringLiteral("CR LF"),
        QStringLiteral("%-40s,%1s,%4d"),
        QStringLiteral("Gauturnfest 2026 TV Musterstadt.mdg"),
        QStringLiteral("~/.config/ZANDREL/Zandrel.conf"),
    };
    for (const QString& fact : facts)
        EXPECT_TRUE(m_text.contains(fact)) << fact.toStdString();
}

// The example entry file in the manual must be one the program would write: header lines with
// their keywords, then "%-40s,%1s,%4d" lines, display text padded to 40 characters (one byte each
// in Windows-1252, so characters count here, umlauts included).
TEST_F(HelpManual, ExampleEntryFileFollowsTheFormat)
{
    // The example is a preformatted block: its lines are blocks that do not wrap.
    QStringList lines;
    for (QTextBlock block = m_browser.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(QStringLiteral("VEREIN: "))) {
            for (; block.isValid() && block.blockFormat().nonBreakableLines(); block = block.next())
                lines << block.text();
            break;
        }
    }
    ASSERT_GE(lines.size(), 2) << "no example file in the manual";
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("VERANSTALTUNG: "))) << lines[1].toStdString();

    const QRegularExpression entry(QStringLiteral("^(.{40}),([mw]),(\\d{4})$"));
    int entries = 0;
    bool sawUmlaut = false;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const auto match = entry.match(lines[i]);
        ASSERT_TRUE(match.hasMatch()) << "not an entry line: " << lines[i].toStdString();
        const QString display = match.captured(1);
        const QString trimmed = display.trimmed();
        EXPECT_EQ(trimmed.count(QLatin1Char(',')), 1) << display.toStdString();
        EXPECT_EQ(display.left(trimmed.size()), trimmed) << "text must be left-aligned";
        sawUmlaut = sawUmlaut || trimmed.contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]")));
        ++entries;
    }
    EXPECT_GE(entries, 2);
    EXPECT_TRUE(sawUmlaut) << "the example should show that an umlaut takes one column";
}

TEST_F(HelpManual, StatesTheBirthYearWindowConsistently)
{
    // "im Jahr 2026 ... 1927 bis 2025": both ends open, a hundred years back.
    const QRegularExpression example(
        QStringLiteral("Jahr (\\d{4}) sind das die Jahrgänge (\\d{4}) bis (\\d{4})"));
    const auto match = example.match(m_text.simplified());
    ASSERT_TRUE(match.hasMatch());
    const int year = match.captured(1).toInt();
    EXPECT_EQ(match.captured(2).toInt(), year - 99);
    EXPECT_EQ(match.captured(3).toInt(), year - 1);
}

} // namespace
