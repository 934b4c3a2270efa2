// ADIF names fields, bands and modes in any letter case.

#ifndef TOOLS_ASCII_CASE_H_
#define TOOLS_ASCII_CASE_H_

#include <cctype>
#include <string>
#include <string_view>

namespace zelmar {

// Returns `text` with the ASCII letters in upper case.
inline std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return out;
}

}  // namespace zelmar

#endif  // TOOLS_ASCII_CASE_H_
