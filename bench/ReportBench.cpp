#include "report/printer/RecordedPage.h"
#include "report/printer/ReplayCache.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

QFont Font(int points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// A page shaped like a full page of the payment chart report: bands filled white, a title block, a
// header with boxes, 60 rows of eight amounts with a rule under each, a footer: about 300 operations.
RecordedPage ChartLikePage()
{
    const int width = 4 * 768;
    RecordedPage page(QSize(width, 4 * 1008));
    const QPen rule(Qt::black, 4);
    page.Append(FillRectOp{{0, 0, width, 400}, QBrush(Qt::white)});
    page.Append(TextOp{{width / 2, 40},
                       QStringLiteral("Monthly Payment Chart"),
                       Font(64, true),
                       Qt::black,
                       Qt::AlignHCenter,
                       std::nullopt});
    page.Append(RectangleOp{{40, 200, width - 40, 380}, rule, Qt::NoBrush});
    for (int row = 0; row < 60; ++row) {
        const int top = 440 + row * 56;
        if (row % 4 == 0)
            page.Append(FillRectOp{{0, top, width, top + 56}, QBrush(Qt::white)});
        for (int column = 0; column < 4; ++column) {
            const int right = 400 + column * 700;
            page.Append(TextOp{{right, top},
                               QStringLiteral("$1,234.56"),
                               Font(40),
                               Qt::black,
                               Qt::AlignRight,
                               PageRect{right - 600, top, right, top + 52}});
        }
        page.Append(LineOp{{40, top + 54}, {width - 40, top + 54}, rule});
    }
    page.Append(TextOp{{40, 3900},
                       QStringLiteral("Figures are estimates only."),
                       Font(32),
                       Qt::black,
                       Qt::AlignLeft,
                       std::nullopt});
    return page;
}

// The preview showing the whole page in a 1280 x 1000 window: each paint with texts laid out and fonts
// made afresh, or with what the window keeps from its earlier paints.
void BM_ReplayChartPage(benchmark::State &state)
{
    const bool keepCache = state.range(0) != 0;
    const RecordedPage page = ChartLikePage();
    QImage image(1280, 1000, QImage::Format_RGB32);
    ReplayCache kept;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        const QRectF target(0, 0, 1000 * 768 / 1008.0, 1000);
        if (keepCache)
            page.Replay(painter, target, kept);
        else
            page.Replay(painter, target);
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["operations"] = static_cast<double>(page.Operations().size());
}
BENCHMARK(BM_ReplayChartPage)->ArgName("kept_cache")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same page written as a PDF file at 1200 dots per inch, in memory: the time and the file's size.
void BM_WriteChartPagePdf(benchmark::State &state)
{
    const RecordedPage page = ChartLikePage();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        QPainter painter(&writer);
        page.Replay(painter, QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(1200).size()));
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_WriteChartPagePdf)->Unit(benchmark::kMillisecond);

} // namespace
