#pragma once
// Files the program loads at run time (help, pictures) live in <prefix>/share/zandrel beside the
// executable's <prefix>/bin, in an installation and in the build tree alike.

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcData)

/// Absolute path of a data file, e.g. dataPath("help/zandrelhelp.html").
QString dataPath(const QString& relative);

#include <QIcon>

/// The application icon (16 and 32 pixels), compiled into the program.
QIcon applicationIcon();

class CImageList;
/// The girl's and the boy's picture of the entry list from the data folder; false (and a line in
/// the log) when they are missing.
bool loadGenderPictures(CImageList& pictures);
