#include "controls/numeric/NumericText.h"

#include "calc/Errors.h"
#include "calc/Format.h"
#include "controls/common/Win32Counterparts.h"

#include <algorithm>
#include <cmath>

QString FormatCanonical(double value, int decimals, const LocaleValues &locale)
{
    return QString::fromStdString(FormatFixed(value, decimals, locale));
}

double ReadNumber(const QString &text, const LocaleValues &locale)
{
    return TextToFloat(text.toStdString(), locale);
}

bool IsReadableNumber(const QString &text, const LocaleValues &locale)
{
    try {
        return std::isfinite(ReadNumber(text, locale));
    } catch (const ConversionError &) {
        return false;
    } catch (const ArithmeticError &) {
        return false;
    }
}

std::vector<TextEdit> EditsBetween(const QString &from, const QString &to)
{
    const int shorter = int(std::min(from.size(), to.size()));
    int prefix = 0;
    while (prefix < shorter && from[prefix] == to[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < shorter - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    const QString removed = from.mid(prefix, from.size() - prefix - suffix);
    const QString inserted = to.mid(prefix, to.size() - prefix - suffix);
    if (removed.isEmpty() && inserted.isEmpty())
        return {};
    const int length = int(removed.size());
    if (length >= 2 && inserted.size() == length && removed.mid(1) == inserted.left(length - 1))
        return {{prefix, 1, {}}, {prefix + length - 1, 0, inserted.right(1)}};
    return {{prefix, length, inserted}};
}

NumericText::NumericText(QString text, int selStart, int selLength, int decimals, const LocaleValues &locale)
    : m_text(std::move(text)), m_selStart(0), m_selLength(0), m_decimals(decimals), m_locale(locale)
{
    const QString separator = QString::fromStdString(locale.DecimalSeparator);
    m_separator = separator.isEmpty() ? QChar(u'.') : separator.front();
    Select(selStart, selLength);
}

void NumericText::SetCaret(int position)
{
    Select(position, 0);
}

void NumericText::Select(int start, int length)
{
    m_selStart = std::clamp(start, 0, Length());
    m_selLength = std::clamp(length, 0, Length() - m_selStart);
}

void NumericText::ReplaceSelection(QChar digit)
{
    m_text.replace(m_selStart, m_selLength, digit);
    SetCaret(m_selStart + 1);
}

void NumericText::StepAt(DeleteKind kind)
{
    // b is the 1-based index of the character to remove: left of the caret for Backspace, right of it for
    // Delete.
    const int b = m_selStart + (kind == DeleteKind::DeleteKey ? 1 : 0);
    SetCaret(m_selStart);
    if (b < 1 || b > Length())
        return;
    const bool hasMinus = HasMinus();
    const auto removeAt = [this](int index) {
        m_text.remove(index - 1, 1);
        SetCaret(index - 1);
    };
    if (m_decimals == 0) {
        if (b == 2 && Length() == 2 && hasMinus) {
            m_text = QStringLiteral("-0");
            SetCaret(1);
        } else if (b == 1 && Length() == 1) {
            m_text = QStringLiteral("0");
            SetCaret(1);
        } else {
            removeAt(b);
        }
        return;
    }
    const int separator = SeparatorIndex();
    if (b > separator) {
        removeAt(b);
        m_text.append(u'0');
    } else if (b == separator) {
        SetCaret(kind == DeleteKind::DeleteKey ? separator : separator - 1);
    } else if (b == 2 && b == separator - 1 && hasMinus) {
        m_text = QStringLiteral("-0") + m_text.mid(2);
        SetCaret(1);
    } else if (b == 1 && b == separator - 1) {
        m_text = QStringLiteral("0") + m_text.mid(1);
        SetCaret(1);
    } else {
        removeAt(b);
    }
}

void NumericText::DeleteSelectedCharacters()
{
    const int count = m_selLength;
    SetCaret(m_selStart + count);
    for (int step = 0; step < count; ++step)
        StepAt(DeleteKind::Backspace);
}

void NumericText::Type(QChar character)
{
    const bool isSeparator = character == m_separator;
    const bool isBackspace = character == QChar(Win32::BackspaceCharacter);
    const bool isMinus = character == u'-';
    const bool isDigit = character >= u'0' && character <= u'9';

    bool removedSelection = false;
    if (isSeparator) {
        SetCaret(m_selStart);
    } else if (m_selLength > 0) {
        DeleteSelectedCharacters();
        removedSelection = true;
    }
    const bool hasMinus = HasMinus();
    if (!(isSeparator || isBackspace || isMinus || isDigit) || (isSeparator && m_decimals == 0))
        return;
    if (isMinus) {
        // The sign toggles wherever the caret stands.
        if (hasMinus) {
            m_text.remove(0, 1);
            SetCaret(m_selStart - 1);
        } else {
            m_text.prepend(u'-');
            SetCaret(m_selStart + 1);
        }
        return;
    }
    // All decimal places are always present: nothing can be appended.
    if (m_selStart == Length() && isDigit && m_decimals > 0)
        return;
    if (isSeparator) {
        SetCaret(SeparatorIndex());
        return;
    }
    // Nothing is ever typed in front of the minus sign.
    if (hasMinus && m_selStart == 0)
        SetCaret(1);
    if (isBackspace) {
        if (!removedSelection)
            StepAt(DeleteKind::Backspace);
        return;
    }
    // Choose what the digit replaces: the zero after a minus, a leading zero, or the digit it
    // overwrites; just left of the separator (or anywhere without decimals) it is inserted.
    if (m_selStart <= 2 && Length() >= 2 && m_text[1] == u'0' && hasMinus)
        Select(1, 1);
    else if (m_selStart <= 1 && Length() >= 1 && m_text[0] == u'0')
        Select(0, 1);
    else if (m_decimals > 0 && (m_selStart >= SeparatorIndex() || m_selStart < SeparatorIndex() - 1))
        Select(m_selStart, 1);
    ReplaceSelection(character);
}

template <class Change> void NumericText::AllOrNothing(Change change)
{
    const NumericText before = *this;
    change();
    if (m_text != before.m_text && !IsReadableNumber(m_text, m_locale) &&
        IsReadableNumber(before.m_text, m_locale))
        *this = before;
}

void NumericText::DeleteStep(DeleteKind kind)
{
    AllOrNothing([&] { StepAt(kind); });
}

void NumericText::DeleteSelection()
{
    AllOrNothing([&] { DeleteSelectedCharacters(); });
}

void NumericText::DeleteKey()
{
    AllOrNothing([&] {
        if (m_selLength > 0)
            DeleteSelectedCharacters();
        else
            StepAt(DeleteKind::DeleteKey);
    });
}

void NumericText::TypeCharacter(QChar character)
{
    AllOrNothing([&] { Type(character); });
}
