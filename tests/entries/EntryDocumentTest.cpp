// The document's rules, below any widget: who is complete, who is the same participant, what
// counts as a change, and when a registration can be printed.
#include "entries/EntryDocument.h"

#include <functional>
#include <gtest/gtest.h>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

TEST(EntryDocument, CompleteParticipantsAndTheOneSameParticipantRule)
{
    // name, first name, year, gender; the gaps
    const std::tuple<const char16_t*, const char16_t*, qint32, int, unsigned> complete[] = {
        {u"Meier", u"Anna", 2000, 0, 0},
        {u"", u"Anna", 2000, 0, entry::NoName},
        {u"Meier", u"", 2000, 1, entry::NoFirstName},
        {u" ", u" ", 2000, 1, 0}, // blanks are a name
        {u"Meier", u"Anna", 2000, -1, entry::NoGender},
        {u"Meier", u"Anna", 1926, 0, entry::YearOutside},
        {u"Meier", u"Anna", 2025, 1, 0}, // the last valid year
        {u"", u"", 2026, -1,
         entry::NoName | entry::NoFirstName | entry::NoGender | entry::YearOutside},
    };
    for (const auto& [name, first, year, gender, gaps] : complete)
        EXPECT_EQ(
            entry::gaps({QString::fromUtf16(name), QString::fromUtf16(first), year, gender}, 2026),
            gaps)
            << QString::fromUtf16(name).toStdString() << year;

    struct Same
    {
        const char* why;
        const char16_t* other;
        qint32 year;
        bool same;
    };
    const Same same[] = {
        {"identical", u"Müller,Anna", 2000, true},
        {"case differs", u"MÜLLER,anna", 2000, true},
        {"decomposed umlaut", u"Mu\u0308ller,Anna", 2000, true},
        {"umlaut dropped", u"Muller,Anna", 2000, false},
        {"umlaut spelled out", u"Mueller,Anna", 2000, false},
        {"another year", u"Müller,Anna", 2001, false},
        {"blank before the comma", u"Müller ,Anna", 2000, false},
    };
    EntryDocument document;
    document.Add(QStringLiteral("Müller,Anna"), entry::makeCode(2000, 0));
    for (const Same& s : same) {
        const QString other = QString::fromUtf16(s.other);
        EXPECT_EQ(document.contains(other, s.year), s.same) << s.why;
        EXPECT_EQ(entry::participantKey(other, s.year) ==
                      entry::participantKey(QStringLiteral("Müller,Anna"), 2000),
                  s.same)
            << s.why << ": the key that the gathering looks people up by";
    }
}

QString shown(const EntryDocument& document)
{
    QStringList rows;
    for (const EntryRow& row : document.entries())
        rows << row.text + u'/' + QString::number(row.code);
    return rows.join(u' ');
}

