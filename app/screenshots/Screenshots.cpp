// Renders the main window after its first rebuild, the About box, the print preview of the chart,
// the payment schedule of the entered cell, the same schedule with an extra each month, a first
// payment month and its plot, and the first page of that schedule's print preview to PNG files, for
// the README. The program starts as usual; once its window is shown the chart is built and the windows
// are drawn into <folder>/main-window.png, about-box.png, print-preview.png, schedule-window.png,
// whatif-schedule.png and whatif-print-preview.png.
// Usage: quillmere-screenshots <folder>
#include "about/AboutBox.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/schedule/ScheduleWindow.h"
#include "controls/common/FailureGuard.h"
#include "report/preview/FmPreview.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {
bool Save(QWidget &window, const QString &path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QApplication::processEvents();
    return window.grab().save(path) && std::printf("%s\n", qPrintable(path)) > 0;
}

// The preview that `print` opens, at a size that shows the whole first page (Zoom Out) in a picture
// of reasonable size; closed once drawn.
bool SavePreview(const std::function<void()> &print, const QString &path)
{
    bool saved = false;
    QTimer::singleShot(0, [&saved, path] {
        auto *preview = qobject_cast<TFmPreview *>(QApplication::activeModalWidget());
        // Resized after its activation, which gives it the whole work area.
        if (preview == nullptr || !QTest::qWaitForWindowActive(preview))
            return;
        preview->resize(760, 640);
        preview->bbZoomOutClick(preview);
        saved = Save(*preview, path);
        preview->close();
    });
    RunGuarded(print);
    return saved;
}

// The schedule that a double-click on the entered cell opens.
bool SaveSchedule(TfrmMain &frmMain, const QString &path)
{
    RunGuarded(
        [&frmMain] { frmMain.ShowPaymentSchedule(PaymentChart::EnteredColumn, PaymentChart::EnteredRow); });
    auto *schedule = frmMain.findChild<TfrmSchedule *>();
    return schedule != nullptr && Save(*schedule, path);
}

// The open schedule with 200 extra each month from the first payment, its first payment in March 2025
// and the plot shown, at the size What if and Plot open it to; then its print preview.
bool SaveWhatIfSchedule(TfrmMain &frmMain, const QString &path, const QString &previewPath)
{
    auto *schedule = frmMain.findChild<TfrmSchedule *>();
    if (schedule == nullptr)
        return false;
    const TScheduleControls &c = schedule->Controls();
    c.chkWhatIf->setChecked(true);
    c.pnlWhatIf->edtExtraMonthly->setText(QStringLiteral("200"));
    c.pnlWhatIf->chkFirstPayment->setChecked(true);
    c.pnlWhatIf->edtFirstMonth->setText(QStringLiteral("3"));
    c.pnlWhatIf->edtFirstYear->setText(QStringLiteral("2025"));
    c.chkPlot->setChecked(true);
    // The plot's charts settle their axes' layout, and the window its size, over later turns of the
    // event loop.
    QTest::qWait(500);
    return Save(*schedule, path) &&
           SavePreview([schedule] { schedule->btnPrintClick(schedule); }, previewPath);
}

bool SaveAll(TfrmMain &frmMain, const QDir &folder)
{
    RunGuarded([&frmMain] { frmMain.CalculatePaymentTable(&frmMain); });
    TAboutBox aboutBox(&frmMain);
    return Save(frmMain, folder.filePath(QStringLiteral("main-window.png"))) &&
           Save(aboutBox, folder.filePath(QStringLiteral("about-box.png"))) &&
           SavePreview([&frmMain] { frmMain.btnPrintClick(&frmMain); },
                       folder.filePath(QStringLiteral("print-preview.png"))) &&
           SaveSchedule(frmMain, folder.filePath(QStringLiteral("schedule-window.png"))) &&
           SaveWhatIfSchedule(frmMain, folder.filePath(QStringLiteral("whatif-schedule.png")),
                              folder.filePath(QStringLiteral("whatif-print-preview.png")));
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillmere-screenshots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int qtArgc = 1;
    return RunQuillmere(qtArgc, argv, [folder](TfrmMain &frmMain) {
        QTimer::singleShot(0, &frmMain, [&frmMain, folder] {
            QCoreApplication::exit(SaveAll(frmMain, QDir(folder)) ? 0 : 1);
        });
    });
}
