#pragma once

#include "calc/LocaleValues.h"
#include "design/Alignment.h"

#include <QClipboard>
#include <QLineEdit>
#include <functional>

class NumericText;

// A one-line entry field for one decimal number with a fixed count of decimals. Whatever the user
// does (typing, Backspace and Delete, cut and paste by keys, context menu, middle click, drag and
// drop, input methods) the text stays canonical (see NumericText.h), and Value reads it. The text is
// the only store of the number, at any length. Undo and redo are not offered. Text set with setText
// or QLineEdit's own editing slots (cut(), paste(), insert(), …) is not kept canonical, and its
// setMaxLength cuts the text short: use SetValue, CutToClipboard, PasteFromClipboard and SetMaxLength.
class TNumericEdit : public QLineEdit {
    Q_OBJECT
public:
    // A new field is 73 pixels wide, right-aligned, with 2 decimals, and shows 0 in that layout.
    explicit TNumericEdit(QWidget *parent = nullptr);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

    // Clamped to 0..9; every assignment, also of the current count, reformats the text and so
    // raises ConversionError when the text is not a number.
    int Decimals() const { return m_decimals; }
    void SetDecimals(int decimals);

    // The range checked when the focus leaves the field; off while both bounds are equal. A new
    // bound does not test the current text.
    double MinValue() const { return m_minValue; }
    void SetMinValue(double minValue);
    double MaxValue() const { return m_maxValue; }
    void SetMaxValue(double maxValue);

    // The separators the text is read and shown with; the defaults (a full stop for decimals) until
    // set. A new value keeps the number: the text is read with the old separators and shown with the
    // new ones, which raises ConversionError when the text is not a number.
    const LocaleValues &Locale() const { return m_locale; }
    void SetLocale(const LocaleValues &locale);

    QString Version() const { return QStringLiteral("1.00.01"); }
    void SetVersion(const QString &) {} // the version is fixed

    // Whether gaining the focus (other than by a left click on the field) selects the whole text,
    // also when the focus comes back as a modal box closes, but not when a popup menu closes.
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool autoSelect) { m_autoSelect = autoSelect; }

    // The most characters that typing and pasting may make the text; 0 (the default) is no limit,
    // negative counts give 0. A character that would lengthen the text beyond it is refused; the
    // field's own formatting (SetValue, SetDecimals) is never cut short.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int maxLength);

    // The text read with the locale's decimal separator, rounded to the nearest double. Raises
    // ConversionError("'<text>' is not a valid floating point value") for text set with setText
    // that is not a number, OverflowError for one beyond the double range.
    double Value() const;
    // Shows the value with Decimals decimals (rounded half away from zero); no range check.
    void SetValue(double value);

    // Cut: copies the selection to the clipboard and deletes it as Backspace steps from its right end. Paste:
    // deletes the selection, then types each character of the clipboard's text through OnKeyPress
    // and the key filter. Both do nothing on a read-only field.
    void CutToClipboard();
    void PasteFromClipboard();

    // Each typed character, before the key filter; may change it or drop it (set it to QChar()).
    // Backspace arrives as character 8, Ctrl+C/V/X as 3/22/24.
    std::function<void(QObject *sender, QChar &key)> OnKeyPress;
    // Each key press (a Qt::Key code), after the field's own handling of the Delete key, which it
    // then sees as 0; setting the key to 0 consumes it.
    std::function<void(QObject *sender, int &key, Qt::KeyboardModifiers shift)> OnKeyDown;
    std::function<void(QObject *sender)> OnEnter;        // after the select-all of focus gained
    std::function<void(QObject *sender)> OnExit;         // after the range check of focus lost
    std::function<void(QObject *sender)> OnInvalidEntry; // focus lost with the value outside the range

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // Where a character comes from: only a key press can be a clipboard command (Ctrl+C/V/X); in
    // pasted, dropped or committed text those characters are ordinary (and dropped by the filter).
    enum class CharacterOrigin { Keyboard, Text };

    void ApplyDecimals();
    void DispatchKey(QKeyEvent *event);
    bool DeliverCharacter(QChar character, CharacterOrigin origin);
    void PasteText(const QString &text);
    void PasteFrom(QClipboard::Mode mode);
    void DeleteSelectedText();
    void CheckRange();
    NumericText Model() const;
    void Show(const NumericText &model);
    void ReplaceChangedText(const QString &newText);
    template <class Change> void EditModel(NumericText &model, Change change) const;
    template <class Change> void Edit(Change change);

    TAlignment m_alignment = TAlignment::taRightJustify;
    int m_decimals = 2;
    double m_minValue = 0;
    double m_maxValue = 0;
    bool m_autoSelect = true;
    int m_maxLength = 0;
    LocaleValues m_locale;
};
