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

#include <QCoreApplication>
#include <QFileInfo>

namespace commands {
namespace {

// The dialog's title and filter, for lupdate and i18n/zandrel_de.ts under "ImportCommand".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)
};

} // namespace

std::optional<QString> import(QWidget* parent, EntryDocument& document, QString& folder,
                              memberlist::Admitted admitted)
{
    filedlg::FileRequest request;
    request.title = Text::tr("Importieren…");
    request.filter = Text::tr("Mitgliederliste (*.csv *.txt)");
    const std::optional<QString> path = filedlg::askFile(parent, request, folder);
    if (!path)
        return std::nullopt;

    QByteArray bytes;
    if (const textfile::LoadResult loaded = textfile::loadFile(*path, bytes);
        loaded != textfile::LoadResult::Ok) {
        const messages::Message why = messages::loadFailed(loaded, messages::shown(*path));
        msgbox::show(parent, why.text, msgbox::Buttons::Ok,
                     why.stop ? msgbox::Icon::Stop : msgbox::Icon::Default);
        return std::nullopt;
    }
    memberlist::Parsed parsed = memberlist::parse(bytes);
    if (parsed.error != memberlist::ParseError::None) {
        msgbox::show(parent, messages::memberListUnusable(parsed.error, *path));
        return std::nullopt;
    }
    ImportDialog preview(std::move(parsed.table), document.entries(), entry::currentUtcYear(),
                         QFileInfo(*path).fileName(), parent);
    preview.setAdmittedYears(admitted);
    if (modal::exec(preview) != QDialog::Accepted)
        return std::nullopt;
    const QList<EntryRow> rows = preview.rows();
    const QString fileName = QFileInfo(*path).fileName();
    switch (document.addMany(rows, fileName)) {
    case EntryDocument::AddManyResult::Added:
        return messages::imported(rows.size(), fileName);
    case EntryDocument::AddManyResult::TooMany:
        // An entry file with more rows would be refused when it is loaded again.
        msgbox::show(parent, messages::importTooMany());
        break;
    case EntryDocument::AddManyResult::Nothing:
        break;
    }
    return std::nullopt;
}

} // namespace commands
