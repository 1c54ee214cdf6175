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
    switch (MakeBox(parent, request)->exec()) {
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

std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, const Request& request)
{
    auto box = std::make_unique<QMessageBox>(
        request.icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Warning, request.caption,
        QString(),
        request.buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No,
        parent);
    // Plain text always: a text that looks like HTML (a server's reply, a file name) must not
    // turn into markup or links.
    box->setTextFormat(Qt::PlainText);
    // A text from outside may be of any length, such as a mail server's refusal: the box shows
    // its beginning and keeps the whole under "Details" rather than growing off the screen.
    QString text = request.text;
    if (text.size() > kMaxText) {
        box->setDetailedText(text);
        qsizetype cut = kMaxText - 1;
        if (text.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        text = text.left(cut) + QChar(0x2026);
    }
    box->setText(text);
    box->setWindowModality(Qt::WindowModal);
    if (request.buttons == Buttons::YesNo)
        box->setDefaultButton(QMessageBox::Yes);
    else if (request.buttons == Buttons::YesNoDefaultNo)
        box->setDefaultButton(QMessageBox::No);
    return box;
}

} // namespace msgbox
