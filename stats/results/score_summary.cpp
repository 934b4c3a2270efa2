// The rows come from the store's running per-band tally instead of a
// recount of every record, so a summary costs the number of bands, not the
// number of QSOs.

#include "stats/results/score_summary.h"

#include <cstdio>
#include <limits>

#include "stats/results/cabrillo.h"
#include "stats/station/private_profile.h"

namespace stats {
namespace {

void AppendRow(std::string& text, const std::string& first, int32_t a,
               int32_t b, int32_t c) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "\t %d\t %d\t %d\r\n", a, b, c);
  text.append(first).append(numbers);
}

}  // namespace

Summary BuildSummary(ContestState& state) {
  Summary summary;
  const QsoStore& store = state.store;
  const size_t records = store.size();
  summary.text = "\tZELMAR TEST \r\n\tQSOs\tPoints\tKDA\r\n";
  state.bands.SortForSummary();
  int64_t total_points = 0;
  int64_t total_kda = 0;
  for (size_t i = 0; i < state.bands.size(); ++i) {
    const std::string& band = state.bands.at(i);
    const BandCount row = store.tally().ForBand(store.BandId(band));
    AppendRow(summary.text, band, row.qsos, row.Points(), row.kda);
    total_points += row.Points();
    total_kda += row.kda;
  }
  const int32_t points = static_cast<int32_t>(total_points);
  const int32_t kda = static_cast<int32_t>(total_kda);
  AppendRow(summary.text, "Total", static_cast<int32_t>(records), points, kda);
  const int64_t product = total_points * total_kda;
  summary.score = product > std::numeric_limits<int32_t>::max()
                      ? std::numeric_limits<int32_t>::max()
                      : static_cast<int32_t>(product);
  char score_line[96];
  std::snprintf(score_line, sizeof score_line, "\r\nScore: %d*%d = %d\r\n",
                points, kda, summary.score);
  summary.text.append(score_line);
  return summary;
}

const char* GetResult(ContestState& state, LogHeader& header, int* score) {
  Summary summary = BuildSummary(state);
  state.result_text = std::move(summary.text);
  state.last_score = summary.score;
  if (score != nullptr) *score = summary.score;
  WriteIniValue(kSettingsSection, "Claimed",
                std::to_string(summary.score).c_str(), kSettingsFile);
  state.result_text.append(kSummaryCredit);
  if (state.contest_log_flag != 0) {
    ExportCabrilloLog(header, state.store, state.last_score);
    if (score != nullptr) *score = -1;
  }
  return state.result_text.c_str();
}

}  // namespace stats
