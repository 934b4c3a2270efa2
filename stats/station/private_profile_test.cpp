// One table of cases for the settings file layer. Natively it runs against
// our implementation; in the Windows build the same cases run against the
// platform's own functions, so both must agree on values and on bytes.

#include "stats/station/private_profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kFile = "Plugins\\LUMKA.ini";
constexpr const char* kPath = "Plugins/LUMKA.ini";

struct Write {
  const char* section;
  const char* key;
  const char* value;
};

struct ProfileCase {
  const char* name;
  const char* before;  // nullptr: no file
  std::vector<Write> writes;
  const char* after;
};

class ProfileWriteTest : public ::testing::TestWithParam<ProfileCase> {
 protected:
  testing::ScopedWorkDir dir_;
};

TEST_P(ProfileWriteTest, LeavesTheseBytes) {
  const ProfileCase& c = GetParam();
  std::filesystem::create_directory("Plugins");
  if (c.before != nullptr) WriteBytes(kPath, c.before);
  for (const Write& w : c.writes) {
    EXPECT_TRUE(WriteIniValue(w.section, w.key, w.value, kFile));
  }
  EXPECT_EQ(ReadBytes(kPath), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    ::testing::Values(
        ProfileCase{
            "NewFile",
            nullptr,
            {{"Settings", "Operators", "UA3A"}, {"Settings", "Name", "Ivan"}},
            "[Settings]\r\nOperators=UA3A\r\nName=Ivan\r\n"},
        ProfileCase{"UpdateInPlace",
                    "[Settings]\r\nName=Old\r\nClub=C\r\n",
                    {{"settings", "NAME", "New"}},
                    "[Settings]\r\nName=New\r\nClub=C\r\n"},
        ProfileCase{"NewKeyAtSectionEnd",
                    "[Settings]\r\nName=N\r\n[Other]\r\nX=1\r\n",
                    {{"Settings", "Claimed", "42"}},
                    "[Settings]\r\nName=N\r\nClaimed=42\r\n[Other]\r\nX=1\r\n"},
        ProfileCase{"NewSectionAtFileEnd",
                    "[Other]\r\nX=1\r\n",
                    {{"Settings", "Claimed", "0"}},
                    "[Other]\r\nX=1\r\n[Settings]\r\nClaimed=0\r\n"},
        ProfileCase{"EmptyValue",
                    nullptr,
                    {{"Settings", "Club", ""}},
                    "[Settings]\r\nClub=\r\n"},
        ProfileCase{"MarkersAndSpaces",
                    nullptr,
                    {{"Settings", "Address", "a <CR><LF>b  "}},
                    "[Settings]\r\nAddress=a <CR><LF>b  \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
  const char* name;
  const char* file;
  const char* key;
  const char* fallback;
  std::string expected;
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {
 protected:
  testing::ScopedWorkDir dir_;
};

TEST_P(ProfileReadTest, GivesThisValue) {
  const ReadCase& c = GetParam();
  std::filesystem::create_directory("Plugins");
  if (c.file != nullptr) WriteBytes(kPath, c.file);
  EXPECT_EQ(ReadIniValue("Settings", c.key, c.fallback, kFile), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    ::testing::Values(
        ReadCase{"NoFile", nullptr, "Name", "UA3A", "UA3A"},
        ReadCase{"FallbackLosesTrailingBlanks", nullptr, "Name", "UA3A  ",
                 "UA3A"},
        ReadCase{"MissingKey", "[Settings]\r\nA=1\r\n", "Name", "", ""},
        ReadCase{"PresentButEmpty", "[Settings]\r\nName=\r\n", "Name", "x", ""},
        ReadCase{"AnyCase", "[SETTINGS]\r\nname=Ivan\r\n", "Name", "", "Ivan"},
        ReadCase{"Blanks", "[Settings]\r\n  Name  =  Ivan Petrov  \r\n", "Name",
                 "", "Ivan Petrov"},
        ReadCase{"Quoted", "[Settings]\r\nName=\"Ivan \"\r\n", "Name", "",
                 "Ivan "},
        ReadCase{"HalfQuoted", "[Settings]\r\nName=\"Ivan\r\n", "Name", "",
                 "\"Ivan"},
        ReadCase{"OtherSection", "[Other]\r\nName=X\r\n", "Name", "d", "d"},
        ReadCase{"LfOnly", "[Settings]\nName=Ivan\n", "Name", "", "Ivan"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileLimitsTest, ValueIsCutTo9999Characters) {
  testing::ScopedWorkDir dir;
  std::filesystem::create_directory("Plugins");
  const std::string value(12000, 'v');
  ASSERT_TRUE(WriteIniValue("Settings", "Name", value.c_str(), kFile));
  EXPECT_EQ(ReadIniValue("Settings", "Name", "", kFile), value.substr(0, 9999));
}

TEST(ProfileLimitsTest, MissingFolderFailsAndCreatesNothing) {
  testing::ScopedWorkDir dir;
  EXPECT_FALSE(WriteIniValue("Settings", "Name", "x", kFile));
  EXPECT_FALSE(std::filesystem::exists("Plugins"));
  EXPECT_EQ(ReadIniValue("Settings", "Name", "d", kFile), "d");
}

}  // namespace
}  // namespace stats
