// "Importieren…": participants from a club's member list (CSV), after a preview in which the user
// sees every row and decides which to take.
#include "CEntryDlg.h"
#include "ChooseFile.h"
#include "CImportDlg.h"
#include "EntryFile.h"
#include "EntryFileIo.h"
#include "MemberList.h"
#include "MessageBox.h"
#include "ModalDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

/// Why the file gives no member list; empty when it does.
QString ParseMessage(memberlist::ParseError error, const QString& path)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (error) {
    case memberlist::ParseError::None:
        break;
    case memberlist::ParseError::NotText:
        return QStringLiteral("%1 ist keine Mitgliederliste: Eine CSV-Datei trennt ihre Spalten "
                              "durch Semikolon, Komma oder Tabulator.")
            .arg(file);
    case memberlist::ParseError::Empty:
        return QStringLiteral("%1 ist leer.").arg(file);
    case memberlist::ParseError::NoHeader:
        return QStringLiteral("In %1 fehlt die Kopfzeile: Die erste Zeile muss die Spalten "
                              "benennen, etwa „Vorname“, „Name“, „Jahrgang“ und „Geschlecht“.")
            .arg(file);
    case memberlist::ParseError::NoRows:
        return QStringLiteral("%1 enthält keine Mitglieder, nur die Kopfzeile.").arg(file);
    case memberlist::ParseError::TooMany:
        return QStringLiteral("%1 wird nicht importiert: Die Datei enthält mehr als %2 Zeilen.")
            .arg(file, QLocale(QLocale::German).toString(entryfile::kMaxEntries));
    }
    return {};
}

} // namespace

void CEntryDlg::OnImport()
{
    filedlg::FileRequest request;
    request.title = QStringLiteral("Importieren ...");
    request.filter = QStringLiteral("Mitgliederliste (*.csv *.txt)");
    const std::optional<QString> path = filedlg::AskFile(this, request, m_strImportPath);
    if (!path)
        return;

    QByteArray bytes;
    const QString file = QDir::toNativeSeparators(*path);
    switch (entryfile::LoadFile(*path, bytes)) {
    case entryfile::LoadResult::Ok:
        break;
    case entryfile::LoadResult::CannotOpen:
        msgbox::Show(this, QStringLiteral("%1 konnte nicht geöffnet werden.").arg(file));
        return;
    case entryfile::LoadResult::NotAFile:
        msgbox::Show(this, QStringLiteral("%1 ist keine gewöhnliche Datei und kann nicht "
                                          "importiert werden.")
                               .arg(file));
        return;
    case entryfile::LoadResult::ReadFailed:
        // The size limit ends up here too; either way the list is untouched.
        msgbox::Show(this,
                     QStringLiteral("%1 konnte nicht gelesen werden (Lesefehler, oder die Datei "
                                    "ist größer als %2 MB).")
                         .arg(file)
                         .arg(entryfile::kMaxFileSize / (1024 * 1024)),
                     msgbox::Buttons::Ok, msgbox::Icon::Stop);
        return;
    }

    memberlist::Parsed parsed = memberlist::Parse(bytes);
    if (parsed.error != memberlist::ParseError::None) {
        msgbox::Show(this, ParseMessage(parsed.error, *path));
        return;
    }
    CImportDlg preview(std::move(parsed.table), Entries(), m_lbEntries->Collator(),
                       entry::CurrentUtcYear(), QFileInfo(*path).fileName(), this);
    if (modal::Exec(preview) != QDialog::Accepted)
        return;
    QList<EntryRow> rows = preview.Rows();
    if (rows.isEmpty())
        return;
    // An entry file with more rows would be refused when it is loaded again.
    if (m_lbEntries->GetCount() + rows.size() > entryfile::kMaxEntries) {
        msgbox::Show(this, QStringLiteral("Die Liste hätte danach mehr als %1 Einträge; es wurde "
                                          "nichts übernommen.")
                               .arg(QLocale(QLocale::German).toString(entryfile::kMaxEntries)));
        return;
    }
    m_lbEntries->AddItems(std::move(rows));
    m_bModified = 1;
}
