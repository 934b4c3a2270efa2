// The QSO time as text, for the problem report and the multiplier key.
//
// The text always has the layout "DD.MM.YYYY H:MM:SS" (hour without a
// leading zero), whatever the machine's locale, so that the fixed positions
// read from it below always mean the same thing.

#ifndef STATS_CORE_TIME_TEXT_H_
#define STATS_CORE_TIME_TEXT_H_

#include <string>

#include "stats/stats.h"

namespace stats {

// Returns "DD.MM.YYYY H:MM:SS" for `time` taken to the nearest second, or ""
// when the record holds no date (see ToCalendar).
std::string TimeText(const COleDateTime& time);

// Returns the 15-character date field "YYYY-MM-DD HHMM" assembled from a
// time text, or "" for an empty time text.
std::string DateField(const std::string& time_text);

// Returns the two hour characters of a time text as the multiplier key takes
// them (positions 11 and 12: "19", or "9:" for a one-digit hour), or "" for an
// empty time text.
std::string HourChars(const std::string& time_text);

}  // namespace stats

#endif  // STATS_CORE_TIME_TEXT_H_
