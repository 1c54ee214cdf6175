// The participant's two forms and the list's order, below any widget.
#include "entries/Entry.h"

#include "entries/Clubs.h"
#include "entries/EntryListModel.h"

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(Entry, DisplayTextSplitsAtTheFirstCommaAndBirthYearsHaveAnOpenWindow)
{
    // text, surname, first name: the first comma counts, the surname loses its trailing blanks
    const std::array<const char16_t*, 3> splits[] = {
        {u"Meier  ,Anna,Maria", u"Meier", u"Anna,Maria"},
        {u"Anna", u"", u"Anna"},
        {u",", u"", u""}};
    for (const auto& [text, name, first] : splits) {
        const entry::Names names = entry::splitDisplayText(QString::fromUtf16(text));
        EXPECT_EQ(names.name + u'|' + names.firstName,
                  QString::fromUtf16(name) + u'|' + QString::fromUtf16(first));
    }
    const std::pair<int, int> years[] = {
        {1926, -1}, {1927, 1927}, {2025, 2025}, {2026, -1}, {0, -1}};
    for (const auto& [year, expected] : years)
        EXPECT_EQ(entry::CheckBirthYear(year, 2026), expected) << year;
}

TEST(Lists, ClubsAndEventsAreKeptInTheListsOrder)
{
    // The window shows them as they are, without sorting at every start.
    for (const QStringList& list : {lists::clubs(), lists::events()}) {
        QStringList sorted = list;
        std::stable_sort(sorted.begin(), sorted.end(), collation::listCollator());
        EXPECT_EQ(list, sorted) << sorted.join(u'|').toStdString();
    }
}

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

} // namespace
