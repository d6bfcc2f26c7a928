#include "controls/numeric/NumericEditAccessible.h"

#include "controls/common/Accessibility.h"
#include "controls/numeric/NumericEdit.h"
#include "controls/numeric/NumericText.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <cmath>

namespace {
class TNumericEditAccessible : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleValueInterface {
public:
    explicit TNumericEditAccessible(TNumericEdit *field) : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Field()->text() : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Field()->isReadOnly();
        state.readOnly = Field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // ---- text ----
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        const bool selected = selectionIndex == 0 && Field()->hasSelectedText();
        *startOffset = selected ? Field()->selectionStart() : 0;
        *endOffset = selected ? Field()->selectionEnd() : 0;
    }
    int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            Field()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            Field()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return Field()->cursorPosition(); }
    void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        return Field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Field()->text().size()); }

    // Measured with the field's font from the caret, whose place the line edit knows.
    QRect characterRect(int offset) const override
    {
        const TNumericEdit *field = Field();
        const QString shown = field->text();
        if (offset < 0 || offset >= shown.size())
            return {};
        const QFontMetrics metrics(field->font());
        const QRectF caret = field->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        const int origin = int(std::lround(caret.center().x())) -
                           metrics.horizontalAdvance(shown.left(field->cursorPosition()));
        const QRect rect(origin + metrics.horizontalAdvance(shown.left(offset)), int(caret.top()),
                         metrics.horizontalAdvance(shown.at(offset)), int(caret.height()));
        return QRect(field->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int) override { Field()->setCursorPosition(startIndex); }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // ---- value ----
    QVariant currentValue() const override
    {
        const TNumericEdit *field = Field();
        return IsReadableNumber(field->text(), field->Locale()) ? QVariant(field->Value()) : QVariant();
    }
    void setCurrentValue(const QVariant &value) override
    {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (isNumber && std::isfinite(number))
            Field()->SetValue(number);
    }
    QVariant maximumValue() const override
    {
        return RangeIsOn() ? QVariant(Field()->MaxValue()) : QVariant();
    }
    QVariant minimumValue() const override
    {
        return RangeIsOn() ? QVariant(Field()->MinValue()) : QVariant();
    }
    QVariant minimumStepSize() const override { return std::pow(10.0, -Field()->Decimals()); }

private:
    TNumericEdit *Field() const { return static_cast<TNumericEdit *>(widget()); }
    bool RangeIsOn() const { return Field()->MinValue() != Field()->MaxValue(); }
};
} // namespace

void InstallNumericEditAccessibility()
{
    InstallAccessibleInterface<TNumericEdit, TNumericEditAccessible>();
}
