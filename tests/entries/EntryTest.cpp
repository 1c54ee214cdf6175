// The participant's two forms and the list's order, below any widget.
#include "Entry.h"

#include "CEntryListModel.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>

namespace {

TEST(Entry, DisplayTextSplitsAtTheFirstComma)
{
    const struct
    {
        const char16_t* text;
        const char16_t* name;
        const char16_t* firstName;
    } splits[] = {
        {u"Meier,Anna", u"Meier", u"Anna"},
        {u"Meier  ,Anna,Maria", u"Meier", u"Anna,Maria"}, // first comma; surname end trimmed
        {u"Anna", u"", u"Anna"},
        {u",", u"", u""},
    };
    for (const auto& s : splits) {
        const entry::Names names = entry::SplitDisplayText(QString::fromUtf16(s.text));
        EXPECT_EQ(names.name, QString::fromUtf16(s.name));
        EXPECT_EQ(names.firstName, QString::fromUtf16(s.firstName));
    }
}

TEST(Entry, BirthYearWindowIsOpenAtBothEnds)
{
    const struct
    {
        int year;
        int expected;
    } rows[] = {{1926, -1}, {1927, 1927}, {2025, 2025}, {2026, -1}, {0, -1}, {-5, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(entry::CheckBirthYear(r.year, 2026), r.expected) << r.year;
}

QStringList Texts(const CEntryListModel& model)
{
    QStringList texts;
    for (int i = 0; i < model.Count(); ++i)
        texts << model.Text(i);
    return texts;
}

TEST(EntryListModel, SortedAddIsGermanIgnoresCaseAndKeepsEqualsInArrivalOrder)
{
    CEntryListModel model;
    const QStringList arrival = {QStringLiteral("Zeller,Zoe"),  QStringLiteral("müller,Ute"),
                                 QStringLiteral("Mueller,Max"), QStringLiteral("Müller,Anna"),
                                 QStringLiteral("Öztürk,Elif"), QStringLiteral("Meier,Anna"),
                                 QStringLiteral("meier,anna"),  QStringLiteral("Meier,Anna")};
    int code = 0;
    for (const QString& text : arrival)
        model.AddSorted(text, code++);
    EXPECT_EQ(Texts(model),
              (QStringList{QStringLiteral("Meier,Anna"), QStringLiteral("meier,anna"),
                           QStringLiteral("Meier,Anna"), QStringLiteral("Mueller,Max"),
                           QStringLiteral("Müller,Anna"), QStringLiteral("müller,Ute"),
                           QStringLiteral("Öztürk,Elif"), QStringLiteral("Zeller,Zoe")}));
    EXPECT_EQ(model.Code(0), 5);
    EXPECT_EQ(model.Code(2), 7) << "equal texts keep the order in which they came";

    // The bulk add of a load gives exactly the order of single adds, equals and codes included.
    QRandomGenerator random(7);
    QList<EntryRow> rows;
    for (int i = 0; i < 500; ++i)
        rows.append({arrival[random.bounded(arrival.size())], i});
    CEntryListModel single, bulk;
    for (const EntryRow& row : std::as_const(rows))
        single.AddSorted(row.text, row.code);
    bulk.AddSorted(rows);
    ASSERT_EQ(bulk.Count(), 500);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(bulk.Code(i), single.Code(i)) << i;
}

} // namespace
