#pragma once

#include <QColor>
#include <QWidget>

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A plain panel: filled with its colour, framed by an optional outer and inner one-pixel bevel.
// A raised bevel is white at the top and left and grey at the bottom and right; a lowered one the
// other way round. The outer bevel takes the outermost pixels, the inner one the ring inside it.
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

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
};
