// A deque keeps every interned text at a fixed address, so the index can be
// keyed by views into it.

#include "stats/core/string_pool.h"

namespace stats {

uint32_t StringPool::Intern(std::string_view text) {
  const auto found = ids_.find(text);
  if (found != ids_.end()) return found->second;
  const uint32_t id = static_cast<uint32_t>(texts_.size());
  texts_.emplace_back(text);
  ids_.emplace(std::string_view(texts_.back()), id);
  return id;
}

uint32_t StringPool::Find(std::string_view text) const {
  const auto found = ids_.find(text);
  return found == ids_.end() ? kNone : found->second;
}

void StringPool::Clear() {
  ids_.clear();
  texts_.clear();
}

}  // namespace stats
