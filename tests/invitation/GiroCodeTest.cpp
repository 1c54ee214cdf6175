// The GiroCode's payload: the EPC limits kept exactly, nothing ever cut.
#include "invitation/GiroCode.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(GiroCode, KeepsToTheLimitsAndNeverCuts)
{
    using G = invitation::GiroCode;
    const auto account = [](const QString& holder) {
        return invitation::Account{u"DE02120300000000202051"_s, holder, {}, {}};
    };
    const QString emoji = QString(69, u'A') + u"😀"_s; // 70 characters, 71 UTF-16 units
    const struct
    {
        const char* name;
        QString holder;
        qint64 cents;
        QString reference;
        G::Refusal refusal;
        QByteArray amountLine;
    } cases[] = {
        {"one cent", u"TG"_s, 1, u"MG"_s, G::None, "EUR0.01"},
        {"100.000,00 €", u"TG"_s, 10000000, u"MG"_s, G::None, "EUR100000.00"},
        {"the most", u"TG"_s, 99999999999, u"MG"_s, G::None, "EUR999999999.99"},
        {"a cent more", u"TG"_s, 100000000000, u"MG"_s, G::AmountTooLarge, {}},
        {"nothing", u"TG"_s, 0, u"MG"_s, G::NoAmount, {}},
        {"70 characters with an emoji", emoji, 550, u"MG"_s, G::None, "EUR5.50"},
        {"71 characters", emoji + u'A', 550, u"MG"_s, G::HolderTooLong, {}},
        {"140 characters", u"TG"_s, 550, QString(140, u'r'), G::None, "EUR5.50"},
        {"141 characters", u"TG"_s, 550, QString(141, u'r'), G::ReferenceTooLong, {}},
        {"140 euro signs", u"TG"_s, 550, QString(140, u'€'), G::TooManyBytes, {}},
        {"a line break", u"TG"_s, 550, u"MG\nX"_s, G::LineBreak, {}},
    };
    for (const auto& c : cases) {
        const G code = invitation::giroCode(account(c.holder), c.cents, c.reference);
        EXPECT_EQ(code.refusal, c.refusal) << c.name;
        EXPECT_LE(code.payload.size(), invitation::kMostPayloadBytes) << c.name;
        if (c.refusal != G::None) {
            EXPECT_TRUE(code.payload.isEmpty()) << c.name;
            continue;
        }
        // Exactly the holder and the reference the form prints: nothing cut or collapsed.
        const QList<QByteArray> lines = code.payload.split('\n');
        ASSERT_EQ(lines.size(), 11) << c.name;
        EXPECT_EQ(std::tuple(lines[5], lines[7], lines[10]),
                  std::tuple(c.holder.toUtf8(), c.amountLine, c.reference.toUtf8()))
            << c.name;
    }
    EXPECT_TRUE(invitation::giroCode(account(u"T  G"_s), 1, u"M  G"_s).payload.endsWith("\nM  G"));
}

} // namespace
