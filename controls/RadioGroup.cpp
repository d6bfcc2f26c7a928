#include "controls/RadioGroup.h"

#include "controls/common/Accessibility.h"
#include "controls/common/Bevel.h"
#include "controls/common/ClassicColours.h"
#include "controls/common/FailureGuard.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <algorithm>

namespace {
// The desktop's style, except that an item's text follows its round indicator by a small gap only,
// as the narrow columns of a radio group need.
class TCompactRadioStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        return metric == PM_RadioButtonLabelSpacing ? 2 : QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A radio group is a named group of radio buttons to assistive technology.
class TRadioGroupAccessible : public QAccessibleWidget {
public:
    explicit TRadioGroupAccessible(TRadioGroup *group) : QAccessibleWidget(group, QAccessible::Grouping) {}
};
} // namespace

std::vector<QRect> RadioGroupItemRects(QSize groupSize, int itemCount, int columns, int fontHeight)
{
    std::vector<QRect> rects;
    if (itemCount <= 0)
        return rects;
    columns = std::max(columns, 1);
    const int perColumn = (itemCount + columns - 1) / columns;
    const int width = (groupSize.width() - 10) / columns;
    const int spare = groupSize.height() - fontHeight - 5;
    const int height = spare / perColumn;
    const int topMargin = fontHeight + 1 + (spare % perColumn) / 2;
    for (int i = 0; i < itemCount; ++i)
        rects.emplace_back((i / perColumn) * width + 8, (i % perColumn) * height + topMargin, width, height);
    return rects;
}

TRadioGroup::TRadioGroup(QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_itemStyle(new TCompactRadioStyle)
{
    InstallAccessibleInterface<TRadioGroup, TRadioGroupAccessible>();
    m_itemStyle->setParent(this);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int index) { ButtonClicked(index); });
    // Assistive technology's Toggle checks an item without a click; SetItemIndex has taken its index
    // before it checks one, so that raises nothing here.
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            ButtonClicked(index);
    });
}

void TRadioGroup::SetItems(const QStringList &items)
{
    for (QRadioButton *button : m_buttons)
        delete button;
    m_buttons.clear();
    m_items = items;
    m_itemIndex = -1;
    for (int i = 0; i < m_items.size(); ++i) {
        auto *button = new QRadioButton(m_items[i], this);
        button->setStyle(m_itemStyle);
        button->installEventFilter(this);
        button->setAccessibleName(m_items[i].trimmed());
        m_group->addButton(button, i);
        m_buttons.push_back(button);
        button->show();
    }
    ArrangeButtons();
    UpdateTabStop();
}

void TRadioGroup::SetColumns(int columns)
{
    columns = std::max(columns, 1);
    if (columns == m_columns)
        return;
    m_columns = columns;
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(m_buttons.size()) || index == m_itemIndex)
        return;
    m_itemIndex = index;
    if (index >= 0) {
        m_buttons[index]->setChecked(true);
    } else if (QAbstractButton *checked = m_group->checkedButton()) {
        // An exclusive group refuses to uncheck its last checked button.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    UpdateTabStop();
}

QRadioButton *TRadioGroup::Button(int index) const
{
    return index >= 0 && index < static_cast<int>(m_buttons.size()) ? m_buttons[index] : nullptr;
}

void TRadioGroup::paintEvent(QPaintEvent *)
{
    // An etched frame (a shadow line over a highlight line one pixel lower right) whose top runs
    // through the middle of the empty caption line.
    QPainter painter(this);
    const int top = QFontMetrics(font()).height() / 2 - 1;
    const QRect frame(0, top, width(), height() - top);
    const QRect inner = DrawBevel(painter, frame, Classic::Shadow, Classic::Highlight, TBevelCorners::Open);
    DrawClassicBevel(painter, inner, true);
}

void TRadioGroup::resizeEvent(QResizeEvent *)
{
    ArrangeButtons();
}

void TRadioGroup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        ArrangeButtons();
    QWidget::changeEvent(event);
}

bool TRadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (event->type() != QEvent::KeyPress && !press)
        return QWidget::eventFilter(watched, event);
    const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
    if (found == m_buttons.end())
        return QWidget::eventFilter(watched, event);
    if (press) {
        // Like a Win32 button, an item takes the focus from the left button only; Qt would hand it
        // over on any button, so a right click for the popup menu would make a field lose the focus.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            (*found)->setFocus(Qt::MouseFocusReason);
        return QWidget::eventFilter(watched, event);
    }
    const int from = static_cast<int>(found - m_buttons.begin());
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        MoveSelection(from, 1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        MoveSelection(from, -1);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void TRadioGroup::MoveSelection(int from, int step)
{
    const int count = static_cast<int>(m_buttons.size());
    QRadioButton *next = m_buttons[(from + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    next->click(); // selects it and notifies like a click
}

void TRadioGroup::ArrangeButtons()
{
    const std::vector<QRect> rects = RadioGroupItemRects(size(), static_cast<int>(m_buttons.size()),
                                                         m_columns, QFontMetrics(font()).height());
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setGeometry(rects[i]);
}

void TRadioGroup::UpdateTabStop()
{
    const int tabStop = std::max(m_itemIndex, 0);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setFocusPolicy(static_cast<int>(i) == tabStop ? Qt::TabFocus : Qt::NoFocus);
}

void TRadioGroup::ButtonClicked(int index)
{
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    UpdateTabStop();
    RaiseGuarded(OnClick, this);
}
