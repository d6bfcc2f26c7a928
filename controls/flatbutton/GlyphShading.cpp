#include "controls/flatbutton/GlyphShading.h"

#include "design/ColorNames.h"

namespace {
struct Thresholds {
    int White;
    int Highlight;
    int Shadow;
};

Thresholds ThresholdsOf(TFlatButtonShadingType shading)
{
    switch (shading) {
    case TFlatButtonShadingType::stLight:
        return {205, 127, 68};
    case TFlatButtonShadingType::stDark:
        return {335, 274, 175};
    case TFlatButtonShadingType::stMedium:
        break;
    }
    return {553, 231, 57};
}

// Replaces the RGB of `pixel` and keeps its alpha.
QRgb Recoloured(QRgb pixel, const QColor &color)
{
    return qRgba(color.red(), color.green(), color.blue(), qAlpha(pixel));
}
} // namespace

QImage ShadedGlyph(const QImage &bitmap, TFlatButtonShadingType shading, const ButtonColors &colors)
{
    if (bitmap.isNull())
        return {};
    const Thresholds t = ThresholdsOf(shading);
    QImage shaded = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = shaded.pixel(0, 0);
    for (int y = 0; y < shaded.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(shaded.scanLine(y));
        for (int x = 0; x < shaded.width(); ++x) {
            const QRgb pixel = line[x];
            if (pixel == transparent)
                continue;
            const int sum = qRed(pixel) + qGreen(pixel) + qBlue(pixel);
            const QColor &target = sum > t.White       ? clWhite
                                   : sum > t.Highlight ? colors.Highlight
                                   : sum > t.Shadow    ? colors.Shadow
                                                       : clBlack;
            line[x] = Recoloured(pixel, target);
        }
    }
    return shaded;
}

QImage TransparentGlyph(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = keyed.pixel(0, 0);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == transparent)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return keyed;
}

QImage BlackPixelsIn(const QImage &bitmap, const QColor &color)
{
    if (bitmap.isNull())
        return {};
    QImage mask = bitmap.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mask.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const bool black = qAlpha(line[x]) != 0 && (line[x] & RGB_MASK) == 0;
            line[x] = black ? Recoloured(line[x], color) : qRgba(0, 0, 0, 0);
        }
    }
    return mask;
}

QImage DownPattern(const ButtonColors &colors)
{
    QImage pattern(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, ((x + y) % 2 == 0 ? colors.Highlight : colors.Face).rgb());
    }
    return pattern;
}
