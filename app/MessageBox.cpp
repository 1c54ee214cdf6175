#include "app/MessageBox.h"

#include <optional>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace msgbox {
namespace {

Presenter& currentPresenter()
{
    static Presenter presenter;
    return presenter;
}

#ifdef Q_OS_WIN
// Windows: the system's own message box, as every Windows program shows it; a Yes/No question has
// no Cancel there, so Escape does nothing. A text longer than a box holds keeps Qt's box, which
// shows its beginning and the whole under "Details".
std::optional<Answer> ShowNative(QWidget* parent, const Request& request)
{
    // Its buttons cannot be named: a question with answers of its own keeps Qt's box.
    if (request.text.size() > kMaxText || !request.yesText.isEmpty() || !request.copyText.isEmpty())
        return std::nullopt;
    UINT type = request.icon == Icon::Stop ? MB_ICONHAND : MB_ICONEXCLAMATION;
    type |= request.buttons == Buttons::Ok ? MB_OK : MB_YESNO;
    if (request.buttons == Buttons::YesNoDefaultNo)
        type |= MB_DEFBUTTON2;
    const HWND owner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    switch (MessageBoxW(owner, reinterpret_cast<LPCWSTR>(request.text.utf16()),
                        reinterpret_cast<LPCWSTR>(request.caption.utf16()), type)) {
    case IDYES:
        return Answer::Yes;
    case IDNO:
        return Answer::No;
    case IDOK:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}
#endif

Answer showReal(QWidget* parent, const Request& request)
{
#ifdef Q_OS_WIN
    if (const std::optional<Answer> answer = ShowNative(parent, request))
        return *answer;
#endif
    switch (makeBox(parent, request)->exec()) {
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

void setPresenter(Presenter presenter)
{
    currentPresenter() = std::move(presenter);
}

Answer show(QWidget* parent, const QString& text, Buttons buttons, Icon icon)
{
    const Request request{QCoreApplication::applicationName(), text, buttons, icon, {}, {}};
    if (const Presenter& presenter = currentPresenter())
        return presenter(parent, request);
    return showReal(parent, request);
}

Answer showCopyable(QWidget* parent, const QString& text, const QString& copyText)
{
    Request request{QCoreApplication::applicationName(), text, Buttons::Ok, Icon::Default, {}, {}};
    request.copyText = copyText;
    if (const Presenter& presenter = currentPresenter())
        return presenter(parent, request);
    return showReal(parent, request);
}

Answer ask(QWidget* parent, const QString& text, const QString& yesText, const QString& noText)
{
    const Request request{
        QCoreApplication::applicationName(), text, Buttons::YesNo, Icon::Default, yesText, noText};
    if (const Presenter& presenter = currentPresenter())
        return presenter(parent, request);
    return showReal(parent, request);
}

std::unique_ptr<QMessageBox> makeBox(QWidget* parent, const Request& request)
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
    if (!request.yesText.isEmpty()) {
        box->addButton(QMessageBox::Cancel);
        // A participant's name in the answer may hold "&", which is no mnemonic.
        box->button(QMessageBox::Yes)
            ->setText(QString(request.yesText).replace(u'&', QStringLiteral("&&")));
        box->button(QMessageBox::No)
            ->setText(QString(request.noText).replace(u'&', QStringLiteral("&&")));
        box->setEscapeButton(QMessageBox::Cancel);
    }
    if (!request.copyText.isEmpty()) {
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QPushButton* copy = box->addButton(QCoreApplication::translate("MessageBox", "&Kopieren"),
                                           QMessageBox::ActionRole);
        copy->setObjectName(QStringLiteral("copyButton"));
        // Every button of a message box closes it; this one only copies, so that the user can
        // still read which files to attach.
        QObject::disconnect(copy, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(copy, &QAbstractButton::clicked, copy, [text = request.copyText] {
            QGuiApplication::clipboard()->setText(text);
        });
        box->setDefaultButton(QMessageBox::Ok);
    }
    if (request.buttons == Buttons::YesNo)
        box->setDefaultButton(QMessageBox::Yes);
    else if (request.buttons == Buttons::YesNoDefaultNo)
        box->setDefaultButton(QMessageBox::No);
    return box;
}

} // namespace msgbox
