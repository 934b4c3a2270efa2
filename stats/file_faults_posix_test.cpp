// File faults: the plug-in meets folders it may not write, files that are
// folders, read-only settings and a disk that fills up. In each case the
// exports still give the results they define, nothing crashes, and no file
// that was there before is damaged. Each case runs in a child process
// (without root's rights where the tests run as root), so that its limits
// and its plug-in state stay its own.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "stats/host_calls.h"
#include "stats/station/station_form_runner.h"
#include "stats/test_support/temp_dir.h"

namespace stats {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// Runs `body` in a child process as an unprivileged user, with `file_limit`
// bytes as the largest file it may write (0: no limit). Returns what the
// body returned: "" for success, else what went wrong.
std::string InChild(const std::function<std::string()>& body,
                    rlim_t file_limit = 0) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_ends[0]);
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
      _exit(3);
    }
    if (file_limit != 0) {
      std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit just fails
      const rlimit limit{file_limit, file_limit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    const std::string failure = body();
    if (!failure.empty()) {
      (void)!write(pipe_ends[1], failure.data(), failure.size());
    }
    _exit(0);
  }
  close(pipe_ends[1]);
  std::string failure;
  char chunk[256];
  ssize_t n;
  while ((n = read(pipe_ends[0], chunk, sizeof chunk)) > 0) {
    failure.append(chunk, static_cast<size_t>(n));
  }
  close(pipe_ends[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the child crashed: " + failure;
  if (WEXITSTATUS(status) != 0) return "the child could not start";
  return failure;
}

HostQso Valid(const std::string& call, const std::string& code = "A01") {
  HostQso q;
  q.own_call = "UA3A";
  q.worked_call = call;
  q.time = COleDateTime{46000.5, 0};
  q.frequency_hz = 14025000;
  q.mode = "CW";
  q.rst_sent = q.rst_received = "599";
  q.exchange_sent = "B05";
  q.exchange_received = code;
  q.band = "20";
  return q;
}

#define REQUIRE(condition) \
  if (!(condition)) return std::string("failed: " #condition)

// The exports' own results, whatever the files do.
std::string RunContest(int flag) {
  InstallStationFormRunner([](StationTexts& t) {
    t.name = "Ivan";
    return 1;
  });
  REQUIRE(HostResetStats("UA3A", flag) == 1);
  REQUIRE(HostAddData(Valid("RA1A")) == 1);
  REQUIRE(HostAddData(Valid("RA1B", "X01")) == 0);
  int score = 7;
  const std::string text = GetResult0(&score);
  REQUIRE(text.find("Score: 2*1 = 2") != std::string::npos);
  REQUIRE(score == (flag ? -1 : 2));
  return "";
}

class FileFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Readable and enterable for the unprivileged child.
    fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec |
                                     fs::perms::others_read |
                                     fs::perms::others_exec);
  }
  void OpenTo(const fs::path& path) { fs::permissions(path, fs::perms::all); }
  testing::ScopedWorkDir dir_;
};

TEST_F(FileFaultTest, CurrentFolderCannotBeWritten) {
  WriteBytes("UA3A-ubn.txt", "earlier report");
  WriteBytes("UA3A.cbr", "earlier log");
  const auto read_only = fs::perms::owner_read | fs::perms::owner_exec |
                         fs::perms::others_read | fs::perms::others_exec;
  fs::permissions("UA3A-ubn.txt", fs::perms::owner_read);
  fs::permissions("UA3A.cbr", fs::perms::owner_read);
  fs::permissions(dir_.path(), read_only);
  EXPECT_EQ(InChild([] { return RunContest(1); }), "");
  EXPECT_EQ(ReadBytes("UA3A-ubn.txt"), "earlier report");
  EXPECT_EQ(ReadBytes("UA3A.cbr"), "earlier log");
}

TEST_F(FileFaultTest, PluginsFolderIsMissing) {
  OpenTo(dir_.path());
  EXPECT_EQ(InChild([] { return RunContest(1); }), "");
  EXPECT_FALSE(fs::exists("Plugins"));
  EXPECT_NE(ReadBytes("UA3A.cbr").find("NAME: Ivan\r\n"), std::string::npos);
}

TEST_F(FileFaultTest, SettingsFileIsReadOnly) {
  OpenTo(dir_.path());
  fs::create_directory("Plugins");
  OpenTo("Plugins");
  const std::string settings = "[Settings]\r\nName=Old\r\nClaimed=5\r\n";
  WriteBytes("Plugins/LUMKA.ini", settings);
  fs::permissions("Plugins/LUMKA.ini", fs::perms::owner_read |
                                           fs::perms::group_read |
                                           fs::perms::others_read);
  EXPECT_EQ(InChild([] { return RunContest(1); }), "");
  EXPECT_EQ(ReadBytes("Plugins/LUMKA.ini"), settings);
  EXPECT_FALSE(fs::exists("Plugins/LUMKA.ini.tmp"));
}

TEST_F(FileFaultTest, InsertFileIsAFolder) {
  OpenTo(dir_.path());
  fs::create_directory("cabrillo.ini");
  EXPECT_EQ(InChild([] { return RunContest(1); }), "");
  const std::string log = ReadBytes("UA3A.cbr");
  EXPECT_NE(log.find("SOAPBOX: \r\nQSO: 14025 CW"), std::string::npos);
}

TEST_F(FileFaultTest, ReportNameIsAFolder) {
  OpenTo(dir_.path());
  fs::create_directory("UA3A-ubn.txt");
  EXPECT_EQ(InChild([] { return RunContest(0); }), "");
  EXPECT_TRUE(fs::is_directory("UA3A-ubn.txt"));
}

TEST_F(FileFaultTest, DiskFillsWhileTheLogIsWritten) {
  OpenTo(dir_.path());
  fs::create_directory("Plugins");
  OpenTo("Plugins");
  const std::string settings =
      "[Settings]\r\nSoapBox=" + std::string(6000, 's') + "\r\nClaimed=5\r\n";
  const std::string earlier_log = "START-OF-LOG: 2.0\r\nEND-OF-LOG:\r\n";
  WriteBytes("Plugins/LUMKA.ini", settings);
  WriteBytes("UA3A.cbr", earlier_log);
  OpenTo("Plugins/LUMKA.ini");
  OpenTo("UA3A.cbr");
  const std::string failure = InChild(
      [] {
        REQUIRE(HostResetStats("UA3A", 1) == 1);  // the dialog: Cancel
        for (int i = 0; i < 200; ++i) {
          REQUIRE(HostAddData(Valid("RA" + std::to_string(i))) == 1);
        }
        int score = 0;
        REQUIRE(std::string(GetResult0(&score)).find("Total\t 200") !=
                std::string::npos);
        REQUIRE(score == -1);
        return std::string();
      },
      4096);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(ReadBytes("UA3A.cbr"), earlier_log);
  EXPECT_EQ(ReadBytes("Plugins/LUMKA.ini"), settings);
  EXPECT_FALSE(fs::exists("UA3A.cbr.tmp"));
}

}  // namespace
}  // namespace stats
