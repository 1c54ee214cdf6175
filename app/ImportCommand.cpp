// "Importieren…": participants from a club's member list (CSV), after a preview in which the user
// sees every row and decides which to take.

#include "app/ChooseFile.h"
#include "app/Commands.h"
#include "app/ImportDialog.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "entries/EntryDocument.h"
#include "memberlist/MemberList.h"
#include "messages/Messages.h"

#include <QFileInfo>

namespace commands {

std::optional<QString> Import(QWidget* parent, EntryDocument& document, QString& folder)
{
    filedlg::FileRequest request;
    request.title = QStringLiteral("Importieren ...");
    request.filter = QStringLiteral("Mitgliederliste (*.csv *.txt)");
    const std::optional<QString> path = filedlg::AskFile(parent, request, folder);
    if (!path)
        return std::nullopt;

    QByteArray bytes;
    if (const textfile::LoadResult loaded = textfile::LoadFile(*path, bytes);
        loaded != textfile::LoadResult::Ok) {
        const messages::Message why = messages::LoadFailed(loaded, messages::Shown(*path));
        msgbox::Show(parent, why.text, msgbox::Buttons::Ok,
                     why.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
        return std::nullopt;
    }
    memberlist::Parsed parsed = memberlist::Parse(bytes);
    if (parsed.error != memberlist::ParseError::None) {
        msgbox::Show(parent, messages::MemberListUnusable(parsed.error, *path));
        return std::nullopt;
    }
    ImportDialog preview(std::move(parsed.table), document.Entries(), entry::CurrentUtcYear(),
                         QFileInfo(*path).fileName(), parent);
    if (modal::Exec(preview) != QDialog::Accepted)
        return std::nullopt;
    const QList<EntryRow> rows = preview.Rows();
    const QString fileName = QFileInfo(*path).fileName();
    switch (document.AddMany(rows, fileName)) {
    case EntryDocument::AddManyResult::Added:
        return messages::Imported(rows.size(), fileName);
    case EntryDocument::AddManyResult::TooMany:
        // An entry file with more rows would be refused when it is loaded again.
        msgbox::Show(parent, messages::ImportTooMany());
        break;
    case EntryDocument::AddManyResult::Nothing:
        break;
    }
    return std::nullopt;
}

} // namespace commands
