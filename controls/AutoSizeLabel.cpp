#include "controls/AutoSizeLabel.h"

QLabel *NewAutoSizeLabel(QWidget *parent, const QString &text, const QRect &designBox, const QFont &font,
                         Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    const int width = label->sizeHint().width();
    const int left =
        alignment.testFlag(Qt::AlignRight) ? designBox.left() + designBox.width() - width : designBox.left();
    label->setGeometry(left, designBox.top(), width, designBox.height());
    return label;
}
