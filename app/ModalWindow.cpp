#include "app/ModalWindow.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int ExecModal(QDialog &dialog)
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    const int result = dialog.exec();
    if (previous != nullptr && previous->isVisible())
        previous->activateWindow();
    return result;
}
