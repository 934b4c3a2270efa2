#include "stats/results/cabrillo.h"

#include <gtest/gtest.h>

#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

QsoRecord Record(const char* call, int32_t khz, const char* mode,
                 COleDateTime time, const char* received) {
  QsoRecord r;
  r.call = call;
  r.band = "20";
  r.mode = mode;
  r.rst_sent = "599";
  r.rst_received = "57";
  r.exchange_sent = "B05";
  r.exchange_received = received;
  r.kda_key = "key";
  r.frequency_khz = khz;
  r.time = time;
  return r;
}

LogHeader FullHeader() {
  LogHeader h;
  h.call_sign = "UA3A/P";
  h.file_stem = FileStemOf(h.call_sign);
  h.category = "SOSB-CW-LP";
  h.club = "Radio Club";
  h.name = "Ivan";
  h.address = "Street 1\r\nADDRESS: Town";
  h.operators = "UA3A UA3B";
  h.email = "ua3a@example.org";
  h.soap_box = "Fine\r\nSOAPBOX: Thanks";
  h.contest = "IGNORED";
  h.claimed = "999";
  h.qso_lines.Append("stale line\r\n");
  return h;
}

class CabrilloTest : public ::testing::Test {
 protected:
  testing::ScopedWorkDir dir_;
};

TEST_F(CabrilloTest, FullLogMatchesTheGoldenFile) {
  WriteBytes(kCabrilloInsertFile, "X-EXTRA: one\r\nX-EXTRA: two");
  QsoStore store;
  const COleDateTime t{40638.0 + (14 * 3600 + 5 * 60 + 59.6) / 86400.0, 0};
  store.Append(Record("RA1AA", 7010, "CW", t, "A01"));
  store.Append(Record("RA1ABCDEFGHIJKLMN", 144100, "SSB", t, "b19 "));
  store.Append(Record("RA1AC", 3510, "RTTY", t, ""));
  store.Append(Record("RA1AD", 14000, "cw",
                      COleDateTime{40638.5, COleDateTime::kNull}, "Z03"));
  store.Append(Record("", 28000, "FM", COleDateTime{1e9, 0}, "Z03"));
  LogHeader header = FullHeader();
  EXPECT_EQ(ExportCabrilloLog(header, store, 1234),
            "File produced: UA3A_P.cbr");
  const std::string golden =
      testing::SourceFile("stats/results/testdata/full_log.golden");
  EXPECT_EQ(ReadBytes("UA3A_P.cbr"), golden);
  EXPECT_EQ(header.qso_lines.size(), 5u);
  // A second export over the same store writes the same file.
  ExportCabrilloLog(header, store, 1234);
  EXPECT_EQ(ReadBytes("UA3A_P.cbr"), golden);
  EXPECT_EQ(ReadBytes("UA3A_P.cbr.tmp"), "<missing>");
}

TEST_F(CabrilloTest, EmptyStoreAndMissingInsertFile) {
  LogHeader header;
  header.file_stem = FileStemOf("");
  EXPECT_EQ(ExportCabrilloLog(header, QsoStore(), 0),
            "File produced: LUMKA.cbr");
  EXPECT_EQ(ReadBytes("LUMKA.cbr"),
            "START-OF-LOG: 2.0\r\nCALLSIGN: \r\nCATEGORY: \r\n"
            "CLAIMED-SCORE: 0\r\nCLUB: \r\nCONTEST: ZELMAR TEST\r\n"
            "CREATED-BY: MixW \r\nNAME: \r\nADDRESS: \r\nOPERATORS: \r\n"
            "EMAIL: \r\nSOAPBOX: \r\nEND-OF-LOG:\r\n");
  EXPECT_EQ(ReadBytes(kCabrilloInsertFile), "");  // created, empty
}

TEST_F(CabrilloTest, ModeMap) {
  EXPECT_STREQ(CabrilloMode("CW"), "CW");
  EXPECT_STREQ(CabrilloMode("RTTY"), "RY");
  EXPECT_STREQ(CabrilloMode("SSB"), "PH");
  EXPECT_STREQ(CabrilloMode("ssb"), "??");
  EXPECT_STREQ(CabrilloMode(""), "??");
}

}  // namespace
}  // namespace stats
