#include "controls/ClickLabel.h"

#include "controls/common/Accessibility.h"
#include "controls/common/FailureGuard.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {
class TClickLabelAccessible : public QAccessibleWidget {
public:
    explicit TClickLabelAccessible(TClickLabel *label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Label()->text();
        return QAccessibleWidget::text(t);
    }

    // A disabled label, which takes no clicks, offers no Press either.
    QStringList actionNames() const override
    {
        const QStringList press = widget()->isEnabled() ? QStringList{pressAction()} : QStringList();
        return press + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        TClickLabel *label = Label();
        if (label->isEnabled())
            PostGuarded(label, [label] { label->Click(); });
    }

private:
    TClickLabel *Label() const { return static_cast<TClickLabel *>(widget()); }
};
} // namespace

TClickLabel::TClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    InstallAccessibleInterface<TClickLabel, TClickLabelAccessible>();
}

void TClickLabel::Click()
{
    RaiseGuarded(OnClick, this);
}

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
    if (rect().contains(event->position().toPoint()))
        Click();
}
