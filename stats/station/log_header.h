// The station details and the Cabrillo material that goes with them, and
// the station setup that fills them from the settings file and the dialog.

#ifndef STATS_STATION_LOG_HEADER_H_
#define STATS_STATION_LOG_HEADER_H_

#include <string>
#include <string_view>

#include "stats/results/line_list.h"

namespace stats {

// The settings file, relative to the host's folder, and its section.
constexpr const char* kSettingsFile = "Plugins\\LUMKA.ini";
constexpr const char* kSettingsSection = "Settings";

struct LogHeader {
  std::string call_sign;
  std::string name;
  std::string address;  // dialog form until OK, then Cabrillo form
  std::string claimed;  // as last read from the settings file
  std::string contest;
  std::string email;
  std::string club;
  std::string soap_box;  // dialog form until OK, then Cabrillo form
  std::string operators;
  std::string category;
  std::string file_stem;  // the Cabrillo log is file_stem + ".cbr"
  LineList qso_lines;     // the formatted Cabrillo QSO lines
};

// Returns `text` with every occurrence of `pattern` (not empty) replaced by
// `replacement`, found left to right without overlap; text that a
// replacement inserted is not searched again.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

// Returns the Cabrillo file stem of a call sign: "/" and "\" become "_",
// blanks at both ends go, and "LUMKA" stands for nothing left.
std::string FileStemOf(std::string_view call_sign);

// Loads the station details of `call_sign` from the settings file, shows
// them in the station dialog and, on OK, saves them and prepares them for the
// Cabrillo log. Returns 1 after OK, 0 otherwise (nothing saved).
int SetupStation(LogHeader& header, std::string_view call_sign);

}  // namespace stats

#endif  // STATS_STATION_LOG_HEADER_H_
