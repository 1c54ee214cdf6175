#include "app/ModalDialog.h"

#include <QDialog>

namespace modal {
namespace {

Runner& currentRunner()
{
    static Runner runner;
    return runner;
}

} // namespace

void setRunner(Runner runner)
{
    currentRunner() = std::move(runner);
}

int exec(QDialog& dialog)
{
    if (const Runner& runner = currentRunner())
        return runner(dialog);
    return dialog.exec();
}

} // namespace modal
