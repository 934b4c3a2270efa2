// The tests run in a fixed order (mode, exchanges, KDA code), so a rejected
// QSO gets exactly one problem line, for the first test it fails. The band
// joins the band list between the exchange test and the KDA test.

#include "stats/core/accounting.h"

#include <cstdio>
#include <string>

#include "stats/checks/kda_codes.h"
#include "stats/core/os.h"
#include "stats/core/qso_record.h"
#include "stats/core/time_text.h"
#include "stats/core/ubn_report.h"

namespace stats {
namespace {

bool IsContestMode(std::string_view mode) {
  return mode == "CW" || mode == "SSB" || mode == "RTTY";
}

// The report file is opened on every call, also when nothing is written, so
// an accepted QSO still leaves an (empty) report behind.
class ReportFile {
 public:
  explicit ReportFile(std::string_view own_call)
      : file_(os::OpenFile(ReportFileName(own_call), "ab")) {}
  ~ReportFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  void Write(const std::string& line) {
    if (file_ != nullptr) std::fwrite(line.data(), 1, line.size(), file_);
  }

 private:
  std::FILE* file_;
};

}  // namespace

int AddQso(ContestState& state, const QsoInput& qso) {
  ReportFile report(qso.own_call);
  const std::string time_text = TimeText(qso.time);
  const std::string date_field = DateField(time_text);
  const uint32_t frequency_khz = qso.frequency_hz / 1000;
  const ProblemQso problem{
      frequency_khz,   qso.mode,         date_field,
      qso.own_call,    qso.rst_sent,     qso.exchange_sent,
      qso.worked_call, qso.rst_received, qso.exchange_received};

  if (!IsContestMode(qso.mode)) {
    report.Write(ProblemLine(problem, Problem::kNoTestMode, {}));
    return 0;
  }
  if (qso.exchange_received.empty() || qso.exchange_sent.empty()) {
    report.Write(ProblemLine(problem, Problem::kNoExchange, {}));
    return 0;
  }
  state.bands.Add(qso.band);

  const std::string normalised = NormaliseExchange(qso.exchange_received);
  if (!IsKdaCode(normalised)) {
    report.Write(ProblemLine(problem, Problem::kNotKdaCode, normalised));
    return 0;
  }

  QsoRecord record;
  record.call = qso.worked_call;
  record.block_text10 = qso.block_text10;
  record.block_text17 = qso.block_text17;
  record.band = qso.band;
  record.mode = qso.mode;
  record.rst_received = qso.rst_received;
  record.rst_sent = qso.rst_sent;
  record.exchange_received = qso.exchange_received;
  record.exchange_sent = qso.exchange_sent;
  record.frequency_khz = static_cast<int32_t>(frequency_khz);
  record.time = qso.time;
  record.kda_key = normalised + record.mode + HourChars(time_text);
  state.store.AppendIfNew(record);
  return 1;
}

int RemoveQso(ContestState& state, const QsoInput& qso) {
  if (qso.exchange_received.empty() || qso.exchange_sent.empty()) return 0;
  if (!IsKdaCode(NormaliseExchange(qso.exchange_received))) return 0;
  const size_t found =
      state.store.FindMatch(qso.worked_call, qso.band, qso.mode);
  if (found != QsoStore::npos) state.store.RemoveAt(found);
  return 1;
}

}  // namespace stats
