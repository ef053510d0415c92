// What the point panels show, taken from the program-wide state and the
// panel's description reader; and the value arrays as row values.
#ifndef DIAG_WINDOWS_PANEL_ROWS_H
#define DIAG_WINDOWS_PANEL_ROWS_H

#include "diag/program_state.h"
#include "diag/read_cnf_file.h"
#include "point_panels.h"

namespace diag {

RowValues ToRowValues(const int (&values)[kTableRows]);
void StoreRowValues(const RowValues &values, int (&target)[kTableRows]);

// Rows of the LED/photo panel: the LED table's count, the row flags, the
// photo entries' active-low flags and the reader's names.
LedPhotoRows LedPhotoRowsOf(const TReadCnfFile &reader);
// Rows of the switch or encoder panel from its table.
NamedRows NamedRowsOf(DescriptionTableIndex table, const TReadCnfFile &reader);

}  // namespace diag

#endif
