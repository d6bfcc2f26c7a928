#include "controls/common/CurrentCellFocus.h"

#include "controls/common/Bevel.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace {
// Paints every cell as the style does, but the current cell's focus as a dotted frame: the style's own
// mark is faint or, in some styles, drawn only after a keyboard focus change.
class TFocusFrameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state.testFlag(QStyle::State_HasFocus))
            DrawFocusFrame(*painter, option.rect.adjusted(1, 1, -2, -2),
                           option.palette.color(QPalette::Text));
    }
};

// Parks the current cell while the view is without the focus and brings it back with the focus.
class TCurrentCellKeeper : public QObject {
public:
    explicit TCurrentCellKeeper(QAbstractItemView &view) : QObject(&view), m_view(view) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        QItemSelectionModel *selection = m_view.selectionModel();
        if (selection == nullptr)
            return false;
        if (event->type() == QEvent::FocusOut) {
            m_parked = selection->currentIndex();
            selection->clearCurrentIndex();
        } else if (event->type() == QEvent::FocusIn && m_parked.isValid()) {
            selection->setCurrentIndex(m_parked, QItemSelectionModel::NoUpdate);
        }
        return false;
    }

private:
    QAbstractItemView &m_view;
    QPersistentModelIndex m_parked;
};
} // namespace

void FrameCurrentCellWhileFocused(QAbstractItemView &view)
{
    view.setItemDelegate(new TFocusFrameDelegate(&view));
    view.installEventFilter(new TCurrentCellKeeper(view));
}
