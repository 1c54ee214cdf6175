#pragma once
// What the program says while it hands a registration to the user's mail program: the mail's
// subject and text, and what became of it.

#include <QString>
#include <QStringList>

namespace messages {

/// "Meldung TV Musterstadt – Gauturnfest 2027"
QString sendSubject(const QString& club, const QString& event);

/// What the mail says: who registers how many for what, the fee, the files, whom to ask.
struct SendFacts
{
    QString club;
    QString event;
    qsizetype participants = 0;
    qsizetype male = 0;
    QString feeLine; ///< "Meldegeld: 12 Teilnehmer × 5,50 € = 66,00 €"; empty: no fee known
    QString paymentLine; ///< the account and payment reference; empty: none
    QStringList files;   ///< file names, entry file first
    QString contactName;
    QString contact; ///< the contact person in one line; empty: none
};
QString sendBody(const SendFacts& facts);

/// The status line while the mail program starts, and after it has the message.
QString sendStarting();
QString sendHanded(const QString& to);
/// The compose window was closed without sending.
QString sendCancelled();

/// Why no mail program took the message, as the hand-over found it.
struct NotHanded
{
    enum Why
    {
        NoMailProgram, ///< none is set up as the default
        NotStarted,    ///< it did not start
        NotTaken       ///< it ran but did not take the message
    };
    Why why = NotTaken;
    QString program; ///< the mail program as its user knows it; empty: not known
    QString detail;  ///< what the system said; empty: nothing
};
/// What the fallback opened instead: a new mail (without files), the folder with the files.
struct FallbackOpened
{
    bool mail = false;
    bool folder = false;
};

/// No mail program took the message: what happened instead and which files to attach by hand.
QString sendFallback(const NotHanded& notHanded, const FallbackOpened& opened, const QString& to,
                     const QString& subject, const QStringList& files);
QString sendFallbackStatus(const QString& to, const FallbackOpened& opened);
/// What "Kopieren" puts on the clipboard when no new mail could be opened.
QString fallbackCopy(const QString& to, const QString& subject, const QString& body);

} // namespace messages
