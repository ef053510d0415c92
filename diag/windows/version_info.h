// File version of a module, as its version resource states it.
#ifndef DIAG_WINDOWS_VERSION_INFO_H
#define DIAG_WINDOWS_VERSION_INFO_H

#include <string>

// The FileVersion string under the first translation; empty without version information.
std::string GetFileVersionText(const char *fileName);

#endif
