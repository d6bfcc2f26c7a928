#include "controls/KeyboardSplitter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSplitterHandle>
#include <QStyleOptionFocusRect>

namespace {
class TKeyboardSplitterHandle : public QSplitterHandle {
public:
    TKeyboardSplitterHandle(Qt::Orientation orientation, TKeyboardSplitter *splitter)
        : QSplitterHandle(orientation, splitter), m_splitter(splitter)
    {
        // Tab gives it the focus; a drag leaves the focus where it was.
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool vertical = orientation() == Qt::Vertical;
        const Qt::Key back = vertical ? Qt::Key_Up : Qt::Key_Left;
        const Qt::Key forward = vertical ? Qt::Key_Down : Qt::Key_Right;
        if (event->key() != back && event->key() != forward) {
            QSplitterHandle::keyPressEvent(event);
            return;
        }
        const int position = vertical ? pos().y() : pos().x();
        const int step = event->key() == back ? -m_splitter->Step() : m_splitter->Step();
        // In the splitter's own coordinates, as a drag gives them; the handle turns them for right to left.
        moveSplitter(position + step);
    }

    void paintEvent(QPaintEvent *event) override
    {
        QSplitterHandle::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        // Framed also when the focus was set from code, which the style would leave unmarked.
        frame.state |= QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }

    void focusInEvent(QFocusEvent *event) override
    {
        QSplitterHandle::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        QSplitterHandle::focusOutEvent(event);
        update();
    }

private:
    TKeyboardSplitter *m_splitter;
};
} // namespace

TKeyboardSplitter::TKeyboardSplitter(Qt::Orientation orientation, QWidget *parent)
    : QSplitter(orientation, parent)
{
}

QSplitterHandle *TKeyboardSplitter::createHandle()
{
    return new TKeyboardSplitterHandle(orientation(), this);
}
