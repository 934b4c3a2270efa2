// Test helpers: a fresh working folder per test, and whole-file reads and
// writes in raw bytes.

#ifndef STATS_TEST_SUPPORT_TEMP_DIR_H_
#define STATS_TEST_SUPPORT_TEMP_DIR_H_

#include <filesystem>
#include <string>

namespace stats {
namespace testing {

// Creates an empty folder and makes it the current one; the destructor
// returns to the previous folder and removes it with all it holds.
class ScopedWorkDir {
 public:
  ScopedWorkDir();
  ~ScopedWorkDir();
  ScopedWorkDir(const ScopedWorkDir&) = delete;
  ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

// Returns the bytes of `path`, or "<missing>" when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Returns the bytes of a file under the source tree's test data.
std::string SourceFile(const std::string& relative);

}  // namespace testing
}  // namespace stats

#endif  // STATS_TEST_SUPPORT_TEMP_DIR_H_
