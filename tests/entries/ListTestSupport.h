#pragma once
// Shared set-up for the entry list tests: the real gender strip, a palette with colours that
// appear nowhere in the pictures, and a way to see what the list has drawn.

#include "CIconListBox.h"
#include "CImageList.h"

#include <ostream>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>
#include <QWidget>

// Readable failure messages for the Qt types the tests compare.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << colour.name(QColor::HexArgb).toStdString();
}

namespace listtest {

inline QString GenderPicturePath()
{
    return QStringLiteral(ZANDREL_DATA_BUILD_DIR "/pictures/gender.png");
}

inline const QColor kBase(250, 250, 200);
inline const QColor kHighlight(128, 0, 128);
inline const QColor kHighlightedText(255, 255, 0);
inline const QColor kText(0, 100, 0);
inline const QColor kDisabledText(150, 150, 150);

inline QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, kBase);
    palette.setColor(QPalette::Window, kBase);
    palette.setColor(QPalette::Highlight, kHighlight);
    palette.setColor(QPalette::HighlightedText, kHighlightedText);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Disabled, QPalette::Text, kDisabledText);
    return palette;
}

/// A font without anti-aliasing, so every text pixel has exactly the pen's colour.
inline QFont CrispFont(int pixelSize = 16)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

/// The two pictures, loaded the way the window does it.
inline bool LoadGenderPictures(CImageList& images)
{
    return images.Create(35, 32, 2, 0) && images.Add(QImage(GenderPicturePath())) == 0;
}

/// What the list shows in its viewport, in viewport coordinates.
inline QImage Render(CIconListBox& list)
{
    return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace listtest
