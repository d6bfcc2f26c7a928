#pragma once

#include <QRect>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;
class QStyle;

// Where the items of a radio group stand, in the group's pixels: the items fill `columns` columns
// of equal width column by column, the rows share the height below one text line of the group's font
// (`fontHeight`, pixels), the spare pixels split above and below. Empty when there are no items.
std::vector<QRect> RadioGroupItemRects(QSize groupSize, int itemCount, int columns, int fontHeight);

// A framed box of radio buttons of which at most one is selected. The box takes one stop in the
// tab order (the selected item, or the first one while none is selected); an item takes the focus
// from a left click only. Inside it the arrow keys select the next item (Down, Right) or the previous
// one (Up, Left) in item order, wrapping around.
class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget *parent = nullptr);

    const QStringList &Items() const { return m_items; }
    void SetItems(const QStringList &items); // clears the selection

    int Columns() const { return m_columns; }
    void SetColumns(int columns); // at least 1

    // -1 while nothing is selected; SetItemIndex ignores values outside the items.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    QRadioButton *Button(int index) const;

    // Raised when the user changes the selection (a click on another item, an arrow key or assistive
    // technology's Toggle of an item); clicking the selected item again, and SetItemIndex, raise nothing.
    std::function<void(QObject *sender)> OnClick;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override; // the items' focus and arrow keys

private:
    void ArrangeButtons();
    void UpdateTabStop();
    void ButtonClicked(int index);
    void MoveSelection(int from, int step);

    QStringList m_items;
    int m_columns = 1;
    int m_itemIndex = -1;
    QButtonGroup *m_group;
    QStyle *m_itemStyle; // shared by the items, owned by the group
    std::vector<QRadioButton *> m_buttons;
};
