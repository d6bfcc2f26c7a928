#include "controls/common/BuiltInPicture.h"

#include "controls/Image.h"
#include "controls/flatbutton/FlatButton.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

namespace {
TEST(BuiltInPicture, ReadsThePictureInTheFormatOfItsSuffix)
{
    QTemporaryDir folder;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.setPixelColor(2, 1, Qt::blue);
    const QString path = folder.filePath(QStringLiteral("glyph.xpm"));
    ASSERT_TRUE(picture.save(path, "XPM"));
    const QImage read = BuiltInPicture(path);
    ASSERT_EQ(read.size(), QSize(3, 2));
    EXPECT_EQ(read.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(read.pixelColor(2, 1), QColor(Qt::blue));
}

TEST(BuiltInPicture, MissingOrMisnamedPictureIsNull)
{
    QTemporaryDir folder;
    EXPECT_TRUE(BuiltInPicture(folder.filePath(QStringLiteral("missing.xpm"))).isNull());
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString path = folder.filePath(QStringLiteral("really-a-png.xpm"));
    ASSERT_TRUE(picture.save(path, "PNG"));
    EXPECT_TRUE(BuiltInPicture(path).isNull());
}

// 9 x 6: a green strip (the top-left, transparent colour of a glyph), then a red and a blue block.
QImage RedBlueHalves()
{
    QImage picture(9, 6, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixelColor(x, y, x < 3 ? Qt::green : Qt::red);
    return picture;
}

// Whether a device pixel mixes red and blue: the edge between the blocks blended, not repeated.
bool BlendsRedAndBlue(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.green() == 0 && pixel.red() > 0 && pixel.blue() > 0)
                return true;
        }
    return false;
}

// A device of `ratio` device pixels to a device-independent pixel, white.
QImage Device(QSize size, qreal ratio)
{
    QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage DrawnPicture(qreal ratio)
{
    QImage image = Device({9, 6}, ratio);
    QPainter painter(&image);
    DrawPicture(painter, {0, 0}, RedBlueHalves());
    return image;
}

QImage Rendered(QWidget &widget, qreal ratio)
{
    QImage image = Device(widget.size(), ratio);
    widget.render(&image);
    return image;
}

QImage ImageControl(qreal ratio)
{
    TImage image(nullptr, RedBlueHalves(), {0, 0});
    return Rendered(image, ratio);
}

QImage FlatButtonGlyph(qreal ratio)
{
    TFlatButton button;
    button.resize(30, 20);
    button.SetBitmap(RedBlueHalves());
    button.SetOptions(TFlatButtonOption::boShowBevel); // the full-colour glyph at rest
    return Rendered(button, ratio);
}

struct RatioCase {
    const char *Name;
    QImage (*Draw)(qreal ratio);
    qreal Ratio;
    bool Blended;
};

class PictureAtPixelRatio : public testing::TestWithParam<RatioCase> {};

// A fractional ratio blends the edge between two picture pixels; a whole one repeats each evenly.
TEST_P(PictureAtPixelRatio, FractionalRatiosBlendWholeOnesRepeat)
{
    const RatioCase &c = GetParam();
    EXPECT_EQ(BlendsRedAndBlue(c.Draw(c.Ratio)), c.Blended);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PictureAtPixelRatio,
    testing::Values(RatioCase{"PictureAtOneAndAHalf", DrawnPicture, 1.5, true},
                    RatioCase{"PictureAtTwo", DrawnPicture, 2, false},
                    RatioCase{"ImageControlAtOneAndAHalf", ImageControl, 1.5, true},
                    RatioCase{"FlatButtonGlyphAtOneAndAHalf", FlatButtonGlyph, 1.5, true}),
    [](const testing::TestParamInfo<RatioCase> &info) { return std::string(info.param.Name); });
} // namespace
