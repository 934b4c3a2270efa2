// The score summary: QSOs, points and KDA multipliers band by band, the
// totals and the score, as the tab-separated text the host shows.

#ifndef STATS_RESULTS_SCORE_SUMMARY_H_
#define STATS_RESULTS_SCORE_SUMMARY_H_

#include <cstdint>
#include <string>

#include "stats/core/contest_state.h"
#include "stats/station/log_header.h"

namespace stats {

// The closing line of the summary; no line end follows it.
constexpr const char* kSummaryCredit = "Scored by the ZELMAR TEST plug-in";

struct Summary {
  std::string text;  // without the closing credit line
  int32_t score;
};

// Sorts state.bands for the summary and returns the summary of state.store.
// The score is total points times total KDA, held at 2147483647 when the
// product does not fit.
Summary BuildSummary(ContestState& state);

// The whole score request: builds the summary into state.result_text, sets
// state.last_score and *score, saves the score as "Claimed" in the settings
// file and, under the contest log flag, writes the Cabrillo log and sets
// *score to -1. A null `score` is not written. Returns the summary text.
const char* GetResult(ContestState& state, LogHeader& header, int* score);

}  // namespace stats

#endif  // STATS_RESULTS_SCORE_SUMMARY_H_
