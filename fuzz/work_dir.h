// Each fuzz target works in a folder of its own with a "Plugins" folder, as
// the host's folder would be; the folder is removed when the run ends.

#ifndef FUZZ_WORK_DIR_H_
#define FUZZ_WORK_DIR_H_

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zelmar_fuzz {

inline std::filesystem::path& WorkDir() {
  static std::filesystem::path dir;
  return dir;
}

// Makes a fresh folder named after `target` the current one.
inline void EnterFreshWorkDir(const std::string& target) {
  WorkDir() = std::filesystem::temp_directory_path() /
              ("zelmar-fuzz-" + target + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(WorkDir() / "Plugins");
  std::filesystem::current_path(WorkDir());
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::current_path(WorkDir().parent_path(), ignored);
    std::filesystem::remove_all(WorkDir(), ignored);
  });
}

}  // namespace zelmar_fuzz

#endif  // FUZZ_WORK_DIR_H_
