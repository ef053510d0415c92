#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

class PosixFiles : public Files {
 public:
  bool Exists(const std::string &path) override {
    std::error_code error;
    return fs::is_regular_file(path, error);
  }

  bool Copy(const std::string &from, const std::string &to) override {
    std::error_code error;
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, error) && !error;
  }

  bool Remove(const std::string &path) override {
    std::error_code error;
    return fs::remove(path, error);
  }

  std::vector<std::string> List(const std::string &directory, const std::string &mask) override {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
      const std::string name = it->path().filename().string();
      if (it->is_regular_file(error) && MatchesMask(name, mask)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string CurrentDirectory() override {
    std::error_code error;
    return fs::current_path(error).string();
  }
};

}  // namespace

Files &PlatformFiles() {
  static PosixFiles files;
  return files;
}

}  // namespace platform
