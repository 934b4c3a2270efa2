#include "bench/synthetic_log.h"

#include <cstdio>
#include <random>

#include "stats/checks/kda_codes.h"
#include "stats/core/ole_date.h"

namespace zelmar {
namespace {

struct Band {
  const char* name;  // as the host names it
  unsigned lower_hz;
};

constexpr Band kBands[] = {{"160", 1810000}, {"80", 3500000},
                           {"40", 7000000},  {"20", 14000000},
                           {"15", 21000000}, {"10", 28000000}};
constexpr const char* kModes[] = {"CW", "SSB", "RTTY"};
constexpr const char* kPrefixes[] = {"UA1", "UA3", "RA3", "RW6", "UA9",
                                     "R7",  "UA0", "RK4", "UA6", "RZ3"};

std::string Field(const char* name, const std::string& value) {
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" +
         value;
}

}  // namespace

std::vector<stats::HostQso> SyntheticQsos(size_t count, uint64_t seed) {
  std::mt19937_64 random(seed);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const double start = static_cast<double>(stats::DayNumber(2026, 5, 2));
  std::vector<stats::HostQso> qsos;
  qsos.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    if (i > 0 && pick(100) == 0) {  // an exact repeat of an earlier QSO
      qsos.push_back(qsos[pick(qsos.size())]);
      continue;
    }
    stats::HostQso q;
    q.own_call = "UA3ZZZ";
    q.worked_call = kPrefixes[pick(10)];
    for (size_t k = 0, n = 2 + pick(2); k < n; ++k) {
      q.worked_call.push_back(static_cast<char>('A' + pick(26)));
    }
    // Spread over 48 hours, whole seconds.
    const double second = static_cast<double>(i * 48 * 3600 / count);
    q.time = COleDateTime{start + second / 86400.0, COleDateTime::kValid};
    const Band& band = kBands[pick(6)];
    q.band = band.name;
    q.frequency_hz = band.lower_hz + static_cast<unsigned>(pick(60)) * 1000;
    q.mode = kModes[pick(3)];
    q.rst_sent = q.mode == "SSB" ? "59" : "599";
    q.rst_received = q.rst_sent;
    q.exchange_sent = "B05";
    q.exchange_received = pick(100) == 0
                              ? "X" + std::to_string(10 + pick(90))
                              : stats::KdaCodeAt(static_cast<int>(pick(205)));
    qsos.push_back(std::move(q));
  }
  return qsos;
}

std::string SyntheticAdif(const std::vector<stats::HostQso>& qsos) {
  std::string adif = "synthetic log\r\n<EOH>\r\n";
  for (const stats::HostQso& q : qsos) {
    const auto t = stats::ToCalendar(q.time);
    char date[16], time[16], freq[32];
    std::snprintf(date, sizeof date, "%04d%02d%02d", t->year, t->month, t->day);
    std::snprintf(time, sizeof time, "%02d%02d%02d", t->hour, t->minute,
                  t->second);
    std::snprintf(freq, sizeof freq, "%u.%06u", q.frequency_hz / 1000000,
                  q.frequency_hz % 1000000);
    adif += Field("CALL", q.worked_call) + Field("QSO_DATE", date) +
            Field("TIME_ON", time) + Field("BAND", q.band + "M") +
            Field("FREQ", freq) + Field("MODE", q.mode) +
            Field("RST_SENT", q.rst_sent) + Field("RST_RCVD", q.rst_received) +
            Field("STX_STRING", q.exchange_sent) +
            Field("SRX_STRING", q.exchange_received) +
            Field("STATION_CALLSIGN", q.own_call) + "<EOR>\r\n";
  }
  return adif;
}

}  // namespace zelmar
