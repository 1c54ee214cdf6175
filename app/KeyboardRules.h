#pragma once
// Keyboard behaviour that the window's controls need beyond what Qt gives them, so that the
// window can be used by keyboard alone and by a screen reader as a dialog of the platform it was
// made for.

#include <QString>

class QLineEdit;
class QRadioButton;

namespace keys {

/// Alt with a letter is a mnemonic or nothing in this field, never a typed letter (AltGr, which
/// some platforms report as Ctrl+Alt, still types). Ctrl+Z and the redo keys act on the field's
/// own typing while it has some and reach the window's undo commands past that.
void keepAltForMnemonics(QLineEdit* field);

/// Two radio buttons of one group as automatic radio buttons: the arrow keys move to the other
/// one and check it, and only the checked one is a Tab stop, so Tab enters the group on it.
void makeAutomaticRadioButtons(QRadioButton* first, QRadioButton* second);

/// Qt leaves popup menus out of the application's accessible tree. From now on, a window of the
/// class `windowClass` shows its open child menu named `menuName` as its last accessible child.
void showOpenMenuToAccessibility(const QString& windowClass, const QString& menuName);

} // namespace keys
