// The log is written piece by piece and replaces the old one only once it
// has been written whole: a full disk or a crash midway leaves the previous log
// as it was.

#include "stats/results/cabrillo.h"

#include <cstdio>
#include <iterator>
#include <vector>

#include "stats/core/ole_date.h"
#include "stats/core/os.h"
#include "stats/core/whole_file.h"

namespace stats {
namespace {

// The header rows between the first line and the insert file, as data.
enum class RowValue { kField, kClaimedScore, kFixed };

struct HeaderRow {
  const char* tag;
  RowValue value;
  std::string LogHeader::*field;
};

const HeaderRow kHeaderRows[] = {
    {"CALLSIGN: ", RowValue::kField, &LogHeader::call_sign},
    {"CATEGORY: ", RowValue::kField, &LogHeader::category},
    {"CLAIMED-SCORE: ", RowValue::kClaimedScore, nullptr},
    {"CLUB: ", RowValue::kField, &LogHeader::club},
    {"CONTEST: ZELMAR TEST", RowValue::kFixed, nullptr},
    {"CREATED-BY: MixW ", RowValue::kFixed, nullptr},
    {"NAME: ", RowValue::kField, &LogHeader::name},
    {"ADDRESS: ", RowValue::kField, &LogHeader::address},
    {"OPERATORS: ", RowValue::kField, &LogHeader::operators},
    {"EMAIL: ", RowValue::kField, &LogHeader::email},
    {"SOAPBOX: ", RowValue::kField, &LogHeader::soap_box},
};

// The QSO line, "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s": each
// column's least width and alignment. A longer value widens the line.
struct QsoColumn {
  size_t width;
  bool right_aligned;
};

constexpr QsoColumn kQsoColumns[] = {
    {5, true},    // frequency in kHz
    {2, true},    // mode
    {0, false},   // date and time
    {13, false},  // own call sign
    {3, false},   // RST sent
    {6, false},   // exchange sent
    {13, false},  // call sign worked
    {3, false},   // RST received
    {0, false},   // exchange received
};

std::string DateTimeField(const COleDateTime& time) {
  const std::optional<CalendarTime> t = ToCalendar(time);
  if (!t) return std::string();
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d%02d", t->year, t->month,
                t->day, t->hour, t->minute);
  return text;
}

// Appends `text` padded with blanks on the right to at least `width`.
void AppendLeft(std::string& line, std::string_view text, size_t width) {
  line.append(text);
  if (text.size() < width) line.append(width - text.size(), ' ');
}

// Appends `text` padded with blanks on the left to at least `width`.
void AppendRight(std::string& line, std::string_view text, size_t width) {
  if (text.size() < width) line.append(width - text.size(), ' ');
  line.append(text);
}

std::string ReadInsertFile() {
  std::string bytes;
  if (!ReadWholeFile(kCabrilloInsertFile, &bytes)) {
    // Leave an empty file for the user to fill; never truncate one.
    if (std::FILE* file = os::OpenFile(kCabrilloInsertFile, "ab")) {
      std::fclose(file);
    }
  }
  return bytes;
}

}  // namespace

const char* CabrilloMode(std::string_view mode) {
  if (mode == "CW") return "CW";
  if (mode == "RTTY") return "RY";
  if (mode == "SSB") return "PH";
  return "??";
}

void AddCabrilloLine(LogHeader& header, std::string_view worked_call,
                     int32_t frequency_khz, std::string_view cabrillo_mode,
                     const COleDateTime& time, std::string_view rst_sent,
                     std::string_view exchange_sent,
                     std::string_view rst_received,
                     std::string_view exchange_received) {
  const std::string frequency = std::to_string(frequency_khz);
  const std::string date_time = DateTimeField(time);
  const std::string_view values[] = {
      frequency,     cabrillo_mode, date_time,    header.call_sign, rst_sent,
      exchange_sent, worked_call,   rst_received, exchange_received};
  static_assert(std::size(values) == std::size(kQsoColumns), "one per column");
  std::string line = "QSO:";
  line.reserve(96);
  for (size_t i = 0; i < std::size(values); ++i) {
    line.push_back(' ');
    if (kQsoColumns[i].right_aligned) {
      AppendRight(line, values[i], kQsoColumns[i].width);
    } else {
      AppendLeft(line, values[i], kQsoColumns[i].width);
    }
  }
  line.append("\r\n");
  header.qso_lines.Append(line);
}

std::string WriteCabrilloLog(const LogHeader& header, int32_t claimed_score) {
  const std::string file_name = header.file_stem + ".cbr";
  std::string head = "START-OF-LOG: 2.0\r\n";
  for (const HeaderRow& row : kHeaderRows) {
    head.append(row.tag);
    if (row.value == RowValue::kField) head.append(header.*row.field);
    if (row.value == RowValue::kClaimedScore) {
      head.append(std::to_string(claimed_score));
    }
    head.append("\r\n");
  }
  const std::string insert = ReadInsertFile();
  ReplaceWholeFile(
      file_name, {head, insert, header.qso_lines.joined(), "END-OF-LOG:\r\n"});
  return "File produced: " + file_name;
}

std::string ExportCabrilloLog(LogHeader& header, const QsoStore& store,
                              int32_t claimed_score) {
  header.qso_lines.Clear();
  for (size_t i = 0, n = store.size(); i < n; ++i) {
    const QsoView q = store.View(i);
    AddCabrilloLine(header, q.call, q.frequency_khz, CabrilloMode(q.mode),
                    q.time, q.rst_sent, q.exchange_sent, q.rst_received,
                    q.exchange_received);
  }
  return WriteCabrilloLog(header, claimed_score);
}

}  // namespace stats
