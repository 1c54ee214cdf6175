#pragma once
// The window's controls beyond its parts, and where everything stands: on the left club and
// event, the editing buffer and its buttons, load and save; on the right the entry list, the
// status line and the buttons under it. The layout and the Tab order are the window's as they
// have always been.

class CIconListBox;
class ClubEventChooser;
class ParticipantEditor;
class QCheckBox;
class QPushButton;
class QWidget;
class StatusLine;

#include <QCoreApplication>

struct WindowFrame
{
    Q_DECLARE_TR_FUNCTIONS(WindowFrame)

public:
    QPushButton* add = nullptr;
    QPushButton* newEntry = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* load = nullptr;
    QPushButton* save = nullptr;
    QCheckBox* autoSave = nullptr;
    CIconListBox* list = nullptr;
    QPushButton* sendToOrganiser = nullptr; ///< shown while an event file is open
    QPushButton* send = nullptr;            ///< the hidden test mail
    QPushButton* dummy = nullptr;
    QPushButton* help = nullptr;
    QPushButton* more = nullptr; ///< the context menu's commands
    QPushButton* exit = nullptr;

    /// Makes the controls in `window` and lays them out with the parts.
    static WindowFrame build(QWidget* window, ClubEventChooser& chooser, ParticipantEditor& editor,
                             StatusLine& status);

private:
    static WindowFrame makeControls(QWidget* window);
};
