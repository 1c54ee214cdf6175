#pragma once
// A strip of equally sized pictures addressed by index, the way the entry list wants them: the
// window cuts one source image into 35x32 pieces once and the list draws piece 0 or 1 per row.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>

class QPainter;

class CImageList
{
public:
    /// Fixes the size of every picture. initialCount and grow are only a capacity hint; the list
    /// grows as needed. Fails for a non-positive size or when called twice.
    bool Create(int cx, int cy, int initialCount, int grow);

    /// Cuts the strip into cx-wide pictures (a narrower remainder on the right is dropped) and
    /// appends them. Pure cyan (#00FFFF), the key colour of the strip's background, becomes
    /// transparent; every other pixel is opaque. Returns the index of the first new picture, or -1
    /// for a null image, a list that was not created, a height other than cy or a strip narrower
    /// than one picture.
    int Add(const QImage& strip);

    /// The picture at index, or a null image for a bad index.
    QImage getImage(int index) const;

    /// Draws picture index with its top-left corner at topLeft over what is there (its key colour
    /// lets that show). A bad index draws nothing.
    void draw(QPainter& painter, int index, const QPoint& topLeft) const;

private:
    QSize m_size;
    QList<QImage> m_arrImages;
};
