// A multiplier key counts once per band however many QSOs carry it, so the
// tally keeps how many stored QSOs use each (band, key) pair: the band's KDA
// changes only when a pair appears or disappears.

#include "stats/core/band_tally.h"

namespace stats {

void BandTally::Add(const TallyEntry& qso) { Count(qso, 1); }

void BandTally::Remove(const TallyEntry& qso) { Count(qso, -1); }

void BandTally::Count(const TallyEntry& qso, int32_t step) {
  if (!qso.has_call) return;  // the summary leaves such QSOs out of its rows
  if (qso.band >= bands_.size()) bands_.resize(qso.band + 1);
  BandCount& row = bands_[qso.band];
  row.qsos += step;
  if (qso.mode == "CW") {
    row.cw += step;
  } else if (qso.mode == "SSB") {
    row.ssb += step;
  } else if (qso.mode == "RTTY") {
    row.rtty += step;
  }
  if (qso.kda_key == TallyEntry::kNoKey) return;
  const uint64_t pair = (static_cast<uint64_t>(qso.band) << 32) | qso.kda_key;
  int32_t& uses = key_uses_[pair];
  if (step > 0 && uses++ == 0) row.kda += 1;
  if (step < 0 && --uses == 0) {
    row.kda -= 1;
    key_uses_.erase(pair);
  }
}

BandCount BandTally::ForBand(uint32_t band) const {
  return band < bands_.size() ? bands_[band] : BandCount();
}

void BandTally::Clear() {
  bands_.clear();
  key_uses_.clear();
}

}  // namespace stats
