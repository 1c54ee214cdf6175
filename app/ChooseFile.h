#pragma once
// The one place that asks the user for an entry file. The dialog sits behind a presenter so that
// tests can script the answer instead of running a modal loop.

#include <functional>
#include <memory>
#include <optional>
#include <QString>
#include <QStringView>

class QFileDialog;
class QWidget;

namespace filedlg {

/// ChooseFile's answer when the user cancelled (or the dialog failed).
inline constexpr QStringView kCancelled = u"----";

struct FileRequest
{
    bool save = false;
    QString title;             ///< "Speichern…" or "Laden…"
    QString folder;            ///< the remembered folder; empty: the dialog's own choice
    QString proposedName;      ///< save only; empty for a load
    QString filter;            ///< "Meldedatei (*.mdg)"
    QString defaultSuffix;     ///< "mdg", appended to a name typed without one
    bool chooseFolder = false; ///< a folder is chosen, not a file (filter and suffix unused)
};

/// Shows the request and returns the chosen full path, or nothing when it was cancelled.
using FilePresenter = std::function<std::optional<QString>(QWidget* parent, const FileRequest&)>;

/// Replaces the real dialog; an empty function brings the real QFileDialog back.
void setFilePresenter(FilePresenter presenter);

/// Returns the full path of the chosen file, kCancelled when the user cancelled, or "" when no
/// name came back. After OK, `folder` becomes the chosen file's folder (before the caller even
/// tries to open the file).
QString chooseFile(QWidget* parent, bool save, const QString& proposedName, QString& folder);

/// Asks for a file of another kind than an entry file (a member list to import, a PDF to write):
/// the request names title, filter and suffix. Returns the chosen path, or nothing when the user
/// cancelled or no name came back; after OK `folder` becomes the chosen file's folder.
std::optional<QString> askFile(QWidget* parent, FileRequest request, QString& folder);

/// The folder part of a path: everything before the last separator ('/', on Windows also '\').
/// "/x.mdg" gives "/", a bare name gives "".
QString folderOf(const QString& path);

/// The real dialog as ChooseFile shows it, set up from the request but not yet shown.
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, const FileRequest& request);

} // namespace filedlg
