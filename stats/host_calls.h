// Calls the exports the way the logging host does, with every parameter in
// its place. The score tool, the benchmark, the fuzzers and the tests use
// this one helper, so only it knows the long parameter lists.

#ifndef STATS_HOST_CALLS_H_
#define STATS_HOST_CALLS_H_

#include <string>

#include "stats/stats.h"

namespace stats {

// A QSO as the host hands it over.
struct HostQso {
  std::string own_call;
  std::string worked_call;
  COleDateTime time{0.0, COleDateTime::kValid};
  unsigned frequency_hz = 0;
  std::string mode;
  std::string rst_sent;
  std::string rst_received;
  std::string exchange_sent;
  std::string exchange_received;
  std::string block_text10;
  std::string block_text17;
  std::string band;
};

int HostAddData(const HostQso& qso);
int HostRemoveData(const HostQso& qso);
// `message` must have room for 128 bytes.
int HostCheckCall(const std::string& call, const std::string& mode,
                  const std::string& band, char* message);
int HostResetStats(const std::string& station_call, int contest_log_flag);

}  // namespace stats

#endif  // STATS_HOST_CALLS_H_
