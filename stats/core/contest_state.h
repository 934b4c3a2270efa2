// Everything the plug-in remembers of a contest run between two calls.

#ifndef STATS_CORE_CONTEST_STATE_H_
#define STATS_CORE_CONTEST_STATE_H_

#include <cstdint>
#include <string>

#include "stats/core/band_list.h"
#include "stats/core/qso_store.h"

namespace stats {

struct ContestState {
  QsoStore store;
  BandList bands;
  std::string result_text;  // the summary the host was last given
  int32_t last_score = 0;
  int32_t contest_log_flag = 0;  // non-zero: station details and Cabrillo log
  bool companion_started = false;
};

}  // namespace stats

#endif  // STATS_CORE_CONTEST_STATE_H_
