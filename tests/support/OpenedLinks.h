#pragma once
// The links a test's window opens, recorded instead of going to the desktop's programs.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedLinks : public QObject
{
    Q_OBJECT
public:
    OpenedLinks()
    {
        for (const char* scheme : {"mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~OpenedLinks() override
    {
        for (const char* scheme : {"mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};
