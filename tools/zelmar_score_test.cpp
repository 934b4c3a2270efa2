// The score tool end to end: the bundled sample against golden files, and
// the exit status of bad usage and bad input.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "stats/test_support/temp_dir.h"

namespace zelmar {
namespace {

using stats::testing::ReadBytes;
using stats::testing::SourceFile;
using stats::testing::WriteBytes;

struct ToolRun {
  int status;
  std::string out;
};

ToolRun Score(const std::string& arguments) {
  const std::string command =
      std::string(ZELMAR_SCORE) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ToolRun run{-1, ""};
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0)
    run.out.append(chunk, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

class ZelmarScoreTest : public ::testing::Test {
 protected:
  stats::testing::ScopedWorkDir dir_;
};

TEST_F(ZelmarScoreTest, SampleLogMatchesTheGoldenFiles) {
  const ToolRun run = Score(
      "--out out --name \"Ivan Petrov\" "
      "--address \"Street 1\\nTown\" --club \"Zelmar RC\"");
  ASSERT_EQ(run.status, 0);
  const std::string printed =
      run.out.substr(0, run.out.find("Problem report:"));
  EXPECT_EQ(printed, SourceFile("tools/testdata/sample_output.golden"));
  EXPECT_EQ(ReadBytes("out/UA3ZZZ.cbr"),
            SourceFile("tools/testdata/sample_log.cbr.golden"));
  EXPECT_EQ(ReadBytes("out/UA3ZZZ-ubn.txt"),
            SourceFile("tools/testdata/sample_report.golden"));
  EXPECT_NE(ReadBytes("out/Plugins/LUMKA.ini").find("Name=Ivan Petrov\r\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("Cabrillo log:"), std::string::npos);
}

TEST_F(ZelmarScoreTest, QuietPrintsTheScoreOnly) {
  const ToolRun run = Score("--quiet --no-cabrillo --out out");
  EXPECT_EQ(run.status, 0);
  const std::string summary = SourceFile("tools/testdata/sample_output.golden");
  const size_t at = summary.find("Score: ");
  ASSERT_NE(at, std::string::npos);
  const std::string line = summary.substr(at, summary.find('\n', at) - at);
  EXPECT_EQ(run.out, line.substr(line.rfind(' ') + 1) + "\n");
  EXPECT_EQ(ReadBytes("out/UA3ZZZ.cbr"), "<missing>");
}

TEST_F(ZelmarScoreTest, BadUsageAndBadInput) {
  WriteBytes("broken.adi", "<CALL:1>K<EOR><CALL:40>K<EOR>");
  WriteBytes("nocall.adi", "<CALL:1>K<EOR>");
  EXPECT_EQ(Score("--help").status, 0);
  EXPECT_EQ(Score("--frobnicate").status, 2);
  EXPECT_EQ(Score("--call").status, 2);
  EXPECT_EQ(Score("a.adi b.adi").status, 2);
  EXPECT_EQ(Score("missing.adi").status, 1);
  EXPECT_EQ(Score("broken.adi --call UA3A").status, 1);
  EXPECT_EQ(Score("nocall.adi").status, 2);
  EXPECT_EQ(Score("nocall.adi --call UA3A --out o").status, 0);
}

TEST_F(ZelmarScoreTest, OfficialTestFileScoresWithoutACrash) {
  const std::string path =
      std::string(ZELMAR_SOURCE_DIR) +
      "/../shared/data/adif/ADIF_316_test_QSOs_2025_08_27.adi";
  if (ReadBytes(path) == "<missing>") GTEST_SKIP() << "no shared test data";
  const ToolRun run = Score(path + " --call UA3A --out out");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("(6191 records)"), std::string::npos);
}

}  // namespace
}  // namespace zelmar
