// Renders the main window after its first rebuild and the About box to PNG files, for the README.
// Usage: quillmere-screenshots <folder>
#include "AboutBox.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QTest>
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
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillmere-screenshots <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    TfrmMain frmMain;
    TAboutBox aboutBox(&frmMain);
    const bool saved = Save(frmMain, folder.filePath(QStringLiteral("main-window.png"))) &&
                       Save(aboutBox, folder.filePath(QStringLiteral("about-box.png")));
    return saved ? 0 : 1;
}
