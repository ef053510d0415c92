// Which Windows family the library runs on.
#ifndef PORTIO_FAMILY_H
#define PORTIO_FAMILY_H

#include <cstdint>

#include "driver_registry_layout.h"

namespace portio {

// Only platform identifier 1 is the Windows 95 family; every other one
// (NT, and anything newer or unknown) takes the NT way, which fails with its
// own boxes where no service manager exists.
Family FamilyOf(uint32_t platform_id);
Family RunningFamily();

}  // namespace portio

#endif
