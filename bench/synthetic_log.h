// A seeded generator of contest logs for the benchmark: realistic call
// signs, six bands, the three modes, QSOs spread over 48 hours, 1% codes
// that are no KDA code and 1% exact repeats of an earlier QSO.

#ifndef BENCH_SYNTHETIC_LOG_H_
#define BENCH_SYNTHETIC_LOG_H_

#include <cstdint>
#include <string>
#include <vector>

#include "stats/host_calls.h"

namespace zelmar {

// Returns `count` QSOs as the host would log them, the same for every call
// with the same seed.
std::vector<stats::HostQso> SyntheticQsos(size_t count, uint64_t seed = 42);

// Returns the same QSOs as an ADIF log.
std::string SyntheticAdif(const std::vector<stats::HostQso>& qsos);

}  // namespace zelmar

#endif  // BENCH_SYNTHETIC_LOG_H_
