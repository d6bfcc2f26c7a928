#include "HintStyle.h"

#include <QApplication>

int TZeroHintDelayStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                                   QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SetHintDelayZero()
{
    if (qobject_cast<TZeroHintDelayStyle *>(QApplication::style()) == nullptr)
        QApplication::setStyle(new TZeroHintDelayStyle);
}
