#pragma once
// The one way the window runs a dialog of its own modally (the import preview, the print
// preview). Tests install a runner that drives the dialog's real widgets and answers, instead of
// waiting in a modal loop.

#include <functional>

class QDialog;

namespace modal {

/// Gets the dialog, set up and not yet shown; returns what exec() would (QDialog::Accepted or
/// QDialog::Rejected).
using Runner = std::function<int(QDialog& dialog)>;

/// Replaces exec(); an empty function brings it back.
void setRunner(Runner runner);

/// Runs the dialog through the runner, or its own exec().
int exec(QDialog& dialog);

} // namespace modal
