#include "tools/adif_reader.h"

#include <gtest/gtest.h>

#include "stats/test_support/temp_dir.h"

namespace zelmar {
namespace {

struct ReadCase {
  const char* name;
  std::string data;
  size_t records;
  const char* call_of_first;  // nullptr: no check
};

class AdifReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(AdifReadTest, Reads) {
  const ReadCase& c = GetParam();
  std::vector<AdifRecord> records;
  AdifError error;
  ASSERT_TRUE(ReadAdif(c.data, &records, &error)) << error.ToString();
  ASSERT_EQ(records.size(), c.records);
  if (c.call_of_first != nullptr) {
    EXPECT_EQ(records[0].Get("CALL"), c.call_of_first);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdifReadTest,
    ::testing::Values(
        ReadCase{"NoHeader", "<CALL:4>UA3A<EOR>", 1, "UA3A"},
        ReadCase{"Header",
                 "made by hand <ADIF_VER:5>3.1.6\r\n<eoh>\r\n"
                 "<call:4>UA3A <eor>",
                 1, "UA3A"},
        ReadCase{"HeaderValueWithTag",
                 "x <PROGRAMID:5><EOH> <EOH>"
                 "<CALL:1>K<EOR>",
                 1, "K"},
        ReadCase{"TypeIndicator", "<CALL:4:S>UA3A<EOR>", 1, "UA3A"},
        ReadCase{"ZeroLength", "<CALL:0><EOR>", 1, ""},
        ReadCase{"MultiLine", "<CALL:1>K<NOTES:6>a\r\nb>c<EOR>", 1, "K"},
        ReadCase{"GreaterInValue", "<CALL:3>A>B<EOR>", 1, "A>B"},
        ReadCase{"TextBetweenFields", "<CALL:1>K  junk\r\n<APP_X_Y:1>z<EOR>", 1,
                 "K"},
        ReadCase{"Empty", "", 0, nullptr},
        ReadCase{"BlankBeforeFirstTag", "\r\n<CALL:1>K<EOR>", 1, "K"},
        ReadCase{"TrailingText", "<CALL:1>K<EOR>\r\n\r\n", 1, "K"},
        ReadCase{"Two", "<CALL:1>K<EOR><CALL:1>L<EOR>", 2, "K"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
  const char* name;
  std::string data;
  size_t record;
  size_t offset;
};

class AdifErrorTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(AdifErrorTest, NamesRecordAndOffset) {
  const BadCase& c = GetParam();
  std::vector<AdifRecord> records;
  AdifError error;
  ASSERT_FALSE(ReadAdif(c.data, &records, &error));
  EXPECT_EQ(error.record, c.record) << error.ToString();
  EXPECT_EQ(error.offset, c.offset) << error.ToString();
  EXPECT_FALSE(error.message.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdifErrorTest,
    ::testing::Values(
        BadCase{"PastTheEnd", "<CALL:1>K<EOR><CALL:9>UA3A<EOR>", 2, 14},
        BadCase{"HugeLength", "<CALL:99999999999999999999999>K", 1, 0},
        BadCase{"NotANumber", "<CALL:x>K<EOR>", 1, 0},
        BadCase{"NoLength", "<CALL:1>K<EOR><CALL>K<EOR>", 2, 20},
        BadCase{"Unclosed", "<CALL:1>K<EOR><CALL:1", 2, 14},
        BadCase{"NoEor", "<CALL:1>K<EOR><CALL:1>L", 2, 14},
        BadCase{"HeaderValuePastEnd", "h <ADIF_VER:9>3 <EOH>", 0, 2},
        BadCase{"NoName", "<:1>K<EOR>", 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdifOfficialTestFile, EveryRecordReads) {
  const std::string data = stats::testing::ReadBytes(
      std::string(ZELMAR_SOURCE_DIR) +
      "/../shared/data/adif/ADIF_316_test_QSOs_2025_08_27.adi");
  if (data == "<missing>") GTEST_SKIP() << "the shared test data is absent";
  std::vector<AdifRecord> records;
  AdifError error;
  size_t reports = 0;
  ASSERT_TRUE(ReadAdif(data, &records, &error, [&](size_t, size_t) {
    ++reports;
  })) << error.ToString();
  EXPECT_EQ(records.size(), 6191u);
  EXPECT_GT(reports, 0u);
}

}  // namespace
}  // namespace zelmar
