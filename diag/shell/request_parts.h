// Which rows of a description table one request carries, and which rows the
// values of its reply belong to.
#ifndef DIAG_SHELL_REQUEST_PARTS_H
#define DIAG_SHELL_REQUEST_PARTS_H

#include <cstdint>

#include "diag/program_state.h"

struct RequestPart {
  int firstRow = 0;
  int endRow = 0;      // one past the last row carried
  int elements = 0;    // top-list count, at most kMaxRequestElements
  int replyRows = 0;   // how many reply values the part expects
  uint8_t replyRow[kTableRows] = {};  // row of reply value k, in item order
};

// Rows of a LED/photo row: a row with neither flag holds both.
inline bool RowHasLed(int row) { return LedOnly[row] != 0 || PhotoOnly[row] == 0; }
inline bool RowHasPhoto(int row) { return PhotoOnly[row] != 0 || LedOnly[row] == 0; }

// Table whose rows a request kind carries (the LED table for kind 0), or null.
DescriptionTable *RequestTable(int kind);

// The next part of the kind's table, starting where the previous part ended
// (back at row 0 after the last); a table that fits one request is one part.
RequestPart NextRequestPart(int kind);

void ResetRequestParts();

#endif
