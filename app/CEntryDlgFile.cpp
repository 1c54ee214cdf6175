// Saving and loading the entry file: the window's side of it. The format itself and the disk
// access live in entryfile/, free of widgets.

#include "CEntryDlg.h"
#include "ChooseFile.h"
#include "Entry.h"
#include "EntryFile.h"
#include "EntryFileIo.h"
#include "MessageBox.h"

#include <QComboBox>
#include <QDir>
#include <QLocale>

namespace {

const QString kInvalidName = QStringLiteral("FEHLER: Ungültiger Dateiname!");

QStringList Items(const QComboBox* box)
{
    QStringList items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

QList<EntryRow> CEntryDlg::Entries() const
{
    QList<EntryRow> entries;
    const int count = m_lbEntries->GetCount();
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append({m_lbEntries->GetText(i), m_lbEntries->GetItemData(i)});
    return entries;
}

void CEntryDlg::OnSave()
{
    const int count = m_lbEntries->GetCount();
    SyncGenderAndUpdate(1); // takes the check box into m_bAutoSave; its result does not matter
    if (count <= 0) {
        msgbox::Show(this, QStringLiteral("Fehler beim Speichern: Meldeliste leer!"));
        return;
    }

    // Every row holds Windows-1252 characters only: the name fields refuse others as they are
    // typed, the import leaves them out, and the reader folds them to '?' as it loads.
    const QList<EntryRow> entries = Entries();

    const QString club = SelectedText(m_cbClub);
    const QString event = SelectedText(m_cbEvent);
    const QString proposed =
        m_bAutoSave == 1 ? entryfile::AutomaticName(event, entryfile::CurrentLocalYear(), club)
                         : QString();
    const QString path = filedlg::ChooseFile(this, true, proposed, m_strPath);
    if (path.isEmpty()) {
        msgbox::Show(this, kInvalidName);
        return;
    }
    if (path == filedlg::kCancelled)
        return;

    // On any failure the previous file is still there, untouched, and the changes still count
    // as unsaved.
    switch (entryfile::SaveFile(path, entryfile::Write(club, event, entries))) {
    case entryfile::SaveResult::Ok:
        m_bModified = 0;
        break;
    case entryfile::SaveResult::CannotOpen:
    case entryfile::SaveResult::WriteFailed:
        msgbox::Show(this, QStringLiteral("Meldedatei konnte nicht gespeichert werden!"));
        break;
    case entryfile::SaveResult::NotAFile:
        msgbox::Show(this, QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht "
                                          "überschrieben. Bitte wählen Sie einen anderen Namen.")
                               .arg(QDir::toNativeSeparators(path)));
        break;
    case entryfile::SaveResult::DiskFull:
        msgbox::Show(this,
                     QStringLiteral("Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.")
                         .arg(QDir::toNativeSeparators(path)),
                     msgbox::Buttons::Ok, msgbox::Icon::Stop);
        break;
    }
}

void CEntryDlg::OnLoad()
{
    if (!MayDiscardChanges())
        return;
    const QString path = filedlg::ChooseFile(this, false, QString(), m_strPath);
    if (path.isEmpty()) {
        msgbox::Show(this, kInvalidName);
        return;
    }
    if (path == filedlg::kCancelled)
        return;
    LoadPath(path);
}

bool CEntryDlg::MayDiscardChanges()
{
    // A loaded file replaces the whole list: unsaved changes would be gone without a word.
    return m_bModified != 1 ||
           msgbox::Show(this, QStringLiteral("Ungespeicherte Änderungen verwerfen?"),
                        msgbox::Buttons::YesNo) == msgbox::Answer::Yes;
}

void CEntryDlg::LoadPath(const QString& path)
{
    QByteArray bytes;
    switch (entryfile::LoadFile(path, bytes)) {
    case entryfile::LoadResult::Ok:
        break;
    case entryfile::LoadResult::CannotOpen:
        msgbox::Show(this, QStringLiteral("FEHLER: Meldedatei nicht gefunden!"));
        return;
    case entryfile::LoadResult::NotAFile:
        msgbox::Show(this, QStringLiteral("%1 ist keine gewöhnliche Datei und kann nicht geladen "
                                          "werden.")
                               .arg(QDir::toNativeSeparators(path)));
        return;
    case entryfile::LoadResult::ReadFailed:
        // Nothing was changed: the whole file is read before the list is touched.
        msgbox::Show(this,
                     QStringLiteral("Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.")
                         .arg(QDir::toNativeSeparators(path)),
                     msgbox::Buttons::Ok, msgbox::Icon::Stop);
        return;
    }

    entryfile::Content content = entryfile::Read(bytes, entry::CurrentUtcYear());
    switch (content.refusal) {
    case entryfile::Content::Refusal::None:
        break;
    case entryfile::Content::Refusal::NotText:
        msgbox::Show(this, QStringLiteral("%1 ist keine Meldedatei: Die Datei enthält Zeichen, die "
                                          "in keiner Textdatei stehen.")
                               .arg(QDir::toNativeSeparators(path)));
        return;
    case entryfile::Content::Refusal::TooMany:
        msgbox::Show(this, QStringLiteral("%1 wird nicht geladen: Die Datei enthält mehr als %2 "
                                          "Einträge und ist keine Meldedatei eines Vereins.")
                               .arg(QDir::toNativeSeparators(path),
                                    QLocale(QLocale::German).toString(entryfile::kMaxEntries)));
        return;
    }
    m_lbEntries->ResetContent();
    const entryfile::HeaderSelection selection =
        entryfile::MatchHeaders(content.headers, Items(m_cbClub), Items(m_cbEvent));
    // Selecting from code raises no choice notification, as with a combo box's own selection.
    if (selection.club >= 0)
        m_cbClub->setCurrentIndex(selection.club);
    if (selection.event >= 0)
        m_cbEvent->setCurrentIndex(selection.event);
    if (selection.enableEditButtons)
        EnableEditButtons();
    // Each entry goes to its sorted place with its own code, as by one sorted add per line, in
    // one pass so that large files stay quick.
    m_lbEntries->AddItems(std::move(content.entries));
    SyncGenderAndUpdate(0);
}
