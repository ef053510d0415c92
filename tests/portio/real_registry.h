// The driver's keys in the real registry of the test prefix, read and
// removed with the system's own calls.
#ifndef TESTS_PORTIO_REAL_REGISTRY_H
#define TESTS_PORTIO_REAL_REGISTRY_H

#include <windows.h>

#include <string>

namespace portio_test {

const std::string kServices = "SYSTEM\\CurrentControlSet\\Services\\";
const std::string kNtDriver = kServices + "WinRT";
const std::string kEventLogDriver = kServices + "EventLog\\System\\WinRT";
const std::string kClass = kServices + "Class";
const std::string k95Driver = kClass + "\\WinRT";
const std::string kVxd = kServices + "VxD";

bool KeyExists(const std::string &path);
DWORD ValueCount(const std::string &path);  // ~0 when the key is missing
bool DeleteTree(const std::string &path);

// Leaves no trace of the driver, so reruns in the same prefix behave as the
// first run.
void RemoveDriverKeys();

}  // namespace portio_test

#endif
