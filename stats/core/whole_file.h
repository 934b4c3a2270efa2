// Whole-file reads and replacing writes. A replacing write goes to a
// temporary file beside the target, which takes the target's place only once
// every byte is on disk: a full disk or a crash leaves the old file whole.

#ifndef STATS_CORE_WHOLE_FILE_H_
#define STATS_CORE_WHOLE_FILE_H_

#include <initializer_list>
#include <string>
#include <string_view>

namespace stats {

// Appends the bytes of `path` to `bytes` until a read comes back short.
// Returns false when the file cannot be opened.
bool ReadWholeFile(std::string_view path, std::string* bytes);

// Replaces the contents of `path` with the pieces, one after the other.
// Returns false, leaving the file as it was, when the new contents cannot be
// written whole.
bool ReplaceWholeFile(std::string_view path,
                      std::initializer_list<std::string_view> pieces);

}  // namespace stats

#endif  // STATS_CORE_WHOLE_FILE_H_
