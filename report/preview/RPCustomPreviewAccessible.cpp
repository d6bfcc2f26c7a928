#include "report/preview/RPCustomPreviewAccessible.h"

#include "controls/common/Accessibility.h"
#include "report/preview/RPCustomPreview.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace {
class TSheetAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TSheetAccessible(TRPCustomPreview *sheet) : QAccessibleWidget(sheet, QAccessible::Document) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Sheet()->PageCaption();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    // ---- text ----
    // Nothing is ever selected.
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return Sheet()->Caret(); }
    void setCursorPosition(int position) override { Sheet()->SetCaret(position); }
    // An end offset of -1 or beyond the text is its end.
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = Sheet()->PageText();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = int(all.size());
        return startOffset < 0 || startOffset > endOffset ? QString()
                                                          : all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Sheet()->PageText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    TRPCustomPreview *Sheet() const { return static_cast<TRPCustomPreview *>(widget()); }
};
} // namespace

void InstallSheetAccessibility()
{
    InstallAccessibleInterface<TRPCustomPreview, TSheetAccessible>();
}

void AnnounceSheetPage(TRPCustomPreview &sheet, const QString &previousText)
{
    if (!QAccessible::isActive())
        return;
    Announce(&sheet, QAccessible::NameChanged);
    QAccessibleTextUpdateEvent textChange(&sheet, 0, previousText, sheet.PageText());
    textChange.setCursorPosition(sheet.Caret());
    QAccessible::updateAccessibility(&textChange);
    AnnounceSheetCaret(sheet);
}

void AnnounceSheetCaret(TRPCustomPreview &sheet)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent caretMove(&sheet, sheet.Caret());
    QAccessible::updateAccessibility(&caretMove);
}
