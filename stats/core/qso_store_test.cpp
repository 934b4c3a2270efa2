#include "stats/core/qso_store.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

QsoRecord Record(const std::string& call, const std::string& band = "20") {
  QsoRecord r;
  r.call = call;
  r.block_text10 = "b10";
  r.band = band;
  r.mode = "CW";
  r.rst_received = "599";
  r.rst_sent = "579";
  r.exchange_received = "a01 ";
  r.exchange_sent = "B02";
  r.kda_key = "A01CW12";
  r.frequency_khz = 14025;
  r.time = COleDateTime{40000.5, 0};
  return r;
}

TEST(QsoStoreTest, KeepsEveryFieldAndTheOrder) {
  QsoStore store;
  for (const char* call : {"A", "B", "C"}) store.Append(Record(call));
  EXPECT_EQ(store.At(1), Record("B"));
  store.RemoveAt(0);
  ASSERT_EQ(store.size(), 2u);
  EXPECT_EQ(store.At(0).call, "B");
  EXPECT_EQ(store.At(1).call, "C");
  store.Clear();
  EXPECT_EQ(store.size(), 0u);
}

TEST(QsoStoreTest, EqualityLooksAtEveryField) {
  QsoStore store;
  const QsoRecord base = Record("UA1AAA");
  store.Append(base);
  EXPECT_EQ(store.FindEqual(base), 0u);
  std::vector<QsoRecord> variants(13, base);
  variants[0].call += "x";
  variants[1].block_text10 += "x";
  variants[2].block_text17 += "x";
  variants[3].band += "x";
  variants[4].mode = "SSB";
  variants[5].rst_received += "x";
  variants[6].rst_sent += "x";
  variants[7].exchange_received += "x";
  variants[8].exchange_sent += "x";
  variants[9].kda_key += "x";
  variants[10].frequency_khz += 1;
  variants[11].time.m_dt += 1e-9;
  variants[12].time.m_status = COleDateTime::kInvalid;
  for (size_t i = 0; i < variants.size(); ++i) {
    EXPECT_EQ(store.FindEqual(variants[i]), QsoStore::npos) << i;
  }
  // Texts that only pack alike must still differ.
  QsoRecord shifted = base;
  shifted.call = "UA1AAAb10";
  shifted.block_text10 = "";
  EXPECT_EQ(store.FindEqual(shifted), QsoStore::npos);
}

TEST(QsoStoreTest, FindMatchScansInStoreOrder) {
  QsoStore store;
  store.Append(Record("A", "20"));
  store.Append(Record("B", "20"));
  store.Append(Record("A", "40"));
  store.Append(Record("A", "20"));
  EXPECT_EQ(store.FindMatch("A", "20", "CW"), 0u);
  EXPECT_EQ(store.FindMatch("A", "20", "CW", 1), 3u);
  EXPECT_EQ(store.FindMatch("A", "40", "CW"), 2u);
  EXPECT_EQ(store.FindMatch("A", "80", "CW"), QsoStore::npos);
  EXPECT_EQ(store.FindMatch("A", "20", "SSB"), QsoStore::npos);
}

TEST(QsoStoreTest, TallyFollowsAppendAndRemove) {
  QsoStore store;
  QsoRecord empty_call = Record("");
  store.Append(Record("A"));
  store.Append(Record("B"));  // same key on the same band
  store.Append(empty_call);
  BandCount row = store.tally().ForBand(store.BandId("20"));
  EXPECT_EQ(row.qsos, 2);
  EXPECT_EQ(row.Points(), 4);
  EXPECT_EQ(row.kda, 1);
  store.RemoveAt(0);
  store.RemoveAt(0);
  row = store.tally().ForBand(store.BandId("20"));
  EXPECT_EQ(row.qsos, 0);
  EXPECT_EQ(row.kda, 0);
  EXPECT_EQ(store.tally().ForBand(store.BandId("none")).qsos, 0);
}

}  // namespace
}  // namespace stats
