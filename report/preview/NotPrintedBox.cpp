#include "report/preview/NotPrintedBox.h"

#include <QMessageBox>
#include <QPushButton>

QString NotPrintedText(const PrinterStatus &status)
{
    switch (status.Condition) {
    case TPrinterCondition::Paused:
        return QStringLiteral("The printer \"%1\" is paused; the document waits in its queue.")
            .arg(status.Name);
    case TPrinterCondition::Refusing:
        return QStringLiteral("The printer \"%1\" is not accepting jobs.").arg(status.Name);
    case TPrinterCondition::Missing:
        return QStringLiteral("The printer \"%1\" does not exist.").arg(status.Name);
    case TPrinterCondition::NoDefault:
        return QStringLiteral("There is no default printer.");
    case TPrinterCondition::NoPrintSystem:
        return QStringLiteral("The print system is not running.");
    case TPrinterCondition::NotAnswering:
        return QStringLiteral("The print system stopped answering.");
    case TPrinterCondition::Stopped:
        return QStringLiteral("The print system stopped.");
    case TPrinterCondition::NoPrinter:
        return QStringLiteral("No printer is installed.");
    case TPrinterCondition::Ready:
    case TPrinterCondition::Cancelled:
        break;
    }
    return {};
}

QString NotPrintedText(const FailedJob &job)
{
    QString reason = job.Reason.trimmed();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return QStringLiteral("The printer \"%1\" did not print the document: %2.").arg(job.Printer, reason);
}

bool OfferPdf(QWidget *parent, const QString &why, bool asWell)
{
    const QString offer = asWell ? QStringLiteral("Save the document as a PDF file as well?")
                                 : QStringLiteral("Save the document as a PDF file instead?");
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    why + QStringLiteral("\n\n") + offer, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *save = box.addButton(QStringLiteral("&Save as PDF..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    return box.clickedButton() == save;
}
