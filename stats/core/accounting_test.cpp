#include "stats/core/accounting.h"

#include <gtest/gtest.h>

#include "stats/core/ubn_report.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadBytes;

// 05.04.2011 9:07:30 and 19:07:30.
const COleDateTime kMorning{40638.0 + (9 * 3600 + 7 * 60 + 30) / 86400.0, 0};
const COleDateTime kEvening{40638.0 + (19 * 3600 + 7 * 60 + 30) / 86400.0, 0};

QsoInput Qso(std::string_view call = "UA1AAA", std::string_view code = "A01",
             std::string_view mode = "CW", std::string_view band = "20") {
  QsoInput q;
  q.own_call = "UA3A";
  q.worked_call = call;
  q.time = kMorning;
  q.frequency_hz = 14025500;
  q.mode = mode;
  q.rst_sent = "599";
  q.rst_received = "579";
  q.exchange_sent = "B05";
  q.exchange_received = code;
  q.band = band;
  return q;
}

class AccountingTest : public ::testing::Test {
 protected:
  testing::ScopedWorkDir dir_;
  ContestState state_;
};

TEST_F(AccountingTest, ReportHoldsOneLinePerRejectionInCallOrder) {
  StartReport("UA3A");
  QsoInput wrong_mode = Qso("UA1AAA", "", "cw");  // mode fails first
  QsoInput no_sent = Qso("UA1AAB", "A01");
  no_sent.exchange_sent = "";
  QsoInput no_received = Qso("UA1AAC", "");
  QsoInput bad_code = Qso("UA1AAD", " a99 ");
  bad_code.time = kEvening;
  QsoInput no_time = Qso("UA1AAE", "RY", "RY");
  no_time.time = COleDateTime{40638.5, COleDateTime::kNull};
  no_time.frequency_hz = 999;
  QsoInput accepted = Qso("UA1AAF", "q18");

  EXPECT_EQ(AddQso(state_, wrong_mode), 0);
  EXPECT_EQ(AddQso(state_, no_sent), 0);
  EXPECT_EQ(AddQso(state_, no_received), 0);
  EXPECT_EQ(AddQso(state_, bad_code), 0);
  EXPECT_EQ(AddQso(state_, no_time), 0);
  EXPECT_EQ(AddQso(state_, accepted), 1);

  EXPECT_EQ(ReadBytes("UA3A-ubn.txt"),
            testing::SourceFile("stats/core/testdata/report.golden"));
  ASSERT_EQ(state_.store.size(), 1u);
  EXPECT_EQ(state_.store.View(0).exchange_received, "q18");
  EXPECT_EQ(state_.store.View(0).kda_key, "Q18CW9:");
  EXPECT_EQ(state_.store.View(0).frequency_khz, 14025);
}

TEST_F(AccountingTest, AcceptedQsoStillCreatesAnEmptyReport) {
  EXPECT_EQ(AddQso(state_, Qso()), 1);
  EXPECT_EQ(ReadBytes("UA3A-ubn.txt"), "");
}

TEST_F(AccountingTest, PortableCallSignWritesBesideTheOthers) {
  QsoInput q = Qso("UA1AAA", "X01");
  q.own_call = "UA3A/P";
  EXPECT_EQ(AddQso(state_, q), 0);
  EXPECT_NE(ReadBytes("UA3A_P-ubn.txt").find("X01 KDA Code"),
            std::string::npos);
  EXPECT_EQ(ReportFileName("..\\a:b*c?d\"e<f>g|h\x01/"),
            ".._a_b_c_d_e_f_g_h__-ubn.txt");
  EXPECT_EQ(ReportFileName(" UA3A "), " UA3A -ubn.txt");
}

TEST_F(AccountingTest, BandJoinsTheListBeforeTheCodeTest) {
  EXPECT_EQ(AddQso(state_, Qso("UA1AAA", "X01", "CW", "40")), 0);
  EXPECT_EQ(AddQso(state_, Qso("UA1AAA", "A01", "FM", "80")), 0);
  EXPECT_EQ(AddQso(state_, Qso("UA1AAA", "", "CW", "10")), 0);
  ASSERT_EQ(state_.bands.size(), 1u);
  EXPECT_EQ(state_.bands.at(0), "40");
  EXPECT_EQ(state_.store.size(), 0u);
}

TEST_F(AccountingTest, EqualRecordIsStoredOnce) {
  EXPECT_EQ(AddQso(state_, Qso()), 1);
  EXPECT_EQ(AddQso(state_, Qso()), 1);
  EXPECT_EQ(state_.store.size(), 1u);
  QsoInput other_report = Qso();
  other_report.rst_received = "559";
  EXPECT_EQ(AddQso(state_, other_report), 1);
  QsoInput other_block = Qso();
  other_block.block_text17 = "x";
  EXPECT_EQ(AddQso(state_, other_block), 1);
  QsoInput other_status = Qso();
  other_status.time.m_status = COleDateTime::kInvalid;
  EXPECT_EQ(AddQso(state_, other_status), 1);
  EXPECT_EQ(state_.store.size(), 4u);
}

TEST_F(AccountingTest, RemoveTakesTheEarliestMatchOnly) {
  QsoInput first = Qso("UA1AAA", "A01");
  QsoInput second = Qso("UA1AAA", "B02");
  second.time = kEvening;
  QsoInput other = Qso("UA1AAB", "A01");
  AddQso(state_, first);
  AddQso(state_, other);
  AddQso(state_, second);

  // The deleted QSO's own fields play no part: the earliest match goes.
  EXPECT_EQ(RemoveQso(state_, second), 1);
  ASSERT_EQ(state_.store.size(), 2u);
  EXPECT_EQ(state_.store.View(0).call, "UA1AAB");
  EXPECT_EQ(state_.store.View(1).exchange_received, "B02");

  EXPECT_EQ(RemoveQso(state_, Qso("UA1AAB", "X01")), 0);  // not a code
  EXPECT_EQ(RemoveQso(state_, Qso("UA1AAB", "")), 0);
  EXPECT_EQ(RemoveQso(state_, Qso("ua1aab", "a01")), 1);  // case matters
  EXPECT_EQ(RemoveQso(state_, Qso("UA1AAB", "A01", "CW", "40")), 1);
  EXPECT_EQ(state_.store.size(), 2u);
  EXPECT_EQ(RemoveQso(state_, Qso("UA1AAB", " z03")), 1);
  EXPECT_EQ(state_.store.size(), 1u);
  EXPECT_EQ(state_.bands.size(), 1u);  // removal never shrinks the list
}

}  // namespace
}  // namespace stats
