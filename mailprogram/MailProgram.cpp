// What every platform shares: the mailto: link, the fallback, and the command lines of the Linux
// mail programs (pure functions, so the tests can check them on any platform).
#include "mailprogram/MailProgram.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace mailprogram {
namespace {

QString encoded(const QString& text, const QByteArray& keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

QString fileUrl(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

// A value of Thunderbird's -compose argument. In quotes it is taken as it is, but a quote
// followed by a comma would end it early; unquoted, Thunderbird decodes it as a URL component.
QString composeValue(const QString& value)
{
    if (!value.contains(QStringLiteral("',")))
        return u'\'' + value + u'\'';
    return encoded(value);
}

} // namespace

QUrl mailtoUrl(const Message& message, bool files)
{
    QStringList query{QStringLiteral("subject=") + encoded(message.subject)};
    // Line ends in a mailto: link are CR LF (RFC 6068).
    query << QStringLiteral("body=") +
                 encoded(QString(message.body).replace(u'\n', QStringLiteral("\r\n")));
    if (files) {
        for (const QString& path : message.attachments)
            query << QStringLiteral("attach=") + encoded(fileUrl(path));
    }
    return QUrl::fromEncoded(
        (QStringLiteral("mailto:") + encoded(message.to, "@") + u'?' + query.join(u'&')).toUtf8(),
        QUrl::StrictMode);
}

Fallback openFallback(const Message& message)
{
    Fallback opened;
    opened.mailOpened = openLink(mailtoUrl(message));
    if (!message.attachments.isEmpty()) {
        opened.folderOpened =
            openLink(QUrl::fromLocalFile(QFileInfo(message.attachments.first()).absolutePath()));
    }
    return opened;
}

Kind kindOf(const QString& desktopId, const QString& program)
{
    const QString names = (desktopId + u' ' + QFileInfo(program).fileName()).toLower();
    const auto has = [&names](const char* word) { return names.contains(QLatin1String(word)); };
    if (has("thunderbird") || has("icedove") || has("betterbird"))
        return Kind::Thunderbird;
    if (has("kmail"))
        return Kind::KMail;
    if (has("evolution"))
        return Kind::Evolution;
    if (has("claws-mail"))
        return Kind::Claws;
    return Kind::Other;
}

QStringList execArguments(const QString& exec, const QString& name, const QString& desktopFile)
{
    // Quoting as the desktop entry format has it: double quotes, in which a backslash takes the
    // next of " ` $ \ as it is.
    QStringList tokens;
    QString token;
    bool inToken = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == u'\\' && i + 1 < exec.size() &&
                QStringLiteral("\"`$\\").contains(exec.at(i + 1)))
                token += exec.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                token += c;
        } else if (c == u' ' || c == u'\t') {
            if (inToken)
                tokens << token;
            token.clear();
            inToken = false;
        } else {
            inToken = true;
            if (c == u'"')
                quoted = true;
            else
                token += c;
        }
    }
    if (quoted)
        return {};
    if (inToken)
        tokens << token;

    // The field codes stand for files, links and the icon, which we give ourselves or not at all;
    // flatpak's @@ markers enclose them.
    static const QStringList dropped{
        QStringLiteral("%f"), QStringLiteral("%F"), QStringLiteral("%u"),  QStringLiteral("%U"),
        QStringLiteral("%i"), QStringLiteral("@@"), QStringLiteral("@@u"), QStringLiteral("@@f")};
    QStringList arguments;
    for (QString& t : tokens) {
        if (dropped.contains(t))
            continue;
        // "%%" is a percent sign; any code but the name and the desktop file stands for nothing.
        t.replace(QStringLiteral("%%"), QStringLiteral("\x01"));
        t.replace(QStringLiteral("%c"), QString(name).replace(u'%', u'\x01'));
        t.replace(QStringLiteral("%k"), QString(desktopFile).replace(u'%', u'\x01'));
        t.remove(QRegularExpression(QStringLiteral("%[A-Za-z]")));
        t.replace(u'\x01', u'%');
        arguments << t;
    }
    return arguments;
}

