#include "stats/station/log_header.h"

#include <gtest/gtest.h>

namespace stats {
namespace {

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutOverlap) {
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("a\r\nb\r\nc", "\r", "<CR>"), "a<CR>\nb<CR>\nc");
  EXPECT_EQ(ReplaceAll("xax", "a", "aa"), "xaax");  // not searched again
  EXPECT_EQ(ReplaceAll("abc", "z", "y"), "abc");
  EXPECT_EQ(ReplaceAll("abc", "b", "b"), "abc");
  EXPECT_EQ(ReplaceAll("", "b", "c"), "");
  EXPECT_EQ(ReplaceAll("bbb", "b", ""), "");
}

TEST(FileStemTest, ReplacesSlashesAndTrims) {
  EXPECT_EQ(FileStemOf("UA3A/P"), "UA3A_P");
  EXPECT_EQ(FileStemOf("UA3A\\P"), "UA3A_P");
  EXPECT_EQ(FileStemOf(" \tUA3A \r\n"), "UA3A");
  EXPECT_EQ(FileStemOf(""), "LUMKA");
  EXPECT_EQ(FileStemOf(" \t "), "LUMKA");
  EXPECT_EQ(FileStemOf("/"), "_");
}

}  // namespace
}  // namespace stats
