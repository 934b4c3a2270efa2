#include "tools/terminal_text.h"

#include <algorithm>
#include <cstdio>

#include "stats/core/ole_date.h"

namespace zelmar {
namespace {

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// Code points of bytes 0x80 to 0xBF in code page 1251.
constexpr unsigned short kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

}  // namespace

std::string Cp1251ToUtf8(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c >= 0xC0) {
      AppendUtf8(out, 0x0410 + (c - 0xC0));
    } else {
      AppendUtf8(out, kHighHalf[c - 0x80]);
    }
  }
  return out;
}

std::vector<std::string> SummaryLines(std::string_view summary) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = summary.find("\r\n", from)) != std::string_view::npos;
       from = at + 2) {
    lines.emplace_back(summary.substr(from, at - from));
  }
  lines.emplace_back(summary.substr(from));
  return lines;
}

std::string AlignColumns(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  std::vector<size_t> widths;
  for (const std::string& line : lines) {
    std::vector<std::string> cells;
    if (line.find('\t') != std::string::npos) {
      size_t from = 0;
      for (size_t at; (at = line.find('\t', from)) != std::string::npos;
           from = at + 1) {
        cells.push_back(line.substr(from, at - from));
      }
      cells.push_back(line.substr(from));
      for (std::string& cell : cells) {
        while (!cell.empty() && cell.front() == ' ') cell.erase(0, 1);
      }
      if (widths.size() < cells.size()) widths.resize(cells.size(), 0);
      for (size_t i = 0; i < cells.size(); ++i) {
        widths[i] = std::max(widths[i], cells[i].size());
      }
    }
    rows.push_back(std::move(cells));
  }
  std::string out;
  for (size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].empty()) {
      out += lines[r] + "\n";
      continue;
    }
    std::string line;
    for (size_t i = 0; i < rows[r].size(); ++i) {
      // The first column (band names) to the left, the counts to the right.
      const std::string& cell = rows[r][i];
      const std::string pad(widths[i] - cell.size(), ' ');
      line += i == 0 ? cell + pad : "  " + pad + cell;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

std::string ShortTime(const COleDateTime& time) {
  const auto t = stats::ToCalendar(time);
  if (!t) return "no date";
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t->year,
                t->month, t->day, t->hour, t->minute);
  return text;
}

}  // namespace zelmar
