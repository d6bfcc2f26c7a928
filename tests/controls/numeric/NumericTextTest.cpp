#include "controls/numeric/NumericText.h"

#include "calc/Errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct StepCase {
    const char *name;
    int decimals;
    const char *text;
    int caret;
    NumericText::DeleteKind kind;
    const char *expectedText;
    int expectedCaret;
};

using Kind = NumericText::DeleteKind;

class DeleteStepCase : public testing::TestWithParam<StepCase> {};

TEST_P(DeleteStepCase, LeavesTextAndCaret)
{
    const StepCase &row = GetParam();
    NumericText model(row.text, row.caret, 0, row.decimals, LocaleValues{});
    model.DeleteStep(row.kind);
    EXPECT_EQ(model.Text().toStdString(), row.expectedText);
    EXPECT_EQ(model.SelStart(), row.expectedCaret);
    EXPECT_EQ(model.SelLength(), 0);
}

const StepCase stepCases[] = {
    {"BackspaceAtStart", 2, "12.34", 0, Kind::Backspace, "12.34", 0},
    {"DeleteAtEnd", 2, "12.34", 5, Kind::DeleteKey, "12.34", 5},
    {"WholeNumberMinusLastDigit", 0, "-5", 2, Kind::Backspace, "-0", 1},
    {"WholeNumberMinusLastDigitByDelete", 0, "-5", 1, Kind::DeleteKey, "-0", 1},
    {"WholeNumberLoneDigit", 0, "7", 1, Kind::Backspace, "0", 1},
    {"WholeNumberLoneDigitByDelete", 0, "7", 0, Kind::DeleteKey, "0", 1},
    {"WholeNumberMinusSign", 0, "-5", 1, Kind::Backspace, "5", 0},
    {"WholeNumberMiddleDigit", 0, "123", 2, Kind::Backspace, "13", 1},
    {"DecimalDigitShiftsInZero", 2, "12.34", 4, Kind::Backspace, "12.40", 3},
    {"DecimalDigitByDelete", 2, "12.34", 3, Kind::DeleteKey, "12.40", 3},
    {"BackspaceOverSeparator", 2, "12.34", 3, Kind::Backspace, "12.34", 2},
    {"DeleteOverSeparator", 2, "12.34", 2, Kind::DeleteKey, "12.34", 3},
    {"OnlyDigitAfterMinus", 2, "-5.00", 2, Kind::Backspace, "-0.00", 1},
    {"OnlyDigit", 2, "5.00", 1, Kind::Backspace, "0.00", 1},
    {"OnlyDigitByDelete", 2, "5.00", 0, Kind::DeleteKey, "0.00", 1},
    {"MinusBeforeDecimals", 2, "-5.00", 1, Kind::Backspace, "5.00", 0},
    {"LastOfTwoIntegerDigits", 3, "12.500", 2, Kind::Backspace, "1.500", 1},
    {"FirstOfTwoIntegerDigits", 3, "12.500", 1, Kind::Backspace, "2.500", 0},
};

INSTANTIATE_TEST_SUITE_P(NumericText, DeleteStepCase, testing::ValuesIn(stepCases),
                         [](const testing::TestParamInfo<StepCase> &info) {
                             return std::string(info.param.name);
                         });

TEST(NumericText, DeleteSelectionStepsBackFromItsRightEnd)
{
    NumericText model("-123.45", 2, 4, 2, LocaleValues{}); // "23.4"
    model.DeleteSelection();
    EXPECT_EQ(model.Text(), "-1.50");
    EXPECT_EQ(model.SelStart(), 2);
}

TEST(NumericText, DeleteSelectionOfEverythingLeavesZero)
{
    NumericText model("-98.765", 0, 7, 3, LocaleValues{});
    model.DeleteSelection();
    // The last step removes the minus sign the step before had put in front of the zero.
    EXPECT_EQ(model.Text(), "0.000");
    EXPECT_EQ(model.SelStart(), 0);
}

TEST(NumericText, DigitReplacesTheZeroAfterAMinus)
{
    NumericText model("-0.00", 2, 0, 2, LocaleValues{});
    model.TypeCharacter(u'4');
    EXPECT_EQ(model.Text(), "-4.00");
    EXPECT_EQ(model.SelStart(), 2);
}

