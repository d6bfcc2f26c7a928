#include "report/preview/PageCaret.h"

#include <gtest/gtest.h>
#include <string>

namespace {
const QString Page = QStringLiteral("Title\nLoan Amount: 100000\nEnd");

struct CaretCase {
    const char *Name;
    int Caret;
    Qt::Key Key;
    int Expected;
};

class CaretAfterArrowTest : public testing::TestWithParam<CaretCase> {};

TEST_P(CaretAfterArrowTest, MovesALineOrACharacterAndStopsAtTheEnds)
{
    EXPECT_EQ(CaretAfterArrow(Page, GetParam().Caret, GetParam().Key), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CaretAfterArrowTest,
                         testing::Values(CaretCase{"DownFromTheTop", 0, Qt::Key_Down, 6},
                                         CaretCase{"DownFromInsideALine", 10, Qt::Key_Down, 26},
                                         CaretCase{"DownOnTheLastLineStays", 28, Qt::Key_Down, 28},
                                         CaretCase{"UpFromInsideALineToTheStartAbove", 28, Qt::Key_Up, 6},
                                         CaretCase{"UpFromALineStart", 6, Qt::Key_Up, 0},
                                         CaretCase{"UpOnTheFirstLineStays", 3, Qt::Key_Up, 3},
                                         CaretCase{"LeftAtTheStartStays", 0, Qt::Key_Left, 0},
                                         CaretCase{"RightAtTheEndStays", 29, Qt::Key_Right, 29},
                                         CaretCase{"RightOverALineFeed", 5, Qt::Key_Right, 6},
                                         CaretCase{"BeyondTheTextComesBack", 99, Qt::Key_Left, 28},
                                         CaretCase{"OtherKeysLeaveIt", 10, Qt::Key_PageDown, 10}),
                         [](const testing::TestParamInfo<CaretCase> &info) {
                             return std::string(info.param.Name);
                         });
} // namespace
