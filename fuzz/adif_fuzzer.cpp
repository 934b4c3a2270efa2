// Any bytes as an ADIF log: the reader never reads past the data, names a
// fault inside it, and every record it gives maps to a host QSO.

#include <cstdlib>
#include <string_view>
#include <vector>

#include "tools/adif_mapping.h"
#include "tools/adif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<zelmar::AdifRecord> records;
  zelmar::AdifError error;
  if (!zelmar::ReadAdif(text, &records, &error)) {
    if (error.offset > size || error.message.empty()) std::abort();
  }
  for (const zelmar::AdifRecord& record : records) {
    zelmar::ToHostQso(record, "UA3A");
  }
  return 0;
}
