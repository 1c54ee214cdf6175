#include "app/ModalDialog.h"

#include <QDialog>

namespace modal {
namespace {

Runner& CurrentRunner()
{
    static Runner runner;
    return runner;
}

} // namespace

void SetRunner(Runner runner)
{
    CurrentRunner() = std::move(runner);
}

int Exec(QDialog& dialog)
{
    if (const Runner& runner = CurrentRunner())
        return runner(dialog);
    return dialog.exec();
}

} // namespace modal