TEST(NumericText, CommaSeparatorTakesThePlaceOfTheFullStop)
{
    LocaleValues comma;
    comma.DecimalSeparator = ",";
    NumericText model("12,34", 0, 0, 2, comma);
    model.TypeCharacter(u'.');
    EXPECT_EQ(model.Text(), "12,34");
    EXPECT_EQ(model.SelStart(), 0);
    model.TypeCharacter(u',');
    EXPECT_EQ(model.SelStart(), 3);
    model.TypeCharacter(u'9');
    EXPECT_EQ(model.Text(), "12,94");
}

TEST(NumericText, RefusesADigitBeyondTheRangeOfADouble)
{
    const QString largest = QString(308, u'9');
    NumericText model(largest, 308, 0, 0, LocaleValues{});
    model.TypeCharacter(u'9');
    EXPECT_EQ(model.Text(), largest);
    EXPECT_EQ(model.SelStart(), 308);
    EXPECT_TRUE(IsReadableNumber(model.Text(), LocaleValues{}));
}

// 1E18 and beyond are shown in the general layout; deleting into its exponent must not leave "1E".
TEST(NumericText, NeverLeavesAHalfDeletedExponent)
{
    NumericText model(FormatCanonical(1e20, 0, LocaleValues{}), 4, 0, 0, LocaleValues{});
    ASSERT_EQ(model.Text(), "1E20");
    for (int step = 0; step < 4; ++step) {
        model.TypeCharacter(u'\b');
        EXPECT_TRUE(IsReadableNumber(model.Text(), LocaleValues{})) << model.Text().toStdString();
    }
}

TEST(NumericText, EditsOfATextThatIsNotANumberAreNotRefused)
{
    NumericText model("abc", 3, 0, 0, LocaleValues{});
    model.TypeCharacter(u'\b');
    EXPECT_EQ(model.Text(), "ab");
}

TEST(NumericText, ReadNumberRejectsGroupingWithTheConversionMessage)
{
    try {
        ReadNumber("1,234.5", LocaleValues{});
        FAIL() << "no conversion error";
    } catch (const ConversionError &error) {
        EXPECT_STREQ(error.what(), "'1,234.5' is not a valid floating point value");
    }
}

struct EditsCase {
    const char *Name;
    const char *From;
    const char *To;
    std::vector<TextEdit> Edits;
};

class EditsBetweenTest : public testing::TestWithParam<EditsCase> {};

TEST_P(EditsBetweenTest, TellsTheChangeAsTheCharactersRemovedAndInserted)
{
    const EditsCase &row = GetParam();
    const std::vector<TextEdit> edits =
        EditsBetween(QString::fromLatin1(row.From), QString::fromLatin1(row.To));
    EXPECT_EQ(edits, row.Edits);
    QString applied = QString::fromLatin1(row.From);
    for (const TextEdit &edit : edits)
        applied.replace(edit.Position, edit.RemovedLength, edit.Inserted);
    EXPECT_EQ(applied, QString::fromLatin1(row.To));
}

INSTANTIATE_TEST_SUITE_P(
    NumericText, EditsBetweenTest,
    testing::Values(EditsCase{"Equal", "12.34", "12.34", {}},
                    EditsCase{"DigitInserted", "10.00", "105.00", {{2, 0, "5"}}},
                    EditsCase{"DigitOverwritten", "10.00", "15.00", {{1, 1, "5"}}},
                    EditsCase{"IntegerDigitDeleted", "123.00", "13.00", {{1, 1, {}}}},
                    EditsCase{"DecimalDeletedAndZeroAppended", "12.34", "12.40", {{3, 1, {}}, {4, 0, "0"}}},
                    EditsCase{"SelectionDeleted", "100000.00", "100.00", {{3, 3, {}}}},
                    EditsCase{"SelectionReplaced", "100000.00", "5.00", {{0, 6, "5"}}},
                    EditsCase{"SignPrepended", "30", "-30", {{0, 0, "-"}}},
                    EditsCase{"RepeatedDigitRemovedAtTheEnd", "12.44", "12.40", {{4, 1, "0"}}}),
    [](const testing::TestParamInfo<EditsCase> &info) { return std::string(info.param.Name); });

} // namespace
