#include "stats/checks/call_check.h"

#include <gtest/gtest.h>

#include <cstring>

namespace stats {
namespace {

COleDateTime At(int day, double hour, int32_t status = 0) {
  return COleDateTime{40000.0 + day + hour / 24.0, status};
}

QsoRecord Stored(const char* call, const char* band, const char* mode,
                 COleDateTime time) {
  QsoRecord r;
  r.call = call;
  r.band = band;
  r.mode = mode;
  r.exchange_sent = "A01";
  r.exchange_received = "A01";
  r.kda_key = std::string("A01") + mode + "12";
  r.time = time;
  return r;
}

struct TourCase {
  const char* name;
  const char* call;
  const char* band;
  const char* mode;
  int current_hour;
  int expected;
};

class CallCheckTest : public ::testing::TestWithParam<TourCase> {
 protected:
  void SetUp() override {
    store_.Append(Stored("UA1AAA", "20", "CW", At(0, 12.5)));
    store_.Append(Stored("UA1AAB", "20", "CW", At(-3, 7.25)));     // older day
    store_.Append(Stored("UA1AAC", "20", "CW", At(0, 23.99999)));  // 0:00:00
    store_.Append(Stored("UA1AAD", "20", "CW", At(0, 5, 1)));      // invalid
    store_.Append(Stored("UA1AAE", "20", "CW", At(0, 5, 2)));      // null
  }
  QsoStore store_;
};

TEST_P(CallCheckTest, AppliesTheTourRule) {
  const TourCase& c = GetParam();
  char message[128];
  std::memset(message, 'x', sizeof message);
  EXPECT_EQ(CheckCall(store_, c.call, c.mode, c.band, c.current_hour, message),
            c.expected);
  if (c.expected == 1) {
    EXPECT_EQ(message[0], 'x');  // untouched
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallCheckTest,
    ::testing::Values(TourCase{"SameHour", "UA1AAA", "20", "CW", 12, 0},
                      TourCase{"PreviousHour", "UA1AAA", "20", "CW", 11, 1},
                      TourCase{"NextHour", "UA1AAA", "20", "CW", 13, 1},
                      TourCase{"OtherBand", "UA1AAA", "40", "CW", 12, 1},
                      TourCase{"OtherMode", "UA1AAA", "20", "SSB", 12, 1},
                      TourCase{"OtherCase", "ua1aaa", "20", "CW", 12, 1},
                      TourCase{"TrailingBlank", "UA1AAA ", "20", "CW", 12, 1},
                      TourCase{"EarlierDaySameHour", "UA1AAB", "20", "CW", 7,
                               0},
                      TourCase{"RoundsToMidnight", "UA1AAC", "20", "CW", 0, 0},
                      TourCase{"RoundsAwayFrom23", "UA1AAC", "20", "CW", 23, 1},
                      TourCase{"InvalidTime", "UA1AAD", "20", "CW", 5, 1},
                      TourCase{"NullTime", "UA1AAE", "20", "CW", 5, 1},
                      TourCase{"NoClock", "UA1AAA", "20", "CW", -1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CallCheckMessageTest, HoldsTheCallAndTheFixedBytes) {
  QsoStore store;
  store.Append(Stored("RA3ABC", "20", "CW", At(0, 12)));
  char message[128];
  std::memset(message, 'x', sizeof message);
  ASSERT_EQ(CheckCall(store, "RA3ABC", "CW", "20", 12, message), 0);
  const std::string expected =
      "QSO c RA3ABC"
      "\x20\xC2\x20\xCE\xC4\xCD\xCE\xCC\x20\xC8\x20\xD2\xCE\xCC\x20\xC6\xC5"
      "\x20\xD2\xD3\xD0\xC5\x20\xCF\xD0\xCE\xC2\xCE\xC4\xC8\xD2\xDC\x20\xCD"
      "\xC5\xCB\xDC\xC7\xDF\x20\x21\x21\x21";
  EXPECT_EQ(std::string(message), expected);
  EXPECT_EQ(expected.size() + 1, 56u);
  EXPECT_EQ(message[56], 'x');
}

TEST(CallCheckMessageTest, LongCallIsCutInsideTheRoom) {
  for (size_t length : {77u, 78u, 1000u}) {
    const std::string call(length, 'K');
    QsoStore store;
    store.Append(Stored(call.c_str(), "20", "CW", At(0, 12)));
    char buffer[128 + 16];
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_EQ(CheckCall(store, call, "CW", "20", 12, buffer), 0);
    const std::string message(buffer);
    EXPECT_LE(message.size(), 127u);
    EXPECT_EQ(buffer[128], 'x') << length;
    if (length == 77) {
      EXPECT_EQ(message, TourRepeatMessage(call));
    }
    EXPECT_EQ(message, TourRepeatMessage(call).substr(0, 127));
  }
}

TEST(CallCheckMessageTest, NullBufferIsNotWritten) {
  QsoStore store;
  store.Append(Stored("RA3ABC", "20", "CW", At(0, 12)));
  EXPECT_EQ(CheckCall(store, "RA3ABC", "CW", "20", 12, nullptr), 0);
  EXPECT_EQ(CheckCall(QsoStore(), "RA3ABC", "CW", "20", 12, nullptr), 1);
}

}  // namespace
}  // namespace stats
