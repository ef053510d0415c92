#include "download_work_area.h"

#include <cstring>

namespace loader {

OpenBlock MakeOpenBlock(int portNumber) {
  OpenBlock block;
  block.port = portNumber;
  block.speed = kDownloadSpeed;
  return block;
}

bool DownloadWorkArea::SetString(std::size_t at, const std::string &text) {
  std::memset(bytes_.data() + at, 0, kStringField);
  if (text.size() > kLongestString) return false;
  std::memcpy(bytes_.data() + at, text.data(), text.size());
  return true;
}

// Addresses are 32-bit in the block: exact on the 32-bit Windows build; the
// native build keeps the low half, enough for the layout tests.
void DownloadWorkArea::PutAddress(std::size_t field, std::size_t target) {
  const uint32_t address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(bytes_.data() + target));
  uint8_t *place = Block() + field;
  for (int i = 0; i < 4; ++i) place[i] = static_cast<uint8_t>(address >> (8 * i));
}

void DownloadWorkArea::FillBlock(bool verify, bool loadMicro, bool loadFpga) {
  PutAddress(VELK_BLOCK_BOOT_NAME, kBootNameAt);
  PutAddress(VELK_BLOCK_MICRO_PATH, kMicroPathAt);
  PutAddress(VELK_BLOCK_FPGA_PATH, kFpgaPathAt);
  Block()[VELK_BLOCK_VERIFY] = verify ? 1 : 0;
  Block()[VELK_BLOCK_LOAD_MICRO] = loadMicro ? 1 : 0;
  Block()[VELK_BLOCK_LOAD_FPGA] = loadFpga ? 1 : 0;
}

}  // namespace loader
