#include "panel_rows.h"

#include <algorithm>
#include <iterator>

namespace diag {

RowValues ToRowValues(const int (&values)[kTableRows]) {
  RowValues copy{};
  std::copy(std::begin(values), std::end(values), copy.begin());
  return copy;
}

void StoreRowValues(const RowValues &values, int (&target)[kTableRows]) {
  std::copy(values.begin(), values.end(), std::begin(target));
}

LedPhotoRows LedPhotoRowsOf(const TReadCnfFile &reader) {
  LedPhotoRows rows;
  rows.count = BoundedRowCount(DescriptionTables[kLedTable].rowCount);
  for (int row = 0; row < kMaxRows; ++row) {
    rows.ledOnly[row] = LedOnly[row] != 0;
    rows.photoOnly[row] = PhotoOnly[row] != 0;
    rows.photoActiveLow[row] = DescriptionTables[kPhotoTable].entries[row].activeLow != 0;
    rows.names[row] = reader.RowName(row);
  }
  return rows;
}

NamedRows NamedRowsOf(DescriptionTableIndex table, const TReadCnfFile &reader) {
  NamedRows rows;
  rows.count = BoundedRowCount(DescriptionTables[table].rowCount);
  for (int row = 0; row < kMaxRows; ++row) {
    rows.activeLow[row] = DescriptionTables[table].entries[row].activeLow != 0;
    rows.names[row] = reader.RowName(row);
  }
  return rows;
}

}  // namespace diag
