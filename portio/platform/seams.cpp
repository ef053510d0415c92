#include "machine_registry.h"
#include "system.h"

namespace portio {

namespace {
System *active_system = nullptr;
MachineRegistry *active_registry = nullptr;
}  // namespace

System &ActiveSystem() { return active_system ? *active_system : PlatformSystem(); }
void SetSystem(System *system) { active_system = system; }

MachineRegistry &ActiveMachineRegistry() {
  return active_registry ? *active_registry : PlatformMachineRegistry();
}
void SetMachineRegistry(MachineRegistry *registry) { active_registry = registry; }

}  // namespace portio
