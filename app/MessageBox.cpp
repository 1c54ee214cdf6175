#include "MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace msgbox {
namespace {

Presenter& CurrentPresenter()
{
    static Presenter presenter;
    return presenter;
}

Answer ShowReal(QWidget* parent, const Request& request)
{
    QMessageBox box(request.icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Warning,
                    request.caption, request.text,
                    request.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                      : QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::WindowModal);
    if (request.buttons == Buttons::YesNo)
        box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Escape or the close box on a Yes/No question counts as "not Yes".
        return Answer::Cancel;
    }
}

} // namespace

void SetPresenter(Presenter presenter)
{
    CurrentPresenter() = std::move(presenter);
}

Answer Show(QWidget* parent, const QString& text, Buttons buttons, Icon icon)
{
    const Request request{QCoreApplication::applicationName(), text, buttons, icon};
    if (const Presenter& presenter = CurrentPresenter())
        return presenter(parent, request);
    return ShowReal(parent, request);
}

} // namespace msgbox
