#include "stats/core/whole_file.h"

#include <cstdio>

#include "stats/core/os.h"

namespace stats {

bool ReadWholeFile(std::string_view path, std::string* bytes) {
  std::FILE* file = os::OpenFile(path, "rb");
  if (file == nullptr) return false;
  char chunk[65536];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes->append(chunk, n);
    if (n < sizeof chunk) break;
  }
  std::fclose(file);
  return true;
}

bool ReplaceWholeFile(std::string_view path,
                      std::initializer_list<std::string_view> pieces) {
  const std::string temporary = std::string(path) + ".tmp";
  std::FILE* file = os::OpenFile(temporary, "wb");
  if (file == nullptr) return false;
  bool written = true;
  for (std::string_view piece : pieces) {
    written = written &&
              std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
  }
  const bool closed = std::fclose(file) == 0;
  if (written && closed && os::MoveOver(temporary, path)) return true;
  os::RemoveFile(temporary);
  return false;
}

}  // namespace stats
