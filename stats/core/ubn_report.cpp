// The report is written in binary mode with explicit CR LF, so that the
// Linux and Windows builds leave the same bytes on disk.

#include "stats/core/ubn_report.h"

#include <cstdio>

#include "stats/core/os.h"

namespace stats {

std::string SafeFileName(std::string_view call) {
  std::string name(call);
  for (char& c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || c == '/' || c == '\\' || c == ':' ||
        c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|') {
      c = '_';
    }
  }
  return name;
}

std::string ReportFileName(std::string_view call) {
  return SafeFileName(call) + "-ubn.txt";
}

void StartReport(std::string_view call) {
  std::FILE* file = os::OpenFile(ReportFileName(call), "wb");
  if (file == nullptr) return;
  std::string header = "Zelmar Test UBN file ";
  header.append(call).append("\r\n\r\n");
  std::fwrite(header.data(), 1, header.size(), file);
  std::fclose(file);
}

std::string ProblemLine(const ProblemQso& q, Problem problem,
                        std::string_view normalised) {
  std::string line = "QSO: " + std::to_string(q.frequency_khz);
  for (std::string_view piece :
       {q.mode, q.date_field, q.own_call, q.rst_sent, q.exchange_sent,
        q.worked_call, q.rst_received, q.exchange_received}) {
    line.append("  ").append(piece);
  }
  switch (problem) {
    case Problem::kNoTestMode:
      line.append(" No Test mode \r\n");
      break;
    case Problem::kNoExchange:
      line.append("No RX number\r\n");
      break;
    case Problem::kNotKdaCode:
      line.append("  ").append(normalised);
      line.append(" KDA Code  is not acceptable \r\n");
      break;
  }
  return line;
}

}  // namespace stats
