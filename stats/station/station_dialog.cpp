// Shared by both forms of the dialog: which list item a category selects.

#include "stats/station/station_dialog.h"

#include "stats/core/text.h"

namespace stats {

int FindCategory(const std::string& text) {
  if (text.empty()) return -1;
  for (int i = 0; i < kCategoryCount; ++i) {
    if (StartsWithIgnoringCase(kCategories[i], text)) return i;
  }
  return -1;
}

}  // namespace stats
