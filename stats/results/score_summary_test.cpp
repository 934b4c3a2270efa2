#include "stats/results/score_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "stats/core/accounting.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

QsoInput Qso(std::string_view call, std::string_view code,
             std::string_view mode, std::string_view band, double hour) {
  QsoInput q;
  q.own_call = "UA3A";
  q.worked_call = call;
  q.time = COleDateTime{40638.0 + hour / 24.0, 0};
  q.frequency_hz = 7010000;
  q.mode = mode;
  q.rst_sent = "599";
  q.rst_received = "599";
  q.exchange_sent = "B05";
  q.exchange_received = code;
  q.band = band;
  return q;
}

// The summary as a plain recount of every record, without the tally.
std::string Recount(const ContestState& state) {
  std::string text = "\tZELMAR TEST \r\n\tQSOs\tPoints\tKDA\r\n";
  long total_points = 0, total_kda = 0;
  char line[256];
  for (size_t b = 0; b < state.bands.size(); ++b) {
    const std::string& band = state.bands.at(b);
    int qsos = 0, cw = 0, ssb = 0, rtty = 0;
    std::vector<std::string> keys;
    for (size_t i = 0; i < state.store.size(); ++i) {
      const QsoView q = state.store.View(i);
      if (q.band != band || q.call.empty()) continue;
      ++qsos;
      cw += q.mode == "CW";
      ssb += q.mode == "SSB";
      rtty += q.mode == "RTTY";
      if (!q.kda_key.empty() &&
          std::find(keys.begin(), keys.end(), q.kda_key) == keys.end()) {
        keys.emplace_back(q.kda_key);
      }
    }
    const int points = ssb + 2 * cw + 3 * rtty;
    std::snprintf(line, sizeof line, "%s\t %i\t %i\t %i\r\n", band.c_str(),
                  qsos, points, static_cast<int>(keys.size()));
    text += line;
    total_points += points;
    total_kda += static_cast<long>(keys.size());
  }
  std::snprintf(line, sizeof line, "Total\t %i\t %li\t %li\r\n",
                static_cast<int>(state.store.size()), total_points, total_kda);
  text += line;
  std::snprintf(line, sizeof line, "\r\nScore: %li*%li = %li\r\n", total_points,
                total_kda, total_points * total_kda);
  return text + line;
}

class ScoreSummaryTest : public ::testing::Test {
 protected:
  testing::ScopedWorkDir dir_;
  ContestState state_;
  LogHeader header_;
};

TEST_F(ScoreSummaryTest, EmptyRun) {
  int score = 7;
  EXPECT_STREQ(GetResult(state_, header_, &score),
               "\tZELMAR TEST \r\n\tQSOs\tPoints\tKDA\r\n"
               "Total\t 0\t 0\t 0\r\n\r\nScore: 0*0 = 0\r\n"
               "Scored by the ZELMAR TEST plug-in");
  EXPECT_EQ(score, 0);
}

TEST_F(ScoreSummaryTest, CountsBandByBand) {
  AddQso(state_, Qso("A", "A01", "CW", "10", 9.5));
  AddQso(state_, Qso("B", "A01", "SSB", "10", 9.5));    // other mode: new KDA
  AddQso(state_, Qso("C", "a01", "RTTY", "10", 10.5));  // other hour
  AddQso(state_, Qso("D", "A01", "CW", "160", 9.5));    // other band
  AddQso(state_, Qso("E", "A01", "CW", "160", 9.7));    // same key
  AddQso(state_, Qso("F", "X01", "CW", "80", 9.5));     // band without QSOs
  AddQso(state_, Qso("", "B01", "CW", "160", 9.5));     // no call: total only
  int score = 0;
  const std::string text = GetResult(state_, header_, &score);
  EXPECT_EQ(text,
            "\tZELMAR TEST \r\n\tQSOs\tPoints\tKDA\r\n"
            "160\t 2\t 4\t 1\r\n"
            "80\t 0\t 0\t 0\r\n"
            "10\t 3\t 6\t 3\r\n"
            "Total\t 6\t 10\t 4\r\n"
            "\r\nScore: 10*4 = 40\r\n"
            "Scored by the ZELMAR TEST plug-in");
  EXPECT_EQ(score, 40);
  EXPECT_EQ(state_.last_score, 40);
  EXPECT_EQ(state_.bands.at(0), "160");  // the sorted order stays
  EXPECT_EQ(GetResult(state_, header_, &score), text);
}

TEST_F(ScoreSummaryTest, ScoreSaturatesInsteadOfOverflowing) {
  // 90000 points times 30000 keys does not fit in 32 bits.
  QsoStore& store = state_.store;
  QsoRecord r;
  r.band = "20";
  r.mode = "RTTY";
  r.exchange_sent = r.exchange_received = "A01";
  for (int i = 0; i < 30000; ++i) {
    r.call = "C" + std::to_string(i);
    r.kda_key = "K" + std::to_string(i);
    store.Append(r);
  }
  state_.bands.Add("20");
  const Summary summary = BuildSummary(state_);
  EXPECT_EQ(summary.score, 2147483647);
  EXPECT_NE(summary.text.find("Score: 90000*30000 = 2147483647"),
            std::string::npos);
}

TEST_F(ScoreSummaryTest, TallyMatchesAFullRecount) {
  std::mt19937 random(20261211);
  const char* bands[] = {"160", "80", "40", "20", "15", "10", "3.5", ""};
  const char* modes[] = {"CW", "SSB", "RTTY", "RTTY", "FM"};
  const char* codes[] = {"A01", "a01", " B19 ", "Z03", "X01", "Q18", ""};
  const char* calls[] = {"UA1A", "UA1B", "RA3C", "", "R7D", "UA9E"};
  auto pick = [&](auto& array) {
    return array[random() % (sizeof array / sizeof array[0])];
  };
  for (int step = 0; step < 4000; ++step) {
    const QsoInput q = Qso(pick(calls), pick(codes), pick(modes), pick(bands),
                           static_cast<double>(random() % 72) / 3.0);
    if (random() % 3 == 0) {
      RemoveQso(state_, q);
    } else {
      AddQso(state_, q);
    }
    if (step % 97 == 0) {
      const Summary summary = BuildSummary(state_);
      ASSERT_EQ(summary.text, Recount(state_)) << "step " << step;
    }
  }
  EXPECT_EQ(BuildSummary(state_).text, Recount(state_));
}

}  // namespace
}  // namespace stats
