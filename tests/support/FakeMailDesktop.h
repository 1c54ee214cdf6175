#pragma once
// A desktop of the test's own (Linux): XDG folders in a temporary directory, in which a fake mail
// program handles mailto: links. Each fake is a script that writes its arguments to a file and
// ends with the exit status it was given. The real xdg-mime finds it, as it would a real one.

#include <QByteArrayList>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class FakeMailDesktop
{
public:
    FakeMailDesktop();
    ~FakeMailDesktop();
    FakeMailDesktop(const FakeMailDesktop&) = delete;
    FakeMailDesktop& operator=(const FakeMailDesktop&) = delete;

    /// The one mail program `program` (exit status -1: one that cannot be started) described by
    /// `desktopId` with Name=`name` and the Exec line `exec` ("%p" stands for the program's quoted
    /// path), made the default for mailto: links unless `makeDefault` is false.
    void install(const QString& desktopId, const QString& program, const QString& name,
                 const QString& exec, int exitCode = 0, bool makeDefault = true);
    /// No mail program at all.
    void removeAll();
    /// A fake xdg-email, found before any other on the PATH.
    void installXdgEmail(int exitCode = 0);

    /// A fake xdg-open, which notes each link it is given and ends with `exitCode` (3: it found
    /// no program for the link, as on a desktop without any).
    void installXdgOpen(int exitCode = 0);
    /// The links given to that xdg-open, in order.
    QStringList openedLinks() const;

    /// The arguments of the last run of `program`; empty when it has not run.
    QStringList arguments(const QString& program) const;
    QString root() const { return m_dir.path(); }

private:
    void writeProgram(const QString& path, int exitCode);

    QTemporaryDir m_dir;
    QHash<QByteArray, QByteArray> m_saved; // environment as it was
    QByteArrayList m_unset;
};
