#include "recent_files.h"

#include <cctype>

namespace loader {

const char kConfigKeyPath[] = "Software\\Vardo\\VelkKT\\2.1\\config";
const char kPortIndexValue[] = "INDEX_COM_USE";
const char kSpeedIndexValue[] = "LAST_SPEED_USE";
const char kFpgaDirectoryValue[] = "asDirMcs";

std::string RecentValueName(FileKind kind, int index) {
  return std::string(kind == FileKind::Microcontroller ? "VLK_H86_" : "VLK_MCS_") + std::to_string(index + 1);
}

RecentList RecentFileTable::List(FileKind kind) const {
  RecentList list;
  for (int i = 0; i < kRecentPerKind; ++i) list[i] = slots_[First(kind) + i];
  return list;
}

void RecentFileTable::SetList(FileKind kind, const RecentList &list) {
  for (int i = 0; i < kRecentPerKind; ++i) slots_[First(kind) + i] = list[i];
}

namespace {

std::string ReadOrEmpty(platform::RegistryKey &key, const std::string &name) {
  std::string value;
  return key.ReadString(name, value) ? value : std::string();
}

}  // namespace

void RecentFileTable::LoadLists(platform::RegistryKey &key) {
  for (FileKind kind : {FileKind::Microcontroller, FileKind::Fpga}) {
    for (int i = 0; i < kRecentPerKind; ++i) slots_[First(kind) + i] = ReadOrEmpty(key, RecentValueName(kind, i));
  }
}

void RecentFileTable::LoadAll(platform::RegistryKey &key) {
  LoadLists(key);
  slots_[kSpeedSlot] = ReadOrEmpty(key, kSpeedIndexValue);
  slots_[kPortSlot] = ReadOrEmpty(key, kPortIndexValue);
}

void RecentFileTable::SaveList(platform::RegistryKey &key, FileKind kind) const {
  for (int i = 0; i < kRecentPerKind; ++i) {
    const std::string &path = slots_[First(kind) + i];
    if (!path.empty()) key.WriteString(RecentValueName(kind, i), path);
  }
}

IndexText ParseStoredIndex(const std::string &text, int count, int &index) {
  if (text.empty()) return IndexText::Empty;
  std::size_t at = 0;
  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    at = 1;
  }
  if (at == text.size()) return IndexText::Invalid;
  long value = 0;
  for (; at < text.size(); ++at) {
    if (!std::isdigit(static_cast<unsigned char>(text[at]))) return IndexText::Invalid;
    value = value * 10 + (text[at] - '0');
    if (value > count) return IndexText::Invalid;
  }
  if (negative) value = -value;
  if (value < 0 || value >= count) return IndexText::Invalid;
  index = static_cast<int>(value);
  return IndexText::Valid;
}

}  // namespace loader
