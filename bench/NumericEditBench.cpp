#include "controls/numeric/NumericEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {
// Pasting a run of zeros in front of the separator of "00.00": every one of them lengthens the
// integer part, so the text grows to the length pasted (OffscreenBenchMain.cpp makes the
// application).
void BM_PasteZerosBeforeTheSeparator(benchmark::State &state)
{
    const int count = int(state.range(0));
    QGuiApplication::clipboard()->setText(QString(count, u'0'));
    TNumericEdit edit;
    for (auto _ : state) {
        edit.setText(QStringLiteral("00.00"));
        edit.setCursorPosition(2);
        edit.PasteFromClipboard();
    }
    if (edit.text().size() != count + 5)
        state.SkipWithError("the paste lost characters");
}
BENCHMARK(BM_PasteZerosBeforeTheSeparator)->Arg(1000)->Arg(32800)->Unit(benchmark::kMillisecond);
} // namespace
