// What a registration is made for, without a window: the lists to offer, the choices an event
// file lacks, whom the chosen event admits, and who is billed for what on counts line, paper and
// mail.

#include "app/RegistrationContext.h"

#include "entries/Clubs.h"
#include "entries/EntryDocument.h"
#include "entryfile/EntryFile.h"
#include "gather/Gather.h"
#include "invitation/Reader.h"
#include "messages/Messages.h"
#include "textfile/SafeFile.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// Years 2009–2020; 5,50 € until the deadline, 8,00 € after it. A file without club lines is open
// to any club.
const QByteArray kFile = "FORMAT: Zandrel-Ausschreibung 1\n"
                         "VERANSTALTER: Turngau; Erika Muster; meldung@turngau.de\n"
                         "VERANSTALTUNG: Gauturnfest 2027; 12.06.2027; Halle; 15.05.2027 18:00; "
                         "5,50; 2009-2020; 8,00\n"
                         "VEREIN: TV Musterstadt; 1001\n"
                         "KONTO: DE02 1203 0000 0000 2020 51; Turngau e. V.; Meldegeld {Verein}\n";
const QByteArray kOpenFile = "FORMAT: Zandrel-Ausschreibung 1\n"
                             "VERANSTALTER: Turngau; ; meldung@turngau.de\n"
                             "VERANSTALTUNG: Fest\n";

invitation::Invitation invitationOf(const QByteArray& bytes)
{
    invitation::ReadResult read = invitation::read(bytes);
    EXPECT_TRUE(read.ok());
    return read.invitation;
}

struct Registration
{
    EntryDocument document;
    RegistrationContext context{document};

    explicit Registration(const QByteArray& file = kFile)
    {
        if (!file.isEmpty())
            context.open(invitationOf(file), QStringLiteral("/x/fest.aus"));
        document.setClub(QStringLiteral("TV Musterstadt"));
        document.setEvent(QStringLiteral("Gauturnfest 2027"));
    }
    void add(const char* text, int year)
    {
        document.Add(QString::fromUtf8(text), entry::makeCode(year, entry::Female));
    }
};

const QDateTime kEarly(QDate(2027, 5, 1), QTime(12, 0));
const QDateTime kLate(QDate(2027, 5, 15), QTime(18, 1));

} // namespace

TEST(RegistrationContext, OnlyAdmittedYearsAreBilledAtTheFeeOfTheTime)
{
    Registration r;
    r.add("Meier,Anna", 2010);
    r.add("Alt,Berta", 2000); // the event admits 2009–2020
    r.add("Jung,Clara", 2020);
    struct Row
    {
        QDateTime at;
        qsizetype billed, notAdmitted;
        qint64 amount;
        const char* giroAmount;
    } rows[] = {{kEarly, 2, 1, 1100, "EUR11.00"}, {kLate, 2, 1, 1600, "EUR16.00"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.at.toString().toStdString());
        const std::optional<RegistrationContext::Bill> bill = r.context.bill(row.at);
        ASSERT_TRUE(bill);
        EXPECT_EQ(std::tuple(bill->participants, bill->billed(), bill->notAdmitted, bill->amount()),
                  std::tuple(qsizetype(3), row.billed, row.notAdmitted, row.amount));
        EXPECT_TRUE(r.context.paperExtras(row.at).giroCode.contains(row.giroAmount));
        EXPECT_TRUE(r.context.sending(false, row.at).facts.feeLine.contains(u"2 Teilnehmer"));
    }
    r.context.close();
    EXPECT_FALSE(r.context.bill(kEarly)) << "without the event file nobody is billed";
    EXPECT_TRUE(r.context.paperExtras(kEarly).giroCode.isEmpty());
}

TEST(RegistrationContext, YearsAndAddsFollowTheProgramsWindowThenTheEvent)
{
    using Year = RegistrationContext::Year;
    using Add = RegistrationContext::AddCheck;
    Registration r;
    r.add("Meier,Anna", 2010);
    const int thisYear = 2026;
    struct Row
    {
        const char* name;
        const char* first;
        qint32 year;
        Year year_;
        Add::Verdict add;
    } rows[] = {
        {"Neu", "Nina", 2010, Year::Ok, Add::Ok},
        {"Neu", "Nina", 1800, Year::OutsideWindow, Add::Incomplete},
        {"Neu", "Nina", 2000, Year::NotAdmitted, Add::NotAdmitted},
        {"Neu", "Nina", 2009, Year::Ok, Add::Ok}, // the event's first and last year, and past them
        {"Neu", "Nina", 2020, Year::Ok, Add::Ok},
        {"Neu", "Nina", 2008, Year::NotAdmitted, Add::NotAdmitted},
        {"Neu", "Nina", 2021, Year::NotAdmitted, Add::NotAdmitted},
        {"Neu", "", 2010, Year::Ok, Add::Incomplete},
        {"meier", "anna", 2010, Year::Ok, Add::Duplicate},
        {"Meier", "Anna", 2011, Year::Ok, Add::Ok},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + "," + row.first + " " + std::to_string(row.year));
        EXPECT_EQ(r.context.checkYear(row.year, thisYear), row.year_);
        const Add check = r.context.checkAdd(
            {QString::fromUtf8(row.name), QString::fromUtf8(row.first), row.year, entry::Female},
            thisYear);
        EXPECT_EQ(check.verdict, row.add);
        EXPECT_EQ(check.message.isEmpty(), row.add == Add::Ok);
    }
    r.context.close();
    EXPECT_EQ(r.context.checkYear(2000, thisYear), Year::Ok) << "any year without an event";
}

