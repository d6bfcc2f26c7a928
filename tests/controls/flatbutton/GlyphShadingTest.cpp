#include "controls/flatbutton/GlyphShading.h"

#include <gtest/gtest.h>

namespace {
const QColor Highlight(200, 100, 50);
const QColor Shadow(50, 100, 150);
const QColor Face(90, 90, 200);
const ButtonColors Colors{Face, Highlight, Shadow};
const QColor Olive(128, 128, 0);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

// A 2 x 1 glyph: the transparent olive at (0, 0) and `pixel` at (1, 0).
QImage GlyphWith(const QColor &pixel)
{
    QImage glyph(2, 1, QImage::Format_RGB32);
    glyph.setPixelColor(0, 0, Olive);
    glyph.setPixelColor(1, 0, pixel);
    return glyph;
}

struct ShadingCase {
    const char *Name;
    TFlatButtonShadingType Shading;
    QColor Pixel;
    QColor Shaded;
};

class ShadedPixel : public testing::TestWithParam<ShadingCase> {};

TEST_P(ShadedPixel, FollowsTheThresholdsOfTheShadingType)
{
    const ShadingCase &c = GetParam();
    const QImage shaded = ShadedGlyph(GlyphWith(c.Pixel), c.Shading, Colors);
    EXPECT_EQ(shaded.pixelColor(1, 0), c.Shaded);
    EXPECT_EQ(shaded.pixelColor(0, 0), Olive);
}

using S = TFlatButtonShadingType;
INSTANTIATE_TEST_SUITE_P(
    Pixels, ShadedPixel,
    testing::Values(ShadingCase{"GreyLight", S::stLight, QColor(128, 128, 128), White},
                    ShadingCase{"GreyMedium", S::stMedium, QColor(128, 128, 128), Highlight},
                    ShadingCase{"GreyDark", S::stDark, QColor(128, 128, 128), White},
                    ShadingCase{"RedLight", S::stLight, QColor(255, 0, 0), White},
                    ShadingCase{"RedMedium", S::stMedium, QColor(255, 0, 0), Highlight},
                    ShadingCase{"RedDark", S::stDark, QColor(255, 0, 0), Shadow},
                    ShadingCase{"DarkRedLight", S::stLight, QColor(128, 0, 0), Highlight},
                    ShadingCase{"DarkRedMedium", S::stMedium, QColor(128, 0, 0), Shadow},
                    ShadingCase{"DarkRedDark", S::stDark, QColor(128, 0, 0), Black},
                    ShadingCase{"Sum553Medium", S::stMedium, QColor(255, 255, 43), Highlight},
                    ShadingCase{"Sum554Medium", S::stMedium, QColor(255, 255, 44), White},
                    ShadingCase{"Sum57Medium", S::stMedium, QColor(57, 0, 0), Black},
                    ShadingCase{"Sum58Medium", S::stMedium, QColor(58, 0, 0), Shadow},
                    ShadingCase{"Sum274Dark", S::stDark, QColor(255, 19, 0), Shadow},
                    ShadingCase{"Sum275Dark", S::stDark, QColor(255, 20, 0), Highlight},
                    ShadingCase{"WhiteMedium", S::stMedium, White, White},
                    ShadingCase{"BlackLight", S::stLight, Black, Black}),
    [](const testing::TestParamInfo<ShadingCase> &info) { return std::string(info.param.Name); });

TEST(ShadedGlyph, NeverChangesAPixelOfTheTransparentColour)
{
    // Olive (sum 256) would turn into the highlight colour under stMedium were it not transparent.
    QImage glyph(3, 1, QImage::Format_RGB32);
    glyph.fill(Olive);
    glyph.setPixelColor(1, 0, QColor(128, 128, 1));
    const QImage shaded = ShadedGlyph(glyph, S::stMedium, Colors);
    EXPECT_EQ(shaded.pixelColor(2, 0), Olive);
    EXPECT_EQ(shaded.pixelColor(1, 0), Highlight);
}

TEST(ShadedGlyph, OfAnEmptyPictureIsEmpty)
{
    EXPECT_TRUE(ShadedGlyph(QImage(), S::stMedium, Colors).isNull());
}

TEST(TransparentGlyph, HidesEveryPixelOfTheTopLeftColourAndKeepsTheRest)
{
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.fill(Olive);
    picture.setPixelColor(1, 0, Black);
    const QImage keyed = TransparentGlyph(picture);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 0)), 0);
    EXPECT_EQ(keyed.pixelColor(1, 0), Black);
}

TEST(BlackPixelsIn, PaintsOnlyExactlyBlackPixels)
{
    QImage bitmap(3, 1, QImage::Format_RGB32);
    bitmap.setPixelColor(0, 0, Olive);
    bitmap.setPixelColor(1, 0, Black);
    bitmap.setPixelColor(2, 0, QColor(0, 0, 1));
    const QImage engraved = BlackPixelsIn(bitmap, Shadow);
    EXPECT_EQ(qAlpha(engraved.pixel(0, 0)), 0);
    EXPECT_EQ(engraved.pixelColor(1, 0), Shadow);
    EXPECT_EQ(qAlpha(engraved.pixel(2, 0)), 0);
}

TEST(DownPattern, IsAHighlightAndFaceCheckerboard)
{
    const QImage pattern = DownPattern(Colors);
    ASSERT_EQ(pattern.size(), QSize(8, 8));
    EXPECT_EQ(pattern.pixelColor(0, 0), Highlight);
    EXPECT_EQ(pattern.pixelColor(1, 1), Highlight);
    EXPECT_EQ(pattern.pixelColor(7, 5), Highlight);
    EXPECT_EQ(pattern.pixelColor(1, 0), Face);
    EXPECT_EQ(pattern.pixelColor(6, 7), Face);
}
} // namespace
