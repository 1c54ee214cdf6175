#pragma once
// Finding the module of the print preview and the gathering (see extras/Extras.h) the first time
// one of them is used.

struct Extras;
struct ExtrasSeams;
class QWidget;

/// The module's commands; null (after telling the user) when it cannot be loaded.
const Extras* loadExtras(QWidget* parent);

/// The program's message box, modal dialogs and file choice, as the module calls them.
const ExtrasSeams& extrasSeamsOfTheProgram();
