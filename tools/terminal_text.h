// Turning the plug-in's texts into something a terminal shows well.

#ifndef TOOLS_TERMINAL_TEXT_H_
#define TOOLS_TERMINAL_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

#include "stats/stats.h"

namespace zelmar {

// Converts code page 1251 text to UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

// Lays out rows of tab-separated cells in aligned columns: the first to the
// left, the others to the right. Lines without a tab are kept as they are.
std::string AlignColumns(const std::vector<std::string>& lines);

// Splits the summary text at its CR LF line ends.
std::vector<std::string> SummaryLines(std::string_view summary);

// "2011-04-05 19:07" (UTC), or "no date".
std::string ShortTime(const COleDateTime& time);

}  // namespace zelmar

#endif  // TOOLS_TERMINAL_TEXT_H_
