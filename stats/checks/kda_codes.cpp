// The table is held as the count of numbers under each letter; a code is a
// letter with a count and a two-digit number from 01 up to that count.

#include "stats/checks/kda_codes.h"

#include <cstdio>

#include "stats/core/text.h"

namespace stats {
namespace {

struct LetterRange {
  char letter;
  int count;
};

constexpr LetterRange kLetters[] = {
    {'A', 6},  {'B', 19}, {'C', 14}, {'F', 13}, {'G', 7},  {'I', 13},
    {'J', 17}, {'K', 9},  {'L', 20}, {'M', 13}, {'N', 16}, {'O', 8},
    {'P', 18}, {'Q', 18}, {'T', 11}, {'Z', 3},
};

constexpr int CountOf(char letter) {
  for (const LetterRange& r : kLetters) {
    if (r.letter == letter) return r.count;
  }
  return 0;
}

constexpr int TotalCodes() {
  int total = 0;
  for (const LetterRange& r : kLetters) total += r.count;
  return total;
}
static_assert(TotalCodes() == kKdaCodeCount, "the table holds 205 codes");

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string KdaCodeAt(int index) {
  for (const LetterRange& r : kLetters) {
    if (index < r.count) {
      char code[16];
      std::snprintf(code, sizeof code, "%c%02d", r.letter, index + 1);
      return code;
    }
    index -= r.count;
  }
  return std::string();
}

int IsKdaCode(std::string_view text) {
  if (text.size() != 3 || !IsDigit(text[1]) || !IsDigit(text[2])) return 0;
  const int number = (text[1] - '0') * 10 + (text[2] - '0');
  return number >= 1 && number <= CountOf(text[0]) ? 1 : 0;
}

std::string NormaliseExchange(std::string_view exchange) {
  std::string out(TrimBlanks(exchange));
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

}  // namespace stats
