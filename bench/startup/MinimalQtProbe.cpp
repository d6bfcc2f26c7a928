// The yardstick: the smallest Qt Widgets program that shows a window of the main window's size.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(564, 386);
    window.show();
    ReportFirstPaintAndQuit(window);
    return QApplication::exec();
}
