// The 205 KDA district codes, the received exchange of the contest.

#ifndef STATS_CHECKS_KDA_CODES_H_
#define STATS_CHECKS_KDA_CODES_H_

#include <string>
#include <string_view>

namespace stats {

// Number of codes in the table.
constexpr int kKdaCodeCount = 205;

// Returns the code at `index` (0 to kKdaCodeCount - 1) in table order:
// letter by letter, then by number ("A01" ... "Z03").
std::string KdaCodeAt(int index);

// Returns 1 when `text` is exactly one of the codes, byte for byte (so
// upper case, no blanks), else 0.
int IsKdaCode(std::string_view text);

// Upper-cases `exchange` (letters a to z) and strips leading and trailing
// white space (space, tab, line feed, vertical tab, form feed, carriage
// return): the form in which a logged exchange is tested and keyed.
std::string NormaliseExchange(std::string_view exchange);

}  // namespace stats

#endif  // STATS_CHECKS_KDA_CODES_H_
