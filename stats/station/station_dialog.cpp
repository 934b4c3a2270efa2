// Shared by both forms of the dialog: which list item a category selects.

#include "stats/station/station_dialog.h"

namespace stats {

int FindCategory(const std::string& text) {
  if (text.empty()) return -1;
  auto fold = [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  };
  for (int i = 0; i < kCategoryCount; ++i) {
    const std::string item = kCategories[i];
    if (item.size() < text.size()) continue;
    bool prefix = true;
    for (size_t j = 0; j < text.size() && prefix; ++j) {
      prefix = fold(item[j]) == fold(text[j]);
    }
    if (prefix) return i;
  }
  return -1;
}

}  // namespace stats
