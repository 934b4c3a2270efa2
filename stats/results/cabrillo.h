// The Cabrillo 2.0 contest log: station details as header tags, one "QSO:"
// line per stored QSO, and the end tag.

#ifndef STATS_RESULTS_CABRILLO_H_
#define STATS_RESULTS_CABRILLO_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/core/qso_store.h"
#include "stats/station/log_header.h"

namespace stats {

// The user's extra header lines, copied unchanged into every log.
constexpr const char* kCabrilloInsertFile = "cabrillo.ini";

// Returns "CW", "RY" or "PH" for the modes "CW", "RTTY" and "SSB" (exact
// texts), "??" for anything else.
const char* CabrilloMode(std::string_view mode);

// Formats one QSO line of the log and appends it to header.qso_lines.
void AddCabrilloLine(LogHeader& header, std::string_view worked_call,
                     int32_t frequency_khz, std::string_view cabrillo_mode,
                     const COleDateTime& time, std::string_view rst_sent,
                     std::string_view exchange_sent,
                     std::string_view rst_received,
                     std::string_view exchange_received);

// Writes header.file_stem + ".cbr" from the header, its QSO lines and the
// claimed score. The old log is replaced only once the new one is written
// whole; when it cannot be written nothing is reported. Returns the
// confirmation text "File produced: <stem>.cbr".
std::string WriteCabrilloLog(const LogHeader& header, int32_t claimed_score);

// Refills header.qso_lines from `store` and writes the log.
std::string ExportCabrilloLog(LogHeader& header, const QsoStore& store,
                              int32_t claimed_score);

}  // namespace stats

#endif  // STATS_RESULTS_CABRILLO_H_
