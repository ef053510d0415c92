#include "diag/read_cnf_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/message_box.h"
#include "request_parts.h"

const char kBadDescription[] = "Bad Description";

namespace {

const char *const kFieldKeywords[] = {"NOD_ID", "ADRESSE", "OPERATION_TYPE", "DATA", "ACTIVE_LOW"};

bool IsValueEnd(char c) { return c == '\0' || c == ' ' || c == '\n' || c == '\r'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Base-16 digits up to the first other character, with an optional "0x"; the
// low 32 bits are kept, and each field keeps the low bits of its width.
uint32_t HexValue(const std::string &text) {
  size_t at = 0;
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) at = 2;
  uint32_t value = 0;
  for (; at < text.size(); ++at) {
    int digit = HexDigit(text[at]);
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  return value;
}

void StoreIntoEntry(DescriptionEntry &entry, EntryField field, uint32_t value) {
  switch (field) {
    case kNodId: entry.node = static_cast<uint8_t>(value); break;
    case kAdresse: entry.address = value; break;
    case kOperationType: entry.operation = static_cast<uint8_t>(value); break;
    case kData: entry.data = static_cast<uint16_t>(value); break;
    case kActiveLow: entry.activeLow = value != 0 ? 1 : 0; break;
    case kNoField: break;
  }
}

// An entry starts empty at its NOD_ID line. A field the file leaves out (the
// optional ACTIVE_LOW) or a refused line then reads 0, not what the same row
// held in the file read before: a stale address and operation type would be
// sent to the machine on every poll, a stale active-low flag would invert a switch.
void StartEntry(DescriptionEntry &entry, uint32_t node) {
  entry = DescriptionEntry{};
  StoreIntoEntry(entry, kNodId, node);
}

void MarkLedOnly(int row) {
  LedOnly[row] = 1;
  PhotoOnly[row] = 0;
}

void MarkPhotoOnly(int row) {
  LedOnly[row] = 0;
  PhotoOnly[row] = 1;
}

void MarkPair(int row) {
  LedOnly[row] = 0;
  PhotoOnly[row] = 0;
}

}  // namespace

TReadCnfFile::TReadCnfFile() : rowNames_{}, prefixes_{"LED_", "PHOTO_", "SWITCH_", "CODEUR_"} {}

const char *TReadCnfFile::RowName(int row) const {
  return row >= 0 && row < kTableRows ? rowNames_[row] : "";
}

SplitTokens TReadCnfFile::SplitLine(const char *line) {
  SplitTokens tokens;
  const char *blank = std::strchr(line, ' ');
  if (!blank) return tokens;
  tokens.key.assign(line, blank);

  const char *name = blank;
  while (*name == ' ') ++name;
  blank = std::strchr(name, ' ');
  if (!blank) return tokens;
  tokens.name.assign(name, std::min<size_t>(blank - name, kRowNameSize - 1));

  const char *value = blank;
  while (*value == ' ') ++value;
  if (value[0] == '0' && value[1] == 'x') value += 2;
  const char *end = value;
  while (!IsValueEnd(*end)) ++end;
  tokens.value.assign(value, end);
  return tokens;
}

KeyClass TReadCnfFile::ClassifyKey(const std::string &key) const {
  KeyClass result;
  if (key.empty() || key[0] == '*') return result;
  std::string rest = key;
  for (int kind = kLedEntry; kind <= kEncoderEntry; ++kind) {
    if (rest.find(prefixes_[kind]) != std::string::npos) {
      result.kind = static_cast<EntryKind>(kind);
      rest.erase(0, std::strlen(prefixes_[kind]));
    }
  }
  for (int field = kNodId; field <= kActiveLow; ++field) {
    if (rest == kFieldKeywords[field]) result.field = static_cast<EntryField>(field);
  }
  return result;
}

void TReadCnfFile::Read(const char *path) {
  DescriptionTable &leds = DescriptionTables[kLedTable];
  std::FILE *file = path ? std::fopen(path, "r") : nullptr;
  if (!file) {
    platform::ShowMessage({"Unable to open file", "FILE I/O ERROR", platform::MessageIcon::Exclamation,
                           platform::MessageOwner::ActiveWindow});
    leds.rowCount = 0;
    return;
  }

  leds.rowCount = 0;
  // Flags are set only when a row closes; clearing them keeps an earlier file's rows out of this one.
  for (int row = 0; row < kTableRows; ++row) MarkPair(row);
  previousKind_ = kNoKind;
  previousField_ = kNoField;
  for (bool &full : tableFull_) full = false;
  for (auto &kind : started_) std::fill(std::begin(kind), std::end(kind), false);

  char line[kLineLength + 1];
  while (std::fgets(line, sizeof line, file)) {
    SplitTokens tokens = SplitLine(line);
    KeyClass key = ClassifyKey(tokens.key);
    StoreField(key, HexValue(tokens.value), tokens.name);
    if (key.kind != kNoKind) previousKind_ = key.kind;
    if (key.field != kNoField) previousField_ = key.field;
  }
  FinishFile();
  std::fclose(file);

  if (tableFull_[kLedEntry] || tableFull_[kSwitchEntry] || tableFull_[kEncoderEntry]) {
    platform::ShowMessage({std::string("Too many points in file\n") + path +
                               "\nOnly the first 20 are used.",
                           "FILE I/O ERROR", platform::MessageIcon::Exclamation,
                           platform::MessageOwner::ActiveWindow});
  }
}

void TReadCnfFile::StoreField(const KeyClass &line, uint32_t value, const std::string &name) {
  if (line.kind == kNoKind || line.field == kNoField) return;
  if (line.kind == kLedEntry || line.kind == kPhotoEntry) {
    StoreLedPhoto(line, value, name);
  } else {
    StoreCounted(line, value, name);
  }
}

bool TReadCnfFile::PreviousEntryComplete() const {
  return previousField_ == kData || previousField_ == kActiveLow;
}

bool TReadCnfFile::Accepts(const KeyClass &line, int row, const std::string &name) const {
  return previousKind_ == line.kind && previousField_ == line.field - 1 && name == rowNames_[row] &&
         std::strcmp(rowNames_[row], kBadDescription) != 0;
}

bool TReadCnfFile::AdvanceLedRow() {
  DescriptionTable &leds = DescriptionTables[kLedTable];
  if (leds.rowCount + 1 >= kTableRows) {
    tableFull_[kLedEntry] = true;
    return false;
  }
  ++leds.rowCount;
  return true;
}

// While reading, the LED table's row count holds the index of the current row.
void TReadCnfFile::StoreLedPhoto(const KeyClass &line, uint32_t value, const std::string &name) {
  if (tableFull_[kLedEntry]) return;
  const int table = line.kind == kLedEntry ? kLedTable : kPhotoTable;
  const bool afterLed = previousKind_ == kLedEntry && PreviousEntryComplete();
  const bool afterPhoto = previousKind_ == kPhotoEntry && PreviousEntryComplete();
  int row = DescriptionTables[kLedTable].rowCount;

  if (line.field != kNodId) {
    if (Accepts(line, row, name)) {
      StoreIntoEntry(DescriptionTables[table].entries[row], line.field, value);
    } else {
      SetName(row, kBadDescription);
    }
    return;
  }

  if (line.kind == kLedEntry) {
    if (afterLed) MarkLedOnly(row);
    if (afterLed || afterPhoto) {
      if (!AdvanceLedRow()) return;
      ++row;
    }
  } else if (afterLed && name == rowNames_[row]) {
    MarkPair(row);
  } else if (afterLed || afterPhoto) {
    if (afterLed) MarkLedOnly(row);
    if (!AdvanceLedRow()) return;
    MarkPhotoOnly(++row);
  } else if (previousKind_ != kPhotoEntry) {
    // A photo entry that follows no complete LED of its row has no LED.
    MarkPhotoOnly(row);
  }
  StartEntry(DescriptionTables[table].entries[row], value);
  started_[line.kind][row] = true;
  SetName(row, name);
}

// Switch and encoder entries: the row count is the row being filled, and a row
// counts once its DATA line is accepted.
void TReadCnfFile::StoreCounted(const KeyClass &line, uint32_t value, const std::string &name) {
  if (tableFull_[line.kind]) return;
  DescriptionTable &table = DescriptionTables[line.kind == kSwitchEntry ? kSwitchTable : kEncoderTable];
  const int row = table.rowCount;

  if (line.field == kActiveLow) {
    // Refers to the row just counted; encoders have no active-low flag.
    if (line.kind == kEncoderEntry || row == 0) return;
    const int counted = std::min(row, kTableRows) - 1;
    if (previousKind_ == kSwitchEntry && previousField_ == kData && name == rowNames_[counted] &&
        std::strcmp(rowNames_[counted], kBadDescription) != 0) {
      StoreIntoEntry(table.entries[counted], kActiveLow, value);
    } else {
      SetName(counted, kBadDescription);
    }
    return;
  }

  if (row >= kTableRows) {
    if (line.field == kNodId) tableFull_[line.kind] = true;
    return;
  }
  if (line.field == kNodId) {
    StartEntry(table.entries[row], value);
    SetName(row, name);
  } else if (Accepts(line, row, name)) {
    StoreIntoEntry(table.entries[row], line.field, value);
    if (line.field == kData) ++table.rowCount;
  } else {
    SetName(row, kBadDescription);
  }
}

void TReadCnfFile::FinishFile() {
  DescriptionTable &leds = DescriptionTables[kLedTable];
  if (tableFull_[kLedEntry]) {
    leds.rowCount = kTableRows;
  } else {
    // A last LED row has no photo sensor, complete or not.
    if (previousKind_ == kLedEntry) MarkLedOnly(leds.rowCount);
    if (previousKind_ == kLedEntry || previousKind_ == kPhotoEntry) ++leds.rowCount;
  }
  ClearEntriesNotStarted();
}

// A row can count a LED or a photo sensor whose NOD_ID line never came (a
// misspelt key): that entry still holds the point of an earlier file, which
// would be polled, and written to, as if it were this row's. It reads 0 instead.
void TReadCnfFile::ClearEntriesNotStarted() {
  const int rows = std::min<int>(DescriptionTables[kLedTable].rowCount, kTableRows);
  for (int row = 0; row < rows; ++row) {
    if (RowHasLed(row) && !started_[kLedEntry][row]) DescriptionTables[kLedTable].entries[row] = DescriptionEntry{};
    if (RowHasPhoto(row) && !started_[kPhotoEntry][row]) {
      DescriptionTables[kPhotoTable].entries[row] = DescriptionEntry{};
    }
  }
}

void TReadCnfFile::SetName(int row, const std::string &name) {
  std::snprintf(rowNames_[row], kRowNameSize, "%s", name.c_str());
}
