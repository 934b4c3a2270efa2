#include "stats/core/band_list.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> bands) {
  BandList list;
  for (const std::string& b : bands) list.Add(b);
  list.SortForSummary();
  std::vector<std::string> out;
  for (size_t i = 0; i < list.size(); ++i) out.push_back(list.at(i));
  return out;
}

TEST(BandListTest, KeepsFirstAppearanceOnce) {
  BandList list;
  for (const char* b : {"20", "40", "20", "", "40"}) list.Add(b);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.at(0), "20");
  EXPECT_EQ(list.at(2), "");
}

TEST(BandListTest, SortsByFilledForm) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Sorted({"10", "160", "80"}), (V{"160", "80", "10"}));
  EXPECT_EQ(Sorted({"28", "3.5"}), (V{"3.5", "28"}));
  EXPECT_EQ(Sorted({"12345678901234567890", "99", "123456789012345678901"}),
            (V{"123456789012345678901", "12345678901234567890", "99"}));
  // Texts with equal filled forms stay where the exchange sort leaves them.
  EXPECT_EQ(Sorted({"2", "", "20", "0"}), (V{"20", "2", "", "0"}));
  EXPECT_EQ(Sorted({"5", "05", "40"}), (V{"40", "05", "5"}));
  EXPECT_EQ(Sorted({"1", "5", "05"}), (V{"5", "05", "1"}));
}

TEST(BandListTest, ComparesBytesUnsigned) {
  EXPECT_GT(CompareFilled("\xC0", "A"), 0);
  EXPECT_EQ(CompareFilled("7", "0007"), 0);
  EXPECT_EQ(CompareFilled("", "0"), 0);
  EXPECT_LT(CompareFilled("12345678901234567890", "123456789012345678901"), 0);
}

}  // namespace
}  // namespace stats
