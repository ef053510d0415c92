// The library's rule code names the system's numbers itself; here they are
// held against the system headers.
#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "platform/machine_registry.h"
#include "platform/system.h"
#include "portio/portio.h"
#include "src/device_request.h"
#include "src/service_warnings.h"

namespace {

namespace code = portio::error_code;

static_assert(portio::kDriverRequestCode == static_cast<DWORD>(
              CTL_CODE(0x9C4A, 0xA00, METHOD_BUFFERED, FILE_ANY_ACCESS)));
static_assert(portio::kMethodBuffered == METHOD_BUFFERED && portio::kFileAnyAccess == FILE_ANY_ACCESS);
static_assert(portio::kShareReadWrite == (FILE_SHARE_READ | FILE_SHARE_WRITE));
static_assert(portio::kOpenExisting == OPEN_EXISTING);
static_assert(portio::kPlatformWindows95 == VER_PLATFORM_WIN32_WINDOWS);
static_assert(portio::kPlatformWindowsNt == VER_PLATFORM_WIN32_NT);
static_assert(static_cast<DWORD>(portio::RegistryType::String) == REG_SZ);
static_assert(static_cast<DWORD>(portio::RegistryType::ExpandString) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(portio::RegistryType::Dword) == REG_DWORD);

static_assert(code::kPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(code::kAccessDenied == ERROR_ACCESS_DENIED);
static_assert(code::kInvalidHandle == ERROR_INVALID_HANDLE);
static_assert(code::kInvalidParameter == ERROR_INVALID_PARAMETER);
static_assert(code::kInvalidName == ERROR_INVALID_NAME);
static_assert(code::kDependentServicesRunning == ERROR_DEPENDENT_SERVICES_RUNNING);
static_assert(code::kInvalidServiceControl == ERROR_INVALID_SERVICE_CONTROL);
static_assert(code::kServiceRequestTimeout == ERROR_SERVICE_REQUEST_TIMEOUT);
static_assert(code::kServiceNoThread == ERROR_SERVICE_NO_THREAD);
static_assert(code::kServiceDatabaseLocked == ERROR_SERVICE_DATABASE_LOCKED);
static_assert(code::kServiceAlreadyRunning == ERROR_SERVICE_ALREADY_RUNNING);
static_assert(code::kServiceDisabled == ERROR_SERVICE_DISABLED);
static_assert(code::kServiceDoesNotExist == ERROR_SERVICE_DOES_NOT_EXIST);
static_assert(code::kServiceCannotAcceptControl == ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
static_assert(code::kServiceNotActive == ERROR_SERVICE_NOT_ACTIVE);
static_assert(code::kDatabaseDoesNotExist == ERROR_DATABASE_DOES_NOT_EXIST);
static_assert(code::kServiceDependencyFail == ERROR_SERVICE_DEPENDENCY_FAIL);
static_assert(code::kServiceLogonFailed == ERROR_SERVICE_LOGON_FAILED);
static_assert(code::kServiceMarkedForDelete == ERROR_SERVICE_MARKED_FOR_DELETE);
static_assert(code::kServiceDependencyDeleted == ERROR_SERVICE_DEPENDENCY_DELETED);

TEST(Win32Constants, InvalidHandleIsTheSystems) {
  EXPECT_EQ(PORTIO_INVALID_HANDLE, INVALID_HANDLE_VALUE);
  EXPECT_EQ(portio::InvalidHandle(), INVALID_HANDLE_VALUE);
}

}  // namespace
