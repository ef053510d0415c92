#include "request_parts.h"

#include <algorithm>

#include "diag/messaging.h"

namespace {

int nextRow[kCustomRequest + 1] = {};

int ElementsOfRow(int kind, int row) {
  if (kind != kLedPhotoRequest) return 1;
  return (RowHasLed(row) ? 1 : 0) + (RowHasPhoto(row) ? 1 : 0);
}

}  // namespace

DescriptionTable *RequestTable(int kind) {
  switch (kind) {
    case kLedPhotoRequest: return &DescriptionTables[kLedTable];
    case kSwitchRequest: return &DescriptionTables[kSwitchTable];
    case kEncoderRequest: return &DescriptionTables[kEncoderTable];
    case kCustomRequest: return &DescriptionTables[kCustomTable];
    default: return nullptr;
  }
}

RequestPart NextRequestPart(int kind) {
  RequestPart part;
  const DescriptionTable *table = RequestTable(kind);
  if (!table) return part;
  const int rows = std::min<int>(table->rowCount, kTableRows);
  part.firstRow = nextRow[kind] < rows ? nextRow[kind] : 0;
  int row = part.firstRow;
  for (; row < rows; ++row) {
    const int elements = ElementsOfRow(kind, row);
    if (part.elements + elements > kMaxRequestElements) break;
    part.elements += elements;
    if (kind != kLedPhotoRequest || RowHasPhoto(row)) part.replyRow[part.replyRows++] = static_cast<uint8_t>(row);
  }
  part.endRow = row;
  nextRow[kind] = row < rows ? row : 0;
  return part;
}

void ResetRequestParts() { std::fill(std::begin(nextRow), std::end(nextRow), 0); }
