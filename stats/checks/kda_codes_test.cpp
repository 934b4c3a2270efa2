#include "stats/checks/kda_codes.h"

#include <gtest/gtest.h>

#include <set>

#include "stats/stats.h"

namespace stats {
namespace {

TEST(KdaCodesTest, TableHoldsTheCodesInOrder) {
  std::set<std::string> seen;
  std::string previous;
  for (int i = 0; i < kKdaCodeCount; ++i) {
    const std::string code = KdaCodeAt(i);
    EXPECT_EQ(IsKdaCode(code), 1) << code;
    EXPECT_GT(code, previous);
    previous = code;
    seen.insert(code);
  }
  EXPECT_EQ(seen.size(), 205u);
  EXPECT_EQ(KdaCodeAt(0), "A01");
  EXPECT_EQ(KdaCodeAt(204), "Z03");
}

struct ExchangeCase {
  const char* text;
  int valid;
};

class ExchangeTest : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeTest, ExportAndMembershipAgree) {
  const ExchangeCase& c = GetParam();
  EXPECT_EQ(IsValidExchg0(c.text, "", "", "", 0, 0, 0), c.valid) << c.text;
  EXPECT_EQ(IsKdaCode(c.text), c.valid) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ExchangeTest,
    ::testing::Values(
        ExchangeCase{"A01", 1}, ExchangeCase{"A06", 1}, ExchangeCase{"B19", 1},
        ExchangeCase{"I13", 1}, ExchangeCase{"L20", 1}, ExchangeCase{"O08", 1},
        ExchangeCase{"Q18", 1}, ExchangeCase{"Z03", 1}, ExchangeCase{"A07", 0},
        ExchangeCase{"K10", 0}, ExchangeCase{"L21", 0}, ExchangeCase{"Z04", 0},
        ExchangeCase{"A00", 0}, ExchangeCase{"M00", 0}, ExchangeCase{"D01", 0},
        ExchangeCase{"E05", 0}, ExchangeCase{"H01", 0}, ExchangeCase{"R10", 0},
        ExchangeCase{"S01", 0}, ExchangeCase{"U01", 0}, ExchangeCase{"Y01", 0},
        ExchangeCase{"a01", 0}, ExchangeCase{" A01", 0},
        ExchangeCase{"A01 ", 0}, ExchangeCase{"A001", 0}, ExchangeCase{"A1", 0},
        ExchangeCase{"", 0}, ExchangeCase{"001", 0}, ExchangeCase{"A0\x31", 1},
        ExchangeCase{"A:1", 0}));

TEST(NormaliseExchangeTest, UpperCasesAndTrims) {
  EXPECT_EQ(NormaliseExchange(" a01 "), "A01");
  EXPECT_EQ(NormaliseExchange("\t\r\nq18\v\f"), "Q18");
  EXPECT_EQ(NormaliseExchange("a 1"), "A 1");
  EXPECT_EQ(NormaliseExchange("\xe0\x30\x31"), "\xe0\x30\x31");
  EXPECT_EQ(NormaliseExchange("   "), "");
}

TEST(ExchangeExportsTest, DescribeTheSingleField) {
  EXPECT_EQ(GetExchgCount0("x", "y", "z"), 1);
  const char* format = GetSerialFormat0("", "", "", "", "", "", "", "", "", "",
                                        0, 0, 0, 0, 0, "", "", "");
  EXPECT_STREQ(format, "D");
  EXPECT_EQ(GetSerialFormat0(nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr, 1, 2,
                             3, 4, 5, nullptr, nullptr, nullptr),
            format);
  EXPECT_STREQ(GetAllowedSerialFields0(), "D");
  EXPECT_EQ(IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

}  // namespace
}  // namespace stats
