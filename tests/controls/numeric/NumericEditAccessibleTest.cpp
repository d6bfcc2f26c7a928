// The entry field as assistive technology hears it being edited and reads its number.
#include "tests/support/AccessibleEvents.h"
#include "controls/numeric/NumericEdit.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
struct Keystroke {
    const char *Name;
    int Decimals;
    const char *Text;
    int Caret;
    Qt::Key Key;
    const char *Result;
    std::vector<std::pair<QAccessible::Event, QString>> Reported; // in order, with what changed
};

class NumericEditAccessibleEvents : public testing::TestWithParam<Keystroke> {};

TEST_P(NumericEditAccessibleEvents, AKeystrokeIsReportedAsTheCharactersItChanged)
{
    const Keystroke &row = GetParam();
    QWidget window;
    auto *field = new TNumericEdit(&window);
    field->SetDecimals(row.Decimals);
    field->setText(QString::fromLatin1(row.Text));
    field->setCursorPosition(row.Caret);
    window.show();
    AccessibleEvents events;
    QTest::keyClick(field, row.Key);
    ASSERT_EQ(field->text(), QString::fromLatin1(row.Result));
    std::vector<std::pair<QAccessible::Event, QString>> reported;
    for (const AccessibleEvents::Event &event : events.All())
        if (event.Object == field &&
            (event.Type == QAccessible::TextInserted || event.Type == QAccessible::TextRemoved ||
             event.Type == QAccessible::TextUpdated))
            reported.emplace_back(event.Type, event.Text);
    EXPECT_EQ(reported, row.Reported);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NumericEditAccessibleEvents,
    testing::Values(
        Keystroke{"DigitInserted", 2, "10.00", 2, Qt::Key_5, "105.00", {{QAccessible::TextInserted, "5"}}},
        Keystroke{"DigitOverwritten",
                  2,
                  "10.00",
                  1,
                  Qt::Key_5,
                  "15.00",
                  {{QAccessible::TextRemoved, "0"}, {QAccessible::TextInserted, "5"}}},
        Keystroke{"IntegerBackspace",
                  2,
                  "123.00",
                  2,
                  Qt::Key_Backspace,
                  "13.00",
                  {{QAccessible::TextRemoved, "2"}}},
        Keystroke{"DecimalBackspace",
                  2,
                  "12.34",
                  4,
                  Qt::Key_Backspace,
                  "12.40",
                  {{QAccessible::TextRemoved, "3"}, {QAccessible::TextInserted, "0"}}},
        Keystroke{"SignToggled", 0, "30", 1, Qt::Key_Minus, "-30", {{QAccessible::TextInserted, "-"}}}),
    [](const testing::TestParamInfo<Keystroke> &info) { return std::string(info.param.Name); });

TEST(NumericEditAccessible, IsAnEditableTextWhoseValueIsItsNumber)
{
    TNumericEdit field;
    field.SetDecimals(3);
    field.SetValue(8.75);
    field.setCursorPosition(2);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&field);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    EXPECT_TRUE(accessible->state().editable);

    QAccessibleTextInterface *text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 5);
    EXPECT_EQ(text->text(0, 5), QStringLiteral("8.750"));
    EXPECT_EQ(text->cursorPosition(), 2);
    text->setSelection(0, 2, 4);
    EXPECT_EQ(field.selectedText(), QStringLiteral("75"));
    const QRect first = text->characterRect(0);
    const QRect second = text->characterRect(1);
    EXPECT_EQ(second.left(), first.right() + 1);
    EXPECT_TRUE(QRect(field.mapToGlobal(QPoint(0, 0)), field.size()).contains(first));

    QAccessibleValueInterface *value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue(), QVariant(8.75));
    EXPECT_EQ(value->minimumStepSize(), QVariant(0.001));
    EXPECT_FALSE(value->maximumValue().isValid()); // the range is off
    field.SetMinValue(1);
    field.SetMaxValue(999);
    EXPECT_EQ(value->maximumValue(), QVariant(999.0));
    value->setCurrentValue(2.34567);
    EXPECT_EQ(field.text(), QStringLiteral("2.346"));
    field.setText(QStringLiteral("abc"));
    EXPECT_FALSE(value->currentValue().isValid());
}
} // namespace
