// The problem report: one file per station call sign, a header written at
// every reset, then one line per rejected QSO. Lines end in CR LF on every
// platform; the file is opened and closed within each call.

#ifndef STATS_CORE_UBN_REPORT_H_
#define STATS_CORE_UBN_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace stats {

// Returns `call` with each of / \ : * ? " < > | and each control character
// replaced by "_", so that a call sign always names a file in the current
// folder. Nothing else changes (no trimming).
std::string SafeFileName(std::string_view call);

// Returns the report file name of a station call sign: "UA3A_P-ubn.txt".
std::string ReportFileName(std::string_view call);

// Creates or empties the report of `call` and writes its header. Failures
// are ignored.
void StartReport(std::string_view call);

// The pieces of a problem line, as the host passed them.
struct ProblemQso {
  uint32_t frequency_khz;
  std::string_view mode;
  std::string_view date_field;
  std::string_view own_call;
  std::string_view rst_sent;
  std::string_view exchange_sent;
  std::string_view worked_call;
  std::string_view rst_received;
  std::string_view exchange_received;
};

enum class Problem { kNoTestMode, kNoExchange, kNotKdaCode };

// Returns one problem line with its CR LF. `normalised` is the normalised
// received exchange, shown for kNotKdaCode only.
std::string ProblemLine(const ProblemQso& qso, Problem problem,
                        std::string_view normalised);

}  // namespace stats

#endif  // STATS_CORE_UBN_REPORT_H_
