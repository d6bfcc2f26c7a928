#include "app/ModalWindow.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

int ExecModal(QDialog &dialog, const std::function<bool()> &whenShown)
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    int result = QDialog::Rejected;
    if (whenShown) {
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
    }
    if (!whenShown || whenShown())
        result = dialog.exec();
    else
        dialog.reject();
    if (previous != nullptr && previous->isVisible())
        previous->activateWindow();
    return result;
}
