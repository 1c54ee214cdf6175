// The list's order as bytes: collation keys against the list's collator, for the gathering's sort.
#include "entries/Collation.h"

#include "entries/Entry.h"
#include "entries/EntryListModel.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(CollationKeys, OrderExactlyAsTheListsCollator)
{
    const QStringList names = {
        u"Müller,Jürgen"_s,
        u"Muller,Jurgen"_s,
        u"Mueller,Juergen"_s,
        u"müller,jürgen"_s,
        u"MÜLLER,JÜRGEN"_s,
        u"Weiß,Käthe"_s,
        u"Weiss,Käthe"_s,
        u"Weis,Käthe"_s,
        u"Öztürk,Ömer"_s,
        u"Oztürk,Omer"_s,
        u"Zoë,Émile"_s,
        u"Zoe,Emile"_s,
        u"Meyer-Lüdenscheidt,A"_s,
        u"Meyer Lüdenscheidt,A"_s,
        u"Meyerlüdenscheidt,A"_s,
        u"Ångström,Å"_s,
        u"Abel,a"_s,
        u"abel,A"_s,
        u""_s,
        u"\u200B"_s,
        u"Œhler,Renée"_s,
        u"Ohler,Renee"_s,
        u"Šimek,Zoë"_s,
        u"Simek,Zoe"_s,
        u"de la Cruz,Ana"_s,
        u"De La Cruz,ana"_s,
        u"O'Brien,Seán"_s,
        u"1. FC,Anna"_s,
        u"10. FC,Anna"_s,
        u"2. FC,Anna"_s,
    };
    EntryListModel model;
    CollationKeys keys;
    for (const QString& name : names)
        keys.Add(name);
    for (qsizetype a = 0; a < names.size(); ++a) {
        for (qsizetype b = 0; b < names.size(); ++b) {
            const int byCollator = model.collator().compare(names[a], names[b]);
            const int byKeys = keys.key(a).compare(keys.key(b));
            EXPECT_EQ(byCollator < 0, byKeys < 0)
                << names[a].toStdString() << " / " << names[b].toStdString();
            EXPECT_EQ(byCollator == 0, byKeys == 0)
                << names[a].toStdString() << " / " << names[b].toStdString();
        }
    }
    // The bulk add must land every row where single adds would, equal texts in the given order.
    QList<EntryRow> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.append({names[i], entry::makeCode(1990, static_cast<int>(i % 2))});
    EntryListModel oneByOne;
    for (const EntryRow& row : std::as_const(rows))
        oneByOne.addSorted(row.text, row.code);
    model.addSorted(rows);
    for (int i = 0; i < model.count(); ++i)
        EXPECT_EQ(std::pair(model.text(i), model.code(i)),
                  std::pair(oneByOne.text(i), oneByOne.code(i)));
}

} // namespace
