// Any bytes as the settings file: reading never fails, and a value written
// reads back as written (less trailing blanks), whatever the file held.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/work_dir.h"
#include "stats/station/private_profile.h"

namespace {

constexpr const char* kFile = "Plugins\\LUMKA.ini";

std::string Name(FuzzedDataProvider& in) {
  std::string name = in.ConsumeBool() ? "Settings" : "Name";
  for (char& c : name) {
    if (in.ConsumeBool()) c = static_cast<char>(c ^ 0x20);  // any case
  }
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zelmar_fuzz::EnterFreshWorkDir("ini");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string section = Name(in);
  const std::string key = Name(in);
  std::string value = in.ConsumeRandomLengthString(200);
  const std::string file = in.ConsumeRemainingBytesAsString();
  if (FILE* f = std::fopen("Plugins/LUMKA.ini", "wb")) {
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);
  }
  stats::ReadIniValue(section.c_str(), key.c_str(), "fallback", kFile);

  // A value a settings file can hold: one line, no blanks or quotation
  // marks at its ends.
  for (char& c : value) {
    if (c == '\r' || c == '\n' || c == '\0') c = '_';
  }
  while (!value.empty() && (value.front() <= ' ' || value.front() == '"' ||
                            value.front() == '\'')) {
    value.erase(0, 1);
  }
  while (!value.empty() &&
         (value.back() <= ' ' || value.back() == '"' || value.back() == '\'')) {
    value.pop_back();
  }
  if (!stats::WriteIniValue(section.c_str(), key.c_str(), value.c_str(),
                            kFile)) {
    std::abort();
  }
  if (stats::ReadIniValue(section.c_str(), key.c_str(), "", kFile) != value) {
    std::abort();
  }
  return 0;
}
