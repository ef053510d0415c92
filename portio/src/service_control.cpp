#include "service_control.h"

#include "../platform/system.h"

namespace portio {

bool ControlNamedService(ServiceAction action, const char *name) {
  System &system = ActiveSystem();
  uint32_t error = 0;
  void *manager = system.OpenServiceManager(error);
  if (!manager) {
    ShowWarning(ManagerOpenWarning(action, error));
    return false;
  }
  // A missing name is refused as the service manager refuses a bad one.
  void *service = name ? system.OpenNamedService(manager, name, error) : nullptr;
  if (!service) {
    ShowWarning(ServiceOpenWarning(action, name ? error : error_code::kInvalidName));
    system.CloseServiceHandle(manager);
    return false;
  }
  const bool done = action == ServiceAction::Start ? system.RequestStart(service, error)
                                                   : system.RequestStop(service, error);
  if (!done) ShowWarning(ServiceActionWarning(action, error));
  system.CloseServiceHandle(service);
  system.CloseServiceHandle(manager);
  return done;
}

}  // namespace portio
