#include "tools/adif_mapping.h"

#include <gtest/gtest.h>

#include "stats/core/time_text.h"

namespace zelmar {
namespace {

TEST(AdifMappingTest, FrequencyFromDecimalText) {
  EXPECT_EQ(MegahertzToHertz("14.025"), 14025000u);
  EXPECT_EQ(MegahertzToHertz("7.0305"), 7030500u);
  EXPECT_EQ(MegahertzToHertz("3.5"), 3500000u);
  EXPECT_EQ(MegahertzToHertz("28"), 28000000u);
  EXPECT_EQ(MegahertzToHertz(".5"), 500000u);
  EXPECT_EQ(MegahertzToHertz("0.1234567"), 123456u);
  EXPECT_EQ(MegahertzToHertz("4294.967295"), 4294967295u);
  EXPECT_EQ(MegahertzToHertz("4294.967296"), std::nullopt);
  EXPECT_EQ(MegahertzToHertz("10368000"), std::nullopt);
  EXPECT_EQ(MegahertzToHertz("14,025"), std::nullopt);
  EXPECT_EQ(MegahertzToHertz(""), std::nullopt);
  EXPECT_EQ(MegahertzToHertz("."), std::nullopt);
}

TEST(AdifMappingTest, BandsAndModes) {
  EXPECT_EQ(HostBand("20M"), "20");
  EXPECT_EQ(HostBand("160m"), "160");
  EXPECT_EQ(HostBand("70CM"), "70CM");
  EXPECT_EQ(HostBand(""), "");
  EXPECT_EQ(BandLowerEdge("40m"), 7000000u);
  EXPECT_EQ(BandLowerEdge("13CM"), 0u);
  EXPECT_EQ(HostMode("CW", ""), "CW");
  EXPECT_EQ(HostMode("SSB", "USB"), "SSB");
  EXPECT_EQ(HostMode("LSB", ""), "SSB");
  EXPECT_EQ(HostMode("rtty", ""), "RTTY");
  EXPECT_EQ(HostMode("FT8", ""), "FT8");
  EXPECT_EQ(HostMode("MFSK", "FT4"), "MFSK");
}

TEST(AdifMappingTest, QsoTime) {
  EXPECT_EQ(stats::TimeText(QsoTime("20110405", "1907")),
            "05.04.2011 19:07:00");
  EXPECT_EQ(stats::TimeText(QsoTime("20110405", "090730")),
            "05.04.2011 9:07:30");
  for (const char* bad_date : {"2011045", "20110230", "20111305", "x"}) {
    EXPECT_EQ(QsoTime(bad_date, "1200").m_status, COleDateTime::kInvalid);
  }
  for (const char* bad_time : {"", "2400", "12", "1260", "12a0"}) {
    EXPECT_EQ(QsoTime("20110405", bad_time).m_status, COleDateTime::kInvalid);
  }
}

TEST(AdifMappingTest, ExchangesPreferTheStringFields) {
  AdifRecord r;
  r.Add("STX", "1");
  r.Add("SRX", "2");
  r.Add("SRX_STRING", "A01");
  r.Add("FREQ", "");
  r.Add("BAND", "15M");
  const stats::HostQso q = ToHostQso(r, "UA3A");
  EXPECT_EQ(q.exchange_sent, "1");
  EXPECT_EQ(q.exchange_received, "A01");
  EXPECT_EQ(q.frequency_hz, 21000000u);
  EXPECT_EQ(q.band, "15");
}

}  // namespace
}  // namespace zelmar
