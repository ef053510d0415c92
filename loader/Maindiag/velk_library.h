// Seam over the outside download library, so the download sequence is tested
// against a recorder instead of VELK2.dll.
#ifndef LOADER_VELK_LIBRARY_H
#define LOADER_VELK_LIBRARY_H

#include <cstdint>

#include "velk2.h"

namespace loader {

class VelkLibrary {
 public:
  virtual ~VelkLibrary() = default;
  virtual int32_t Velk(VELKCOM command, void *block, void *window) = 0;
  virtual void SetNumeroUnique(int32_t number) = 0;
};

}  // namespace loader

#endif
