// The QSOs of the current contest run, in the order they were added.
//
// Every search is a linear scan in store order and the first match wins, as
// the host expects. Records are kept compact and contiguous: the texts that
// repeat (band, mode, multiplier key) are interned, the rest of a record's
// texts share one allocation, the records sit in small fixed blocks, and
// each search first compares a 16-bit
// fingerprint held in an array of its own before it looks at any text.

#ifndef STATS_CORE_QSO_STORE_H_
#define STATS_CORE_QSO_STORE_H_

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "stats/core/band_tally.h"
#include "stats/core/print_scan.h"
#include "stats/core/qso_record.h"
#include "stats/core/string_pool.h"

namespace stats {

// A stored record's fields, valid until the store next changes.
struct QsoView {
  std::string_view call;
  std::string_view block_text10;
  std::string_view block_text17;
  std::string_view band;
  std::string_view mode;
  std::string_view rst_received;
  std::string_view rst_sent;
  std::string_view exchange_received;
  std::string_view exchange_sent;
  std::string_view kda_key;
  int32_t frequency_khz;
  COleDateTime time;
};

class QsoStore {
 public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  size_t size() const { return slots_.size(); }

  // Requires: index < size().
  QsoView View(size_t index) const;
  QsoRecord At(size_t index) const;

  // Returns the position of the first record equal to `record`, or npos.
  size_t FindEqual(const QsoRecord& record) const;

  // Returns the position of the first record at or after `from` whose call,
  // band and mode equal the given texts byte for byte, or npos.
  size_t FindMatch(std::string_view call, std::string_view band,
                   std::string_view mode, size_t from = 0) const;

  void Append(const QsoRecord& record);
  // Appends `record` unless an equal record is stored; returns true when it
  // was appended.
  bool AppendIfNew(const QsoRecord& record);
  // Requires: index < size(). Later records move down one place.
  void RemoveAt(size_t index);
  // Removes every record and releases their storage.
  void Clear();

  // Counts per band of the records now stored.
  const BandTally& tally() const { return tally_; }
  // Returns the id the store gives a band text, or StringPool::kNone when no
  // record ever carried it in this run.
  uint32_t BandId(std::string_view band) const { return bands_.Find(band); }

  // Bytes held for the records, their texts and their indexes.
  size_t MemoryBytes() const;

 private:
  struct Slot {
    COleDateTime time;
    int32_t frequency_khz;
    uint32_t band;
    uint32_t mode;
    uint32_t kda_key;
    uint32_t texts_size;
    std::unique_ptr<char[]> texts;  // the other seven texts, each ending in 0
  };

  TallyEntry TallyOf(const Slot& slot) const;
  // `packed` is PackTexts(record), made once per call by the callers.
  size_t FindEqualPacked(const QsoRecord& record,
                         const std::string& packed) const;
  void AppendPacked(const QsoRecord& record, const std::string& packed);

  StringPool bands_;
  StringPool modes_;
  StringPool keys_;
  std::deque<Slot> slots_;  // grows in small blocks: no doubling slack
  std::vector<Print> match_prints_;   // call, band and mode
  std::vector<Print> record_prints_;  // every field
  BandTally tally_;
};

}  // namespace stats

#endif  // STATS_CORE_QSO_STORE_H_
