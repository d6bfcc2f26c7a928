#include "app/WindowParts.h"

#include "app/InformationBox.h"
#include "controls/common/BuiltInPicture.h"
#include "controls/common/FailureGuard.h"
#include "design/ColorNames.h"
#include "report/preview/SaveFileDialog.h"
#include "report/printer/FileWriting.h"
#include "report/printer/PrinterError.h"

#include <QAction>
#include <QFileInfo>
#include <QLayout>

TBevelPanel *DockedPanel(QWidget *window, int height, QAccessible::Role role, const QString &accessibleName)
{
    auto *panel = new TBevelPanel(window);
    panel->SetColor(clSilver);
    panel->SetBevelOuter(TPanelBevel::bvRaised);
    panel->setFixedHeight(height);
    panel->SetAccessibleRole(role);
    panel->setAccessibleName(accessibleName);
    window->layout()->addWidget(panel);
    return panel;
}

void SetTabOrder(const QList<QWidget *> &controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

TFlatButton *ToolbarButton(QWidget *parent, const QRect &geometry, const QString &glyph, const QString &hint,
                           const QString &caption)
{
    auto *button = new TFlatButton(parent);
    button->setGeometry(geometry);
    button->SetHint(hint);
    button->SetShowHint(true);
    button->SetCaption(caption);
    button->SetBitmap(BuiltInPicture(glyph));
    button->SetOptions(TFlatButtonOption::boIconOnly | TFlatButtonOption::boShowBevel);
    button->setAccessibleName(hint);
    return button;
}

QAction *GuardedShortcut(QWidget *owner, const QList<QKeySequence> &keys, Qt::ShortcutContext context,
                         std::function<void(QObject *sender)> handler)
{
    auto *action = new QAction(owner);
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    owner->addAction(action);
    QObject::connect(action, &QAction::triggered, owner,
                     [action, handler = std::move(handler)] { RunGuarded([&] { handler(action); }); });
    return action;
}

void WriteChosenFile(const QString &fileName, const std::function<QByteArray()> &content)
{
    if (fileName.isEmpty())
        return;
    try {
        WriteFileWhole(fileName, content());
        SetLastSaveFolder(QFileInfo(fileName).path());
    } catch (const FileWriteError &failure) {
        ShowInformationBox(QString::fromUtf8(failure.what()));
    }
}

void SaveCsvFileAs(QWidget *parent, const QString &suggestedName, const std::function<std::string()> &content)
{
    WriteChosenFile(AskSaveFileName(parent, CsvFileKind(), suggestedName),
                    [&content] { return QByteArray::fromStdString(content()); });
}
