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

using fuzz::Check;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const memberlist::Parsed parsed = memberlist::Parse(bytes);
    const memberlist::Table& table = parsed.table;
    if (parsed.error != memberlist::ParseError::None) {
        Check(table.header.isEmpty() && table.RowCount() == 0, "a refused file gives nothing");
        return 0;
    }
    Check(!table.header.isEmpty() && table.header.size() <= memberlist::kMaxColumns,
          "header within the column cap");
    Check(table.RowCount() > 0 && table.RowCount() <= entry::kMaxEntries, "rows within the cap");
    for (qsizetype r = 0; r < table.RowCount(); ++r)
        Check(table.CellCount(r) >= 1 && table.CellCount(r) <= memberlist::kMaxColumns,
              "row within the column cap");

    const QList<EntryRow> list = {{QStringLiteral("Meier,Anna"), entry::MakeCode(2000, 0)}};
    QList<memberlist::Candidate> candidates =
        memberlist::Evaluate(table, memberlist::MapHeader(table.header), kYear, list);
    Check(candidates.size() == table.RowCount(), "one candidate per row");
    QList<EntryRow> taken;
    for (memberlist::Candidate& c : candidates) {
        if (!c.Checkable())
            continue;
        // Whatever gender the user picks, the row stays within the rules.
        memberlist::PickGender(c, entry::Male);
        Check(!c.name.isEmpty() && !c.firstName.isEmpty(), "both names present");
        Check(c.name.size() <= entry::kMostNameChars && c.firstName.size() <= entry::kMostNameChars,
              "no name longer than a typed one");
        Check(!c.name.contains(u','), "no comma in a surname");
        Check(entry::FirstControl(c.DisplayText()) == 0, "no control characters");
        Check(cp1252::CanEncode(c.DisplayText()), "only Windows-1252 characters");
        Check(c.year > kYear - 100 && c.year < kYear, "a valid birth year");
        taken << c.Row();
    }
    // What the import takes reads back from an entry file exactly.
    const entryfile::Content again = entryfile::Read(
        entryfile::Write(QStringLiteral("TV"), QStringLiteral("Fest"), taken), kYear);
    Check(again.entries.size() == taken.size(), "every taken row in the file");
    const bool ambiguous =
        textfile::DetectEncoding(entryfile::Write({}, {}, taken)) == textfile::Encoding::Utf8;
    for (qsizetype i = 0; i < taken.size(); ++i) {
        Check(again.entries[i].code == taken[i].code, "same code from the file");
        if (!ambiguous)
            Check(again.entries[i].text == taken[i].text, "same text from the file");
    }
    return 0;
}
