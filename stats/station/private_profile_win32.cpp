// The settings file through the platform's own private-profile functions.

#include <windows.h>

#include <vector>

#include "stats/station/private_profile.h"

namespace stats {

std::string ReadIniValue(const char* section, const char* key,
                         const char* fallback, const char* file) {
  std::vector<char> buffer(kProfileBufferSize);
  const DWORD size =
      GetPrivateProfileStringA(section, key, fallback, buffer.data(),
                               static_cast<DWORD>(buffer.size()), file);
  return std::string(buffer.data(), size);
}

bool WriteIniValue(const char* section, const char* key, const char* value,
                   const char* file) {
  return WritePrivateProfileStringA(section, key, value, file) != 0;
}

}  // namespace stats
