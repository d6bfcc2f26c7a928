#include "WindowParts.h"

#include "common/BuiltInPicture.h"
#include "common/ColorNames.h"

#include <QLayout>

TBevelPanel *DockedPanel(QWidget *window, int height, const QString &accessibleName)
{
    auto *panel = new TBevelPanel(window);
    panel->SetColor(clSilver);
    panel->SetBevelOuter(TPanelBevel::bvRaised);
    panel->setFixedHeight(height);
    panel->setAccessibleName(accessibleName);
    window->layout()->addWidget(panel);
    return panel;
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
