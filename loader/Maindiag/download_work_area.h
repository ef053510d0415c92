// The working buffer of one download call: the strings VELK2 reads and the
// DownloadBlock pointing at them, all at fixed places, valid until the
// download command returns.
#ifndef LOADER_DOWNLOAD_WORK_AREA_H
#define LOADER_DOWNLOAD_WORK_AREA_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "velk2.h"

namespace loader {

constexpr int32_t kDownloadSpeed = 57600;  // VELK2 always opens the port at this speed

// OpenBlock of the open command: port 1..8, speed always kDownloadSpeed.
OpenBlock MakeOpenBlock(int portNumber);

class DownloadWorkArea {
 public:
  static constexpr std::size_t kScratchSize = 2000;
  static constexpr std::size_t kFpgaPathAt = 2000;
  static constexpr std::size_t kMicroPathAt = 2300;
  static constexpr std::size_t kBootNameAt = 2600;
  static constexpr std::size_t kBlockAt = 2900;
  static constexpr std::size_t kStringField = 300;  // terminator included
  static constexpr std::size_t kSize = kBlockAt + VELK_BLOCK_SIZE;

  // Longest text a string field takes.
  static constexpr std::size_t kLongestString = kStringField - 1;

  DownloadWorkArea() { bytes_.fill(0); }

  // False, leaving the field empty, when the text does not fit with its terminator.
  bool SetFpgaPath(const std::string &path) { return SetString(kFpgaPathAt, path); }
  bool SetMicroPath(const std::string &path) { return SetString(kMicroPathAt, path); }
  bool SetBootName(const std::string &name) { return SetString(kBootNameAt, name); }

  // Writes the three addresses and three flags; every other block byte stays zero.
  void FillBlock(bool verify, bool loadMicro, bool loadFpga);

  uint8_t *Block() { return bytes_.data() + kBlockAt; }
  const uint8_t *Data() const { return bytes_.data(); }

 private:
  bool SetString(std::size_t at, const std::string &text);
  void PutAddress(std::size_t field, std::size_t target);
  std::array<uint8_t, kSize> bytes_;
};

}  // namespace loader

#endif
