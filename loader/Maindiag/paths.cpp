#include "paths.h"

namespace loader {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string::size_type LastSeparator(const std::string &path) { return path.find_last_of("\\/"); }

bool HasDrive(const std::string &path) { return path.size() >= 2 && path[1] == ':'; }

}  // namespace

std::string StartDirectoryFrom(const std::string &currentDirectory) {
  if (!HasDrive(currentDirectory)) return currentDirectory;
  std::string rest = currentDirectory.substr(2);
  while (!rest.empty() && IsSeparator(rest.front())) rest.erase(0, 1);
  return currentDirectory.substr(0, 1) + ":\\" + rest;
}

std::string JoinPath(const std::string &directory, const std::string &name) {
  if (directory.empty()) return name;
  if (IsSeparator(directory.back())) return directory + name;
  return directory + "\\" + name;
}

std::string BrowseDirectoryOf(const std::string &path) {
  const auto at = LastSeparator(path);
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string DirectoryOf(const std::string &path) {
  const auto at = LastSeparator(path);
  if (at == std::string::npos) return std::string();
  if (HasDrive(path) && at == 2) return path.substr(0, 3);
  if (at == 0) return path.substr(0, 1);
  return path.substr(0, at);
}

std::string UnquoteCommandLine(const std::string &text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const std::string path = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') return path.substr(1, path.size() - 2);
  return path;
}

}  // namespace loader
