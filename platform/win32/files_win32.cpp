// Files through the ANSI calls of Windows; names are in the ANSI code page.
#include <windows.h>

#include <algorithm>

#include "platform/files.h"

namespace platform {

namespace {

class Win32Files : public Files {
 public:
  bool Exists(const std::string &path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  bool Copy(const std::string &from, const std::string &to) override {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
  }

  bool Remove(const std::string &path) override { return DeleteFileA(path.c_str()) != 0; }

  std::vector<std::string> List(const std::string &directory, const std::string &mask) override {
    std::vector<std::string> names;
    std::string pattern = directory;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
    pattern += mask;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      // The system also matches short 8.3 names; keep only true matches of the long name.
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && MatchesMask(found.cFileName, mask)) {
        names.push_back(found.cFileName);
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string CurrentDirectory() override {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryA(sizeof(buffer), buffer);
    if (length == 0 || length >= sizeof(buffer)) return std::string();
    return std::string(buffer, length);
  }
};

}  // namespace

Files &PlatformFiles() {
  static Win32Files files;
  return files;
}

}  // namespace platform
