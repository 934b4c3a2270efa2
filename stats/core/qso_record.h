// One QSO as the plug-in keeps it, and record equality.

#ifndef STATS_CORE_QSO_RECORD_H_
#define STATS_CORE_QSO_RECORD_H_

#include <cstdint>
#include <string>

#include "stats/stats.h"

namespace stats {

// The twelve fields of a QSO, each text an owned copy. A new record has
// empty texts and a valid time of 0.0.
struct QsoRecord {
  std::string call;
  std::string block_text10;  // takes part only in the duplicate test
  std::string block_text17;  // takes part only in the duplicate test
  std::string band;
  std::string mode;  // "CW", "SSB" or "RTTY" in every stored record
  std::string rst_received;
  std::string rst_sent;
  std::string exchange_received;  // as the host passed it
  std::string exchange_sent;
  std::string kda_key;  // normalised code + mode + hour characters
  int32_t frequency_khz = 0;
  COleDateTime time{0.0, COleDateTime::kValid};
};

// Two times are equal when status and value are both equal.
inline bool SameTime(const COleDateTime& a, const COleDateTime& b) {
  return a.m_status == b.m_status && a.m_dt == b.m_dt;
}

// Record equality of the duplicate test: all ten texts byte for byte, the
// frequency and the time.
inline bool operator==(const QsoRecord& a, const QsoRecord& b) {
  return a.call == b.call && a.block_text10 == b.block_text10 &&
         a.block_text17 == b.block_text17 && a.band == b.band &&
         a.mode == b.mode && a.rst_received == b.rst_received &&
         a.rst_sent == b.rst_sent &&
         a.exchange_received == b.exchange_received &&
         a.exchange_sent == b.exchange_sent && a.kda_key == b.kda_key &&
         a.frequency_khz == b.frequency_khz && SameTime(a.time, b.time);
}

}  // namespace stats

#endif  // STATS_CORE_QSO_RECORD_H_
