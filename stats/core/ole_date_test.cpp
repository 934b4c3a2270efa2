#include "stats/core/ole_date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "stats/core/time_text.h"

namespace stats {
namespace {

struct DateCase {
  double value;
  int32_t status;
  const char* time_text;  // "" for no date
};

class TimeTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(TimeTextTest, MatchesTheCalendar) {
  const DateCase& c = GetParam();
  EXPECT_EQ(TimeText(COleDateTime{c.value, c.status}), c.time_text);
}

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, TimeTextTest,
    ::testing::Values(
        DateCase{0.0, 0, "30.12.1899 0:00:00"},
        DateCase{-1.25, 0, "29.12.1899 6:00:00"},
        DateCase{40638.379861111, 0, "05.04.2011 9:07:00"},
        DateCase{40638.797222222, 0, "05.04.2011 19:08:00"},
        // 23:59:59.6 rounds up into the next day.
        DateCase{40638.0 + 86399.6 / 86400.0, 0, "06.04.2011 0:00:00"},
        // 14:05:59.6 shows as 14:06:00.
        DateCase{40638.0 + (14 * 3600 + 5 * 60 + 59.6) / 86400.0, 0,
                 "05.04.2011 14:06:00"},
        DateCase{60.0, 0, "28.02.1900 0:00:00"},
        DateCase{61.0, 0, "01.03.1900 0:00:00"},
        DateCase{36585.5, 0, "29.02.2000 12:00:00"},
        DateCase{kMinOleDate, 0, "01.01.0100 0:00:00"},
        DateCase{kMaxOleDate, 0, "31.12.9999 0:00:00"},
        DateCase{kMaxOleDate + 0.5, 0, ""}, DateCase{kMinOleDate - 0.5, 0, ""},
        DateCase{40638.5, COleDateTime::kInvalid, ""},
        DateCase{40638.5, COleDateTime::kNull, ""}, DateCase{40638.5, 7, ""},
        DateCase{kNan, 0, ""}, DateCase{kInf, 0, ""}, DateCase{-kInf, 0, ""}));

TEST(DateFieldTest, ReadsFixedPositions) {
  EXPECT_EQ(DateField("05.04.2011 9:07:30"), "2011-04-05 0907");
  EXPECT_EQ(DateField("05.04.2011 19:07:30"), "2011-04-05 1907");
  EXPECT_EQ(DateField(""), "");
  EXPECT_EQ(HourChars("05.04.2011 9:07:30"), "9:");
  EXPECT_EQ(HourChars("05.04.2011 19:07:30"), "19");
  EXPECT_EQ(HourChars(""), "");
}

TEST(DayNumberTest, RoundTripsThroughTheCalendar) {
  for (long day = -657434; day <= 2958465; day += 997) {
    const auto t = ToCalendar(COleDateTime{static_cast<double>(day), 0});
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(DayNumber(t->year, t->month, t->day), day);
  }
}

}  // namespace
}  // namespace stats
