#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

// The main of the benchmarks that need a Qt application: offscreen unless QT_QPA_PLATFORM says
// otherwise, the application created before the first benchmark runs.
int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
