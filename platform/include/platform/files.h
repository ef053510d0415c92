// File seam: the few file operations the programs' rules need, so the rules
// are tested against a fake and never touch the disk in unit tests.
#ifndef PLATFORM_FILES_H
#define PLATFORM_FILES_H

#include <string>
#include <vector>

namespace platform {

class Files {
 public:
  virtual ~Files() = default;
  // True for an existing regular file (directories are not files).
  virtual bool Exists(const std::string &path) = 0;
  // Copies, replacing `to`; false when nothing was copied.
  virtual bool Copy(const std::string &from, const std::string &to) = 0;
  // False when there was nothing to delete or it could not be deleted.
  virtual bool Remove(const std::string &path) = 0;
  // True when the file opens for reading and writing ("r+"); it is closed again
  // at once. The C library does it alike everywhere, so only fakes override it.
  virtual bool OpensForUpdate(const std::string &path);
  // Names (without directory) of the regular files of `directory` matching
  // `mask` ("*.ext", letter case ignored), sorted by name.
  virtual std::vector<std::string> List(const std::string &directory, const std::string &mask) = 0;
  virtual std::string CurrentDirectory() = 0;
};

Files &PlatformFiles();

// True when `name` matches a mask of literal characters, '*' and '?', ignoring ASCII letter case.
bool MatchesMask(const std::string &name, const std::string &mask);

}  // namespace platform

#endif
