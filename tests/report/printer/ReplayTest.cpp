#include "report/printer/RecordedPage.h"
#include "report/printer/ReplayCache.h"
#include "tests/report/support/ReportValuePrinters.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A page of 100 x 50 pixels.
const QSize PageUnits(400, 200);

QImage WhiteImage(QSize size, int dotsPerInch = 96)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    return image;
}

QImage Replayed(const RecordedPage &page, QImage image, const QRectF &target)
{
    QPainter painter(&image);
    page.Replay(painter, target);
    return image;
}

// The smallest rectangle holding every pixel of `area` (all of the image if none) that is not white,
// or of `colour` alone.
QRect InkBox(const QImage &image, QRect area = {}, std::optional<QRgb> colour = std::nullopt)
{
    if (area.isNull())
        area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (colour ? image.pixel(x, y) == *colour : image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

TextOp Text(const QString &text, QPoint origin, int points, Qt::Alignment alignment = Qt::AlignLeft)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    return TextOp{origin, text, font, Qt::black, alignment, std::nullopt};
}

class ReplayAtZoom : public testing::TestWithParam<double> {};

TEST_P(ReplayAtZoom, RulesAndFillsLandOnTheScaledPixels)
{
    const double zoom = GetParam();
    RecordedPage page(PageUnits);
    page.Append(FillRectOp{PageRect{44, 40, 80, 60}, QBrush(Qt::black)});        // pixels 11..19 x 10..14
    page.Append(LineOp{QPoint(40, 80), QPoint(360, 80), QPen(Qt::black, 4)});    // 10..89 along row 20
    page.Append(LineOp{QPoint(320, 120), QPoint(320, 200), QPen(Qt::black, 4)}); // 30..49 down column 80
    const QSize size = QSize(120, 70) * zoom;
    const QImage image = Replayed(page, WhiteImage(size), QRectF(QPointF(10, 10), QSizeF(100, 50) * zoom));

    // Pixel p of the page at zoom 1 in the image; a pen of 4 units is 2 pixels at zoom 2, the line's
    // pixel and the one before it.
    const auto at = [zoom](int p) { return qRound(10 + p * zoom); };
    const int before = zoom == 2 ? 1 : 0;
    // The image's rows from `top` to just before `bottom`.
    const auto rows = [&](int top, int bottom) { return QRect(0, top, size.width(), bottom - top); };
    EXPECT_EQ(InkBox(image, rows(0, at(17))), QRect(QPoint(at(11), at(10)), QPoint(at(20) - 1, at(15) - 1)));
    EXPECT_EQ(InkBox(image, rows(at(17), at(25))),
              QRect(QPoint(at(10), at(20) - before), QPoint(at(90) - 1, at(20))));
    EXPECT_EQ(InkBox(image, rows(at(25), size.height())),
              QRect(QPoint(at(80) - before, at(30)), QPoint(at(80), at(50) - 1)));
}

INSTANTIATE_TEST_SUITE_P(Zooms, ReplayAtZoom, testing::Values(0.5, 1.0, 2.0));

TEST(Replay, APolylineRunsThroughItsPoints)
{
    RecordedPage page(PageUnits);
    page.Append(PolylineOp{{QPoint(40, 40), QPoint(200, 40), QPoint(200, 160)}, QPen(Qt::black, 4)});
    page.Append(PolylineOp{{QPoint(300, 40), QPoint(300, 160)}, QPen(Qt::black, 4)}); // the fewest points
    const QImage image = Replayed(page, WhiteImage(QSize(120, 70)), QRectF(QPointF(10, 10), QSizeF(100, 50)));
    // Page units 40..300 across and 40..160 down: pixels 20..85 and 20..50, a pixel of pen around.
    EXPECT_EQ(InkBox(image), QRect(QPoint(19, 19), QPoint(85, 50)));
    EXPECT_LT(qGray(image.pixel(60, 20)), 128); // the first's horizontal run
    EXPECT_LT(qGray(image.pixel(60, 35)), 128); // the first's vertical run
    EXPECT_LT(qGray(image.pixel(85, 35)), 128); // the second
    EXPECT_GT(qGray(image.pixel(40, 35)), 128); // nothing between the points
}

struct RectangleCase {
    const char *Name;
    PageRect Rect;
    QPen Pen;
    QRect Outline; // the black pixels
    QRect Inside;  // the yellow ones
};

class ReplayedRectangle : public testing::TestWithParam<RectangleCase> {};

// The outline runs through the rectangle's outermost pixels, as its edges' rules would; the brush
// fills what the outline leaves.
TEST_P(ReplayedRectangle, OutlinesItsOutermostPixelsAndFillsTheRest)
{
    RecordedPage page(PageUnits);
    page.Append(RectangleOp{GetParam().Rect, GetParam().Pen, QBrush(Qt::yellow)});
    const QImage image = Replayed(page, WhiteImage(QSize(100, 50)), QRectF(0, 0, 100, 50));
    EXPECT_EQ(InkBox(image, {}, qRgb(0, 0, 0)), GetParam().Outline);
    EXPECT_EQ(InkBox(image, {}, qRgb(255, 255, 0)), GetParam().Inside);
    EXPECT_EQ(InkBox(image), GetParam().Outline | GetParam().Inside) << "nothing else drawn";
}

// Page units 40..120 across and 40..80 down: pixels 10..29 and 10..19.
INSTANTIATE_TEST_SUITE_P(
    Pens, ReplayedRectangle,
    testing::Values(
        RectangleCase{"OnePixel",
                      {40, 40, 120, 80},
                      QPen(Qt::black, 4),
                      QRect(QPoint(10, 10), QPoint(29, 19)),
                      QRect(QPoint(11, 11), QPoint(28, 18))},
        RectangleCase{"TwoPixels",
                      {40, 40, 120, 80},
                      QPen(Qt::black, 8),
                      QRect(QPoint(9, 9), QPoint(29, 19)),
                      QRect(QPoint(11, 11), QPoint(27, 17))},
        RectangleCase{
            "NoPen", {40, 40, 120, 80}, QPen(Qt::NoPen), QRect(), QRect(QPoint(10, 10), QPoint(29, 19))},
        // A pixel high, it has no inside: all of it is outline.
        RectangleCase{
            "NoInside", {40, 40, 120, 44}, QPen(Qt::black, 8), QRect(QPoint(9, 9), QPoint(29, 10)), QRect()}),
    [](const testing::TestParamInfo<RectangleCase> &info) { return std::string(info.param.Name); });

// Recorded pages once came out 12.5 times too large on a 1200-dpi printer.
TEST(Replay, AFontIsItsPointSizeAt96PixelsPerInchOnAnyDevice)
{
    RecordedPage page(PageUnits);
    page.Append(Text(QStringLiteral("HH"), QPoint(40, 40), 72)); // 18 points on paper, 24 pixels at zoom 1
    const QRectF target(0, 0, 200, 100);
    const QRect screen = InkBox(Replayed(page, WhiteImage(QSize(200, 100)), target));
    const QRect printer = InkBox(Replayed(page, WhiteImage(QSize(200, 100), 1200), target));
    // A capital H is about 0.72 em high: 0.72 x 48 pixels at zoom 2.
    EXPECT_NEAR(screen.height(), 34.5, 2.5);
    EXPECT_NEAR(printer.height(), screen.height(), 1);
    EXPECT_NEAR(printer.width(), screen.width(), 2);
    EXPECT_NEAR(screen.top(), 20 + 48 * 0.2, 4) << "the origin is the top of the line, not the baseline";
}

TEST(Replay, TextAlignsOnItsOrigin)
{
    RecordedPage page(PageUnits);
    page.Append(Text(QStringLiteral("Left"), QPoint(200, 0), 40));
    page.Append(Text(QStringLiteral("Right"), QPoint(200, 60), 40, Qt::AlignRight));
    page.Append(Text(QStringLiteral("Centre"), QPoint(200, 120), 40, Qt::AlignHCenter));
    const QImage image = Replayed(page, WhiteImage(QSize(100, 50)), QRectF(0, 0, 100, 50));
    const QRect left = InkBox(image.copy(0, 0, 100, 15));
    const QRect right = InkBox(image.copy(0, 15, 100, 15));
    const QRect centre = InkBox(image.copy(0, 30, 100, 20));
    EXPECT_NEAR(left.left(), 50, 2);
    EXPECT_NEAR(right.right(), 49, 2);
    EXPECT_NEAR(centre.center().x(), 50, 2);
}

// A window keeps its laid-out texts and its fonts from one replay to the next, across zooms; the same
// text in another font is laid out on its own.
TEST(Replay, WhatIsKeptBetweenReplaysDrawsWhatAFreshReplayDraws)
{
    RecordedPage page(PageUnits);
    page.Append(Text(QStringLiteral("Kept 1,234.56"), QPoint(8, 8), 24));
    page.Append(Text(QStringLiteral("Kept 1,234.56"), QPoint(8, 100), 48));
    ReplayCache kept;
    for (const qreal zoom : {1.0, 2.0, 1.0}) {
        const QSize size(qRound(100 * zoom), qRound(50 * zoom));
        const QRectF target(QPointF(0, 0), size);
        QImage withKept = WhiteImage(size);
        QPainter painter(&withKept);
        page.Replay(painter, target, kept);
        painter.end();
        EXPECT_EQ(withKept, Replayed(page, WhiteImage(size), target)) << "at zoom " << zoom;
        const int half = size.height() / 2;
        const QRect small = InkBox(withKept.copy(0, 0, size.width(), half));
        const QRect large = InkBox(withKept.copy(0, half, size.width(), half));
        EXPECT_NEAR(large.width(), 2 * small.width(), 3 * zoom) << "at zoom " << zoom;
    }
}

TEST(Replay, AClipOfThePageStaysInsideTheReplay)
{
    RecordedPage page(PageUnits);
    TextOp text = Text(QStringLiteral("WWWWWWWW"), QPoint(0, 0), 80);
    text.Clip = PageRect{0, 0, 100, 200};
    page.Append(text);
    QImage image = WhiteImage(QSize(100, 50));
    QPainter painter(&image);
    page.Replay(painter, QRectF(0, 0, 100, 50));
    EXPECT_FALSE(painter.hasClipping());
    EXPECT_LE(InkBox(image).right(), 24) << "the text is clipped to its rectangle";
    painter.fillRect(image.rect(), Qt::black);
    painter.end();
    EXPECT_EQ(image.pixel(99, 49), qRgb(0, 0, 0));
}

} // namespace
