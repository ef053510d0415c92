// Starting and stopping a service through the service control manager.
#ifndef PORTIO_SERVICE_CONTROL_H
#define PORTIO_SERVICE_CONTROL_H

#include "service_warnings.h"

namespace portio {

constexpr char kDriverServiceName[] = "WinRT";

// True when the service was started (Start) or the stop request accepted
// (Stop); each failure shows its box.
bool ControlNamedService(ServiceAction action, const char *name);

}  // namespace portio

#endif
