// A failed companion start is not retried: the flag is set either way, so
// the companion is started at most once while the library stays loaded.

#include "stats/station/stats_reset.h"

#include <cstdio>

#include "stats/core/os.h"
#include "stats/core/ubn_report.h"

namespace stats {

int ResetStats(ContestState& state, LogHeader& header,
               std::string_view station_call, int contest_log_flag) {
  if (!state.companion_started) {
    os::StartProgram(kCompanionCommand);
    state.companion_started = true;
  }
  state.store.Clear();
  state.bands.Clear();
  state.contest_log_flag = contest_log_flag;
  StartReport(station_call);
  if (std::FILE* scratch = os::OpenFile("tmp.tmp", "wb")) std::fclose(scratch);
  if (state.contest_log_flag != 0) SetupStation(header, station_call);
  return 1;
}

}  // namespace stats
