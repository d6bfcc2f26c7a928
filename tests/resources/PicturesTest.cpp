#include "resources/Pictures.h"

#include <QColor>
#include <QImage>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {
const QColor olive{128, 128, 0};
const QColor silver{192, 192, 192};
const QColor magenta{255, 0, 255};
const QColor black{0, 0, 0};
const QColor white{255, 255, 255};
const QColor teal{0, 128, 128};

struct PictureCase {
    const char *name;
    QString (*path)();
    QSize size;
    std::optional<QColor> topLeft;     // the colour a glyph is drawn transparently with
    std::optional<int> paletteColours; // 16 for a 16-colour picture
};

void PrintTo(const PictureCase &row, std::ostream *out)
{
    *out << row.name;
}

QSet<QRgb> ColoursOf(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// The columns of black in a row of the picture.
QList<int> BlackColumns(const QImage &image, int y)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == black)
            columns.append(x);
    return columns;
}

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, LoadsWithItsSizeColoursAndOpaqueBackground)
{
    const PictureCase &row = GetParam();
    const QImage image(row.path());
    ASSERT_FALSE(image.isNull()) << row.path().toStdString();
    EXPECT_EQ(image.size(), row.size);
    EXPECT_FALSE(image.hasAlphaChannel());
    if (row.topLeft) {
        EXPECT_EQ(image.pixelColor(0, 0), *row.topLeft);
    }
    if (row.paletteColours) {
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.colorCount(), *row.paletteColours);
        EXPECT_LE(ColoursOf(image).size(), *row.paletteColours);
    }
    // A picture of a single colour would pass everything above.
    EXPECT_GE(ColoursOf(image).size(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureTest,
    testing::Values(PictureCase{"Logo", LogoPicture, QSize(68, 93), std::nullopt, 16},
                    PictureCase{"ExitGlyph", ExitGlyph, QSize(18, 18), olive, std::nullopt},
                    PictureCase{"HelpGlyph", HelpGlyph, QSize(20, 20), silver, 16},
                    PictureCase{"PrintGlyph", PrintGlyph, QSize(20, 20), magenta, 16},
                    PictureCase{"VerticalName", VerticalNamePicture, QSize(23, 170), silver, std::nullopt},
                    PictureCase{"ZoomOutGlyph", ZoomOutGlyph, QSize(16, 16), teal, 16},
                    PictureCase{"PageWidthGlyph", PageWidthGlyph, QSize(16, 16), teal, 16},
                    PictureCase{"ZoomInGlyph", ZoomInGlyph, QSize(16, 16), teal, 16}),
    [](const testing::TestParamInfo<PictureCase> &info) { return std::string(info.param.name); });

// Black letters with a white edge on silver: no black pixel touches the silver ground, not even at a corner.
TEST(VerticalNamePicture, BlackLettersHaveAWhiteEdgeAllRound)
{
    const QImage image(VerticalNamePicture());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(ColoursOf(image), (QSet<QRgb>{black.rgb(), white.rgb(), silver.rgb()}));
    int blackPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != black)
                continue;
            ++blackPixels;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint near(x + dx, y + dy);
                    ASSERT_TRUE(image.rect().contains(near))
                        << "letter at the picture's border: " << x << ',' << y;
                    EXPECT_NE(image.pixelColor(near), silver) << "at " << x << ',' << y;
                }
        }
    EXPECT_GT(blackPixels, 200);
}

// The desktop icons are the logo's night scene (its top 64 rows, less two columns each side): shrunk by
// averaging, grown by whole factors with every pixel repeated, so they follow a change of the logo.
class DesktopIconTest : public testing::TestWithParam<int> {};

TEST_P(DesktopIconTest, IsTheLogosSceneAtItsSize)
{
    const int size = GetParam();
    const QString path = QStringLiteral(QUILLMERE_ICONS_DIR "/quillmere-%1.png").arg(size);
    const QImage icon = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    ASSERT_EQ(icon.size(), QSize(size, size));
    const QImage scene = QImage(LogoPicture()).copy(2, 0, 64, 64).convertToFormat(QImage::Format_RGB32);
    if (size >= scene.width()) {
        EXPECT_TRUE(icon == scene.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << "not the scene with each pixel repeated";
        return;
    }
    const QImage shrunk = scene.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int worst = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QColor a = icon.pixelColor(x, y), b = shrunk.pixelColor(x, y);
            worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                              std::abs(a.blue() - b.blue())});
        }
    // Qt's smooth scaling averages the same areas and rounds them its own way.
    EXPECT_LE(worst, 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DesktopIconTest, testing::Values(16, 32, 48, 64, 128, 256));

// Read from bottom to top, the letters stand with their tops to the left: the bottom line of ink is the
// stem of the capital H across the whole letter height, the top line of ink the small trademark sign at
// the letters' top, in the left half.
TEST(VerticalNamePicture, ReadsFromBottomToTop)
{
    const QImage image(VerticalNamePicture());
    ASSERT_FALSE(image.isNull());
    int top = 0;
    while (top < image.height() && BlackColumns(image, top).isEmpty())
        ++top;
    int bottom = image.height() - 1;
    while (bottom > top && BlackColumns(image, bottom).isEmpty())
        --bottom;
    ASSERT_LT(top, bottom);

    const QList<int> stem = BlackColumns(image, bottom);
    EXPECT_GE(stem.back() - stem.front(), 15);
    const QList<int> trademark = BlackColumns(image, top);
    EXPECT_LT(trademark.back(), image.width() / 2);
}
} // namespace
