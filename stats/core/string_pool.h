// Interned texts: each distinct text is kept once and named by a small id.
//
// The store keeps the few texts that repeat on every QSO (band, mode,
// multiplier key) here, so that a record holds ids and a scan compares
// integers.

#ifndef STATS_CORE_STRING_POOL_H_
#define STATS_CORE_STRING_POOL_H_

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace stats {

class StringPool {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // Returns the id of `text`, adding it when it is new. Ids count up from 0.
  uint32_t Intern(std::string_view text);

  // Returns the id of `text`, or kNone when it was never interned.
  uint32_t Find(std::string_view text) const;

  // Returns the text of an id that Intern gave. Valid until Clear.
  std::string_view Text(uint32_t id) const { return texts_[id]; }

  size_t size() const { return texts_.size(); }

  // Forgets every text; ids start again at 0.
  void Clear();

 private:
  std::deque<std::string> texts_;  // stable addresses for the index's views
  std::unordered_map<std::string_view, uint32_t> ids_;
};

}  // namespace stats

#endif  // STATS_CORE_STRING_POOL_H_
