// The tour rule: a station may be worked again on the same band and in the
// same mode only in another clock hour (UTC).

#ifndef STATS_CHECKS_CALL_CHECK_H_
#define STATS_CHECKS_CALL_CHECK_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "stats/core/qso_store.h"

namespace stats {

// Room the host's message buffer is trusted to have, terminator included.
constexpr size_t kCallCheckMessageRoom = 128;

// Returns the position of the first stored record with this call sign, band
// and mode whose hour (to the nearest second) is `current_hour`, or
// QsoStore::npos when the QSO may be logged. Dates are not compared; a
// record without a valid date never matches.
size_t FindTourRepeat(const QsoStore& store, std::string_view call,
                      std::string_view band, std::string_view mode,
                      int current_hour);

// Returns the operator's message for a refused call sign: "QSO c ", the call
// sign, and a fixed text in code page 1251.
std::string TourRepeatMessage(std::string_view call);

// Runs the check; on a refusal copies the message into `message`, cut to
// kCallCheckMessageRoom bytes and always terminated, and returns 0.
// Otherwise returns 1 and leaves `message` untouched. A null `message` is
// not written.
int CheckCall(const QsoStore& store, std::string_view call,
              std::string_view mode, std::string_view band, int current_hour,
              char* message);

}  // namespace stats

#endif  // STATS_CHECKS_CALL_CHECK_H_
