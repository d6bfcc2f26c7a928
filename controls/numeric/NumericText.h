#pragma once

#include "calc/LocaleValues.h"

#include <QChar>
#include <QString>
#include <vector>

// The canonical text of a numeric entry field: an optional leading "-", at least one integer digit
// and, when decimals is above 0, the locale's decimal separator followed by exactly that many digits.

// The value in the canonical layout (FormatFixed): rounded half away from zero on 18 significant
// digits; 1E18 and beyond in magnitude in the general 15-digit layout.
QString FormatCanonical(double value, int decimals, const LocaleValues &locale);

// The standard decimal conversion with the locale's separator, rounded to the nearest double.
// Raises ConversionError("'<text>' is not a valid floating point value") for a text that is not a number,
// OverflowError for a number beyond the double range.
double ReadNumber(const QString &text, const LocaleValues &locale);

// Whether ReadNumber reads the text as a finite number.
bool IsReadableNumber(const QString &text, const LocaleValues &locale);

// One step of turning a text into another: `RemovedLength` characters removed at `Position`, then
// `Inserted` inserted there.
struct TextEdit {
    int Position = 0;
    int RemovedLength = 0;
    QString Inserted;
    friend bool operator==(const TextEdit &, const TextEdit &) = default;
};

// The steps, to be applied in order, that turn `from` into `to`: the one stretch that differs,
// replaced, or, when that stretch only lost its first character and gained one at its end (a decimal
// digit deleted and a "0" made up for it), that character removed and the new one appended. None
// when the texts are equal.
std::vector<TextEdit> EditsBetween(const QString &from, const QString &to);

// The field's text with its caret and selection, and the editing rules that keep the text canonical.
// Positions count characters from 0 at the left; the caret is SelStart when nothing is selected.
// Every editing operation is all or nothing: one that would turn a readable text into one that
// ReadNumber cannot read (a digit beyond the range of a double, a half-deleted exponent of the
// general layout) leaves text and selection as they were.
class NumericText {
public:
    enum class DeleteKind { Backspace, DeleteKey };

    NumericText(QString text, int selStart, int selLength, int decimals, const LocaleValues &locale);

    const QString &Text() const { return m_text; }
    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    QString SelectedText() const { return m_text.mid(m_selStart, m_selLength); }

    // One deletion step at the caret, ignoring any selection: decimal digits give way to a
    // trailing "0", the separator is stepped over, a lone integer digit becomes "0".
    void DeleteStep(DeleteKind kind);

    // Removes the selection as that many Backspace steps from its right end.
    void DeleteSelection();

    // The Delete key: the selection if there is one, else one step to the right of the caret.
    void DeleteKey();

    // One typed character after the field's hook has seen it (Backspace is character 8); the
    // clipboard command characters and a read-only field are the caller's business. Characters
    // other than digits, "-", Backspace and the decimal separator are dropped, after removing any
    // selection.
    void TypeCharacter(QChar character);

private:
    int Length() const { return int(m_text.size()); }
    // Index of the decimal separator counted from 1, the text's length less the decimals; indexes
    // beyond it are decimal digits.
    int SeparatorIndex() const { return Length() - m_decimals; }
    bool HasMinus() const { return m_text.contains(u'-'); }
    void SetCaret(int position);
    void Select(int start, int length);
    void ReplaceSelection(QChar digit);
    void StepAt(DeleteKind kind);
    void DeleteSelectedCharacters();
    void Type(QChar character);
    template <class Change> void AllOrNothing(Change change);

    QString m_text;
    int m_selStart;
    int m_selLength;
    int m_decimals;
    QChar m_separator;
    LocaleValues m_locale;
};
