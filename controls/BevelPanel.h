#pragma once

#include <QAccessible>
#include <QColor>
#include <QWidget>

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A plain panel: filled with its colour, framed by an optional outer and inner one-pixel bevel.
// A raised bevel is white at the top and left and grey at the bottom and right; a lowered one the
// other way round. The outer bevel takes the outermost pixels, the inner one the ring inside it.
// Assistive technology sees it in its AccessibleRole, named by its accessible name.
class TBevelPanel : public QWidget {
    Q_OBJECT
public:
    explicit TBevelPanel(QWidget *parent = nullptr);

    QColor Color() const { return m_color; }
    void SetColor(const QColor &color);

    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);

    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel bevel);

    // A pane for a new panel; a tool bar, say, for one that holds a window's tools.
    QAccessible::Role AccessibleRole() const { return m_accessibleRole; }
    void SetAccessibleRole(QAccessible::Role role) { m_accessibleRole = role; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
    QAccessible::Role m_accessibleRole = QAccessible::Pane;
};
