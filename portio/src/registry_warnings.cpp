#include "registry_warnings.h"

namespace portio {

namespace {

constexpr char kNtCaption[] = "Erreur Registry NT";
constexpr char k95Caption[] = "Erreur Registry 95";

const RegistryWarnings kNtWarnings = {
    {"Registry Error upon Create the WinRT Key", kNtCaption},
    {"Registry Error upon Set Value for WinRT key values", kNtCaption},
    {"", kNtCaption},
    {"", kNtCaption},
    {"Skipping log entry", kNtCaption},
    {"Registry Error upon Create EventLog WinRT Key", kNtCaption},
    {"Registry Error upon Set Value in EventLog WinRT key", kNtCaption},
    {"Failed writing Driver registry data", kNtCaption},
    {"This is the initial WinRT driver setup.\n"
     "You must shut-down & re-boot for these changes to take affect",
     kNtCaption},
    {"Registry Error Creating Device Name", k95Caption},
    {"Registry error, Device Name", k95Caption},
    {"Registry Error Creating Section0 Key for device", kNtCaption},
    {"Registry error upon Set Value for device", kNtCaption},
    {"Registry Error Creating Section0 Key for device", kNtCaption},
    {"Failed writing Device registry data", kNtCaption},
};

const RegistryWarnings k95Warnings = {
    {"Registry Error", k95Caption},
    {"Registry Error", k95Caption},
    {"Registry Error", k95Caption},
    {"Possibly corrupt Registry", k95Caption},
    {"", k95Caption},
    {"", k95Caption},
    {"", k95Caption},
    {"Failed writing Driver registry data", k95Caption},
    {"This is the initial WinRT driver setup. "
     "You must shut-down & re-boot for these changes to take affect",
     k95Caption},
    {"Registry Error Creating Device Name", k95Caption},
    {"Registry error, Device Name", k95Caption},
    {"Registry Error Creating Section0", k95Caption},
    {"Registry error", k95Caption},
    {"Registry Error Creating Section0", k95Caption},
    {"Failed writing Device registry data", k95Caption},
};

}  // namespace

const RegistryWarnings &WarningsOf(Family family) {
  return family == Family::WindowsNt ? kNtWarnings : k95Warnings;
}

}  // namespace portio
