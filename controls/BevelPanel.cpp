#include "controls/BevelPanel.h"

#include "controls/common/Accessibility.h"
#include "controls/common/Bevel.h"
#include "design/ColorNames.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {
// Draws one bevel ring on the edge of `rect` and returns the rectangle inside it.
QRect DrawPanelBevel(QPainter &painter, const QRect &rect, TPanelBevel bevel)
{
    if (bevel == TPanelBevel::bvNone)
        return rect;
    return DrawClassicBevel(painter, rect, bevel == TPanelBevel::bvRaised);
}

class TBevelPanelAccessible : public QAccessibleWidget {
public:
    explicit TBevelPanelAccessible(TBevelPanel *panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override { return static_cast<TBevelPanel *>(widget())->AccessibleRole(); }
};
} // namespace

TBevelPanel::TBevelPanel(QWidget *parent) : QWidget(parent), m_color(clSilver)
{
    InstallAccessibleInterface<TBevelPanel, TBevelPanelAccessible>();
}

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
    QRect inside = DrawPanelBevel(painter, rect(), m_bevelOuter);
    inside = DrawPanelBevel(painter, inside, m_bevelInner);
    painter.fillRect(inside, m_color);
}
