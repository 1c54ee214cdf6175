#include "app/ChooseFile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QStringList>

namespace filedlg {
namespace {

// Qt's file model writes sizes and dates with the system's locale, whatever the program chose:
// under LANG=C the detail view said "5 Mar 2024 14:02:00" and "1.50 KiB". These two columns are
// written again with the program's German locale; everything else comes from the model as it is.
class GermanFileColumns : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files && index.isValid()) {
            const QModelIndex source = mapToSource(index);
            // QFileSystemModel's columns: name, size, type, date modified.
            if (index.column() == 1 && !files->isDir(source))
                return QLocale().formattedDataSize(files->size(source));
            if (index.column() == 3)
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// The dialogs' titles and filters, for lupdate and i18n/zandrel_de.ts under "ChooseFile".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ChooseFile)
};

FilePresenter& installedPresenter()
{
    static FilePresenter presenter;
    return presenter;
}

std::optional<QString> showFileDialog(QWidget* parent, const FileRequest& request)
{
    const std::unique_ptr<QFileDialog> dialog = makeFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

std::optional<QString> present(QWidget* parent, const FileRequest& request)
{
    const FilePresenter& presenter = installedPresenter();
    return presenter ? presenter(parent, request) : showFileDialog(parent, request);
}

} // namespace

void setFilePresenter(FilePresenter presenter)
{
    installedPresenter() = std::move(presenter);
}

std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const FileRequest& request)
{
    auto dialog = std::make_unique<QFileDialog>(parent, request.title, request.folder);
    // Only Qt's own dialog takes it; a native one (Windows) refuses it and speaks the system's
    // language itself.
    dialog->setProxyModel(new GermanFileColumns(dialog.get()));
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Also for a load: the dialog may hand back a name that does not exist, and the load then
    // says that the file was not found.
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(request.filter);
    dialog->setDefaultSuffix(request.defaultSuffix);
    // Saving over an existing registration is the normal case: no question.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    if (request.chooseFolder) {
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly, true);
    }
    dialog->setModal(true);
    if (request.save && !request.proposedName.isEmpty())
        dialog->selectFile(request.proposedName);
    return dialog;
}

QString chooseFile(QWidget* parent, bool save, const QString& proposedName, QString& folder)
{
    FileRequest request;
    request.save = save;
    request.title = save ? Text::tr("Speichern…") : Text::tr("Laden…");
    request.folder = folder;
    request.proposedName = save ? proposedName : QString();
    request.filter = Text::tr("Meldedatei (*.mdg)");
    request.defaultSuffix = QStringLiteral("mdg");

    const std::optional<QString> answer = present(parent, request);
    if (!answer)
        return kCancelled.toString();
    if (answer->isEmpty())
        return QString();
    folder = folderOf(*answer);
    return *answer;
}

std::optional<QString> askFile(QWidget* parent, FileRequest request, QString& folder)
{
    request.folder = folder;
    std::optional<QString> answer = present(parent, request);
    if (!answer || answer->isEmpty())
        return std::nullopt;
    folder = folderOf(*answer);
    return answer;
}

QString folderOf(const QString& path)
{
    qsizetype cut = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(QLatin1Char('\\')));
#endif
    if (cut < 0)
        return QString();
    // The root folder keeps its separator; "" would mean "no folder remembered".
    if (cut == 0)
        return path.left(1);
    return path.left(cut);
}

} // namespace filedlg
