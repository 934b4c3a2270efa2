// The message is kept as bytes, not as source text, so that it is the same
// code page 1251 text whatever the compiler's or the host's code page.

#include "stats/checks/call_check.h"

#include <cstring>

#include "stats/core/ole_date.h"

namespace stats {
namespace {

// " В ОДНОМ И ТОМ ЖЕ ТУРЕ ПРОВОДИТЬ НЕЛЬЗЯ !!!" in code page 1251.
constexpr unsigned char kSameTourText[] = {
    0x20, 0xC2, 0x20, 0xCE, 0xC4, 0xCD, 0xCE, 0xCC, 0x20, 0xC8, 0x20,
    0xD2, 0xCE, 0xCC, 0x20, 0xC6, 0xC5, 0x20, 0xD2, 0xD3, 0xD0, 0xC5,
    0x20, 0xCF, 0xD0, 0xCE, 0xC2, 0xCE, 0xC4, 0xC8, 0xD2, 0xDC, 0x20,
    0xCD, 0xC5, 0xCB, 0xDC, 0xC7, 0xDF, 0x20, 0x21, 0x21, 0x21};
static_assert(sizeof kSameTourText == 43, "43 bytes");

}  // namespace

size_t FindTourRepeat(const QsoStore& store, std::string_view call,
                      std::string_view band, std::string_view mode,
                      int current_hour) {
  for (size_t i = store.FindMatch(call, band, mode); i != QsoStore::npos;
       i = store.FindMatch(call, band, mode, i + 1)) {
    const std::optional<CalendarTime> t = ToCalendar(store.View(i).time);
    if (t && t->hour == current_hour) return i;
  }
  return QsoStore::npos;
}

std::string TourRepeatMessage(std::string_view call) {
  std::string text = "QSO c ";
  text.append(call);
  text.append(reinterpret_cast<const char*>(kSameTourText),
              sizeof kSameTourText);
  return text;
}

int CheckCall(const QsoStore& store, std::string_view call,
              std::string_view mode, std::string_view band, int current_hour,
              char* message) {
  if (FindTourRepeat(store, call, band, mode, current_hour) == QsoStore::npos) {
    return 1;
  }
  if (message != nullptr) {
    const std::string text = TourRepeatMessage(call);
    const size_t size = std::min(text.size(), kCallCheckMessageRoom - 1);
    std::memcpy(message, text.data(), size);
    message[size] = '\0';
  }
  return 0;
}

}  // namespace stats
