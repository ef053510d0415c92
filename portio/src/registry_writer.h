// Writing and removing the registry description of the driver and of one of
// its devices.
#ifndef PORTIO_REGISTRY_WRITER_H
#define PORTIO_REGISTRY_WRITER_H

#include "driver_registry_layout.h"

namespace portio {

// True when everything was written and the driver key already existed; each
// failure shows its box, and the device keys are written even after a failure
// in the driver keys.
bool WriteDriverRegistry(Family family, const _REGISTRY &description);

// True when every key of the device was removed. No boxes.
bool RemoveDeviceRegistry(Family family, int device);

}  // namespace portio

#endif
