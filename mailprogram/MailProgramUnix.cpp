// Linux: the program that handles mailto: links on this desktop (as xdg-mime reports it) is
// started with its own command line, which unlike a mailto: link can attach files.
#include "mailprogram/MailProgram.h"

#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

namespace mailprogram {
namespace {

// A mail program that is still running after this long has opened its compose window (or handed
// the message to its running instance, which ends the call at once); one that fails does so sooner.
constexpr int kSettleMs = 4000;

struct Handler
{
    QString id;   ///< "thunderbird.desktop"; empty: none set up
    QString name; ///< "Thunderbird"
    QStringList exec;
};

// The desktop file's Name and Exec, with the escapes of its string values undone.
void readDesktopFile(const QString& path, Handler& handler)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    bool entry = false;
    QString exec;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'['))
            entry = line == QStringLiteral("[Desktop Entry]");
        else if (entry && line.startsWith(QStringLiteral("Name=")) && handler.name.isEmpty())
            handler.name = line.mid(5).trimmed();
        else if (entry && line.startsWith(QStringLiteral("Exec=")) && exec.isEmpty())
            exec = line.mid(5).trimmed();
    }
    QString unescaped;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        if (exec.at(i) != u'\\' || i + 1 == exec.size()) {
            unescaped += exec.at(i);
            continue;
        }
        const QChar next = exec.at(++i);
        unescaped += next == u's' ? u' ' : next == u't' ? u'\t' : next == u'n' ? u'\n' : next;
    }
    handler.exec = execArguments(unescaped, handler.name, path);
}

Handler defaultHandler()
{
    Handler handler;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit)
        return handler;
    handler.id = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    // Only a desktop file id: anything else would be looked up outside the applications folders.
    if (handler.id.contains(u'/') || !handler.id.endsWith(QStringLiteral(".desktop"))) {
        handler.id.clear();
        return handler;
    }
    QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, handler.id);
    // "kde-kmail.desktop" may also be kde/kmail.desktop.
    if (path.isEmpty())
        path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                      QString(handler.id).replace(u'-', u'/'));
    if (!path.isEmpty())
        readDesktopFile(path, handler);
    return handler;
}

// Where copies for Thunderbird go: the program's own data folder, or the temporary one when
// that path itself is one Thunderbird cannot take.
QString copiesFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!data.isEmpty() && thunderbirdCanAttach(data))
        return data + QStringLiteral("/Anhänge");
    return QDir::tempPath() + QStringLiteral("/zandrel-anhaenge");
}

// What the message says of a mail program that ended with an error.
QString exitCodeText(int code)
{
    return QCoreApplication::translate("MailProgram", "Exit-Code %1").arg(code);
}

void answerLater(QObject* context, Done done, const Outcome& outcome)
{
    QTimer::singleShot(0, context, [done = std::move(done), outcome] { done(outcome); });
}

void launch(const Command& command, const QString& program, QObject* context, Done done)
{
    // Without a parent, and never deleted while it runs: a QProcess that is destroyed kills its
    // program, and the mail program must stay open after Zandrel has been closed.
    auto* process = new QProcess;
    process->setProgram(command.program);
    process->setArguments(command.arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    struct State
    {
        QPointer<QObject> context;
        Done done;
        bool answered = false;
    };
    auto state = std::make_shared<State>(State{context, std::move(done)});
    const auto answer = [state, program](Result result, const QString& detail) {
        if (state->answered)
            return;
        state->answered = true;
        // Queued: even a program that cannot be found must not answer inside hand().
        if (state->context)
            answerLater(state->context, state->done, Outcome{result, program, detail});
    };
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, answer](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         answer(Result::NotStarted, process->errorString());
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, answer](int code, QProcess::ExitStatus status) {
                         if (status == QProcess::NormalExit && code == 0)
                             answer(Result::Handed, {});
                         else
                             answer(Result::Failed, status == QProcess::NormalExit
                                                        ? exitCodeText(code)
                                                        : process->errorString());
                         process->deleteLater();
                     });
    QTimer::singleShot(kSettleMs, context, [answer] { answer(Result::Handed, {}); });
    process->start();
}

// How long xdg-open may take to say that it found nothing for a link. One that runs longer has
// started the program and waits for it, as it does for some desktops.
constexpr int kLinkAnswerMs = 3000;

} // namespace

bool openLink(const QUrl& url)
{
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty())
        return false;
    // Without a parent, and left running when it outlasts the wait: the program it started must
    // stay open. It deletes itself once it ends.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(xdgOpen, {QString::fromUtf8(url.toEncoded())});
    if (!process->waitForStarted()) {
        process->deleteLater();
        return false;
    }
    if (!process->waitForFinished(kLinkAnswerMs))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
}

void hand(const Message& message, QObject* context, Done done)
{
    const Handler handler = defaultHandler();
    if (handler.id.isEmpty()) {
        answerLater(context, std::move(done), {Result::NoMailProgram, {}, {}});
        return;
    }
    Kind kind = kindOf(handler.id, handler.exec.value(0));
    if (handler.exec.isEmpty())
        kind = Kind::Other; // a program we know, but not where it is: xdg-email finds it
    Message handed = message;
    if (kind == Kind::Thunderbird) {
        const std::optional<QStringList> copies =
            attachableCopies(message.attachments, copiesFolder());
        if (!copies) {
            answerLater(context, std::move(done), {Result::NotStarted, handler.name, {}});
            return;
        }
        handed.attachments = *copies;
    }
    launch(commandFor(kind, handler.exec, handed),
           handler.name.isEmpty() ? handler.id : handler.name, context, std::move(done));
}

} // namespace mailprogram
