#include "controls/flatbutton/FlatButtonAccessible.h"

#include "controls/common/Accessibility.h"
#include "controls/common/FailureGuard.h"
#include "controls/flatbutton/FlatButton.h"

#include <QAccessibleWidget>
#include <QKeySequence>

namespace {
class TFlatButtonAccessible : public QAccessibleWidget {
public:
    explicit TFlatButtonAccessible(TFlatButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override
    {
        if (Button()->DropDownMenu())
            return QAccessible::ButtonMenu;
        return Button()->GroupIndex() != 0 ? QAccessible::CheckBox : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            QString name = widget()->accessibleName();
            if (name.isEmpty())
                name = StripAcceleratorMarks(Button()->Caption()).trimmed();
            return name.isEmpty() ? Button()->Hint() : name;
        }
        case QAccessible::Accelerator:
            return Accelerator();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = !Button()->Enabled() || !widget()->isEnabled();
        state.hasPopup = Button()->DropDownMenu() != nullptr;
        if (Button()->GroupIndex() != 0) {
            state.checkable = true;
            state.checked = Button()->Down();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (!state().disabled) {
            if (Button()->DropDownMenu()) {
                names << showMenuAction();
            } else {
                names << pressAction();
                if (Button()->GroupIndex() != 0)
                    names << toggleAction();
            }
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (!IsClickAction(actionName)) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (actionNames().contains(actionName))
            PostGuarded(Button(), [button = Button()] { button->Click(); });
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (IsClickAction(actionName)) {
            const QString accelerator = Accelerator();
            return accelerator.isEmpty() ? QStringList() : QStringList{accelerator};
        }
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

private:
    TFlatButton *Button() const { return static_cast<TFlatButton *>(widget()); }

    static bool IsClickAction(const QString &actionName)
    {
        return actionName == pressAction() || actionName == toggleAction() || actionName == showMenuAction();
    }

    QString Accelerator() const
    {
        return QKeySequence::mnemonic(Button()->Caption()).toString(QKeySequence::NativeText);
    }
};
} // namespace

void InstallFlatButtonAccessibility()
{
    InstallAccessibleInterface<TFlatButton, TFlatButtonAccessible>();
}
