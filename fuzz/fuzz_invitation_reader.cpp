// libFuzzer target for the organiser's event file reader. Besides "no crash", it checks what must
// hold for any input: every problem has its sentence, and a file taken without problems has an
// organiser to send to, bounded lists, and club and event names that an entry file keeps exactly.
#include "entryfile/EntryFile.h"
#include "FuzzCheck.h"
#include "invitation/Invitation.h"
#include "messages/Invitation.h"

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
    const invitation::Invitation& inv = got.invitation;
    check(!inv.organiser.email.isEmpty() && inv.organiser.email.count(u'@') == 1,
          "an address to send the registration to");
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
    }
    return 0;
}
