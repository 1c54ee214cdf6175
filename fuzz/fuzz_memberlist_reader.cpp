// libFuzzer target for the member list reader. Besides "no crash", it checks what must hold for
// any input: the caps on rows and columns, and that a row which starts checked is one that the
// name fields would have taken as typed and that an entry file keeps as it is.
#include "entries/Entry.h"
#include "entryfile/EntryFile.h"
#include "FuzzCheck.h"
#include "memberlist/MemberList.h"
#include "textfile/Cp1252.h"
#include "textfile/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <QByteArrayView>

namespace {

constexpr int kYear = 2026;

using fuzz::check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const memberlist::Parsed parsed = memberlist::parse(bytes);
    const memberlist::Table& table = parsed.table;
    if (parsed.error != memberlist::ParseError::None) {
        check(table.header.isEmpty() && table.rowCount() == 0, "a refused file gives nothing");
        return 0;
    }
    check(!table.header.isEmpty() && table.header.size() <= memberlist::kMaxColumns,
          "header within the column cap");
    check(table.rowCount() > 0 && table.rowCount() <= entry::kMaxEntries, "rows within the cap");
    for (qsizetype r = 0; r < table.rowCount(); ++r)
        check(table.cellCount(r) >= 1 && table.cellCount(r) <= memberlist::kMaxColumns,
              "row within the column cap");

    const QList<EntryRow> list = {{QStringLiteral("Meier,Anna"), entry::makeCode(2000, 0)}};
    QList<memberlist::Candidate> candidates =
        memberlist::evaluate(table, memberlist::mapHeader(table.header), kYear, list);
    check(candidates.size() == table.rowCount(), "one candidate per row");
    QList<EntryRow> taken;
    for (memberlist::Candidate& c : candidates) {
        if (!c.checkable())
            continue;
        // Whatever gender the user picks, the row stays within the rules.
        memberlist::pickGender(c, entry::Male);
        check(!c.name.isEmpty() && !c.firstName.isEmpty(), "both names present");
        check(c.name.size() <= entry::kMostNameChars && c.firstName.size() <= entry::kMostNameChars,
              "no name longer than a typed one");
        check(!c.name.contains(u','), "no comma in a surname");
        check(entry::firstControl(c.displayText()) == 0, "no control characters");
        check(cp1252::canEncode(c.displayText()), "only Windows-1252 characters");
        check(c.year > kYear - 100 && c.year < kYear, "a valid birth year");
        taken << c.row();
    }
    // What the import takes reads back from an entry file exactly.
    const entryfile::Content again = entryfile::read(
        entryfile::write(QStringLiteral("TV"), QStringLiteral("Fest"), taken), kYear);
    check(again.entries.size() == taken.size(), "every taken row in the file");
    const bool ambiguous =
        textfile::detectEncoding(entryfile::write({}, {}, taken)) == textfile::Encoding::Utf8;
    for (qsizetype i = 0; i < taken.size(); ++i) {
        check(again.entries[i].code == taken[i].code, "same code from the file");
        if (!ambiguous)
            check(again.entries[i].text == taken[i].text, "same text from the file");
    }
    return 0;
}
