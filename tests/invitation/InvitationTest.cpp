// An event as its file gives it: when its deadline passes, which fee applies, and how the window
// and the printed form state them.
#include "invitation/Invitation.h"

#include "ExampleFile.h"
#include "invitation/Reader.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using invitation::read;

namespace {

TEST(Invitation, DeadlineEndsAtItsTimeOrAtTheEndOfTheDay)
{
    const invitation::Invitation inv = read(kExample).invitation;
    const invitation::Event& fest = inv.events[0];
    const invitation::Event& kids = inv.events[1];
    const auto at = [](int d, int m, int h, int min) {
        return QDateTime(QDate(2027, m, d), QTime(h, min));
    };
    const std::tuple<const invitation::Event*, QDateTime, bool> cases[] = {
        {&fest, at(15, 5, 18, 0), false},
        {&fest, at(15, 5, 18, 1), true},
        {&kids, at(1, 6, 23, 59), false},
        {&kids, at(2, 6, 0, 0), true},
    };
    for (const auto& [event, now, passed] : cases)
        EXPECT_EQ(event->deadlinePassed(now), passed) << now.toString().toStdString();
    EXPECT_EQ(fest.feeAt(at(16, 5, 9, 0)), 800);
    EXPECT_EQ(kids.feeAt(at(16, 6, 9, 0)), 400) << "no late fee: the fee stays";
    EXPECT_EQ(messages::eventInfo(fest, at(16, 5, 9, 0)),
              u"12.06.2027 · Sporthalle Musterstadt · Meldeschluss war am 15.05.2027, 18:00 Uhr; "
              u"Nachmeldung · Jahrgänge 2009–2020"_s);
    EXPECT_EQ(messages::money(123456), u"1.234,56 €"_s);
    // On paper after the deadline: the late fee, and the reference filled in for the club.
    const QStringList paper =
        messages::printedDetails(inv, fest, u"TV Musterstadt"_s, 12, at(16, 5, 9, 0));
    EXPECT_TRUE(paper.contains(u"Meldegeld: 12 Teilnehmer × 8,00 € = 96,00 €"_s))
        << paper.join(u'|').toStdString();
    EXPECT_TRUE(paper.contains(u"Überweisung an Turngau Musterland e. V., IBAN DE02 1203 0000 "
                               u"0000 2020 51, Verwendungszweck: Meldegeld Gauturnfest 2027 TV "
                               u"Musterstadt"_s));
}

// The reference as banks pass it on, in SEPA's basic characters, the same in the code and on
// paper; what has no near letter or sign there is a blank, and blanks do not double.
TEST(Invitation, TheReferenceIsSpeltInSepaCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {u"Ärger Öl Übel äöüß ẞ"_s, u"Aerger Oel Uebel aeoeuess SS"_s},
        {u"Café Señor Łódź Øster Æsir"_s, u"Cafe Senor Lodz Oster AEsir"_s},
        {u"Mu\u0308ller"_s, u"Mueller"_s},
        {u"TV „Frisch Auf“ – 5 € & mehr"_s, u"TV 'Frisch Auf' - 5 EUR + mehr"_s},
        {u"Nr. #1  *Top* 😀 ½ ﬁt; ok"_s, u"Nr. 1 Top 1/2 fit, ok"_s},
        {u"a-z A-Z 0-9 / - ? : ( ) . , ' +"_s, u"a-z A-Z 0-9 / - ? : ( ) . , ' +"_s},
    };
    for (const auto& [text, spelt] : cases)
        EXPECT_EQ(invitation::sepaText(text), spelt) << text.toStdString();
    const invitation::Account account{{}, {}, u"MG {Veranstaltung} {Verein}"_s, {}};
    EXPECT_EQ(account.referenceFor(u"SG Groß-Umstadt & Söhne"_s, u"Fest"_s),
              u"MG Fest SG Gross-Umstadt + Soehne"_s);
}

} // namespace
