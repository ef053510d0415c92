#include "family.h"

#include "../platform/system.h"

namespace portio {

Family FamilyOf(uint32_t platform_id) {
  return platform_id == kPlatformWindows95 ? Family::Windows95 : Family::WindowsNt;
}

Family RunningFamily() { return FamilyOf(ActiveSystem().PlatformId()); }

}  // namespace portio
