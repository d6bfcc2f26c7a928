#include "BevelPanel.h"

#include "common/ColorNames.h"

#include <QPainter>

namespace {
// Draws one bevel ring on the edge of `rect` and returns the rectangle inside it.
QRect DrawBevel(QPainter &painter, const QRect &rect, TPanelBevel bevel)
{
    if (bevel == TPanelBevel::bvNone)
        return rect;
    const bool raised = bevel == TPanelBevel::bvRaised;
    painter.setPen(raised ? clWhite : clGray);
    painter.drawLine(rect.bottomLeft(), rect.topLeft());
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.setPen(raised ? clGray : clWhite);
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomRight(), rect.bottomLeft());
    return rect.adjusted(1, 1, -1, -1);
}
} // namespace

TBevelPanel::TBevelPanel(QWidget *parent) : QWidget(parent), m_color(clSilver) {}

void TBevelPanel::SetColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TBevelPanel::SetBevelOuter(TPanelBevel bevel)
{
    if (bevel == m_bevelOuter)
        return;
    m_bevelOuter = bevel;
    update();
}

void TBevelPanel::SetBevelInner(TPanelBevel bevel)
{
    if (bevel == m_bevelInner)
        return;
    m_bevelInner = bevel;
    update();
}

void TBevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect inside = DrawBevel(painter, rect(), m_bevelOuter);
    inside = DrawBevel(painter, inside, m_bevelInner);
    painter.fillRect(inside, m_color);
}
