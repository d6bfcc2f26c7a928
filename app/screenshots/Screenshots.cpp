// Renders the main window after its first rebuild and the About box to PNG files, for the README.
// The program starts as usual; once its window is shown the chart is built and both windows are
// drawn into <folder>/main-window.png and <folder>/about-box.png.
// Usage: quillmere-screenshots <folder>
#include "AboutBox.h"
#include "Application.h"
#include "MainWindow.h"
#include "common/FailureGuard.h"

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

bool SaveBoth(TfrmMain &frmMain, const QDir &folder)
{
    RunGuarded([&frmMain] { frmMain.CalculatePaymentTable(&frmMain); });
    TAboutBox aboutBox(&frmMain);
    return Save(frmMain, folder.filePath(QStringLiteral("main-window.png"))) &&
           Save(aboutBox, folder.filePath(QStringLiteral("about-box.png")));
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
            QCoreApplication::exit(SaveBoth(frmMain, QDir(folder)) ? 0 : 1);
        });
    });
}
