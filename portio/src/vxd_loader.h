// Loading and unloading the driver's virtual devices on the Windows 95 family.
#ifndef PORTIO_VXD_LOADER_H
#define PORTIO_VXD_LOADER_H

namespace portio {

// Loads every registered device 0..9; the result is the last one's. Without
// any registered device: a box and false.
bool LoadRegisteredVxds();
// Unloads every registered device 0..9; true when all succeeded (or none).
bool UnloadRegisteredVxds();

}  // namespace portio

#endif
