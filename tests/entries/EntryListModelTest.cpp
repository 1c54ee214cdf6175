// The list's rows: where an added row lands, alone or with many, and what a view keeps meanwhile.
#include "entries/EntryListModel.h"

#include <gtest/gtest.h>
#include <QPersistentModelIndex>

namespace {

QStringList texts(const EntryListModel& model)
{
    QStringList texts;
    for (int i = 0; i < model.count(); ++i)
        texts << model.text(i);
    return texts;
}

TEST(EntryListModel, SortedAddIsGermanIgnoresCaseAndKeepsEqualsInArrivalOrder)
{
    EntryListModel model;
    const QStringList arrival = {QStringLiteral("Zeller,Zoe"),  QStringLiteral("müller,Ute"),
                                 QStringLiteral("Mueller,Max"), QStringLiteral("Müller,Anna"),
                                 QStringLiteral("Öztürk,Elif"), QStringLiteral("Meier,Anna"),
                                 QStringLiteral("meier,anna"),  QStringLiteral("Meier,Anna")};
    int code = 0;
    for (const QString& text : arrival)
        model.addSorted(text, code++);
    EXPECT_EQ(texts(model),
              (QStringList{QStringLiteral("Meier,Anna"), QStringLiteral("meier,anna"),
                           QStringLiteral("Meier,Anna"), QStringLiteral("Mueller,Max"),
                           QStringLiteral("Müller,Anna"), QStringLiteral("müller,Ute"),
                           QStringLiteral("Öztürk,Elif"), QStringLiteral("Zeller,Zoe")}));
    EXPECT_EQ(model.code(0), 5);
    EXPECT_EQ(model.code(2), 7) << "equal texts keep the order in which they came";
    // The bulk add against single adds: EntryListModel.ManyRowsJoinAListAsSingleAddsWould...
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
        model->addSorted(there);
    const QPersistentModelIndex udo = bulk.index(2);
    for (const EntryRow& row : added)
        single.addSorted(row.text, row.code);
    bulk.addSorted(added);
    ASSERT_EQ(bulk.count(), single.count());
    for (int i = 0; i < single.count(); ++i)
        EXPECT_EQ(std::pair(bulk.text(i), bulk.code(i)), std::pair(single.text(i), single.code(i)))
            << i;
    EXPECT_EQ(bulk.code(udo.row()), 3) << "a view's selection follows its row";
}

} // namespace
