// An ordered list of texts held in one buffer: the Cabrillo QSO lines of a
// large log without one allocation per line.

#ifndef STATS_RESULTS_LINE_LIST_H_
#define STATS_RESULTS_LINE_LIST_H_

#include <string>
#include <string_view>
#include <vector>

namespace stats {

class LineList {
 public:
  size_t size() const { return ends_.size(); }
  std::string_view at(size_t index) const {
    const size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
  }
  // All lines, one after the other.
  std::string_view joined() const { return text_; }

  void Append(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
  }
  // Empties the list; its storage is kept for the next fill, which is
  // usually as large.
  void Clear() {
    text_.clear();
    ends_.clear();
  }

 private:
  std::string text_;
  std::vector<size_t> ends_;
};

}  // namespace stats

#endif  // STATS_RESULTS_LINE_LIST_H_
