// libFuzzer target for the organiser's event file reader. Besides "no crash", it checks what must
// hold for any input: every problem has its sentence and at most kMostProblems are kept, and a
// file taken without problems has a plain address to send to, bounded lists, no control or
// bidirectional character in any field, club and event names that an entry file keeps exactly and
// that make a file name in the chosen folder, and a GiroCode for every club's reference.
#include "entries/Entry.h"
#include "entryfile/EntryFile.h"
#include "FuzzCheck.h"
#include "invitation/GiroCode.h"
#include "invitation/Reader.h"
#include "messages/Invitation.h"
#include "textfile/EmailAddress.h"

#include <cstdint>
#include <QByteArrayView>

using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const invitation::ReadResult got = invitation::read(bytes);
    for (const invitation::Problem& problem : got.problems)
        check(!messages::invitationProblem(problem).isEmpty(), "every problem is said");
    if (!got.ok())
        return 0;
    check(got.problems.size() <= invitation::kMostProblems, "problems bounded");
    const invitation::Invitation& inv = got.invitation;
    check(textfile::validEmail(inv.organiser.email), "a plain address to send the registration to");
    QStringList fields{inv.organiser.name, inv.organiser.contact, inv.organiser.email,
                       inv.organiser.phone};
    fields << inv.notes;
    for (const invitation::Event& event : inv.events)
        fields << event.name << event.place;
    for (const invitation::Club& club : inv.clubs)
        fields << club.name << club.number;
    if (inv.account)
        fields << inv.account->holder << inv.account->reference;
    for (const QString& field : fields)
        check(entry::firstControl(field) == 0, "no control or bidirectional character");
    check(!inv.events.isEmpty() && inv.events.size() <= invitation::kMaxEvents, "events bounded");
    check(inv.clubs.size() <= invitation::kMaxClubs, "clubs bounded");
    const QString club = inv.isOpen() ? QStringLiteral("TV") : inv.clubs.last().name;
    for (const invitation::Event& event : inv.events) {
        check(!event.hasYears() || event.firstYear <= event.lastYear, "years in order");
        const entryfile::Content back =
            entryfile::read(entryfile::write(club, event.name, {}), 2026);
        check(back.headers.size() == 2 && back.headers[0].value == club &&
                  back.headers[1].value == event.name,
              "club and event names survive the entry file");
        check(!invitation::automaticName(event, 2026, club).contains(u'/'),
              "the automatic name stays in its folder");
        if (!inv.account)
            continue;
        // An open file takes any club up to the name limit; a closed one its own (a few of them,
        // to keep each run fast).
        QStringList clubs =
            inv.isOpen() ? QStringList{QStringLiteral("TV"), QString(entry::kMostNameChars, u'W')}
                         : inv.clubNames().mid(0, 3) + inv.clubNames().mid(inv.clubs.size() - 3);
        for (const QString& name : clubs)
            check(invitation::giroCode(*inv.account, invitation::kMostTransferCents,
                                       inv.account->referenceFor(name, event.name))
                          .refusal == invitation::GiroCode::None,
                  "every club's reference fits the GiroCode");
    }
    return 0;
}
