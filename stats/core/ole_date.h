// Calendar fields of the host's date-time record.
//
// This is the one place where a COleDateTime becomes a calendar date and a
// time of day; the problem report, the tour rule and the Cabrillo log all go
// through it so that they agree on rounding and on what counts as no date.

#ifndef STATS_CORE_OLE_DATE_H_
#define STATS_CORE_OLE_DATE_H_

#include <optional>

#include "stats/stats.h"

namespace stats {

struct CalendarTime {
  int year;    // 100 to 9999
  int month;   // 1 to 12
  int day;     // 1 to 31
  int hour;    // 0 to 23
  int minute;  // 0 to 59
  int second;  // 0 to 59
};

// The first and the last day number a COleDateTime can represent
// (1 January 100 and 31 December 9999).
constexpr double kMinOleDate = -657434.0;
constexpr double kMaxOleDate = 2958465.0;

// Returns the calendar fields of `time`, taken to the nearest whole second
// (a time that rounds up to 24:00:00 is 0:00:00 of the next calendar day).
// The day is the value's integer part taken toward zero and the time of day
// its distance from that day, so -1.25 is 29 December 1899 at 06:00.
// Returns nothing when the status is not valid, or the value is not finite
// or lies outside kMinOleDate to kMaxOleDate.
std::optional<CalendarTime> ToCalendar(const COleDateTime& time);

// Returns the OLE day number of a date in the proleptic Gregorian calendar.
long DayNumber(int year, int month, int day);

}  // namespace stats

#endif  // STATS_CORE_OLE_DATE_H_
