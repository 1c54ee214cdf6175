// The document's rules, below any widget: who is complete, who is the same participant, what
// counts as a change, when a registration can be printed, and how rows join a list.
#include "EntryDocument.h"

#include <gtest/gtest.h>
#include <QPersistentModelIndex>

namespace {

TEST(EntryDocument, CompleteParticipantsAndTheOneSameParticipantRule)
{
    struct Complete
    {
        const char* why;
        const char16_t* name;
        const char16_t* first;
        qint32 year;
        int gender;
        bool complete;
    };
    const Complete complete[] = {
        {"everything given", u"Meier", u"Anna", 2000, 0, true},
        {"no surname", u"", u"Anna", 2000, 0, false},
        {"no first name", u"Meier", u"", 2000, 1, false},
        {"no gender", u"Meier", u"Anna", 2000, -1, false},
        {"year outside the window", u"Meier", u"Anna", 1926, 0, false},
        {"last valid year", u"Meier", u"Anna", 2025, 1, true},
    };
    for (const Complete& c : complete)
        EXPECT_EQ(EntryDocument::IsComplete(QString::fromUtf16(c.name),
                                            QString::fromUtf16(c.first), c.year, c.gender, 2026),
                  c.complete)
            << c.why;

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
    document.Add(QStringLiteral("Müller,Anna"), entry::MakeCode(2000, 0));
    for (const Same& s : same) {
        const QString other = QString::fromUtf16(s.other);
        EXPECT_EQ(document.Contains(other, s.year), s.same) << s.why;
        EXPECT_EQ(entry::ParticipantKey(other, s.year) ==
                      entry::ParticipantKey(QStringLiteral("Müller,Anna"), 2000),
                  s.same)
            << s.why << ": the key that the gathering looks people up by";
    }
}

TEST(EntryDocument, WhatCountsAsAChange)
{
    EntryDocument document;
    const auto step = [&](const char* why, auto change, bool modified) {
        document.SetModified(false);
        change();
        EXPECT_EQ(document.IsModified(), modified) << why;
    };
    step("an add (the typing has set the flag already)",
         [&] { document.Add(QStringLiteral("Zorn,Udo"), entry::MakeCode(1990, 1)); }, false);
    step("a rewrite that keeps the code",
         [&] { document.UpdateRow(0, QStringLiteral("Zorn,Ute"), -1); }, false);
    step("a rewrite with the same code",
         [&] { document.UpdateRow(0, QStringLiteral("Zorn,Ute"), entry::MakeCode(1990, 1)); },
         false);
    step("a rewrite with another code",
         [&] { document.UpdateRow(0, QStringLiteral("Zorn,Ute"), entry::MakeCode(1990, 0)); },
         true);
    EXPECT_EQ(document.Entries(), (QList<EntryRow>{{QStringLiteral("Zorn,Ute"), 3980}}));
    step("a loaded file", [&] { document.Replace({{QStringLiteral("Abel,Kai"), 3981}}); }, false);
    step("an import that adds nothing", [&] { document.AddMany({}); }, false);
    step("an import", [&] { document.AddMany({{QStringLiteral("Berg,Ida"), 3980}}); }, true);
    step("a removal", [&] { document.Remove(0); }, true);
    step("a removal of no row", [&] { EXPECT_FALSE(document.Remove(5)); }, false);
    const EntryDocument::Counts counts = document.Totals();
    EXPECT_EQ(std::pair(counts.total, counts.male), std::pair(qsizetype(1), qsizetype(0)));

    // An import that would make a list the load refuses changes nothing.
    QList<EntryRow> many(entry::kMaxEntries, EntryRow{QStringLiteral("X,Y"), 4000});
    EXPECT_EQ(document.AddMany(many), EntryDocument::AddManyResult::TooMany);
    EXPECT_EQ(document.Count(), 1);
    many.removeLast();
    EXPECT_EQ(document.AddMany(many), EntryDocument::AddManyResult::Added);
}

TEST(EntryDocument, PrintableOnceClubEventAndAParticipantAreThere)
{
    EntryDocument document;
    EXPECT_EQ(document.PrintBlocker(), QStringLiteral("Erst Verein und Veranstaltung wählen."));
    document.SetClub(QStringLiteral("TV Musterstadt"));
    EXPECT_EQ(document.PrintBlocker(), QStringLiteral("Erst Verein und Veranstaltung wählen."));
    document.SetEvent(QStringLiteral("Gauturnfest"));
    EXPECT_EQ(document.PrintBlocker(), QStringLiteral("Die Meldeliste ist leer."));
    document.Add(QStringLiteral("Meier,Anna"), 3980);
    EXPECT_TRUE(document.PrintBlocker().isEmpty());
}

TEST(EntryListModel, ManyRowsJoinAListAsSingleAddsWouldAndTheSelectionStays)
{
    const QList<EntryRow> there = {{QStringLiteral("Berg,Ida"), 1},
                                   {QStringLiteral("meier,anna"), 2},
                                   {QStringLiteral("Zorn,Udo"), 3}};
    const QList<EntryRow> added = {{QStringLiteral("Zeller,Zoe"), 4},
                                   {QStringLiteral("Meier,Anna"), 5},
                                   {QStringLiteral("Abel,Kai"), 6},
                                   {QStringLiteral("MEIER,ANNA"), 7}};
    EntryListModel single;
    EntryListModel bulk;
    for (EntryListModel* model : {&single, &bulk})
        model->AddSorted(there);
    const QPersistentModelIndex udo = bulk.index(2);
    for (const EntryRow& row : added)
        single.AddSorted(row.text, row.code);
    bulk.AddSorted(added);
    ASSERT_EQ(bulk.Count(), single.Count());
    for (int i = 0; i < single.Count(); ++i)
        EXPECT_EQ(std::pair(bulk.Text(i), bulk.Code(i)), std::pair(single.Text(i), single.Code(i)))
            << i;
    EXPECT_EQ(bulk.Code(udo.row()), 3) << "a view's selection follows its row";
}

} // namespace
