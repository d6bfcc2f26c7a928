// Renders the main window after its first rebuild, the About box, the print preview of the chart and
// the payment schedule of the entered cell to PNG files, for the README. The program starts as usual;
// once its window is shown the chart is built and the windows are drawn into
// <folder>/main-window.png, <folder>/about-box.png, <folder>/print-preview.png and
// <folder>/schedule-window.png.
// Usage: quillmere-screenshots <folder>
#include "about/AboutBox.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "controls/common/FailureGuard.h"
#include "report/preview/FmPreview.h"
#include "app/schedule/ScheduleWindow.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
bool Save(QWidget &window, const QString &path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QApplication::processEvents();
    return window.grab().save(path) && std::printf("%s\n", qPrintable(path)) > 0;
}

// The preview that Print Preview opens, at a size that shows the whole page (Zoom Out) in a picture
// of reasonable size; closed once drawn.
bool SavePreview(TfrmMain &frmMain, const QString &path)
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
    RunGuarded([&frmMain] { frmMain.btnPrintClick(&frmMain); });
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

bool SaveAll(TfrmMain &frmMain, const QDir &folder)
{
    RunGuarded([&frmMain] { frmMain.CalculatePaymentTable(&frmMain); });
    TAboutBox aboutBox(&frmMain);
    return Save(frmMain, folder.filePath(QStringLiteral("main-window.png"))) &&
           Save(aboutBox, folder.filePath(QStringLiteral("about-box.png"))) &&
           SavePreview(frmMain, folder.filePath(QStringLiteral("print-preview.png"))) &&
           SaveSchedule(frmMain, folder.filePath(QStringLiteral("schedule-window.png")));
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
