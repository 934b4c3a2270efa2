// The export layer: the only place with module-wide state. Each export
// reads its parameters (a null text reads as ""), hands them to the logic
// below with the state it works on, and lets no exception reach the host.

#include <exception>
#include <optional>
#include <string_view>

#include "stats/checks/call_check.h"
#include "stats/checks/kda_codes.h"
#include "stats/core/accounting.h"
#include "stats/core/ole_date.h"
#include "stats/core/os.h"
#include "stats/plugin.h"
#include "stats/results/score_summary.h"
#include "stats/station/stats_reset.h"
#include "stats/stats.h"

namespace stats {
namespace {

Plugin the_plugin;

std::string_view Arg(const char* text) {
  return text == nullptr ? std::string_view() : std::string_view(text);
}

COleDateTime DateArg(const COleDateTime* time) {
  return time == nullptr ? COleDateTime{0.0, COleDateTime::kNull} : *time;
}

int CurrentUtcHour() {
  if (!the_plugin.clock_overridden) return os::SystemUtcHour();
  const std::optional<CalendarTime> now = ToCalendar(the_plugin.clock);
  return now ? now->hour : -1;
}

QsoInput QsoArgs(Text own_call, Text worked_call, COleDateTime* qso_time,
                 unsigned frequency_hz, Text mode, Text rst_sent,
                 Text rst_received, Text exchange_sent, Text exchange_received,
                 Text block_text10, Text block_text17, Text band) {
  QsoInput qso;
  qso.own_call = Arg(own_call);
  qso.worked_call = Arg(worked_call);
  qso.time = DateArg(qso_time);
  qso.frequency_hz = frequency_hz;
  qso.mode = Arg(mode);
  qso.rst_sent = Arg(rst_sent);
  qso.rst_received = Arg(rst_received);
  qso.exchange_sent = Arg(exchange_sent);
  qso.exchange_received = Arg(exchange_received);
  qso.block_text10 = Arg(block_text10);
  qso.block_text17 = Arg(block_text17);
  qso.band = Arg(band);
  return qso;
}

// Runs `body`; an exception (memory exhausted) yields `failed` instead.
template <typename Result, typename Body>
Result Guarded(Result failed, Body body) {
  try {
    return body();
  } catch (...) {
    return failed;
  }
}

}  // namespace

void OverrideClock(const COleDateTime* now) {
  the_plugin.clock_overridden = now != nullptr;
  if (now != nullptr) the_plugin.clock = *now;
}

const ContestState& InspectState() { return the_plugin.state; }

const LogHeader& InspectLogHeader() { return the_plugin.header; }

}  // namespace stats

using stats::Arg;
using stats::Guarded;
using stats::the_plugin;

int AddData0(Text own_call, Text worked_call, COleDateTime* qso_time,
             COleDateTime*, COleDateTime*, COleDateTime*, unsigned,
             unsigned frequency_hz, Text mode, Text rst_sent, Text rst_received,
             Text exchange_sent, Text exchange_received, Text, Text, Text, Text,
             Text, Text, Text, Text, Text, Text block_text10, int, int, int,
             double, double, Text, Text block_text17, Text, Text band, Text) {
  return Guarded(0, [&] {
    return stats::AddQso(
        the_plugin.state,
        stats::QsoArgs(own_call, worked_call, qso_time, frequency_hz, mode,
                       rst_sent, rst_received, exchange_sent, exchange_received,
                       block_text10, block_text17, band));
  });
}

int RemoveData0(Text, Text worked_call, COleDateTime*, COleDateTime*,
                COleDateTime*, COleDateTime*, unsigned, unsigned, Text mode,
                Text, Text, Text exchange_sent, Text exchange_received, Text,
                Text, Text, Text, Text, Text, Text, Text, Text, Text, int, int,
                int, double, double, Text, Text, Text, Text band, Text) {
  return Guarded(0, [&] {
    return stats::RemoveQso(
        the_plugin.state,
        stats::QsoArgs(nullptr, worked_call, nullptr, 0, mode, nullptr, nullptr,
                       exchange_sent, exchange_received, nullptr, nullptr,
                       band));
  });
}

int CheckCall0(Text call, unsigned, unsigned, Text mode, Text, Text, Text, Text,
               Text, Text, Text, Text, Text, Text, int, int, int, double,
               double, Text, Text, Text, Text, Text, Text band, Text, char*,
               char* message) {
  return Guarded(1, [&] {
    return stats::CheckCall(the_plugin.state.store, Arg(call), Arg(mode),
                            Arg(band), stats::CurrentUtcHour(), message);
  });
}

int IsValidExchg0(Text exchange, Text, Text, Text, int, int, int) {
  return stats::IsKdaCode(Arg(exchange));
}

int GetExchgCount0(Text, Text, Text) { return 1; }

const char* GetSerialFormat0(Text, Text, Text, Text, Text, Text, Text, Text,
                             Text, Text, int, int, int, double, double, Text,
                             Text, Text) {
  return "D";
}

const char* GetAllowedSerialFields0() { return "D"; }

const char* GetResult0(int* score) {
  return Guarded<const char*>("", [&] {
    return stats::GetResult(the_plugin.state, the_plugin.header, score);
  });
}

int ResetStats0(Text, int contest_log_flag, Text station_call, COleDateTime*,
                COleDateTime*, Text, Text, Text, Text, Text, Text, Text, Text,
                Text, Text, int, int, int, double, double, Text, Text, Text) {
  return Guarded(1, [&] {
    return stats::ResetStats(the_plugin.state, the_plugin.header,
                             Arg(station_call), contest_log_flag);
  });
}

int GetNumberOfSets() { return 1; }

const char* GetSetName(int set) { return set == 0 ? "ZELMAR TEST" : ""; }

void SetupSet0() {
  stats::os::ShowMessage("No additional setup for this contest");
}
