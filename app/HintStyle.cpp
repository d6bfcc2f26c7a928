#include "app/HintStyle.h"

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
    // Built on the style in use, so a style the user chose (-style, QT_STYLE_OVERRIDE) stays.
    if (qobject_cast<TZeroHintDelayStyle *>(QApplication::style()) == nullptr)
        QApplication::setStyle(new TZeroHintDelayStyle(QApplication::style()->name()));
}
