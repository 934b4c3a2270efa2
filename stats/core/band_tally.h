// Running counts per band of the stored QSOs, kept in step with the store so
// that the score summary does not recount the whole store on every call.

#ifndef STATS_CORE_BAND_TALLY_H_
#define STATS_CORE_BAND_TALLY_H_

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace stats {

// What the summary shows of one band: QSOs with a call sign, those of each
// contest mode, and the distinct multiplier keys among them.
struct BandCount {
  int32_t qsos = 0;
  int32_t cw = 0;
  int32_t ssb = 0;
  int32_t rtty = 0;
  int32_t kda = 0;

  // CW 2, SSB 1, RTTY 3 points; any other mode none.
  int32_t Points() const { return ssb + 2 * cw + 3 * rtty; }
};

// One stored QSO as the tally sees it. `band` and `kda_key` are ids of the
// store's pool; `kda_key` is kNoKey for an empty key.
struct TallyEntry {
  static constexpr uint32_t kNoKey = UINT32_MAX;
  uint32_t band;
  std::string_view mode;
  bool has_call;
  uint32_t kda_key;
};

class BandTally {
 public:
  void Add(const TallyEntry& qso);
  // Requires: `qso` was added and not yet removed.
  void Remove(const TallyEntry& qso);
  // Returns the counts of a band id; zeros for a band with no QSO.
  BandCount ForBand(uint32_t band) const;
  void Clear();

 private:
  void Count(const TallyEntry& qso, int32_t step);

  std::vector<BandCount> bands_;                    // by band id
  std::unordered_map<uint64_t, int32_t> key_uses_;  // (band, key) -> QSOs
};

}  // namespace stats

#endif  // STATS_CORE_BAND_TALLY_H_
