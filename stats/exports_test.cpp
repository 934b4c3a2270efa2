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
