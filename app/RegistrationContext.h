#pragma once
// What a registration is made for, without any widget: the organiser's event file (or the lists
// built into the program), the chosen event in it, the club's contact person, and what follows
// from them — whom a participant may be, who is billed, what the paper and the mail add, and the
// name "Speichern" proposes. The window asks here and shows the answers.

#include "app/Commands.h"
#include "app/Settings.h"
#include "entries/Entry.h"
#include "invitation/Invitation.h"
#include "memberlist/MemberList.h"

#include <optional>
#include <QDateTime>
#include <QString>
#include <QStringList>

class EntryDocument;

class RegistrationContext
{
public:
    explicit RegistrationContext(const EntryDocument& document) : m_document(document) {}

    /// The event file now open, if any, and where it came from.
    const std::optional<invitation::Invitation>& invitation() const { return m_invitation; }
    const QString& invitationPath() const { return m_path; }
    void open(invitation::Invitation invitation, const QString& path);
    void close();

    /// The lists to choose from: the event file's, sorted as the entry list is, or the ones built
    /// into the program. An open event takes any club: the chosen one stays in the list.
    QStringList clubs() const;
    QStringList events() const;
    /// The chosen club and event that `next` lacks (null: the built-in lists). They would be
    /// saved under names the organiser does not know, so they go only after asking.
    QStringList missingChoices(const invitation::Invitation* next) const;
    /// Whether a club that is not in the list is taken as it is (typed, or from a loaded file):
    /// only for an open event, and only a name that the entry file can hold.
    bool takesClub(const QString& name) const;
    /// Why a club typed for an open event cannot be taken; empty when it can, or when no open
    /// event takes typed clubs at all.
    QString typedClubRefusal(const QString& typed) const;
    /// Whether the chosen event is open to any club.
    bool takesAnyClub() const { return m_invitation && m_invitation->isOpen(); }

    /// The open event file's entry for the chosen event; null without one.
    const invitation::Event* chosenEvent() const;
    /// The years the chosen event admits; {0, 0}: any.
    memberlist::Admitted admitted() const;

    /// Whether a birth year may stand in the list: inside the program's window of years, and then
    /// one that the chosen event admits.
    enum class Year
    {
        Ok,
        OutsideWindow,
        NotAdmitted,
    };
    Year checkYear(qint32 year, int thisYear) const;
    /// The whole message for a refused year. With a chosen event that names its years, it says
    /// which of them the window takes; without, the program's own heading and range.
    QString yearRefusal(Year verdict, qint32 year, int thisYear) const;

    /// "Hinzu": may this participant join the list? A duplicate is a question, not a refusal.
    struct AddCheck
    {
        enum Verdict
        {
            Ok,
            Incomplete, ///< a field is missing or the year is outside the window (see gaps)
            NotAdmitted,
            Duplicate,
        } verdict = Ok;
        unsigned gaps = 0; ///< entry::Gap bits, for Incomplete
        /// The message: the refusal, or the question before a duplicate.
        QString message;
    };
    AddCheck checkAdd(const entry::Participant& participant, int thisYear) const;

    /// Who is charged: every participant whose year the chosen event admits, at the fee that
    /// applies at `at`. Counts line, paper, mail and GiroCode all bill this way.
    struct Bill
    {
        qsizetype participants = 0;
        qsizetype notAdmitted = 0; ///< not billed: the event does not admit their year
        std::optional<qint64> fee; ///< cents per participant; none: the event file gives none
        qsizetype billed() const { return participants - notAdmitted; }
        qint64 amount() const { return fee.value_or(0) * billed(); }
    };
    /// The bill of the chosen event; without an event file's event, nobody is billed.
    std::optional<Bill> bill(const QDateTime& at) const;

    /// What the printed registration adds to the document.
    commands::PaperExtras paperExtras(const QDateTime& now) const;
    /// What "An Veranstalter senden…" adds to the document; with `automaticNames` the save
    /// dialog proposes the automatic name.
    commands::Sending sending(bool automaticNames, const QDateTime& now) const;
    /// The name "Speichern" proposes while automatic names are on.
    QString automaticName() const;

    Contact contact; ///< the club's contact person

private:
    const EntryDocument& m_document;
    std::optional<invitation::Invitation> m_invitation;
    QString m_path;
};
