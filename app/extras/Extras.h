#pragma once
// The commands that need libraries which no start of the program needs: the print preview (Qt
// Print Support) and the gathering (the spreadsheet writer, which brings a crypto library). They
// live in a module that the program loads the first time one of them is used, so that starting
// the program does not load and relocate those libraries. The module reaches the program's
// message boxes, dialogs and file choice only through the seams it is handed, so tests that
// script those seams script the module too.

#include "app/ChooseFile.h"
#include "invitation/Invitation.h"
#include "report/Registration.h"

#include <optional>
#include <QString>

class QDialog;
class QWidget;

struct ExtrasSeams
{
    void (*showMessage)(QWidget* parent, const QString& text);
    int (*execModal)(QDialog& dialog);
    std::optional<QString> (*askFile)(QWidget* parent, filedlg::FileRequest request,
                                      QString& folder);
};

struct Extras
{
    /// "Drucken…": the registration in the print preview.
    void (*print)(QWidget* parent, const report::Registration& registration,
                  const ExtrasSeams& seams);
    /// "Meldungen sammeln…": a folder's entry files into one list, with a report. With the
    /// organiser's event file open in the window (`invitation`, read from `invitationPath`), the
    /// files are checked against it, the list gets its fees, and the report offers the
    /// confirmations, as zandrel-sammeln --ausschreibung does.
    void (*gather)(QWidget* parent, QString& folder, const invitation::Invitation* invitation,
                   const QString& invitationPath, const ExtrasSeams& seams);
};

/// The module's one entry point (resolved by name when the module is loaded).
extern "C" const Extras* zandrel_extras();
