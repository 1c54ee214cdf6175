// "Importieren…": participants from a club's member list (CSV), after a preview in which the user
// sees every row and decides which to take.

#include "CImportDlg.h"
#include "ChooseFile.h"
#include "Commands.h"
#include "EntryDocument.h"
#include "MemberList.h"
#include "MessageBox.h"
#include "Messages.h"
#include "ModalDialog.h"

#include <QFileInfo>

namespace commands {

void Import(QWidget* parent, EntryDocument& document, QString& folder)
{
    filedlg::FileRequest request;
    request.title = QStringLiteral("Importieren ...");
    request.filter = QStringLiteral("Mitgliederliste (*.csv *.txt)");
    const std::optional<QString> path = filedlg::AskFile(parent, request, folder);
    if (!path)
        return;

    QByteArray bytes;
    if (const textfile::LoadResult loaded = textfile::LoadFile(*path, bytes);
        loaded != textfile::LoadResult::Ok) {
        const messages::Message why = messages::LoadFailed(loaded, messages::Shown(*path));
        msgbox::Show(parent, why.text, msgbox::Buttons::Ok,
                     why.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
        return;
    }
    memberlist::Parsed parsed = memberlist::Parse(bytes);
    if (parsed.error != memberlist::ParseError::None) {
        msgbox::Show(parent, messages::MemberListUnusable(parsed.error, *path));
        return;
    }
    CImportDlg preview(std::move(parsed.table), document.Entries(), entry::CurrentUtcYear(),
                       QFileInfo(*path).fileName(), parent);
    if (modal::Exec(preview) != QDialog::Accepted)
        return;
    // An entry file with more rows would be refused when it is loaded again.
    if (document.AddMany(preview.Rows(), QFileInfo(*path).fileName()) ==
        EntryDocument::AddManyResult::TooMany)
        msgbox::Show(parent, messages::ImportTooMany());
}

} // namespace commands
