// The distinct band texts offered to the accounting in the current run.
//
// Order is that of first appearance until the score summary sorts the list
// in place; the sorted order is what later readers see.

#ifndef STATS_CORE_BAND_LIST_H_
#define STATS_CORE_BAND_LIST_H_

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace stats {

class BandList {
 public:
  size_t size() const { return bands_.size(); }
  const std::string& at(size_t index) const { return bands_[index]; }

  // Appends `band` unless the list already holds it (byte comparison).
  void Add(std::string_view band);

  // Sorts in place, descending, by the exchange sort over the texts filled
  // with leading "0" characters to 20 bytes: whole numbers of up to 20 digits
  // come out in descending numeric order.
  void SortForSummary();

  void Clear();

 private:
  std::vector<std::string> bands_;
  std::unordered_set<std::string> known_;
};

// Compares the zero-filled forms of two band texts byte for byte (as
// unsigned bytes): negative, zero or positive as `a` is lower, equal or
// higher.
int CompareFilled(std::string_view a, std::string_view b);

}  // namespace stats

#endif  // STATS_CORE_BAND_LIST_H_