QString thunderbirdCompose(const Message& message)
{
    QStringList fields;
    if (!message.to.isEmpty())
        fields << QStringLiteral("to=") + composeValue(message.to);
    fields << QStringLiteral("subject=") + composeValue(message.subject);
    fields << QStringLiteral("body=") + composeValue(message.body);
    QStringList urls;
    for (const QString& path : message.attachments)
        urls << fileUrl(path);
    if (!urls.isEmpty())
        fields << QStringLiteral("attachment='") + urls.join(u',') + u'\'';
    return fields.join(u',');
}

bool thunderbirdCanAttach(const QString& path)
{
    return !path.contains(u',') && !path.contains(u'\'') && !path.contains(u'=');
}

std::optional<QStringList> attachableCopies(const QStringList& paths, const QString& base)
{
    if (std::all_of(paths.begin(), paths.end(), thunderbirdCanAttach))
        return paths;
    if (!thunderbirdCanAttach(base) || !QDir().mkpath(base))
        return std::nullopt;
    // A folder of its own per message: the mail program may read the files long after this call,
    // and the next message must not overwrite them.
    QTemporaryDir folder(base + QStringLiteral("/Versand-XXXXXX"));
    if (!folder.isValid())
        return std::nullopt;
    folder.setAutoRemove(false);
    QStringList attachable;
    for (const QString& path : paths) {
        if (thunderbirdCanAttach(path)) {
            attachable << path;
            continue;
        }
        QString name = QFileInfo(path).fileName();
        for (const QChar c : {u',', u'\'', u'='})
            name.replace(c, u'_');
        const QString copy = folder.filePath(name);
        if (!QFile::copy(path, copy))
            return std::nullopt;
        attachable << copy;
    }
    return attachable;
}

Command commandFor(Kind kind, const QStringList& exec, const Message& message)
{
    Command command;
    QStringList arguments = exec;
    switch (kind) {
    case Kind::Thunderbird:
        arguments << QStringLiteral("-compose") << thunderbirdCompose(message);
        break;
    case Kind::KMail:
        arguments << QStringLiteral("--composer") << QStringLiteral("--subject") << message.subject
                  << QStringLiteral("--body") << message.body;
        for (const QString& path : message.attachments)
            arguments << QStringLiteral("--attach") << path;
        // KMail has no option for the recipient: it takes the address as a plain argument, after
        // "--" so that it cannot be an option. But it attaches the file of any plain argument
        // that reads as a link with a scheme ("file:/etc/passwd#@x.de") and opens one beginning
        // "mailto:" as a link with its own attach=; both need a ':', which no plain address has.
        // An address with one stays out, and the user fills in "An" in KMail.
        if (!message.to.isEmpty() && !message.to.contains(u':'))
            arguments << QStringLiteral("--") << message.to;
        break;
    case Kind::Evolution:
        arguments << mailtoUrl(message, true).toString(QUrl::FullyEncoded);
        break;
    case Kind::Claws:
        arguments << QStringLiteral("--compose") << mailtoUrl(message).toString(QUrl::FullyEncoded)
                  << QStringLiteral("--attach") << message.attachments;
        break;
    case Kind::Other:
        arguments = QStringList{QStringLiteral("xdg-email"), QStringLiteral("--subject"),
                                message.subject, QStringLiteral("--body"), message.body};
        for (const QString& path : message.attachments)
            arguments << QStringLiteral("--attach") << path;
        // As a mailto: link the address cannot be taken for an option either.
        if (!message.to.isEmpty())
            arguments << QStringLiteral("mailto:") + encoded(message.to, "@");
        break;
    }
    if (arguments.isEmpty())
        return command;
    command.program = arguments.takeFirst();
    command.arguments = arguments;
    return command;
}

} // namespace mailprogram
