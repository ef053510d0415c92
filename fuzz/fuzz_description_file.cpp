// Reads any text as a point description file, for each kind of panel.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

#include "diag/program_state.h"
#include "diag/read_cnf_file.h"
#include "platform/message_box.h"

namespace {

class SilentBoxes : public platform::MessageBoxes {
 public:
  void Show(const platform::MessageBoxRequest &) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static SilentBoxes boxes;
  static const std::string path = "/tmp/fuzz_description_file." + std::to_string(getpid()) + ".txt";
  platform::SetMessageBoxes(&boxes);
  std::FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  for (DescriptionTable &table : DescriptionTables) table.rowCount = 0;
  TReadCnfFile reader;
  reader.Read(path.c_str());
  if (DescriptionTables[kLedTable].rowCount > kTableRows || DescriptionTables[kSwitchTable].rowCount > kTableRows ||
      DescriptionTables[kEncoderTable].rowCount > kTableRows) {
    __builtin_trap();
  }
  // Every row name stays terminated within its 200 characters, however long the file's names.
  for (int row = 0; row < kTableRows; ++row) {
    if (std::memchr(reader.RowName(row), '\0', kRowNameSize) == nullptr) __builtin_trap();
  }
  std::remove(path.c_str());
  return 0;
}
