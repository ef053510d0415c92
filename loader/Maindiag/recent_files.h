// The recent-file table of the main form and its place in the registry.
#ifndef LOADER_RECENT_FILES_H
#define LOADER_RECENT_FILES_H

#include <array>
#include <string>

#include "platform/registry.h"
#include "recent_list.h"

namespace loader {

extern const char kConfigKeyPath[];     // under the current user's hive
extern const char kPortIndexValue[];    // "INDEX_COM_USE"
extern const char kSpeedIndexValue[];   // "LAST_SPEED_USE"
extern const char kFpgaDirectoryValue[];// "asDirMcs"

enum class FileKind { Microcontroller, Fpga };

// "VLK_H86_1".."VLK_H86_5" or "VLK_MCS_1".."VLK_MCS_5"; index 0 is the most recent.
std::string RecentValueName(FileKind kind, int index);

// Slots 0-4 microcontroller list, 5-9 FPGA list, 10 port index text, 11 speed index text.
class RecentFileTable {
 public:
  static constexpr int kSlotCount = 12;
  static constexpr int kPortSlot = 10;
  static constexpr int kSpeedSlot = 11;

  RecentList List(FileKind kind) const;
  void SetList(FileKind kind, const RecentList &list);
  const std::string &Slot(int index) const { return slots_.at(index); }

  // A missing value reads as empty text.
  void LoadLists(platform::RegistryKey &key);
  void LoadAll(platform::RegistryKey &key);
  // Writes the non-empty slots of one list; the others are left as they are.
  void SaveList(platform::RegistryKey &key, FileKind kind) const;

 private:
  static int First(FileKind kind) { return kind == FileKind::Microcontroller ? 0 : kRecentPerKind; }
  std::array<std::string, kSlotCount> slots_;
};

enum class IndexText { Empty, Valid, Invalid };

// Reads the stored index of a list of `count` entries: decimal digits with an
// optional sign; a number outside 0..count-1 is Invalid like any other junk.
IndexText ParseStoredIndex(const std::string &text, int count, int &index);

}  // namespace loader

#endif
