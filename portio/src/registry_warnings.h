// The boxes Registry shows, per Windows family.
#ifndef PORTIO_REGISTRY_WARNINGS_H
#define PORTIO_REGISTRY_WARNINGS_H

#include "driver_registry_layout.h"
#include "warning.h"

namespace portio {

struct RegistryWarnings {
  Warning create_driver_key;
  Warning set_driver_value;
  Warning create_vxd_key;      // 95 family only
  Warning new_vxd_key;         // 95 family only
  Warning skip_event_log;      // NT family only
  Warning create_event_log_key;
  Warning set_event_log_value;
  Warning driver_failed;
  Warning first_setup;
  Warning create_device_name_key;
  Warning set_device_name;
  Warning create_section0_key;
  Warning set_section_value;
  Warning create_section1_key;
  Warning device_failed;
};

const RegistryWarnings &WarningsOf(Family family);

}  // namespace portio

#endif
