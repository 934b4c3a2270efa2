// The exports as the host calls them, in this process.

#include <gtest/gtest.h>

#include <cstring>

#include "stats/host_calls.h"
#include "stats/plugin.h"
#include "stats/stats.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

class ExportsTest : public ::testing::Test {
 protected:
  void SetUp() override { HostResetStats("UA3A", 0); }
  void TearDown() override { OverrideClock(nullptr); }
  testing::ScopedWorkDir dir_;
};

TEST_F(ExportsTest, RuleSetConstants) {
  EXPECT_EQ(GetNumberOfSets(), 1);
  EXPECT_STREQ(GetSetName(0), "ZELMAR TEST");
  EXPECT_STREQ(GetSetName(1), "");
  EXPECT_STREQ(GetSetName(-1), "");
  EXPECT_EQ(GetExchgCount0(nullptr, nullptr, nullptr), 1);
}

TEST_F(ExportsTest, LoggedQsoIsRefusedInTheSameTour) {
  HostQso q;
  q.own_call = "UA3A";
  q.worked_call = "RA1A";
  q.time = COleDateTime{40638.0 + 12.5 / 24.0, 0};
  q.frequency_hz = 14025000;
  q.mode = "CW";
  q.exchange_sent = "A01";
  q.exchange_received = "b02";
  q.band = "20";
  ASSERT_EQ(HostAddData(q), 1);

  COleDateTime now{40700.0 + 12.9 / 24.0, 0};
  OverrideClock(&now);
  char message[128] = "";
  EXPECT_EQ(HostCheckCall("RA1A", "CW", "20", message), 0);
  EXPECT_EQ(std::strncmp(message, "QSO c RA1A \xC2", 12), 0);
  now.m_dt += 1.0 / 24.0;
  OverrideClock(&now);
  EXPECT_EQ(HostCheckCall("RA1A", "CW", "20", message), 1);

  EXPECT_EQ(HostRemoveData(q), 1);
  EXPECT_EQ(InspectState().store.size(), 0u);
}

TEST_F(ExportsTest, NullPointersNeverCrash) {
  EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr,
                     nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr,
                        nullptr, nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            1);
  EXPECT_EQ(
      ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                  nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr),
      1);
  EXPECT_NE(GetResult0(nullptr), nullptr);
}

TEST_F(ExportsTest, BadInputAtTheBoundary) {
  HostQso q;
  q.own_call = std::string(10000, 'U');  // names no file that can exist
  q.worked_call = std::string(10000, 'R');
  q.time = COleDateTime{46000.5, 0};
  q.mode = "CW";
  q.rst_sent = q.rst_received = "599";
  q.exchange_sent = "B05";
  q.exchange_received = "A01";
  q.band = "20";
  EXPECT_EQ(HostAddData(q), 1);
  q.exchange_received = "X01";
  EXPECT_EQ(HostAddData(q), 0);

  COleDateTime now = q.time;
  OverrideClock(&now);
  char message[128 + 8];
  std::memset(message, 'x', sizeof message);
  EXPECT_EQ(HostCheckCall(q.worked_call, "CW", "20", message), 0);
  EXPECT_EQ(std::strlen(message), 127u);
  EXPECT_EQ(message[128], 'x');

  // Code page 1251 texts pass through unchanged; only a to z are folded.
  q.own_call = "UA3A";
  q.worked_call = "\xD0\xC0\x33\xC0";
  q.exchange_received = "\xE0\x30\x31";  // a Cyrillic letter, then 01
  EXPECT_EQ(HostAddData(q), 0);
  EXPECT_NE(testing::ReadBytes("UA3A-ubn.txt")
                .find("\xD0\xC0\x33\xC0  599  \xE0\x30\x31  \xE0\x30\x31 KDA"),
            std::string::npos);

  // Empty bands and bands of zeros are bands like any other.
  for (const char* band : {"", "0", "00", "20"}) {
    q.band = band;
    q.exchange_received = "B02";
    EXPECT_EQ(HostAddData(q), 1) << band;
  }
  int score = 0;
  const std::string text = GetResult0(&score);
  EXPECT_NE(text.find("20\t 2\t 4\t 2\r\n\t 1\t 2\t 1\r\n0\t 1\t 2\t 1\r\n"
                      "00\t 1\t 2\t 1\r\nTotal\t 5\t 10\t 5\r\n"),
            std::string::npos)
      << text;
}

TEST_F(ExportsTest, ResultTextStaysUntilTheNextCall) {
  int score = -5;
  const char* first = GetResult0(&score);
  const std::string copy = first;
  EXPECT_EQ(score, 0);
  EXPECT_EQ(copy.find("Total\t 0\t 0\t 0"), 33u);
  EXPECT_EQ(std::string(GetResult0(&score)), copy);
}

}  // namespace
}  // namespace stats
