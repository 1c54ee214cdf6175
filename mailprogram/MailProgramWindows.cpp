// Windows: Simple MAPI, which the default mail client (Outlook, Thunderbird, …) provides. It shows
// the client's own compose window with the files attached. The call returns only when that window
// is closed, so it runs on a thread of its own and the Zandrel window stays usable meanwhile.
#include "mailprogram/MailProgram.h"
#include "mailprogram/SimpleMapi.h"

#include <memory>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <vector>
#include <windows.h>

namespace mailprogram {
namespace {

using simplemapi::SendMailW;

constexpr ULONG kTo = 1;
constexpr ULONG kLogonUi = 0x1;
constexpr ULONG kDialog = 0x8;
constexpr ULONG kUserAbort = 1;

// The default mail client's name, the user's choice before the machine's; empty: none.
QString defaultClient()
{
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        wchar_t name[256] = {};
        DWORD size = sizeof(name);
        if (RegGetValueW(root, L"Software\\Clients\\Mail", nullptr, RRF_RT_REG_SZ, nullptr, name,
                         &size) == ERROR_SUCCESS &&
            name[0] != 0)
            return QString::fromWCharArray(name);
    }
    return {};
}

std::wstring wide(const QString& text)
{
    return text.toStdWString();
}

Outcome sendMail(const Message& message, const QString& client)
{
    HMODULE mapi = LoadLibraryW(L"MAPI32.DLL");
    if (mapi == nullptr)
        return {Result::NotStarted, client, QStringLiteral("MAPI32.DLL")};
    const auto send =
        reinterpret_cast<SendMailW>(reinterpret_cast<void*>(GetProcAddress(mapi, "MAPISendMailW")));
    if (send == nullptr) {
        FreeLibrary(mapi);
        return {Result::NotStarted, client, QStringLiteral("MAPISendMailW")};
    }
    // The strings must live until the call returns.
    std::wstring subject = wide(message.subject);
    std::wstring body = wide(QString(message.body).replace(u'\n', QStringLiteral("\r\n")));
    std::wstring address = wide(QStringLiteral("SMTP:") + message.to);
    std::wstring name = wide(message.to);
    std::vector<std::wstring> paths;
    std::vector<std::wstring> names;
    for (const QString& path : message.attachments) {
        paths.push_back(wide(QDir::toNativeSeparators(path)));
        names.push_back(wide(QFileInfo(path).fileName()));
    }
    simplemapi::RecipDescW recipient{0, kTo, name.data(), address.data(), 0, nullptr};
    std::vector<simplemapi::FileDescW> files;
    for (size_t i = 0; i < paths.size(); ++i)
        files.push_back({0, 0, ULONG(-1), paths[i].data(), names[i].data(), nullptr});
    simplemapi::MessageW mail{};
    mail.lpszSubject = subject.data();
    mail.lpszNoteText = body.data();
    mail.nRecipCount = message.to.isEmpty() ? 0 : 1;
    mail.lpRecips = message.to.isEmpty() ? nullptr : &recipient;
    mail.nFileCount = ULONG(files.size());
    mail.lpFiles = files.empty() ? nullptr : files.data();

    const ULONG result = send(0, 0, &mail, kDialog | kLogonUi, 0);
    FreeLibrary(mapi);
    if (result == 0)
        return {Result::Handed, client, {}};
    if (result == kUserAbort)
        return {Result::Cancelled, client, {}};
    return {Result::Failed, client,
            QCoreApplication::translate("MailProgram", "MAPI-Fehler %1").arg(result)};
}

} // namespace

bool openLink(const QUrl& url)
{
    // Windows' ShellExecute answers whether a program took the link.
    return QDesktopServices::openUrl(url);
}

void hand(const Message& message, QObject* context, Done done)
{
    QPointer<QObject> guard = context;
    const auto answer = [guard, done](const Outcome& outcome) {
        if (guard)
            QTimer::singleShot(0, guard, [done, outcome] { done(outcome); });
    };
    const QString client = defaultClient();
    if (client.isEmpty()) {
        answer({Result::NoMailProgram, {}, {}});
        return;
    }
    QThread* thread = QThread::create([message, client, guard, done] {
        const Outcome outcome = sendMail(message, client);
        // Back on the user-interface thread, which alone may ask whether the caller still exists:
        // it may be closed while the compose window is open.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [guard, done, outcome] {
                if (guard)
                    done(outcome);
            },
            Qt::QueuedConnection);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

} // namespace mailprogram
