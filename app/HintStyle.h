#pragma once

#include <QProxyStyle>

// The style in use with one change: a hint shows as soon as the mouse comes to rest on a
// control (wake-up delay 0 ms instead of the toolkit's 700 ms).
class TZeroHintDelayStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

// Installs TZeroHintDelayStyle over the application's current style (the application owns it).
void SetHintDelayZero();
