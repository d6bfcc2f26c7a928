#include "about/AboutTextPanel.h"

#include "controls/common/Accessibility.h"

namespace {
class TAboutTextAccessible : public QAccessibleWidget {
public:
    explicit TAboutTextAccessible(TAboutTextPanel *panel) : QAccessibleWidget(panel, panel->AccessibleRole())
    {
    }

    int childCount() const override { return int(Shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = Shown();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index])
                                                  : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr ? int(Shown().indexOf(child->object())) : -1;
    }

private:
    // The children read on their own.
    QList<QWidget *> Shown() const
    {
        const auto *panel = static_cast<TAboutTextPanel *>(widget());
        QList<QWidget *> shown;
        for (QWidget *child : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!panel->IsReadWithin(child) && !child->isWindow())
                shown << child;
        return shown;
    }
};
} // namespace

TAboutTextPanel::TAboutTextPanel(QWidget *parent) : TBevelPanel(parent)
{
    InstallAccessibleInterface<TAboutTextPanel, TAboutTextAccessible>();
}
