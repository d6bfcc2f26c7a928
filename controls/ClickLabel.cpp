#include "controls/ClickLabel.h"

#include "controls/common/FailureGuard.h"

#include <QMouseEvent>

void TClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    QLabel::mousePressEvent(event);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    if (!rect().contains(event->position().toPoint()))
        return;
    RaiseGuarded(OnClick, this);
}
