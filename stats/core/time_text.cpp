// The date field is assembled from positions of the time text rather than
// from the calendar fields, because the multiplier key keeps the hour
// characters exactly as they stand in the text ("9:" for nine o'clock).

#include "stats/core/time_text.h"

#include <cstdio>

#include "stats/core/ole_date.h"

namespace stats {

std::string TimeText(const COleDateTime& time) {
  const std::optional<CalendarTime> t = ToCalendar(time);
  if (!t) return std::string();
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %d:%02d:%02d", t->day,
                t->month, t->year, t->hour, t->minute, t->second);
  return text;
}

std::string DateField(const std::string& s) {
  // Shortest text: "DD.MM.YYYY H:MM:SS", 18 characters.
  if (s.size() < 18) return std::string();
  std::string field;
  field.reserve(15);
  field.append(s, 6, 4).append("-").append(s, 3, 2).append("-");
  field.append(s, 0, 2).push_back(s[10]);
  if (s[12] == ':') {
    field.append("0").append(1, s[11]).append(s, 13, 2);
  } else {
    field.append(s, 11, 2).append(s, 14, 2);
  }
  return field;
}

std::string HourChars(const std::string& s) {
  if (s.size() < 18) return std::string();
  return s.substr(11, 2);
}

}  // namespace stats
