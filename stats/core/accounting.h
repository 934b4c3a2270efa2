// Adding and removing the QSOs the host logs and deletes.

#ifndef STATS_CORE_ACCOUNTING_H_
#define STATS_CORE_ACCOUNTING_H_

#include <cstdint>
#include <string_view>

#include "stats/core/contest_state.h"
#include "stats/stats.h"

namespace stats {

// The parameters of a logged or deleted QSO that the plug-in reads.
struct QsoInput {
  std::string_view own_call;
  std::string_view worked_call;
  COleDateTime time{0.0, COleDateTime::kValid};
  uint32_t frequency_hz = 0;
  std::string_view mode;
  std::string_view rst_sent;
  std::string_view rst_received;
  std::string_view exchange_sent;
  std::string_view exchange_received;
  std::string_view block_text10;
  std::string_view block_text17;
  std::string_view band;
};

// Tests the QSO (mode, then both exchanges, then the KDA code) and stores it
// unless an equal record is stored already. A rejected QSO becomes one line
// of the problem report of `own_call`. Returns 1 when accepted, 0 when
// rejected.
int AddQso(ContestState& state, const QsoInput& qso);

// Removes the earliest stored record with the same call sign, mode and band.
// Returns 0 when an exchange is empty or the received one is no KDA code
// (nothing removed), else 1, whether or not a record was found.
int RemoveQso(ContestState& state, const QsoInput& qso);

}  // namespace stats

#endif  // STATS_CORE_ACCOUNTING_H_
