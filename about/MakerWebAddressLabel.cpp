#include "about/MakerWebAddressLabel.h"

#include "design/DesignFont.h"
#include "resources/MakerDetails.h"

TUrlLabel *NewMakerWebAddressLabel(QWidget *parent, QPoint position)
{
    auto *label = new TUrlLabel(parent);
    label->setFont(Arial(TFontSize::Pt8, TFontStyle::Underlined));
    label->setText(QString::fromLatin1(MakerWebAddress));
    label->SetURL(QString::fromLatin1(MakerWebAddress));
    label->move(position);
    label->adjustSize();
    label->setAccessibleName(QStringLiteral("Web site"));
    return label;
}
