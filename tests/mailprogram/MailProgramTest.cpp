// Handing a registration to the user's mail program: how Thunderbird reads the argument it gets,
// the desktop file's Exec line, and (on Linux) the exact command line each mail program gets when
// the real xdg-mime finds a fake one, with what follows when it fails or none is set up.
#include "mailprogram/MailProgram.h"

#include "tests/support/PrintQString.h"

#include <gtest/gtest.h>
#include <optional>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include "FakeMailDesktop.h"
#endif

using namespace mailprogram;
using namespace Qt::StringLiterals;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '[' << texts.join(u'|').toStdString() << ']';
}
QT_END_NAMESPACE

namespace {

// Thunderbird's own reading of its -compose argument (GetArgs in its compose window's script):
// a quote right after "=" opens a value, which ends at that quote before a comma or at the end;
// commas outside quotes part the fields; a quoted value is taken as it is, any other decoded as a
// URL component; the first of two fields of one name counts.
QHash<QString, QString> thunderbirdReads(const QString& data)
{
    QString split;
    QChar quote;
    QChar previous;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data.at(i);
        const QChar next = i + 1 < data.size() ? data.at(i + 1) : QChar();
        if (!quote.isNull() && c == quote && (next == u',' || next.isNull()))
            quote = QChar();
        else if ((c == u'\'' || c == u'"') && previous == u'=' && quote.isNull())
            quote = c;
        split += c == u',' && quote.isNull() ? QChar(1) : c;
        previous = c;
    }
    QHash<QString, QString> fields;
    for (const QString& pair : split.split(QChar(1))) {
        const qsizetype at = pair.indexOf(u'=');
        if (at < 0 || fields.contains(pair.left(at)))
            continue;
        const QString value = pair.mid(at + 1);
        fields.insert(pair.left(at),
                      value.size() >= 2 && value.startsWith(u'\'') && value.endsWith(u'\'')
                          ? value.mid(1, value.size() - 2)
                          : QUrl::fromPercentEncoding(value.toUtf8()));
    }
    return fields;
}

Outcome handOver(const Message& message)
{
    std::optional<Outcome> outcome;
    QObject context;
    hand(message, &context, [&outcome](const Outcome& done) { outcome = done; });
    EXPECT_FALSE(outcome) << "answered inside hand()";
    QDeadlineTimer deadline(20000);
    while (!outcome && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return outcome.value_or(Outcome{Result::Failed, u"keine Antwort"_s, {}});
}

QString write(const QString& folder, const QString& name)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
    return file.fileName();
}

} // namespace

TEST(MailProgram, ThunderbirdReadsEveryFieldBackAsItWasGiven)
{
    const QStringList files{u"/home/eva/Meine Meldungen/Gauturnfest 2027 TV Musterstadt.mdg"_s,
                            u"/home/eva/Meine Meldungen/Übersicht Ä.pdf"_s};
    const Message messages[] = {
        {u"meldung@turngau-musterland.de"_s, u"Meldung TV Muster,stadt's – Gauturnfest 2027"_s,
         u"Guten Tag,\n\n12 Teilnehmer × 5,50 € = 66,00 €"_s, files},
        // A quote before a comma would end a quoted value early.
        {QString(), u"Sport 'n', Spiel"_s, u"a=b, \"c\" und 'd'"_s, files},
        {u"x@y.de"_s, u"'"_s, u"endet mit '"_s, {}},
    };
    for (const Message& message : messages) {
        const QString compose = thunderbirdCompose(message);
        const QHash<QString, QString> read = thunderbirdReads(compose);
        EXPECT_EQ(read.value(u"to"_s), message.to) << compose.toStdString();
        EXPECT_EQ(read.value(u"subject"_s), message.subject) << compose.toStdString();
        EXPECT_EQ(read.value(u"body"_s), message.body) << compose.toStdString();
        QStringList attached;
        for (const QString& url : read.value(u"attachment"_s).split(u',', Qt::SkipEmptyParts))
            attached << QUrl(url).toLocalFile();
        EXPECT_EQ(attached, message.attachments) << compose.toStdString();
    }
}

