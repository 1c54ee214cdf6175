// CImageList and the gender strip it is filled from.
#include "ListTestSupport.h"

#include <gtest/gtest.h>
#include <QPainter>

using namespace listtest;

namespace {

QImage Strip(const QList<QColor>& colours, int cx, int cy)
{
    QImage strip(cx * static_cast<int>(colours.size()), cy, QImage::Format_RGB32);
    for (int i = 0; i < colours.size(); ++i) {
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < cx; ++x)
                strip.setPixelColor(i * cx + x, y, colours.at(i));
        }
    }
    return strip;
}

} // namespace

TEST(ImageList, CreateChecksTheSizeAndHappensOnce)
{
    CImageList zero;
    EXPECT_FALSE(zero.Create(0, 32, 2, 0));
    EXPECT_FALSE(zero.Create(35, -1, 2, 0));
    EXPECT_EQ(zero.GetImageSize(), QSize(0, 0));

    CImageList images;
    EXPECT_TRUE(images.Create(35, 32, 2, 0));
    EXPECT_EQ(images.GetImageSize(), QSize(35, 32));
    EXPECT_EQ(images.GetImageCount(), 0);
    EXPECT_FALSE(images.Create(10, 10, 2, 0));
    EXPECT_EQ(images.GetImageSize(), QSize(35, 32));
}

TEST(ImageList, AddRejectsWhatItCannotCut)
{
    CImageList notCreated;
    EXPECT_EQ(notCreated.Add(Strip({Qt::red}, 35, 32)), -1);

    CImageList images;
    ASSERT_TRUE(images.Create(35, 32, 2, 0));
    EXPECT_EQ(images.Add(QImage()), -1);
    EXPECT_EQ(images.Add(Strip({Qt::red, Qt::green}, 35, 31)), -1);
    EXPECT_EQ(images.Add(Strip({Qt::red}, 34, 32)), -1);
    EXPECT_EQ(images.GetImageCount(), 0);
}

TEST(ImageList, AddCutsTheStripAndAppends)
{
    CImageList images;
    ASSERT_TRUE(images.Create(35, 32, 2, 0));
    EXPECT_EQ(images.Add(Strip({Qt::red, Qt::green}, 35, 32)), 0);
    EXPECT_EQ(images.GetImageCount(), 2);
    // A narrower remainder on the right is not a picture.
    QImage ragged(3 * 35 + 10, 32, QImage::Format_RGB32);
    ragged.fill(Qt::blue);
    EXPECT_EQ(images.Add(ragged), 2);
    EXPECT_EQ(images.GetImageCount(), 5);

    EXPECT_EQ(images.GetImage(0).pixelColor(34, 31), QColor(Qt::red));
    EXPECT_EQ(images.GetImage(1).pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(images.GetImage(4).size(), QSize(35, 32));
    EXPECT_TRUE(images.GetImage(5).isNull());
    EXPECT_TRUE(images.GetImage(-1).isNull());
}

TEST(ImageList, DrawsOpaqueAndIgnoresBadIndices)
{
    QImage translucent(70, 32, QImage::Format_ARGB32);
    translucent.fill(QColor(0, 255, 255, 0));
    translucent.setPixelColor(40, 5, QColor(200, 0, 0, 255));

    CImageList images;
    ASSERT_TRUE(images.Create(35, 32, 2, 0));
    ASSERT_EQ(images.Add(translucent), 0);

    QImage canvas(100, 40, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    QPainter painter(&canvas);
    images.Draw(painter, 1, QPoint(10, 4));
    images.Draw(painter, 2, QPoint(50, 0));
    images.Draw(painter, -1, QPoint(50, 0));
    painter.end();

    // No mask: the picture's background covers what was there, whatever its alpha said.
    for (int y = 4; y < 36; ++y) {
        for (int x = 10; x < 45; ++x)
            ASSERT_NE(canvas.pixelColor(x, y), QColor(Qt::red)) << x << "," << y;
    }
    EXPECT_EQ(canvas.pixelColor(10 + 5, 4 + 5), QColor(200, 0, 0));
    EXPECT_EQ(canvas.pixelColor(9, 4), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(45, 4), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(60, 10), QColor(Qt::red));
}

TEST(GenderPicture, IsAGirlAndABoyOnPlainCyanWithoutWhite)
{
    const QImage picture(GenderPicturePath());
    ASSERT_FALSE(picture.isNull()) << GenderPicturePath().toStdString();
    ASSERT_EQ(picture.size(), QSize(70, 32));

    const QColor cyan(0, 255, 255);
    for (int left : {0, 35}) {
        EXPECT_EQ(picture.pixelColor(left, 0), cyan);
        EXPECT_EQ(picture.pixelColor(left + 34, 0), cyan);
        EXPECT_EQ(picture.pixelColor(left, 31), cyan);
        EXPECT_EQ(picture.pixelColor(left + 34, 31), cyan);
    }

    int drawn[2] = {0, 0};
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 70; ++x) {
            const QColor c = picture.pixelColor(x, y);
            ASSERT_NE(c, QColor(255, 255, 255)) << "pure white at " << x << "," << y;
            ASSERT_EQ(c.alpha(), 255);
            if (c != cyan)
                ++drawn[x / 35];
            if (x < 35 && c != picture.pixelColor(x + 35, y))
                ++differing;
        }
    }
    // Both halves hold a real picture, and they are not the same one.
    EXPECT_GT(drawn[0], 35 * 32 / 3);
    EXPECT_GT(drawn[1], 35 * 32 / 3);
    EXPECT_GT(differing, 35 * 32 / 5);
}

TEST(GenderPicture, LoadsIntoTwoPictures)
{
    CImageList images;
    ASSERT_TRUE(LoadGenderPictures(images));
    ASSERT_EQ(images.GetImageCount(), 2);
    const QImage strip(GenderPicturePath());
    EXPECT_EQ(images.GetImage(0), strip.copy(0, 0, 35, 32).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(images.GetImage(1), strip.copy(35, 0, 35, 32).convertToFormat(QImage::Format_RGB32));
}
