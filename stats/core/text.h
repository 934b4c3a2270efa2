// Small text rules shared by the plug-in: what counts as a blank, and the
// ASCII-only case folding that names and codes are compared with.

#ifndef STATS_CORE_TEXT_H_
#define STATS_CORE_TEXT_H_

#include <string_view>

namespace stats {

// Space, tab, line feed, vertical tab, form feed and carriage return.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// Returns `text` without blanks at either end.
inline std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Returns `c` with a to z made upper case; every other byte unchanged.
inline char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Returns true when `text` begins with `prefix`, ignoring the case of a to z.
inline bool StartsWithIgnoringCase(std::string_view text,
                                   std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiUpper(text[i]) != AsciiUpper(prefix[i])) return false;
  }
  return true;
}

}  // namespace stats

#endif  // STATS_CORE_TEXT_H_
