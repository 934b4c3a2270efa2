// A tag is "<NAME:LENGTH[:TYPE]>" followed by LENGTH bytes of value, or one of
// the bare markers <EOH> and <EOR>. A file that does not begin with "<" has a
// header, which ends at <EOH>; without an <EOH> it is all records.

#include "tools/adif_reader.h"

#include "tools/ascii_case.h"

namespace zelmar {
namespace {

struct Tag {
  std::string name;  // upper case
  bool has_length = false;
  size_t length = 0;
};

class Parser {
 public:
  Parser(std::string_view data, AdifError* error)
      : data_(data), error_(error) {}

  // Moves to the next "<"; returns false at the end of the data.
  bool SkipToTag() {
    const size_t next = data_.find('<', at_);
    at_ = next == std::string_view::npos ? data_.size() : next;
    return at_ < data_.size();
  }

  // Reads the tag at the current "<".
  bool ReadTag(size_t record, Tag* tag) {
    const size_t start = at_;
    const size_t close = data_.find('>', start);
    if (close == std::string_view::npos) {
      return Fail(record, start, "tag not closed by \">\"");
    }
    const std::string_view inside = data_.substr(start + 1, close - start - 1);
    const size_t colon = inside.find(':');
    tag->name = Upper(inside.substr(0, colon));
    tag->has_length = colon != std::string_view::npos;
    tag->length = 0;
    if (tag->name.empty()) return Fail(record, start, "tag without a name");
    if (tag->has_length) {
      std::string_view digits = inside.substr(colon + 1);
      digits = digits.substr(0, digits.find(':'));
      if (digits.empty()) return Fail(record, start, "field without a length");
      for (char c : digits) {
        if (c < '0' || c > '9' || tag->length > data_.size()) {
          return Fail(record, start,
                      "bad length in <" + std::string(inside) + ">");
        }
        tag->length = tag->length * 10 + static_cast<size_t>(c - '0');
      }
    }
    at_ = close + 1;
    if (tag->has_length && tag->length > data_.size() - at_) {
      return Fail(record, start,
                  "value of " + tag->name + " runs past the end of the data");
    }
    return true;
  }

  std::string_view TakeValue(size_t length) {
    const std::string_view value = data_.substr(at_, length);
    at_ += length;
    return value;
  }

  bool Fail(size_t record, size_t offset, std::string message) {
    error_->record = record;
    error_->offset = offset;
    error_->message = std::move(message);
    return false;
  }

  size_t at() const { return at_; }
  // A log that does not begin with "<" has a header, when it has an <EOH>.
  bool HasHeader() const {
    if (data_.empty() || data_[0] == '<') return false;
    for (size_t at = data_.find('<'); at != std::string_view::npos;
         at = data_.find('<', at + 1)) {
      if (Upper(data_.substr(at, 5)) == "<EOH>") return true;
    }
    return false;
  }

 private:
  std::string_view data_;
  AdifError* error_;
  size_t at_ = 0;
};

}  // namespace

std::string_view AdifRecord::Get(std::string_view name) const {
  for (const auto& field : fields_) {
    if (field.first == name) return field.second;
  }
  return std::string_view();
}

bool AdifRecord::Has(std::string_view name) const {
  for (const auto& field : fields_) {
    if (field.first == name) return true;
  }
  return false;
}

void AdifRecord::Add(std::string name, std::string_view value) {
  fields_.emplace_back(std::move(name), value);
}

std::string AdifError::ToString() const {
  return "record " + std::to_string(record) + ", byte " +
         std::to_string(offset) + ": " + message;
}

bool ReadAdif(std::string_view data, std::vector<AdifRecord>* records,
              AdifError* error, const AdifProgress& progress) {
  Parser parser(data, error);
  Tag tag;
  if (parser.HasHeader()) {  // skip its fields up to <EOH>
    for (;;) {
      parser.SkipToTag();
      if (!parser.ReadTag(0, &tag)) return false;
      if (tag.name == "EOH") break;
      parser.TakeValue(tag.length);
    }
  }
  AdifRecord record;
  size_t record_start = parser.at();
  size_t next_report = 0;
  while (parser.SkipToTag()) {
    const size_t number = records->size() + 1;
    if (!parser.ReadTag(number, &tag)) return false;
    if (tag.name == "EOR") {
      records->push_back(std::move(record));
      record = AdifRecord();
      record_start = parser.at();
      if (progress && parser.at() >= next_report) {
        progress(parser.at(), data.size());
        next_report = parser.at() + (1 << 20);
      }
      continue;
    }
    if (tag.name == "EOH") {
      return parser.Fail(number, parser.at(), "<EOH> after the header");
    }
    if (!tag.has_length) {
      return parser.Fail(number, parser.at(),
                         "field " + tag.name + " has no length");
    }
    record.Add(tag.name, parser.TakeValue(tag.length));
  }
  if (record.size() > 0) {
    return parser.Fail(records->size() + 1, record_start,
                       "last record not closed by <EOR>");
  }
  if (progress) progress(data.size(), data.size());
  return true;
}

}  // namespace zelmar