TEST(MailProgram, ExecLinesAreSplitAsDesktopFilesQuoteThem)
{
    const struct
    {
        QString exec;
        QStringList arguments;
    } cases[] = {
        {u"thunderbird %u"_s, {u"thunderbird"_s}},
        {u"\"/opt/mail programs/tb\" -P \"a \\\"b\\\" \\$c\"  %U"_s,
         {u"/opt/mail programs/tb"_s, u"-P"_s, u"a \"b\" $c"_s}},
        {u"kmail -qwindowtitle %c %u"_s, {u"kmail"_s, u"-qwindowtitle"_s, u"KMail"_s}},
        {u"flatpak run --file-forwarding org.mozilla.Thunderbird @@u %u @@"_s,
         {u"flatpak"_s, u"run"_s, u"--file-forwarding"_s, u"org.mozilla.Thunderbird"_s}},
        {u"mail --rate=100%% --icon-file=%k %i"_s,
         {u"mail"_s, u"--rate=100%"_s, u"--icon-file=/x.desktop"_s}},
        {u"\"unterminated %u"_s, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(execArguments(c.exec, u"KMail"_s, u"/x.desktop"_s), c.arguments)
            << c.exec.toStdString();
    EXPECT_EQ(kindOf(u"org.mozilla.Thunderbird.desktop"_s, u"/usr/bin/flatpak"_s),
              Kind::Thunderbird);
    EXPECT_EQ(kindOf(u"userapp-x.desktop"_s, u"/usr/bin/icedove"_s), Kind::Thunderbird);
    EXPECT_EQ(kindOf(u"org.kde.kmail2.desktop"_s, u"kmail"_s), Kind::KMail);
    EXPECT_EQ(kindOf(u"org.gnome.Evolution.desktop"_s, u"evolution"_s), Kind::Evolution);
    EXPECT_EQ(kindOf(u"claws-mail.desktop"_s, u"claws-mail"_s), Kind::Claws);
    EXPECT_EQ(kindOf(u"mutt.desktop"_s, u"mutt"_s), Kind::Other);
}

TEST(MailProgram, AHostileAddressStaysOneAddressForEveryMailProgram)
{
    // The address comes from an event file anyone can write. `mailto` is how each mailto: link
    // must carry it; KMail gets it as the plain argument after "--" or, when it would read it as a
    // link to a file, not at all.
    const struct
    {
        const char* why;
        QString to;
        QString mailto;
        bool toKMail;
    } cases[] = {
        {"a file link KMail would attach", u"file:/etc/passwd#@x.de"_s,
         u"file%3A%2Fetc%2Fpasswd%23@x.de"_s, false},
        {"a relative file link", u"file:.ssh/id_rsa#@x.de"_s, u"file%3A.ssh%2Fid_rsa%23@x.de"_s,
         false},
        {"a mailto: link KMail would read", u"mailto:a@b.de?attach=/etc/passwd"_s,
         u"mailto%3Aa@b.de%3Fattach%3D%2Fetc%2Fpasswd"_s, false},
        {"a leading dash, an option", u"-x@y.de"_s, u"-x@y.de"_s, true},
        {"? starts the fields", u"a@b.de?attach=/etc/passwd"_s,
         u"a@b.de%3Fattach%3D%2Fetc%2Fpasswd"_s, true},
        {"& adds a field", u"a@b.de&attach=/x"_s, u"a@b.de%26attach%3D%2Fx"_s, true},
        {"a comma", u"a@b.de,c@d.de"_s, u"a@b.de%2Cc@d.de"_s, true},
        {"a quote", u"a'b@c.de"_s, u"a%27b@c.de"_s, true},
        {"a quote and comma end Thunderbird's value", u"x',attachment='/etc/passwd@x.de"_s,
         u"x%27%2Cattachment%3D%27%2Fetc%2Fpasswd@x.de"_s, true},
        {"a percent stays a percent", u"a%3F@b.de"_s, u"a%253F@b.de"_s, true},
    };
    const QString file = u"/m/Fest.mdg"_s;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Message message{c.to, u"Betreff"_s, u"Text"_s, {file}};
        const auto argv = [&message](Kind kind) {
            const Command command = commandFor(kind, {u"mail"_s}, message);
            return QStringList{command.program} + command.arguments;
        };
        const QString fields = u"?subject=Betreff&body=Text"_s;
        EXPECT_EQ(argv(Kind::KMail),
                  QStringList({u"mail"_s, u"--composer"_s, u"--subject"_s, u"Betreff"_s,
                               u"--body"_s, u"Text"_s, u"--attach"_s, file}) +
                      (c.toKMail ? QStringList{u"--"_s, c.to} : QStringList()));
        EXPECT_EQ(argv(Kind::Evolution),
                  QStringList({u"mail"_s, u"mailto:"_s + c.mailto + fields +
                                              u"&attach=file%3A%2F%2F%2Fm%2FFest.mdg"_s}));
        EXPECT_EQ(argv(Kind::Claws),
                  QStringList({u"mail"_s, u"--compose"_s, u"mailto:"_s + c.mailto + fields,
                               u"--attach"_s, file}));
        EXPECT_EQ(argv(Kind::Other),
                  QStringList({u"xdg-email"_s, u"--subject"_s, u"Betreff"_s, u"--body"_s, u"Text"_s,
                               u"--attach"_s, file, u"mailto:"_s + c.mailto}));
        const QStringList thunderbird = argv(Kind::Thunderbird);
        ASSERT_EQ(thunderbird.size(), 3);
        EXPECT_EQ(thunderbird.at(1), u"-compose"_s);
        const QHash<QString, QString> read = thunderbirdReads(thunderbird.at(2));
        EXPECT_EQ(read.value(u"to"_s), c.to) << thunderbird.at(2).toStdString();
        EXPECT_EQ(read.value(u"attachment"_s), u"file:///m/Fest.mdg"_s);
        EXPECT_EQ(read.size(), 4) << thunderbird.at(2).toStdString();
    }
}

#ifdef Q_OS_WIN

namespace {

// A default mail client as Windows and Wine find it: Software\Clients\Mail names it, and its own
// key names the DLL that provides its Simple MAPI. Removed again at the end.
class RegisteredClient
{
public:
    explicit RegisteredClient(const QString& dll)
    {
        const std::wstring path = QDir::toNativeSeparators(dll).toStdWString();
        HKEY client = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kClientKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &client, nullptr);
        RegSetValueExW(client, L"DLLPath", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       DWORD((path.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(client);
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail", nullptr, REG_SZ, kName,
                        sizeof(kName));
    }
    ~RegisteredClient()
    {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Clients\\Mail", nullptr);
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClientKey);
    }

private:
    static constexpr wchar_t kName[] = L"Zandrel Testpost";
    static constexpr const wchar_t* kClientKey = L"Software\\Clients\\Mail\\Zandrel Testpost";
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(MailProgramWindows, SimpleMapiGetsRecipientSubjectTextAndBothFiles)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"Meine Meldungen"_s);
    const Message message{
        u"meldung@turngau-musterland.de"_s,
        u"Meldung TV Muster,stadt's – Gauturnfest 2027"_s,
        u"Guten Tag,\n12 Teilnehmer × 5,50 €"_s,
        {write(folder, u"Gauturnfest 2027.mdg"_s), write(folder, u"Übersicht.pdf"_s)}};
    const QString log = dir.filePath(u"mapi.log"_s);
    qputenv("ZANDREL_FAKE_MAPI_LOG", QDir::toNativeSeparators(log).toLocal8Bit());
    {
        RegisteredClient client(QCoreApplication::applicationDirPath() + u"/fake_mapi.dll"_s);
        const Outcome outcome = handOver(message);
        EXPECT_EQ(outcome.result, Result::Handed) << outcome.detail.toStdString();
        EXPECT_EQ(outcome.program, u"Zandrel Testpost"_s);
        const QString native = QDir::toNativeSeparators(folder);
        // MAPI_DIALOG | MAPI_LOGON_UI: the client's compose window, logged on if need be.
        EXPECT_EQ(QString::fromUtf8(readAll(log)),
                  u"flags=9\nsubject=Meldung TV Muster,stadt's – Gauturnfest 2027\n"
                  u"body=Guten Tag,\r\n12 Teilnehmer × 5,50 €\n"
                  u"recipient=1 meldung@turngau-musterland.de SMTP:meldung@turngau-musterland.de\n"
                  u"file="_s +
                      native + u"\\Gauturnfest 2027.mdg | Gauturnfest 2027.mdg\nfile="_s + native +
                      u"\\Übersicht.pdf | Übersicht.pdf\n"_s);

        // The user closed the compose window; the client failed.
        qputenv("ZANDREL_FAKE_MAPI_RESULT", "1");
        EXPECT_EQ(handOver(message).result, Result::Cancelled);
        qputenv("ZANDREL_FAKE_MAPI_RESULT", "2");
        const Outcome failed = handOver(message);
        EXPECT_EQ(failed.result, Result::Failed);
        EXPECT_EQ(failed.detail, u"MAPI-Fehler 2"_s);
        qunsetenv("ZANDREL_FAKE_MAPI_RESULT");
    }
    // No default client: nothing is called at all.
    QFile::remove(log);
    EXPECT_EQ(handOver(message).result, Result::NoMailProgram);
    EXPECT_FALSE(QFile::exists(log));
}

#else

class MailProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder = m_desktop.root() + u"/Meine Meldungen"_s;
        m_message = {u"meldung@turngau-musterland.de"_s,
                     u"Meldung TV Muster,stadt's – Gauturnfest 2027"_s,
                     u"Guten Tag,\n12 Teilnehmer × 5,50 €"_s,
                     {write(m_folder, u"Gauturnfest 2027.mdg"_s),
                      write(m_folder, u"Gauturnfest 2027.pdf"_s)}};
    }

    FakeMailDesktop m_desktop;
    QString m_folder;
    Message m_message;
};

