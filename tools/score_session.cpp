// The session uses only the exports, through the host helper, plus two
// seams the host does not have: the clock (each QSO is checked at its own
// time) and the station form (answered from the command line).

#include "tools/score_session.h"

#include <filesystem>

#include "stats/checks/call_check.h"
#include "stats/checks/kda_codes.h"
#include "stats/core/ole_date.h"
#include "stats/core/ubn_report.h"
#include "stats/plugin.h"
#include "stats/station/log_header.h"
#include "stats/station/station_form_runner.h"
#include "tools/adif_mapping.h"

namespace zelmar {
namespace {

std::string DialogLines(const std::string& text) {
  return stats::ReplaceAll(text, "\\n", "\r\n");
}

void InstallStationAnswers(const StationOptions& o) {
  stats::InstallStationFormRunner([o](stats::StationTexts& t) {
    if (o.name) t.name = *o.name;
    if (o.category) t.category = *o.category;
    if (o.club) t.club = *o.club;
    if (o.email) t.email = *o.email;
    if (o.operators) t.operators = *o.operators;
    if (o.address) t.address = DialogLines(*o.address);
    if (o.soapbox) t.soap_box = DialogLines(*o.soapbox);
    return 1;
  });
}

// Why the plug-in refused a QSO, in the order it tests.
std::string RejectionReason(const stats::HostQso& q) {
  if (q.mode != "CW" && q.mode != "SSB" && q.mode != "RTTY") {
    return "not a contest mode: \"" + q.mode + "\"";
  }
  if (q.exchange_received.empty() || q.exchange_sent.empty()) {
    return "exchange missing";
  }
  return "\"" + stats::NormaliseExchange(q.exchange_received) +
         "\" is not a KDA code";
}

long TourOf(const COleDateTime& time) {
  const auto t = stats::ToCalendar(time);
  if (!t) return kNoTour;
  return stats::DayNumber(t->year, t->month, t->day) * 24 + t->hour;
}

}  // namespace

std::string OwnCallOf(const std::vector<AdifRecord>& records) {
  if (records.empty()) return std::string();
  const AdifRecord& first = records.front();
  if (!first.Get("STATION_CALLSIGN").empty()) {
    return std::string(first.Get("STATION_CALLSIGN"));
  }
  return std::string(first.Get("OPERATOR"));
}

SessionResult RunSession(const std::vector<AdifRecord>& records,
                         const SessionOptions& options) {
  std::error_code ignored;
  std::filesystem::create_directory("Plugins", ignored);
  InstallStationAnswers(options.station);
  stats::HostResetStats(options.own_call, options.cabrillo ? 1 : 0);

  SessionResult result;
  result.records = records.size();
  std::vector<size_t> record_of_stored;  // store position -> record number
  const stats::ContestState& state = stats::InspectState();
  for (size_t i = 0; i < records.size(); ++i) {
    QsoOutcome outcome;
    outcome.record = i + 1;
    outcome.qso = ToHostQso(records[i], options.own_call);
    const stats::HostQso& q = outcome.qso;

    stats::OverrideClock(&q.time);
    char message[stats::kCallCheckMessageRoom] = "";
    if (stats::HostCheckCall(q.worked_call, q.mode, q.band, message) == 0) {
      outcome.repeat = true;
      outcome.repeat_message = message;
      const auto hour = stats::ToCalendar(q.time);
      const size_t earlier = stats::FindTourRepeat(
          state.store, q.worked_call, q.band, q.mode, hour ? hour->hour : -1);
      if (earlier < record_of_stored.size()) {
        outcome.earlier_record = record_of_stored[earlier];
        outcome.earlier_time = state.store.View(earlier).time;
      }
    }
    const size_t stored_before = state.store.size();
    outcome.accepted = stats::HostAddData(q) == 1;
    if (!outcome.accepted) outcome.reason = RejectionReason(q);
    if (state.store.size() > stored_before) record_of_stored.push_back(i + 1);
    if (outcome.accepted) result.tours[TourOf(q.time)][q.band] += 1;
    if (outcome.repeat || !outcome.accepted) {
      result.findings.push_back(std::move(outcome));
    }
  }
  stats::OverrideClock(nullptr);

  int score = 0;
  result.summary = GetResult0(&score);
  result.score = state.last_score;
  stats::InstallStationFormRunner(nullptr);
  result.report_file = stats::ReportFileName(options.own_call);
  if (options.cabrillo) {
    result.cabrillo_file = stats::InspectLogHeader().file_stem + ".cbr";
  }
  return result;
}

}  // namespace zelmar