TEST(RegistrationContext, ChoicesTheNextListsLackAndClubsAnOpenEventTakes)
{
    Registration r;
    r.document.setClub(QStringLiteral("SC Wiesenbach")); // built in, not in the file
    EXPECT_EQ(r.context.missingChoices(&*r.context.invitation()), QStringList{u"SC Wiesenbach"_s});
    EXPECT_EQ(r.context.missingChoices(nullptr), QStringList{u"Gauturnfest 2027"_s});
    EXPECT_EQ(r.context.clubs(), QStringList{u"TV Musterstadt"_s});
    EXPECT_FALSE(r.context.takesClub(u"SV Neuland"_s));

    Registration open(kOpenFile);
    open.document.setClub(QStringLiteral("SV Neuland"));
    EXPECT_EQ(open.context.missingChoices(&*open.context.invitation()),
              QStringList{u"Gauturnfest 2027"_s})
        << "any club, but only its own events";
    EXPECT_EQ(open.context.clubs(), QStringList{u"SV Neuland"_s}) << "the typed club stays";
    EXPECT_TRUE(open.context.takesClub(u"SV Altland"_s));
    EXPECT_FALSE(open.context.takesClub(u"../Anderswo"_s));
    EXPECT_FALSE(open.context.typedClubRefusal(u"../Anderswo"_s).isEmpty());
    EXPECT_TRUE(r.context.typedClubRefusal(u"../Anderswo"_s).isEmpty()) << "no open event";

    Registration builtIn(QByteArray{});
    EXPECT_EQ(builtIn.context.clubs(), lists::clubs());
    EXPECT_EQ(builtIn.context.events(), lists::events());
}

// One amount per club from the club's form to the organiser's sheet: what the counts line, the
// GiroCode and the mail ask is what the fee sheet and the confirmation bill, late or in time by
// the receipt date, also for a child that another club registered too (billed, and named to be
// settled on both sides). A receipt date is a day: a file that came on the deadline's day is in
// time, so the late one here came the day after.
TEST(RegistrationContext, TheOrganisersSheetBillsWhatTheClubsFormAsked)
{
    const QByteArray file = kFile + "VEREIN: SV Nord\n";
    Registration r(file);
    r.add("Meier,Anna", 2010);
    r.add("Alt,Berta", 2000); // not admitted: neither the form nor the sheet bills her
    r.add("Jung,Clara", 2020);
    const struct
    {
        QDateTime sent;
        QDate received;
        const char* giroAmount;
    } rows[] = {{kEarly, kEarly.date(), "EUR11.00"}, {kLate, kLate.date().addDays(1), "EUR16.00"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sent.toString().toStdString());
        const std::optional<RegistrationContext::Bill> bill = r.context.bill(row.sent);
        ASSERT_TRUE(bill);
        const QString asked = messages::money(bill->amount());
        EXPECT_TRUE(r.context.paperExtras(row.sent).giroCode.contains(row.giroAmount));
        EXPECT_TRUE(r.context.sending(false, row.sent).facts.feeLine.endsWith(asked));

        QTemporaryDir dir;
        const auto save = [&dir](const char* name, const QByteArray& bytes) {
            ASSERT_EQ(textfile::saveFile(dir.filePath(QString::fromUtf8(name)), bytes),
                      textfile::SaveResult::Ok);
        };
        save("tv.mdg",
             entryfile::write(r.document.club(), r.document.event(), r.document.entries()));
        save("sv.mdg", entryfile::write(u"SV Nord"_s, r.document.event(),
                                        {{u"Jung,Clara"_s, entry::makeCode(2020, entry::Female)}}));
        save("Eingang.csv", "tv.mdg;" + row.received.toString(u"dd.MM.yyyy"_s).toUtf8() +
                                "\r\nsv.mdg;01.05.2027\r\n");
        gather::Options options;
        options.paths = {dir.path()};
        options.invitation = invitationOf(file);
        options.currentUtcYear = 2026;
        const gather::Result result = gather::run(options);
        const QList<gather::Fee> fees = gather::fees(result);
        ASSERT_EQ(fees.size(), 2);
        EXPECT_EQ(std::tuple(fees[1].club, fees[1].amountCents, fees[1].inQuestionCents),
                  std::tuple(u"TV Musterstadt"_s, bill->amount(), *bill->fee));
        const QList<gather::Confirmation> sent = gather::confirmations(result);
        ASSERT_EQ(sent.size(), 2);
        const QString& tv = sent[1].text;
        EXPECT_TRUE(tv.contains(u"= "_s + asked + u"\r\n"_s)) << tv.toStdString();
        EXPECT_TRUE(
            tv.contains(u"„Clara Jung“ (2020) ist auch von „SV Nord“ gemeldet: zu klären."_s))
            << tv.toStdString();
        EXPECT_TRUE(sent[0].text.contains(u"ist auch von „TV Musterstadt“ gemeldet: zu klären."_s));
        EXPECT_FALSE(tv.contains(u".mdg,"_s) || tv.contains(dir.path())) << "no organiser's paths";
    }
}
