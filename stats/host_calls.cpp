// The parameters the plug-in does not read get recognisable filler, as a
// host would pass its own data there.

#include "stats/host_calls.h"

namespace stats {
namespace {

constexpr const char* kFill = "-";

int CallWithQso(decltype(&AddData0) export_function, const HostQso& q) {
  COleDateTime other{0.0, COleDateTime::kValid};
  COleDateTime time = q.time;
  return export_function(
      q.own_call.c_str(), q.worked_call.c_str(), &time, &other, &other, &other,
      0, q.frequency_hz, q.mode.c_str(), q.rst_sent.c_str(),
      q.rst_received.c_str(), q.exchange_sent.c_str(),
      q.exchange_received.c_str(), kFill, kFill, kFill, kFill, kFill, kFill,
      kFill, kFill, kFill, q.block_text10.c_str(), 0, 0, 0, 0.0, 0.0, kFill,
      q.block_text17.c_str(), kFill, q.band.c_str(), kFill);
}

}  // namespace

int HostAddData(const HostQso& qso) { return CallWithQso(&AddData0, qso); }

int HostRemoveData(const HostQso& qso) {
  return CallWithQso(&RemoveData0, qso);
}

int HostCheckCall(const std::string& call, const std::string& mode,
                  const std::string& band, char* message) {
  char unused[8] = "";
  return CheckCall0(call.c_str(), 0, 0, mode.c_str(), kFill, kFill, kFill,
                    kFill, kFill, kFill, kFill, kFill, kFill, kFill, 0, 0, 0,
                    0.0, 0.0, kFill, kFill, kFill, kFill, kFill, band.c_str(),
                    kFill, unused, message);
}

int HostResetStats(const std::string& station_call, int contest_log_flag) {
  COleDateTime other{0.0, COleDateTime::kValid};
  return ResetStats0(kFill, contest_log_flag, station_call.c_str(), &other,
                     &other, kFill, kFill, kFill, kFill, kFill, kFill, kFill,
                     kFill, kFill, kFill, 0, 0, 0, 0.0, 0.0, kFill, kFill,
                     kFill);
}

}  // namespace stats