TEST(EntryDocument, EveryChangeOfTheRowsIsAStepAndUndoingToTheSaveIsClean)
{
    EntryDocument document;
    struct Step
    {
        const char* why;
        std::function<void()> change;
        bool modified;
        const char16_t* undoName;
        const char16_t* rows;
    };
    const Step steps[] = {
        {"a load counts as saved",
         [&] {
             document.load({{u"Abel,Kai"_qs, 3981}}, u"TV Musterstadt"_qs, u"Gauturnfest"_qs,
                           u"alt.mdg"_qs);
         },
         false, u"Laden von „alt.mdg“", u"Abel,Kai/3981"},
        {"an add", [&] { document.Add(u"Zorn,Udo"_qs, 3981); }, true, u"Hinzufügen von „Zorn,Udo“",
         u"Abel,Kai/3981 Zorn,Udo/3981"},
        {"typing in a row is one step, named by the row as it was",
         [&] {
             document.updateRow(1, u"Zorn,Ute"_qs, -1);
             document.updateRow(1, u"Zorn,Uta"_qs, -1);
             document.updateRow(1, u"Zorn,Uta"_qs, 3981); // the same code: nothing
         },
         true, u"Ändern von „Zorn,Udo“", u"Abel,Kai/3981 Zorn,Uta/3981"},
        {"a save", [&] { document.markSaved(); }, false, u"Ändern von „Zorn,Udo“",
         u"Abel,Kai/3981 Zorn,Uta/3981"},
        {"a new year after the save is a step of its own",
         [&] { document.updateRow(1, u"Zorn,Uta"_qs, 3980); }, true, u"Ändern von „Zorn,Uta“",
         u"Abel,Kai/3981 Zorn,Uta/3980"},
        {"a removal", [&] { document.remove(0); }, true, u"Entfernen von „Abel,Kai“",
         u"Zorn,Uta/3980"},
        {"an import",
         [&] {
             document.addMany({{u"Berg,Ida"_qs, 4000}}, u"m.csv"_qs);
         },
         true, u"Import aus „m.csv“", u"Berg,Ida/4000 Zorn,Uta/3980"},
    };
    int changes = 0; // what the window's counts and list follow
    QObject::connect(&document, &EntryDocument::changed, [&changes] { ++changes; });
    for (const Step& step : steps) {
        const int before = changes;
        step.change();
        document.closeEdit();
        EXPECT_EQ(changes > before, std::string_view(step.why) != "a save") << step.why;
        EXPECT_EQ(document.isModified(), step.modified) << step.why;
        EXPECT_EQ(document.undoName(), QString::fromUtf16(step.undoName)) << step.why;
        EXPECT_EQ(shown(document), QString::fromUtf16(step.rows)) << step.why;
    }
    // Back through every step: each state comes again, and only the saved one is clean.
    const std::pair<const char16_t*, bool> back[] = {{steps[5].rows, true},  {steps[4].rows, true},
                                                     {steps[3].rows, false}, {steps[1].rows, true},
                                                     {steps[0].rows, true},  {u"", true}};
    for (const auto& [rows, modified] : back) {
        document.undo();
        EXPECT_EQ(std::pair(shown(document), document.isModified()),
                  std::pair(QString::fromUtf16(rows), modified));
    }
    EXPECT_EQ(std::pair(document.club(), document.canUndo()), std::pair(QString(), false))
        << "the load taken back, its club too";
    for (int i = 0; i < 3; ++i)
        document.redo();
    EXPECT_EQ(std::pair(shown(document), document.isModified()),
              std::pair(QString::fromUtf16(steps[3].rows), false));
    EXPECT_EQ(std::pair(document.club(), document.redoName()),
              std::pair(u"TV Musterstadt"_qs, u"Ändern von „Zorn,Uta“"_qs));
    // A new step where steps could be redone drops them; a change beside the rows stays a change.
    document.undo();
    document.Add(u"Kern,Eva"_qs, 4000);
    EXPECT_FALSE(document.canRedo());
    EXPECT_TRUE(document.isModified()) << "as many steps as at the save, but other ones";
    document.undo();
    EXPECT_TRUE(document.isModified()) << "the saved state cannot be reached any more";
    document.markSaved();
    document.markChanged();
    EXPECT_TRUE(document.isModified());

    // An import that would make a list the load refuses changes nothing.
    QList<EntryRow> many(entry::kMaxEntries, EntryRow{u"X,Y"_qs, 4000});
    EXPECT_EQ(document.addMany(many), EntryDocument::AddManyResult::TooMany);
    EXPECT_EQ(document.addMany({}), EntryDocument::AddManyResult::Nothing);
    many.resize(entry::kMaxEntries - document.count());
    EXPECT_EQ(document.addMany(many), EntryDocument::AddManyResult::Added);
    const EntryDocument::Counts counts = document.totals();
    EXPECT_EQ(std::pair(counts.total, counts.male), std::pair(entry::kMaxEntries, qsizetype(2)));
}

TEST(EntryDocument, PrintableOnceClubEventAndAParticipantAreThere)
{
    EntryDocument document;
    EXPECT_EQ(document.printBlocker(), EntryDocument::PrintBlock::NoClubOrEvent);
    document.setClub(QStringLiteral("TV Musterstadt"));
    EXPECT_EQ(document.printBlocker(), EntryDocument::PrintBlock::NoClubOrEvent);
    document.setEvent(QStringLiteral("Gauturnfest"));
    EXPECT_EQ(document.printBlocker(), EntryDocument::PrintBlock::Empty);
    document.Add(QStringLiteral("Meier,Anna"), 3980);
    EXPECT_EQ(document.printBlocker(), EntryDocument::PrintBlock::None);
}

} // namespace
