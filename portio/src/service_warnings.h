// The boxes of starting and stopping a service, chosen by the system error.
#ifndef PORTIO_SERVICE_WARNINGS_H
#define PORTIO_SERVICE_WARNINGS_H

#include <cstdint>

#include "warning.h"

namespace portio {

// System error codes the service manager reports.
namespace error_code {
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kInvalidHandle = 6;
constexpr uint32_t kInvalidParameter = 87;
constexpr uint32_t kInvalidName = 123;
constexpr uint32_t kDependentServicesRunning = 1051;
constexpr uint32_t kInvalidServiceControl = 1052;
constexpr uint32_t kServiceRequestTimeout = 1053;
constexpr uint32_t kServiceNoThread = 1054;
constexpr uint32_t kServiceDatabaseLocked = 1055;
constexpr uint32_t kServiceAlreadyRunning = 1056;
constexpr uint32_t kServiceDisabled = 1058;
constexpr uint32_t kServiceDoesNotExist = 1060;
constexpr uint32_t kServiceCannotAcceptControl = 1061;
constexpr uint32_t kServiceNotActive = 1062;
constexpr uint32_t kDatabaseDoesNotExist = 1065;
constexpr uint32_t kServiceDependencyFail = 1068;
constexpr uint32_t kServiceLogonFailed = 1069;
constexpr uint32_t kServiceMarkedForDelete = 1072;
constexpr uint32_t kServiceDependencyDeleted = 1075;
}  // namespace error_code

enum class ServiceAction { Start, Stop };

Warning ManagerOpenWarning(ServiceAction action, uint32_t error);
Warning ServiceOpenWarning(ServiceAction action, uint32_t error);
Warning ServiceActionWarning(ServiceAction action, uint32_t error);

}  // namespace portio

#endif
