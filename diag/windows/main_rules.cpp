#include "main_rules.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace diag {

ConfigSlots ParseDefaultDia(const std::string &content) {
  ConfigSlots slots;
  std::size_t position = 0;
  for (std::string &slot : slots) {
    if (position >= content.size()) break;
    std::size_t end = content.find('\n', position);
    const bool hasLineFeed = end != std::string::npos;
    if (!hasLineFeed) end = content.size();
    const std::size_t length = end - position;
    if (length >= kMaxPathChars) {
      slot = content.substr(position, kMaxPathChars);
    } else {
      slot = content.substr(position, length);
    }
    position = hasLineFeed ? end + 1 : end;
  }
  return slots;
}

std::string FormatDefaultDia(const ConfigSlots &slots) {
  std::string content;
  for (const std::string &slot : slots) content += slot + '\n';
  return content;
}

ConfigSlots LoadDefaultDia(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return ConfigSlots{};
  const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ParseDefaultDia(content);
}

bool SaveDefaultDia(const std::string &path, const ConfigSlots &slots) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << FormatDefaultDia(slots);
  return static_cast<bool>(file.flush());
}

std::string DefaultDiaPath(const std::string &directory) { return directory + "\\default.dia"; }

std::string FileNameAfterLastBackslash(const std::string &path) {
  const std::size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

std::string ConfigFileFilter(const std::string &extension) {
  return "Configuration Files (*." + extension + ")|*." + extension + "|";
}

std::string MainCaption(const std::string &version) {
  return " DIAGNOSIS (\xB5" "c 16bits) - Version " + version;
}

std::string FileVersionKey(std::uint16_t language, std::uint16_t codePage) {
  char key[64];
  std::snprintf(key, sizeof key, "\\StringFileInfo\\%02X%02X%02X%02X\\FileVersion", (language >> 8) & 0xFF,
                language & 0xFF, (codePage >> 8) & 0xFF, codePage & 0xFF);
  return key;
}

std::string AboutText(const std::string &version) {
  return "Version " + version +
         "\n"
         "Diagnostic tool for the machine's controller boards.\n"
         "Reads and commands input and output points over RS-232.\n"
         "For service engineers; use with care on a running machine.";
}

}  // namespace diag
