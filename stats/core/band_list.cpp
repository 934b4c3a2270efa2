// The exchange sort is kept exactly, since band texts with equal filled
// forms ("5" and "05") end up in the order it gives; only the filled copies
// are not made: the comparison reads each text as if it were filled.

#include "stats/core/band_list.h"

#include <utility>

namespace stats {
namespace {

constexpr size_t kFilledWidth = 20;

// The byte at `position` of the filled form of `text`.
unsigned char FilledAt(std::string_view text, size_t fill, size_t position) {
  return position < fill ? '0'
                         : static_cast<unsigned char>(text[position - fill]);
}

}  // namespace

int CompareFilled(std::string_view a, std::string_view b) {
  const size_t fill_a = a.size() < kFilledWidth ? kFilledWidth - a.size() : 0;
  const size_t fill_b = b.size() < kFilledWidth ? kFilledWidth - b.size() : 0;
  const size_t size_a = a.size() + fill_a;
  const size_t size_b = b.size() + fill_b;
  for (size_t i = 0; i < size_a && i < size_b; ++i) {
    const unsigned char ca = FilledAt(a, fill_a, i);
    const unsigned char cb = FilledAt(b, fill_b, i);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return size_a < size_b ? -1 : (size_a > size_b ? 1 : 0);
}

void BandList::Add(std::string_view band) {
  if (known_.emplace(band).second) bands_.emplace_back(band);
}

void BandList::SortForSummary() {
  const size_t n = bands_.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    for (size_t j = i + 1; j < n; ++j) {
      if (CompareFilled(bands_[i], bands_[j]) < 0) {
        std::swap(bands_[i], bands_[j]);
      }
    }
  }
}

void BandList::Clear() {
  std::vector<std::string>().swap(bands_);
  known_.clear();
}

}  // namespace stats
