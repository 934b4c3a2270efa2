// Reading and writing one value of a Windows-style ini ("private profile")
// file. private_profile_win32.cpp uses kernel32; private_profile_posix.cpp is
// our own implementation of the same rules, for Linux.

#ifndef STATS_STATION_PRIVATE_PROFILE_H_
#define STATS_STATION_PRIVATE_PROFILE_H_

#include <string>

namespace stats {

// Size of the read buffer: a value comes back with at most 9999 characters.
constexpr size_t kProfileBufferSize = 10000;

// Returns the value of `key` in `section` of `file` (sections and keys found
// regardless of case), without blanks at either end and without one pair of
// quotation marks that encloses it whole, cut to kProfileBufferSize - 1
// characters. Returns `fallback` (less trailing blanks) when the file, the
// section or the key is missing. `file` may use backslashes.
std::string ReadIniValue(const char* section, const char* key,
                         const char* fallback, const char* file);

// Sets `key` in `section` of `file` to `value`: an existing key is updated in
// place, a new key goes to the end of its section, a missing section is
// added at the end of the file, and a missing file is created. Returns false
// when the file cannot be written (for instance when its folder is missing);
// the file is then unchanged.
bool WriteIniValue(const char* section, const char* key, const char* value,
                   const char* file);

}  // namespace stats

#endif  // STATS_STATION_PRIVATE_PROFILE_H_
