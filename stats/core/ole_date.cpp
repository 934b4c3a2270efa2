// Conversion of OLE day numbers to the proleptic Gregorian calendar, after
// the well-known days-from-civil arithmetic on 400-year eras.

#include "stats/core/ole_date.h"

#include <cmath>

namespace stats {
namespace {

// Days from 1 March of year 0 to 30 December 1899, the OLE day 0.
constexpr long kOleEpochFromEra0 = 693899;  // DayFromCivil(1899, 12, 30)

long DaysFromCivil(long y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

void CivilFromDays(long z, int* year, int* month, int* day) {
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  *day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *year = static_cast<int>(yoe + era * 400 + (*month <= 2));
}

}  // namespace

long DayNumber(int year, int month, int day) {
  return DaysFromCivil(year, month, day) - kOleEpochFromEra0;
}

std::optional<CalendarTime> ToCalendar(const COleDateTime& time) {
  const double value = time.m_dt;
  if (time.m_status != COleDateTime::kValid || !std::isfinite(value) ||
      value < kMinOleDate || value > kMaxOleDate) {
    return std::nullopt;
  }
  long day = static_cast<long>(std::trunc(value));
  const double fraction = std::fabs(value - static_cast<double>(day));
  long seconds = static_cast<long>(std::floor(fraction * 86400.0 + 0.5));
  if (seconds >= 86400) {
    seconds -= 86400;
    // The next calendar day: for negative day numbers the calendar runs
    // backwards from the epoch, so day -1 (29.12.1899) is followed by day 0.
    day += 1;
  }
  CalendarTime out;
  CivilFromDays(day + kOleEpochFromEra0, &out.year, &out.month, &out.day);
  out.hour = static_cast<int>(seconds / 3600);
  out.minute = static_cast<int>(seconds / 60 % 60);
  out.second = static_cast<int>(seconds % 60);
  return out;
}

}  // namespace stats
