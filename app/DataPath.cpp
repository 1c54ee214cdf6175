#include "app/DataPath.h"

#include <QCoreApplication>
#include <QDir>

// Off by default; QT_LOGGING_RULES="zandrel.data.info=true" shows where the data was looked for.
Q_LOGGING_CATEGORY(lcData, "zandrel.data", QtWarningMsg)

QString dataPath(const QString& relative)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/zandrel/")) +
                           QLatin1Char('/') + relative);
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/16x16/apps/zandrel.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/32x32/apps/zandrel.png"), QSize(32, 32));
    return icon;
}
