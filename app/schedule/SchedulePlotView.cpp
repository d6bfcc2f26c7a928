#include "app/schedule/SchedulePlotView.h"

#include "app/schedule/charts/SchedulePlotCharts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QVBoxLayout>

namespace {

// The charts' module, loaded once and kept for the rest of the run.
struct PlotChartsModule {
    PlotChartsCreate Create = nullptr;
    PlotChartsShow Show = nullptr;
    QString Failure; // why the module is not available; empty when it is
};

// The module of the build when it is there, else the one installed beside the program (its path
// relative to the program's folder).
QString PlotChartsPath()
{
    const QString built = QStringLiteral(QUILLMERE_PLOT_CHARTS_BUILT);
    if (QFileInfo::exists(built))
        return built;
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') +
           QStringLiteral(QUILLMERE_PLOT_CHARTS_INSTALLED);
}

const PlotChartsModule &LoadedPlotCharts()
{
    static const PlotChartsModule module = [] {
        QLibrary library(PlotChartsPath());
        PlotChartsModule loaded;
        loaded.Create = reinterpret_cast<PlotChartsCreate>(library.resolve("QuillmerePlotChartsCreate"));
        loaded.Show = reinterpret_cast<PlotChartsShow>(library.resolve("QuillmerePlotChartsShow"));
        if (!loaded.Create || !loaded.Show)
            loaded.Failure = library.errorString();
        return loaded;
    }();
    return module;
}

} // namespace

TSchedulePlot::TSchedulePlot(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Schedule plot"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    const PlotChartsModule &module = LoadedPlotCharts();
    if (module.Create) {
        m_charts = module.Create(this);
        layout->addWidget(m_charts);
    } else {
        auto *unavailable = new QLabel(QStringLiteral("The plot is not available: ") + module.Failure);
        unavailable->setWordWrap(true);
        layout->addWidget(unavailable);
    }
}

void TSchedulePlot::ShowSeries(const SchedulePlotSeries &series, const LocaleValues &locale)
{
    const SchedulePlotDescription description = DescribePlot(series, locale, ScreenMostSteps);
    if (m_charts)
        LoadedPlotCharts().Show(m_charts, description);
    setAccessibleDescription(
        QString::fromStdString(description.Balance.Description + ' ' + description.Years.Description));
}
