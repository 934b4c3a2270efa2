// The station setup on POSIX, with the form filled in by a test runner.

#include <gtest/gtest.h>

#include <filesystem>

#include "stats/station/log_header.h"
#include "stats/station/private_profile.h"
#include "stats/station/station_form_runner.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class SetupStationTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directory("Plugins"); }
  void TearDown() override { InstallStationFormRunner(nullptr); }

  // Installs a runner that records what it was shown, applies `edit` and
  // answers `result`.
  void Answer(int result, std::function<void(StationTexts&)> edit = {}) {
    InstallStationFormRunner([this, result, edit](StationTexts& t) {
      shown_ = t;
      if (edit) edit(t);
      return result;
    });
  }

  testing::ScopedWorkDir dir_;
  StationTexts shown_;
  LogHeader header_;
};

TEST_F(SetupStationTest, FirstRunShowsDefaults) {
  Answer(1);
  EXPECT_EQ(SetupStation(header_, " UA3A/P "), 1);
  EXPECT_EQ(shown_.call_sign, " UA3A/P ");
  EXPECT_EQ(shown_.operators, " UA3A/P");  // the platform drops end blanks
  EXPECT_EQ(shown_.contest, "ZELMAR TEST");
  EXPECT_EQ(shown_.category, "SOSB MIX-LP");
  EXPECT_EQ(shown_.name, "");
  EXPECT_EQ(header_.file_stem, "UA3A_P");
  EXPECT_EQ(ReadBytes("Plugins/LUMKA.ini"),
            "[Settings]\r\nOperators=UA3A/P\r\nName=\r\nAddress=\r\n"
            "Category=SOSB MIX-LP\r\nContest=ZELMAR TEST\r\nEmail=\r\n"
            "Club=\r\nSoapBox=\r\n");
}

TEST_F(SetupStationTest, OkSavesAndPreparesTheCabrilloForms) {
  header_.qso_lines.Append("old\r\n");
  Answer(1, [](StationTexts& t) {
    t.call_sign = "UA3B";
    t.address = "Street 1\r\nTown<CR>x\ny";
    t.soap_box = "One line";
    t.category = "sosb-cw";
    t.claimed = "edited";
    t.name = "Ivan";
  });
  EXPECT_EQ(SetupStation(header_, "UA3A"), 1);
  EXPECT_EQ(header_.call_sign, "UA3B");
  EXPECT_EQ(header_.file_stem, "UA3A");
  EXPECT_EQ(header_.address,
            "Street 1\r\nADDRESS: Town\r\nADDRESS: xy");  // lone LF goes
  EXPECT_EQ(header_.soap_box, "One line");
  EXPECT_EQ(header_.category, "sosb-cw");
  EXPECT_EQ(header_.claimed, "");
  EXPECT_EQ(header_.qso_lines.size(), 0u);
  EXPECT_EQ(ReadIniValue("Settings", "Address", "", kSettingsFile),
            "Street 1<CR><LF>Town<CR>x<LF>y");

  // The next run loads real line breaks, the claimed score from the file,
  // and the forced contest and category.
  WriteIniValue("Settings", "Claimed", "1234", kSettingsFile);
  Answer(2, [](StationTexts& t) { t.name = "dropped"; });
  EXPECT_EQ(SetupStation(header_, "UA3A"), 0);
  EXPECT_EQ(shown_.address, "Street 1\r\nTown\rx\ny");
  EXPECT_EQ(shown_.claimed, "1234");
  EXPECT_EQ(shown_.category, "SOSB MIX-LP");
  EXPECT_EQ(shown_.operators, "UA3A");
  EXPECT_EQ(header_.name, "Ivan");
  EXPECT_EQ(header_.address, "Street 1\r\nTown\rx\ny");  // dialog form
}

TEST_F(SetupStationTest, CategoryShowsAsTheItemItSelects) {
  Answer(1, [](StationTexts&) {});
  WriteIniValue("Settings", "Operators", "", kSettingsFile);
  EXPECT_EQ(SetupStation(header_, "UA3A"), 1);
  EXPECT_EQ(shown_.operators, "");  // present but empty stays empty
  EXPECT_EQ(FindCategory("sosb-r"), 3);
  EXPECT_EQ(FindCategory("MOST"), 4);
  EXPECT_EQ(FindCategory("SOSB-XX"), -1);
  EXPECT_EQ(FindCategory(""), -1);
}

TEST_F(SetupStationTest, NoRunnerTakesTheCancelPath) {
  InstallStationFormRunner(nullptr);
  header_.qso_lines.Append("kept\r\n");
  EXPECT_EQ(SetupStation(header_, "UA3A"), 0);
  EXPECT_EQ(header_.qso_lines.size(), 1u);
  EXPECT_EQ(ReadBytes("Plugins/LUMKA.ini"), "<missing>");
}

}  // namespace
}  // namespace stats
