#include "FakeMailDesktop.h"

#include <algorithm>
#include <QDir>
#include <QFile>

namespace {

const char* const kVariables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS",
                                  "XDG_CONFIG_DIRS", "PATH"};
// Whatever would make xdg-mime ask a real desktop instead of the files here.
const char* const kDesktop[] = {"XDG_CURRENT_DESKTOP",
                                "DESKTOP_SESSION",
                                "KDE_FULL_SESSION",
                                "KDE_SESSION_VERSION",
                                "GNOME_DESKTOP_SESSION_ID",
                                "DBUS_SESSION_BUS_ADDRESS",
                                "DISPLAY",
                                "WAYLAND_DISPLAY"};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

} // namespace

FakeMailDesktop::FakeMailDesktop()
{
    for (const char* name : kVariables) {
        if (qEnvironmentVariableIsSet(name))
            m_saved.insert(name, qgetenv(name));
        else
            m_unset << name;
    }
    for (const char* name : kDesktop) {
        if (qEnvironmentVariableIsSet(name)) {
            m_saved.insert(name, qgetenv(name));
            qunsetenv(name);
        }
    }
    const QByteArray root = QFile::encodeName(m_dir.path());
    qputenv("XDG_DATA_HOME", root + "/data");
    qputenv("XDG_CONFIG_HOME", root + "/config");
    qputenv("XDG_DATA_DIRS", root + "/system");
    qputenv("XDG_CONFIG_DIRS", root + "/system-config");
    qputenv("PATH", root + "/mail-programs:" + m_saved.value("PATH"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("data/applications")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
}

FakeMailDesktop::~FakeMailDesktop()
{
    for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it)
        qputenv(it.key().constData(), it.value());
    for (const QByteArray& name : m_unset)
        qunsetenv(name.constData());
}

void FakeMailDesktop::writeProgram(const QString& path, int exitCode)
{
    // Arguments NUL-separated, written whole before the name appears, so a test never reads half.
    // A program whose interpreter is missing: found, but it cannot be started.
    writeFile(path,
              QStringLiteral("#!%2\n"
                             "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$0.args.tmp\"\n"
                             "mv \"$0.args.tmp\" \"$0.args\"\n"
                             "exit %1\n")
                  .arg(std::max(exitCode, 0))
                  .arg(exitCode < 0 ? QStringLiteral("/nicht/da/sh") : QStringLiteral("/bin/sh"))
                  .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void FakeMailDesktop::install(const QString& desktopId, const QString& program, const QString& name,
                              const QString& exec, int exitCode, bool makeDefault)
{
    const QString path = m_dir.filePath(QStringLiteral("mail-programs/") + program);
    writeProgram(path, exitCode);
    // One mail program at a time: xdg-mime would take any other that names mailto: links when
    // it finds the default unusable.
    QDir applications(m_dir.filePath(QStringLiteral("data/applications")));
    applications.removeRecursively();
    applications.mkpath(QStringLiteral("."));
    writeFile(m_dir.filePath(QStringLiteral("data/applications/") + desktopId),
              QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2\n"
                             "MimeType=x-scheme-handler/mailto;\n")
                  .arg(name, QString(exec).replace(QStringLiteral("%p"), u'"' + path + u'"'))
                  .toUtf8());
    if (makeDefault) {
        writeFile(m_dir.filePath(QStringLiteral("config/mimeapps.list")),
                  QStringLiteral("[Default Applications]\nx-scheme-handler/mailto=%1\n")
                      .arg(desktopId)
                      .toUtf8());
    }
}

void FakeMailDesktop::removeAll()
{
    QDir(m_dir.filePath(QStringLiteral("data/applications"))).removeRecursively();
    QFile::remove(m_dir.filePath(QStringLiteral("config/mimeapps.list")));
}

void FakeMailDesktop::installXdgEmail(int exitCode)
{
    writeProgram(m_dir.filePath(QStringLiteral("mail-programs/xdg-email")), exitCode);
}

void FakeMailDesktop::installXdgOpen(int exitCode)
{
    const QString path = m_dir.filePath(QStringLiteral("mail-programs/xdg-open"));
    writeFile(path, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"$0.links\"\nexit %1\n")
                        .arg(exitCode)
                        .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList FakeMailDesktop::openedLinks() const
{
    QFile file(m_dir.filePath(QStringLiteral("mail-programs/xdg-open.links")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList FakeMailDesktop::arguments(const QString& program) const
{
    QFile file(
        m_dir.filePath(QStringLiteral("mail-programs/") + program + QStringLiteral(".args")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList arguments;
    const QByteArray all = file.readAll();
    for (const QByteArray& argument : all.split('\0'))
        arguments << QString::fromUtf8(argument);
    arguments.removeLast(); // after the last NUL
    return arguments;
}
