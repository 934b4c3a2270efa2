// zelmar-score: scores an ADIF log with the ZELMAR TEST plug-in, exactly as
// the logging host would drive it, and leaves the problem report and the
// Cabrillo log in an output folder.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

#include "stats/core/ole_date.h"
#include "tools/adif_reader.h"
#include "tools/sample_log.h"
#include "tools/score_session.h"
#include "tools/terminal_text.h"

namespace zelmar {
namespace {

constexpr const char* kUsage =
    "usage: zelmar-score [LOG.adi] [options]\n"
    "\n"
    "Scores an ADIF log for the ZELMAR TEST with the contest plug-in, as the\n"
    "logging host would: the tour check and the logging of every QSO in file\n"
    "order, then the score summary. Without LOG.adi the bundled sample log is\n"
    "scored.\n"
    "\n"
    "options:\n"
    "  --call CALL        own call sign (default: the log's STATION_CALLSIGN,\n"
    "                     else its OPERATOR)\n"
    "  --out DIR          where the plug-in's files go (default ./zelmar-out)\n"
    "  --no-cabrillo      do not write the Cabrillo log\n"
    "  --name, --category, --club, --email, --operators TEXT\n"
    "  --address, --soapbox TEXT   station details for the Cabrillo log;\n"
    "                     in the last two \\n starts a new line\n"
    "  --quiet            print the score only\n"
    "  --help             this text\n"
    "\n"
    "exit status: 0 scored, 1 unreadable or malformed log, 2 bad usage\n";

struct Options {
  std::string log_path;  // empty: the bundled sample
  std::string call;
  std::string out_dir = "zelmar-out";
  bool cabrillo = true;
  bool quiet = false;
  StationOptions station;
};

// Returns 0 to go on, or the exit status.
int ParseArguments(int argc, char** argv, Options* o) {
  const std::map<std::string, std::optional<std::string>*> station_flags = {
      {"--name", &o->station.name},
      {"--category", &o->station.category},
      {"--club", &o->station.club},
      {"--email", &o->station.email},
      {"--operators", &o->station.operators},
      {"--address", &o->station.address},
      {"--soapbox", &o->station.soapbox}};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string* out) {
      if (i + 1 >= argc) {
        std::cerr << "zelmar-score: " << arg << " needs a value\n" << kUsage;
        return false;
      }
      *out = argv[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return -1;
    } else if (arg == "--call") {
      if (!value(&o->call)) return 2;
    } else if (arg == "--out") {
      if (!value(&o->out_dir)) return 2;
    } else if (arg == "--no-cabrillo") {
      o->cabrillo = false;
    } else if (arg == "--quiet") {
      o->quiet = true;
    } else if (station_flags.count(arg)) {
      if (!value(&text)) return 2;
      *station_flags.at(arg) = text;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::cerr << "zelmar-score: unknown option " << arg << "\n" << kUsage;
      return 2;
    } else if (o->log_path.empty()) {
      o->log_path = arg;
    } else {
      std::cerr << "zelmar-score: only one log at a time\n" << kUsage;
      return 2;
    }
  }
  return 0;
}

void ShowProgress(size_t done, size_t total) {
  const int width = 40;
  const int filled = total ? static_cast<int>(done * width / total) : width;
  std::fprintf(stderr, "\rreading [%s%s] %3d%%",
               std::string(filled, '#').c_str(),
               std::string(width - filled, '.').c_str(),
               total ? static_cast<int>(done * 100 / total) : 100);
  if (done == total) std::fputs("\r\033[K", stderr);
}

void PrintTourTable(const SessionResult& r) {
  std::set<std::string> bands;
  for (const auto& tour : r.tours) {
    for (const auto& band : tour.second) bands.insert(band.first);
  }
  std::vector<std::string> lines;
  std::string header = "Tour (UTC)";
  for (const std::string& b : bands) header += "\t" + b;
  lines.push_back(header);
  for (const auto& [tour, counts] : r.tours) {
    std::string line = "no date";
    const long day = tour >= 0 ? tour / 24 : -((23 - tour) / 24);
    const auto t = stats::ToCalendar(
        COleDateTime{static_cast<double>(day), COleDateTime::kValid});
    if (tour != kNoTour && t) {
      char hour[32];
      std::snprintf(hour, sizeof hour, "%04d-%02d-%02d %02ldz", t->year,
                    t->month, t->day, tour - day * 24);
      line = hour;
    }
    for (const std::string& b : bands) {
      const auto found = counts.find(b);
      line += "\t" + std::to_string(found == counts.end() ? 0 : found->second);
    }
    lines.push_back(line);
  }
  std::cout << "QSOs per tour and band\n" << AlignColumns(lines) << "\n";
}

void PrintFindings(const SessionResult& r) {
  size_t repeats = 0, rejected = 0;
  for (const QsoOutcome& q : r.findings) {
    repeats += q.repeat;
    rejected += !q.accepted;
  }
  std::cout << "Refused by the tour rule (" << repeats << ")\n";
  for (const QsoOutcome& q : r.findings) {
    if (!q.repeat) continue;
    std::cout << "  #" << q.record << " " << ShortTime(q.qso.time) << " "
              << q.qso.worked_call << " " << q.qso.band << " " << q.qso.mode
              << ": same tour as #" << q.earlier_record << " at "
              << ShortTime(q.earlier_time) << "\n    "
              << Cp1251ToUtf8(q.repeat_message) << "\n";
  }
  std::cout << "\nRejected QSOs (" << rejected << ")\n";
  for (const QsoOutcome& q : r.findings) {
    if (q.accepted) continue;
    std::cout << "  #" << q.record << " " << ShortTime(q.qso.time) << " "
              << q.qso.worked_call << ": " << q.reason << "\n";
  }
  std::cout << "\n";
}

int Main(int argc, char** argv) {
  Options options;
  const int parsed = ParseArguments(argc, argv, &options);
  if (parsed != 0) return parsed < 0 ? 0 : parsed;

  std::string data;
  std::string source = "bundled sample log";
  if (options.log_path.empty()) {
    data = std::string(SampleLog());
  } else {
    std::ifstream in(options.log_path, std::ios::binary | std::ios::ate);
    if (in) {
      data.resize(static_cast<size_t>(in.tellg()));
      in.seekg(0);
      in.read(data.data(), static_cast<std::streamsize>(data.size()));
    }
    if (!in) {
      std::cerr << "zelmar-score: cannot read " << options.log_path << ": "
                << std::strerror(errno) << "\n";
      return 1;
    }
    source = options.log_path;
  }

  std::vector<AdifRecord> records;
  AdifError error;
  const bool terminal = isatty(STDERR_FILENO) && data.size() > (1 << 20);
  if (!ReadAdif(data, &records, &error,
                terminal ? AdifProgress(ShowProgress) : AdifProgress())) {
    std::cerr << "zelmar-score: " << source << ": " << error.ToString() << "\n";
    return 1;
  }

  SessionOptions session;
  session.own_call = options.call.empty() ? OwnCallOf(records) : options.call;
  session.cabrillo = options.cabrillo;
  session.station = options.station;
  if (session.own_call.empty()) {
    std::cerr << "zelmar-score: " << source
              << " names no station call sign; give one with --call\n";
    return 2;
  }

  std::error_code failed;
  const std::filesystem::path out = std::filesystem::absolute(options.out_dir);
  std::filesystem::create_directories(out, failed);
  std::filesystem::current_path(out, failed);
  if (failed) {
    std::cerr << "zelmar-score: cannot use " << out << ": " << failed.message()
              << "\n";
    return 1;
  }

  const SessionResult result = RunSession(records, session);
  if (options.quiet) {
    std::cout << result.score << "\n";
    return 0;
  }
  std::cout << "ZELMAR TEST score of " << session.own_call << " from " << source
            << " (" << records.size() << " records)\n\n";
  std::cout << AlignColumns(SummaryLines(result.summary)) << "\n";
  PrintTourTable(result);
  PrintFindings(result);
  std::cout << "Problem report: " << (out / result.report_file).string()
            << "\n";
  if (!result.cabrillo_file.empty()) {
    std::cout << "Cabrillo log:   " << (out / result.cabrillo_file).string()
              << "\n";
  }
  return 0;
}

}  // namespace
}  // namespace zelmar

int main(int argc, char** argv) { return zelmar::Main(argc, argv); }
