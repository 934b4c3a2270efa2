// One run of the plug-in over a log, driven as the logging host drives it:
// reset with the station call sign, then for each QSO the tour check at the
// QSO's time and the logging, then the score request.

#ifndef TOOLS_SCORE_SESSION_H_
#define TOOLS_SCORE_SESSION_H_

#include <climits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "stats/host_calls.h"
#include "tools/adif_reader.h"

namespace zelmar {

struct StationOptions {
  std::optional<std::string> name, category, club, email, operators, address,
      soapbox;  // address and soapbox: "\n" (two characters) breaks a line
};

struct SessionOptions {
  std::string own_call;  // required
  bool cabrillo = true;
  StationOptions station;
};

// A QSO the tour rule refused or the plug-in rejected (or both).
struct QsoOutcome {
  size_t record = 0;  // 1-based, in file order
  stats::HostQso qso;
  bool accepted = false;
  std::string reason;          // why it was rejected
  bool repeat = false;         // the tour check refused it
  std::string repeat_message;  // the plug-in's message, code page 1251
  size_t earlier_record = 0;   // the QSO that made it a repeat
  COleDateTime earlier_time{0.0, COleDateTime::kInvalid};
};

// Accepted QSOs per tour and band. A tour is numbered by its hour since the
// OLE epoch (day number * 24 + hour); kNoTour holds QSOs without a date.
using TourCounts = std::map<long, std::map<std::string, int>>;
constexpr long kNoTour = LONG_MIN;

struct SessionResult {
  size_t records = 0;
  std::vector<QsoOutcome> findings;  // in file order
  TourCounts tours;
  std::string summary;  // as GetResult0 returns it
  int score = 0;        // the score, also when the Cabrillo flag gave -1
  std::string report_file;
  std::string cabrillo_file;  // empty without the Cabrillo log
};

// Returns the station call sign of a log: the first record's
// STATION_CALLSIGN, else its OPERATOR; "" when neither is there.
std::string OwnCallOf(const std::vector<AdifRecord>& records);

// Runs the plug-in over `records` in the current folder, which becomes the
// host's folder (a "Plugins" folder is created in it).
SessionResult RunSession(const std::vector<AdifRecord>& records,
                         const SessionOptions& options);

}  // namespace zelmar

#endif  // TOOLS_SCORE_SESSION_H_
