#pragma once
// A PDF read back the way people read it: the GiroCode on paper as a banking app sees it.

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>
#include <string>

// The code on paper as a banking app sees it: the first page printed at `dpi` and decoded by zbar;
// only the part `area` (points) of it when given, which keeps 600 dpi cheap.
inline std::string giroCodeOnPaper(const QByteArray& pdf, int dpi, const QRectF& area = {})
{
    using namespace Qt::StringLiterals;
    QTemporaryDir dir;
    QFile file(dir.filePath(u"m.pdf"_s));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) > 0);
    file.close();
    QStringList options{u"-r"_s, QString::number(dpi), u"-png"_s, u"-singlefile"_s};
    if (!area.isEmpty()) {
        const qreal scale = dpi / 72.0;
        const QRect pixels = QRectF(area.topLeft() * scale, area.size() * scale).toAlignedRect();
        options << u"-x"_s << QString::number(pixels.x()) << u"-y"_s << QString::number(pixels.y())
                << u"-W"_s << QString::number(pixels.width()) << u"-H"_s
                << QString::number(pixels.height());
    }
    QProcess render;
    render.start(u"pdftoppm"_s, options + QStringList{file.fileName(), dir.filePath(u"page"_s)});
    EXPECT_TRUE(render.waitForFinished() && render.exitCode() == 0);
    QProcess zbar;
    zbar.start(u"zbarimg"_s, {u"--raw"_s, u"-q"_s, u"-Sbinary"_s, dir.filePath(u"page.png"_s)});
    EXPECT_TRUE(zbar.waitForFinished()) << "zbarimg (zbar-tools) missing?";
    QByteArray read = zbar.readAllStandardOutput();
    if (read.endsWith('\n'))
        read.chop(1); // zbarimg ends its output with a line break of its own; a payload never does
    return read.toStdString();
}
