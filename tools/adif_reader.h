// A reader for ADIF (.adi) logs, as any logger exports them.
//
// Values are taken as exactly the stated number of bytes, so a value may hold
// line breaks or a ">" of its own. Field names are matched regardless of
// case; text between fields, the optional header up to <EOH>, and any field
// the caller does not ask for are passed over.

#ifndef TOOLS_ADIF_READER_H_
#define TOOLS_ADIF_READER_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelmar {

// One record's fields. Values are views into the data that was read, which
// must outlive the record.
class AdifRecord {
 public:
  // Returns the value of field `name` (upper case), or "" when absent.
  std::string_view Get(std::string_view name) const;
  bool Has(std::string_view name) const;
  void Add(std::string name, std::string_view value);
  size_t size() const { return fields_.size(); }

 private:
  std::vector<std::pair<std::string, std::string_view>> fields_;
};

struct AdifError {
  size_t record = 0;  // 1-based number of the record being read
  size_t offset = 0;  // byte offset of the fault in the data
  std::string message;

  // "record 3, byte 120: <text>"
  std::string ToString() const;
};

// Called now and then with the bytes read so far.
using AdifProgress = std::function<void(size_t done, size_t total)>;

// Reads every record of `data`, whose bytes the records then refer to.
// Returns false and fills `error` on malformed input; the records read
// before the fault are kept.
bool ReadAdif(std::string_view data, std::vector<AdifRecord>* records,
              AdifError* error, const AdifProgress& progress = {});

}  // namespace zelmar

#endif  // TOOLS_ADIF_READER_H_
