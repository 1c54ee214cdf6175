#include "app/DataPath.h"

#include "app/CImageList.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

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

bool loadGenderPictures(CImageList& pictures)
{
    pictures.Create(35, 32, 2, 0);
    const QString path = dataPath(QStringLiteral("pictures/gender.png"));
    const QImage strip(path);
    const bool loaded = !strip.isNull() && pictures.Add(strip) >= 0;
    qCInfo(lcData).noquote() << "pictures" << path << (loaded ? "loaded" : "missing");
    return loaded;
}
