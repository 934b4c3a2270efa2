// The start of a contest run.

#ifndef STATS_STATION_STATS_RESET_H_
#define STATS_STATION_STATS_RESET_H_

#include <string_view>

#include "stats/core/contest_state.h"
#include "stats/station/log_header.h"

namespace stats {

// The companion program, relative to the host's folder.
constexpr const char* kCompanionCommand = ".\\Plugins\\Tamrik.exe";

// Starts the companion once per loaded library, empties the store and the
// band list, keeps the contest log flag, starts the problem report of
// `station_call`, leaves an empty "tmp.tmp", and runs the station setup when
// the flag is non-zero. Returns 1.
int ResetStats(ContestState& state, LogHeader& header,
               std::string_view station_call, int contest_log_flag);

}  // namespace stats

#endif  // STATS_STATION_STATS_RESET_H_