TEST_F(MailProgramTest, EachMailProgramGetsItsOwnCommandLineFromTheDefaultHandler)
{
    const QString file = m_folder + u"/Gauturnfest 2027"_s;
    const QString url = u"file://"_s + QString(file).replace(u' ', u"%20"_s);
    const QString subject = u"Meldung%20TV%20Muster%2Cstadt%27s%20%E2%80%93%20Gauturnfest%202027"_s;
    const QString body = u"Guten%20Tag%2C%0D%0A12%20Teilnehmer%20%C3%97%205%2C50%20%E2%82%AC"_s;
    const QString mailto =
        u"mailto:meldung@turngau-musterland.de?subject="_s + subject + u"&body="_s + body;
    const auto attach = [&url](const char* suffix) {
        return u"&attach="_s + QString(url + QLatin1String(suffix))
                                   .replace(u'%', u"%25"_s)
                                   .replace(u'/', u"%2F"_s)
                                   .replace(u':', u"%3A"_s);
    };
    const struct
    {
        QString desktopId;
        QString program;
        QString exec;
        QStringList arguments;
    } cases[] = {
        {u"thunderbird.desktop"_s,
         u"thunderbird"_s,
         u"%p %u"_s,
         {u"-compose"_s,
          u"to='meldung@turngau-musterland.de',subject='Meldung TV Muster,stadt's – Gauturnfest "
          u"2027',body='Guten Tag,\n12 Teilnehmer × 5,50 €',attachment='"_s +
              url + u".mdg,"_s + url + u".pdf'"_s}},
        {u"org.kde.kmail2.desktop"_s,
         u"kmail"_s,
         u"%p -qwindowtitle %c %u"_s,
         {u"-qwindowtitle"_s, u"Post"_s, u"--composer"_s, u"--subject"_s, m_message.subject,
          u"--body"_s, m_message.body, u"--attach"_s, file + u".mdg"_s, u"--attach"_s,
          file + u".pdf"_s, u"--"_s, u"meldung@turngau-musterland.de"_s}},
        {u"org.gnome.Evolution.desktop"_s,
         u"evolution"_s,
         u"%p %U"_s,
         {mailto + attach(".mdg") + attach(".pdf")}},
        {u"claws-mail.desktop"_s,
         u"claws-mail"_s,
         u"%p %u"_s,
         {u"--compose"_s, mailto, u"--attach"_s, file + u".mdg"_s, file + u".pdf"_s}},
        {u"mutt.desktop"_s, u"mutt"_s, u"%p %u"_s, {}},
    };
    m_desktop.installXdgEmail();
    for (const auto& c : cases) {
        m_desktop.install(c.desktopId, c.program, u"Post"_s, c.exec);
        const Outcome outcome = handOver(m_message);
        EXPECT_EQ(outcome.result, Result::Handed) << c.program.toStdString();
        EXPECT_EQ(outcome.program, u"Post"_s);
        EXPECT_EQ(m_desktop.arguments(c.program), c.arguments) << c.program.toStdString();
    }
    // Any other program: xdg-email, which finds it itself.
    EXPECT_EQ(m_desktop.arguments(u"xdg-email"_s),
              (QStringList{u"--subject"_s, m_message.subject, u"--body"_s, m_message.body,
                           u"--attach"_s, file + u".mdg"_s, u"--attach"_s, file + u".pdf"_s,
                           u"mailto:meldung@turngau-musterland.de"_s}));
}

