#include "report/engine/FormBuilding.h"

#include "calc/Rounding.h"
#include "design/ColorNames.h"
#include "report/engine/PrintContext.h"
#include "report/printer/PageCanvas.h"
#include "report/printer/PageGeometry.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

TRPFont ReportArial(int pixels, TFontStyle style, const QColor &color)
{
    QFont font = Arial(pixels, style);
    font.setPointSize(RoundHalfEven(pixels * 72.0L / ScreenPixelsPerInch));
    return {font, color};
}

TRPFont ReportFormFont()
{
    return ReportArial(13, TFontStyle::Regular, clWindowText);
}

void LayOutPrintedFont(const TRPFont &font)
{
    QString line;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        line += QChar(c);
    // A page of 100 x 6 design pixels drawn at their size on a screen, as the preview draws at 100 %.
    PageCanvas canvas;
    canvas.StartPage(QSize(400, 24));
    canvas.SetFont(PageFont(font));
    canvas.TextOut(QPoint(0, 0), line);
    const RecordedPage page = canvas.FinishPage();
    QImage image(100, 6, QImage::Format_RGB32);
    QPainter painter(&image);
    page.Replay(painter, QRectF(image.rect()));
}

namespace {
QFontMetricsF PageMetrics(const TRPFont &font)
{
    static const QImage page = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(ScreenPixelsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return QFontMetricsF(PageFont(font), &page);
}
} // namespace

qreal PrintedWidth(const QString &text, const TRPFont &font)
{
    return PageMetrics(font).horizontalAdvance(text) / PageUnitsPerPixel;
}

qreal PrintedLineHeight(const TRPFont &font)
{
    return PageMetrics(font).height() / PageUnitsPerPixel;
}

void Place(TRPCustomControl *control, int left, int top, int width, int height)
{
    control->SetLeft(left);
    control->SetTop(top);
    control->SetWidth(width);
    control->SetHeight(height);
}

TRPLabel *Label(TRPBand *band, int left, int top, int width, int height, const QString &caption)
{
    auto *label = band->Create<TRPLabel>();
    Place(label, left, top, width, height);
    label->SetCaption(caption);
    return label;
}

TRPLabel *Label(TRPBand *band, int left, int top, int width, int height, const QString &caption,
                const TRPFont &font)
{
    TRPLabel *label = Label(band, left, top, width, height, caption);
    label->SetFont(font);
    return label;
}

TRPShape *Rule(TRPBand *band, int left, int top, int width)
{
    auto *shape = band->Create<TRPShape>();
    Place(shape, left, top, width, 4);
    shape->SetShape(TRPShapeType::rpsHorLine);
    return shape;
}

TRPBand *Band(TReportForm &form, TBandType type, int height)
{
    TRPBand *band = form.CreateBand(type);
    band->SetHeight(height);
    band->SetColor(clWhite);
    TRPFrame frame;
    frame.Pen.setWidth(0);
    band->SetFrame(frame);
    return band;
}
