#include "stats/station/stats_reset.h"

#include <gtest/gtest.h>

#include "stats/core/accounting.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(StatsResetTest, StartsAFreshRun) {
  testing::ScopedWorkDir dir;
  ContestState state;
  LogHeader header;
  header.name = "kept";
  QsoInput q;
  q.own_call = "UA3A";
  q.worked_call = "RA1A";
  q.mode = "CW";
  q.exchange_sent = "A01";
  q.exchange_received = "A01";
  q.band = "20";
  AddQso(state, q);
  WriteBytes("tmp.tmp", "old");
  WriteBytes("RA9A-ubn.txt", "other run");

  EXPECT_EQ(ResetStats(state, header, "UA3A/P", 0), 1);
  EXPECT_TRUE(state.companion_started);
  EXPECT_EQ(state.store.size(), 0u);
  EXPECT_EQ(state.bands.size(), 0u);
  EXPECT_EQ(ReadBytes("UA3A_P-ubn.txt"), "Zelmar Test UBN file UA3A/P\r\n\r\n");
  EXPECT_EQ(ReadBytes("tmp.tmp"), "");
  EXPECT_EQ(ReadBytes("RA9A-ubn.txt"), "other run");
  EXPECT_EQ(header.name, "kept");

  EXPECT_EQ(ResetStats(state, header, "", 0), 1);
  EXPECT_EQ(ReadBytes("-ubn.txt"), "Zelmar Test UBN file \r\n\r\n");
  EXPECT_EQ(state.contest_log_flag, 0);
}

}  // namespace
}  // namespace stats