TEST_F(MailProgramTest, ThunderbirdGetsCopiesOfFilesItCannotAttachAndThoseStay)
{
    const QString folder = m_desktop.root() + u"/Meldungen, Verein's"_s;
    m_message.attachments = {write(m_folder, u"a=b.mdg"_s), write(folder, u"Liste.pdf"_s)};
    m_desktop.install(u"thunderbird.desktop"_s, u"thunderbird"_s, u"Thunderbird"_s, u"%p %u"_s);
    ASSERT_EQ(handOver(m_message).result, Result::Handed);

    const QHash<QString, QString> read =
        thunderbirdReads(m_desktop.arguments(u"thunderbird"_s).value(1));
    const QStringList urls = read.value(u"attachment"_s).split(u',');
    ASSERT_EQ(urls.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString copy = QUrl(urls.at(i)).toLocalFile();
        EXPECT_TRUE(copy.startsWith(m_desktop.root() + u"/data/"_s)) << copy.toStdString();
        EXPECT_TRUE(thunderbirdCanAttach(copy)) << copy.toStdString();
        QFile original(m_message.attachments.at(i));
        QFile copied(copy);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly) && copied.open(QIODevice::ReadOnly));
        EXPECT_EQ(copied.readAll(), original.readAll());
    }
    EXPECT_TRUE(urls.at(0).endsWith(u"/a_b.mdg"_s));
}

TEST_F(MailProgramTest, AProgramThatFailsOrIsMissingOrNoneSetUpIsReported)
{
    m_desktop.install(u"thunderbird.desktop"_s, u"thunderbird"_s, u"Thunderbird"_s, u"%p %u"_s, 3);
    Outcome outcome = handOver(m_message);
    EXPECT_EQ(outcome.result, Result::Failed);
    EXPECT_EQ(outcome.detail, u"Exit-Code 3"_s);

    m_desktop.install(u"evolution.desktop"_s, u"evolution"_s, u"Evolution"_s, u"%p %U"_s, -1);
    outcome = handOver(m_message);
    EXPECT_EQ(outcome.result, Result::NotStarted);
    EXPECT_EQ(outcome.program, u"Evolution"_s);

    m_desktop.installXdgEmail(4);
    m_desktop.install(u"mutt.desktop"_s, u"mutt"_s, u"Mutt"_s, u"%p %u"_s);
    EXPECT_EQ(handOver(m_message).result, Result::Failed);

    m_desktop.removeAll();
    EXPECT_EQ(handOver(m_message).result, Result::NoMailProgram);
}

#endif
