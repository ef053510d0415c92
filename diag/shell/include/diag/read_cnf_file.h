// Reader of the point description files: turns a file into rows of the
// program-wide description tables and keeps the display name of every row.
#ifndef DIAG_READ_CNF_FILE_H
#define DIAG_READ_CNF_FILE_H

#include <string>

#include "diag/program_state.h"

constexpr int kRowNameSize = 200;   // 199 characters and the terminator
constexpr int kLineLength = 254;    // a longer line is read as several lines
extern const char kBadDescription[];  // "Bad Description"

enum EntryKind { kNoKind = -1, kLedEntry = 0, kPhotoEntry = 1, kSwitchEntry = 2, kEncoderEntry = 3 };
enum EntryField { kNoField = -1, kNodId = 0, kAdresse = 1, kOperationType = 2, kData = 3, kActiveLow = 4 };

// The three tokens of a line. Names longer than 199 characters are cut to 199,
// so every comparison sees the name exactly as it is stored.
struct SplitTokens {
  std::string key;
  std::string name;
  std::string value;  // "0x" already dropped
};

struct KeyClass {
  EntryKind kind = kNoKind;
  EntryField field = kNoField;
};

class TReadCnfFile {
 public:
  TReadCnfFile();

  // Reads the file into the tables and the row names. Sets the LED table's
  // row count (0 when the file cannot be opened, after the "Unable to open
  // file" box), LedOnly and PhotoOnly (cleared first for all 20 rows); the
  // switch and encoder row counts grow by the entries found (the panel sets
  // them to 0 beforehand). Never writes past 20 rows: further entries are
  // ignored and the user is told once, in a box naming the file.
  void Read(const char *path);

  // Display name of row 0..19 (empty for a row never named); "" outside.
  const char *RowName(int row) const;

  static SplitTokens SplitLine(const char *line);
  KeyClass ClassifyKey(const std::string &key) const;

 private:
  void StoreField(const KeyClass &line, uint32_t value, const std::string &name);
  void StoreLedPhoto(const KeyClass &line, uint32_t value, const std::string &name);
  void StoreCounted(const KeyClass &line, uint32_t value, const std::string &name);
  bool Accepts(const KeyClass &line, int row, const std::string &name) const;
  bool PreviousEntryComplete() const;
  bool AdvanceLedRow();
  void FinishFile();
  void ClearEntriesNotStarted();
  void SetName(int row, const std::string &name);

  char rowNames_[kTableRows][kRowNameSize];
  const char *prefixes_[4];

  // State of the read in progress.
  EntryKind previousKind_ = kNoKind;
  EntryField previousField_ = kNoField;
  bool tableFull_[kEncoderEntry + 1] = {};  // LED and photo rows share the LED slot
  bool started_[kPhotoEntry + 1][kTableRows] = {};  // LED and photo entries begun at a NOD_ID line
};

#endif
