// The yardsticks: the smallest Qt Widgets programs that show a window of the main window's size,
// empty, or (with the argument "text") holding one line of text, which makes Qt load its fonts.
#include "bench/startup/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QLabel window;
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        window.setText(QStringLiteral("Quillmere 32, 2.2"));
    window.resize(564, 386);
    window.show();
    ReportFirstPaintAndQuit(window);
    return QApplication::exec();
}
