// What a block received while waiting for the board's answer to S127F3 means.
#ifndef LOADER_SECS_ANSWER_H
#define LOADER_SECS_ANSWER_H

#include <cstddef>
#include <cstdint>

namespace loader {

enum class SecsAnswer {
  Ignore,                 // another message: keep waiting
  DownloadWithoutNumber,  // S9F3 or S9F5: the firmware does not know the request
  DownloadWithNumber,     // S127F4 holding a list whose first element is a U4
  BadNumber,              // S127F4 without that list: no number to download with
  Refused,                // any other S127 function: no download
};

// `block` is a received block (length byte, header, items) of `size` bytes.
SecsAnswer ClassifyAnswer(const uint8_t *block, std::size_t size);

// Link speed of a ComboBox3 entry: 9600, 19200, 57600; any other index 9600.
int32_t SpeedForIndex(int index);

}  // namespace loader

#endif
