#include "report/printer/PageText.h"

#include "report/printer/RecordedPage.h"
#include "tests/report/support/ReportValuePrinters.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
struct PlacedText {
    int X;
    int Y;
    const char *Text;
    Qt::Alignment Alignment = Qt::AlignLeft;
};

struct ReadingCase {
    const char *Name;
    std::vector<PlacedText> Texts; // in recording order
    const char *Expected;
    double Points = 30; // 40 page units high: texts 20 units lower start a line
};

class PageReading : public testing::TestWithParam<ReadingCase> {};

TEST_P(PageReading, ReadsTheTextsLineByLineFromTheTopLeft)
{
    RecordedPage page(QSize(4000, 4000));
    page.Append(LineOp{{0, 0}, {4000, 0}, QPen(Qt::black)});
    QFont font;
    font.setPointSizeF(GetParam().Points);
    for (const PlacedText &text : GetParam().Texts)
        page.Append(
            TextOp{{text.X, text.Y}, QString::fromUtf8(text.Text), font, Qt::black, text.Alignment, {}});
    EXPECT_EQ(PageReadingText(page).toStdString(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageReading,
    testing::Values(
        ReadingCase{"TopDownWhateverTheRecordingOrder", {{0, 300, "last"}, {0, 0, "first"}}, "first\nlast"},
        ReadingCase{"ALineFromTheLeftThoughItsTopsDiffer",
                    {{900, 100, "c"}, {0, 110, "a"}, {500, 105, "b"}},
                    "a b c"},
        ReadingCase{"ALineEndsHalfAFontHeightBelowTheTextAbove",
                    {{0, 0, "a"}, {100, 19, "b"}, {0, 39, "c"}},
                    "a b\nc"},
        ReadingCase{"ALargerFontKeepsMoreOnItsLine", {{0, 0, "a"}, {100, 39, "b"}}, "a b", 60},
        ReadingCase{
            "RightAlignedAndCentredTextsByTheirOrigin",
            {{2000, 0, "Heading", Qt::AlignHCenter}, {400, 0, "$786.70", Qt::AlignRight}, {450, 0, "Loan"}},
            "$786.70 Loan Heading"},
        ReadingCase{"BlanksAtTheEndsAndBlankTextsDropped",
                    {{0, 0, " $786.70 "}, {100, 0, "   "}, {200, 0, "x"}},
                    "$786.70 x"},
        ReadingCase{"NoTextsNothingToRead", {}, ""}),
    [](const testing::TestParamInfo<ReadingCase> &info) { return std::string(info.param.Name); });
} // namespace
