// Fuzz bytes choose the exports in any order, with any texts (empty, up to
// 64 KiB, non-ASCII, with line breaks) and any dates (NaN, infinities, out
// of range, every status). After each call the stored records must still
// hold their invariants, the call check must stay inside its 128 bytes, and
// every returned text must be terminated where the plug-in says it ends.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/work_dir.h"
#include "stats/checks/kda_codes.h"
#include "stats/host_calls.h"
#include "stats/plugin.h"
#include "stats/stats.h"

namespace {

constexpr size_t kMaxText = 64 * 1024;

std::string AnyText(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return "";
    case 1:
      return std::string(in.ConsumeIntegralInRange<size_t>(0, kMaxText),
                         static_cast<char>(in.ConsumeIntegral<uint8_t>() | 1));
    case 2:
      return in.PickValueInArray({"CW", "SSB", "RTTY", "cw", "20", "A01",
                                  " a01 ", "Z03", "UA3A/P", "..\\x"});
    default:
      return in.ConsumeRandomLengthString(256);
  }
}

COleDateTime Date(FuzzedDataProvider& in) {
  COleDateTime time;
  switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0:
      time.m_dt = std::numeric_limits<double>::quiet_NaN();
      break;
    case 1:
      time.m_dt = in.ConsumeBool() ? INFINITY : -INFINITY;
      break;
    case 2:
      time.m_dt = in.ConsumeFloatingPoint<double>();
      break;
    default:
      time.m_dt = in.ConsumeFloatingPointInRange(-700000.0, 3000000.0);
  }
  time.m_status = in.ConsumeBool() ? 0 : in.ConsumeIntegral<int32_t>();
  return time;
}

stats::HostQso Qso(FuzzedDataProvider& in) {
  stats::HostQso q;
  q.own_call = in.ConsumeBool() ? "UA3A" : AnyText(in);
  q.worked_call = AnyText(in);
  q.time = Date(in);
  q.frequency_hz = in.ConsumeIntegral<uint32_t>();
  q.mode = AnyText(in);
  q.rst_sent = AnyText(in);
  q.rst_received = AnyText(in);
  q.exchange_sent = AnyText(in);
  q.exchange_received = AnyText(in);
  q.block_text10 = AnyText(in);
  q.block_text17 = AnyText(in);
  q.band = AnyText(in);
  return q;
}

void CheckInvariants() {
  const stats::QsoStore& store = stats::InspectState().store;
  for (size_t i = 0; i < store.size(); ++i) {
    const stats::QsoView q = store.View(i);
    if (q.mode != "CW" && q.mode != "SSB" && q.mode != "RTTY") std::abort();
    if (q.exchange_sent.empty() || q.exchange_received.empty()) std::abort();
    if (q.kda_key.size() < 3 || !stats::IsKdaCode(q.kda_key.substr(0, 3))) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  zelmar_fuzz::EnterFreshWorkDir("export_sequence");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  stats::HostResetStats("UA3A", 0);
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
      case 0:
      case 1:
        stats::HostAddData(Qso(in));
        break;
      case 2:
        stats::HostRemoveData(Qso(in));
        break;
      case 3: {
        // 128 bytes for the message, then a guard the check must not touch.
        char buffer[128 + 64];
        std::memset(buffer, 0x5a, sizeof buffer);
        const COleDateTime now = Date(in);
        stats::OverrideClock(&now);
        const std::string call = AnyText(in), mode = AnyText(in),
                          band = AnyText(in);
        const int result = stats::HostCheckCall(call, mode, band, buffer);
        for (size_t i = 128; i < sizeof buffer; ++i) {
          if (buffer[i] != 0x5a) std::abort();
        }
        if (result == 0 && std::memchr(buffer, 0, 128) == nullptr) {
          std::abort();
        }
        stats::OverrideClock(nullptr);
        break;
      }
      case 4: {
        int score = 0;
        const char* text = GetResult0(&score);
        if (std::strlen(text) != stats::InspectState().result_text.size()) {
          std::abort();
        }
        break;
      }
      case 5:
        // With the flag set the station setup runs; no form is installed, so
        // it takes the Cancel path.
        stats::HostResetStats(AnyText(in), in.ConsumeIntegralInRange(0, 1));
        break;
      case 6: {
        const std::string exchange = AnyText(in);
        const int valid = IsValidExchg0(exchange.c_str(), "", "", "", 0, 0, 0);
        if (valid != stats::IsKdaCode(exchange)) std::abort();
        break;
      }
      default:
        if (std::strlen(GetSetName(in.ConsumeIntegral<int>())) > 11) {
          std::abort();
        }
    }
    CheckInvariants();
  }
  return 0;
}
