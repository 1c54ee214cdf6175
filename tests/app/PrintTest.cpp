// Printing from the window: both commands wait for club, event and an entry; the PDF goes where
// the file dialog points, and the preview runs through the window's dialog runner.
#include "DialogFixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QProcess>

using namespace Qt::StringLiterals;

TEST_F(DialogTest, PrintAndPdfOnceClubEventAndAnEntryAreThere)
{
    open();
    auto* pdf = m_dlg->findChild<QAction*>(u"actionPdf"_s);
    choose(Id::IDC_CLUB, u"TV Musterstadt"_s);
    choose(Id::IDC_EVENT, u"Gauturnfest"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(pdf->toolTip(), u"Die Meldeliste ist leer."_s);
    m_fileAnswers = {m_dir.filePath(u"m.pdf"_s), m_dir.filePath(u"fehlt/m.pdf"_s)};
    m_dlg->OnSavePdf(); // while disabled: must not ask, or it would take the first answer
    addParticipant(u"Müller"_s, u"Jörg"_s, 1990, true);
    QCoreApplication::processEvents();
    pdf->trigger();
    pdf->trigger(); // into a folder that does not exist
    ASSERT_EQ(m_fileRequests.size(), 2);
    EXPECT_EQ(m_fileRequests[0].proposedName,
              u"Gauturnfest %1 TV Musterstadt.pdf"_s.arg(QDate::currentDate().year()));
    EXPECT_EQ(m_messages.texts,
              QStringList{u"PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht "
                          u"anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?"_s.arg(
                              QDir::toNativeSeparators(m_dir.filePath(u"fehlt/m.pdf"_s)))});
#ifdef Q_OS_WIN
    // Read back as text on Linux only: poppler's pdftotext is no Windows program here. The PDF
    // writer is Qt's own on both platforms; test_report reads its pages on Linux.
    QFile written(m_dir.filePath(u"m.pdf"_s));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
#else
    QProcess reader;
    reader.start(u"pdftotext"_s, {m_dir.filePath(u"m.pdf"_s), u"-"_s});
    ASSERT_TRUE(reader.waitForFinished());
    EXPECT_TRUE(QString::fromUtf8(reader.readAllStandardOutput()).contains(u"Müller"_s));
#endif

    QString shown;
    m_onDialog = [&shown](QDialog& preview) {
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        pages->updatePreview();
        shown = u"%1, %2 Seite"_s.arg(preview.windowTitle()).arg(pages->pageCount());
        return 0;
    };
    m_dlg->findChild<QAction*>(u"actionPrint"_s)->trigger();
    EXPECT_EQ(shown, u"Druckvorschau – Meldung, 1 Seite"_s);
}
