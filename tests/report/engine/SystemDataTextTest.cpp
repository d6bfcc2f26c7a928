#include "report/engine/SystemDataText.h"

#include "tests/support/QtValuePrinters.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

struct FormatRow {
    std::string TimeFormat;
    std::string Expected;
};

class ShortTimeFormatOf : public testing::TestWithParam<FormatRow> {};

TEST_P(ShortTimeFormatOf, DropsTheSecondsAndTheirSeparator)
{
    EXPECT_EQ(ShortTimeFormat(GetParam().TimeFormat, "%I:%M:%S %p"), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, ShortTimeFormatOf,
                         testing::Values(FormatRow{"%H:%M:%S", "%H:%M"}, FormatRow{"%T", "%H:%M"},
                                         FormatRow{"%r", "%I:%M %p"},
                                         FormatRow{"%OH.%OM.%OS Uhr", "%OH.%OM Uhr"},
                                         FormatRow{"%H:%M", "%H:%M"}));

// The texts in the C locale's formats: %m/%d/%y and %H:%M:%S.
class SystemDataTextTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = std::setlocale(LC_TIME, nullptr);
        std::setlocale(LC_TIME, "C");
    }
    void TearDown() override { std::setlocale(LC_TIME, m_saved.c_str()); }

    static std::tm At(int hour, int minute, int second)
    {
        std::tm time{};
        time.tm_year = 2026 - 1900;
        time.tm_mon = 11;
        time.tm_mday = 7;
        time.tm_hour = hour;
        time.tm_min = minute;
        time.tm_sec = second;
        return time;
    }

private:
    std::string m_saved;
};

TEST_F(SystemDataTextTest, FollowsTheLocaleFormats)
{
    const std::tm time = At(14, 5, 9);
    EXPECT_EQ(ShortDateText(time), QStringLiteral("12/07/26"));
    EXPECT_EQ(LongTimeText(time), QStringLiteral("14:05:09"));
    EXPECT_EQ(ShortTimeText(time), QStringLiteral("14:05"));
    EXPECT_EQ(DateTimeText(time), QStringLiteral("12/07/26 14:05:09"));
}

TEST_F(SystemDataTextTest, DateTimeAtMidnightIsTheDateAlone)
{
    EXPECT_EQ(DateTimeText(At(0, 0, 0)), QStringLiteral("12/07/26"));
    EXPECT_EQ(DateTimeText(At(0, 0, 1)), QStringLiteral("12/07/26 00:00:01"));
}

} // namespace
