// ADIF names bands by wavelength ("20M") and modes by family and submode;
// the host passes the band as the number of metres and the three contest
// modes by their plain names.

#include "tools/adif_mapping.h"

#include "stats/core/ole_date.h"
#include "tools/ascii_case.h"

namespace zelmar {
namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

struct BandEdge {
  const char* band;
  uint32_t lower_hz;
};

constexpr BandEdge kBandEdges[] = {
    {"160M", 1800000}, {"80M", 3500000},     {"60M", 5060000},
    {"40M", 7000000},  {"30M", 10100000},    {"20M", 14000000},
    {"17M", 18068000}, {"15M", 21000000},    {"12M", 24890000},
    {"10M", 28000000}, {"6M", 50000000},     {"4M", 70000000},
    {"2M", 144000000}, {"1.25M", 222000000}, {"70CM", 420000000},
};

}  // namespace

std::optional<uint32_t> MegahertzToHertz(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string_view fraction = point == std::string_view::npos
                                  ? std::string_view()
                                  : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if ((!whole.empty() && !AllDigits(whole)) ||
      (!fraction.empty() && !AllDigits(fraction))) {
    return std::nullopt;
  }
  uint64_t hz = 0;
  for (char c : whole) {
    hz = hz * 10 + static_cast<uint64_t>(c - '0');
    if (hz > 4294) return std::nullopt;
  }
  for (int i = 0; i < 6; ++i) {
    const uint64_t digit = i < static_cast<int>(fraction.size())
                               ? static_cast<uint64_t>(fraction[i] - '0')
                               : 0;
    hz = hz * 10 + digit;
  }
  if (hz > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(hz);
}

std::string HostBand(std::string_view adif_band) {
  const std::string upper = Upper(adif_band);
  if (upper.size() > 1 && upper.back() == 'M' &&
      AllDigits(std::string_view(upper).substr(0, upper.size() - 1))) {
    return upper.substr(0, upper.size() - 1);
  }
  return std::string(adif_band);
}

uint32_t BandLowerEdge(std::string_view adif_band) {
  const std::string upper = Upper(adif_band);
  for (const BandEdge& edge : kBandEdges) {
    if (upper == edge.band) return edge.lower_hz;
  }
  return 0;
}

std::string HostMode(std::string_view mode, std::string_view submode) {
  const std::string m = Upper(mode);
  const std::string s = Upper(submode);
  if (m == "CW") return "CW";
  if (m == "SSB" || m == "USB" || m == "LSB" || s == "USB" || s == "LSB") {
    return "SSB";
  }
  if (m == "RTTY") return "RTTY";
  return std::string(mode.empty() ? submode : mode);
}

COleDateTime QsoTime(std::string_view date, std::string_view time_on) {
  const COleDateTime invalid{0.0, COleDateTime::kInvalid};
  if (date.size() != 8 || !AllDigits(date)) return invalid;
  if ((time_on.size() != 4 && time_on.size() != 6) || !AllDigits(time_on)) {
    return invalid;
  }
  const int year = Number(date.substr(0, 4));
  const int month = Number(date.substr(4, 2));
  const int day = Number(date.substr(6, 2));
  const int hour = Number(time_on.substr(0, 2));
  const int minute = Number(time_on.substr(2, 2));
  const int second = time_on.size() == 6 ? Number(time_on.substr(4, 2)) : 0;
  if (year < 100 || month < 1 || month > 12 || day < 1 || day > 31 ||
      hour > 23 || minute > 59 || second > 59) {
    return invalid;
  }
  const long day_number = stats::DayNumber(year, month, day);
  // A day like 31 February moves into March: refuse it.
  const auto check = stats::ToCalendar(
      COleDateTime{static_cast<double>(day_number), COleDateTime::kValid});
  if (!check || check->day != day || check->month != month) return invalid;
  const double seconds = hour * 3600.0 + minute * 60.0 + second;
  return COleDateTime{static_cast<double>(day_number) + seconds / 86400.0,
                      COleDateTime::kValid};
}

stats::HostQso ToHostQso(const AdifRecord& r, const std::string& own_call) {
  stats::HostQso q;
  q.own_call = own_call;
  q.worked_call = std::string(r.Get("CALL"));
  q.time = QsoTime(r.Get("QSO_DATE"), r.Get("TIME_ON"));
  const std::optional<uint32_t> hz = MegahertzToHertz(r.Get("FREQ"));
  q.frequency_hz = hz ? *hz : BandLowerEdge(r.Get("BAND"));
  q.mode = HostMode(r.Get("MODE"), r.Get("SUBMODE"));
  q.rst_sent = std::string(r.Get("RST_SENT"));
  q.rst_received = std::string(r.Get("RST_RCVD"));
  q.exchange_sent =
      std::string(r.Has("STX_STRING") ? r.Get("STX_STRING") : r.Get("STX"));
  q.exchange_received =
      std::string(r.Has("SRX_STRING") ? r.Get("SRX_STRING") : r.Get("SRX"));
  q.band = HostBand(r.Get("BAND"));
  return q;
}

}  // namespace zelmar
