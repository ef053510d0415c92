#include "service_warnings.h"

namespace portio {

namespace {

struct ErrorText {
  uint32_t error;
  const char *text;
};

template <std::size_t N>
const char *TextOf(const ErrorText (&table)[N], uint32_t error, const char *otherwise) {
  for (const ErrorText &entry : table) {
    if (entry.error == error) return entry.text;
  }
  return otherwise;
}

const char *CaptionOf(ServiceAction action) {
  return action == ServiceAction::Start ? "WinNT Load Driver Error" : "WinNT Unload Driver Error";
}

using namespace error_code;

const ErrorText kManagerOpenTexts[] = {
    {kAccessDenied, "ERROR_ACCESS_DENIED (OM)."},
    {kInvalidParameter, "ERROR_INVALID_PARAMETER (OM)."},
    {kDatabaseDoesNotExist, "ERROR_DATABASE_DOES_NOT_EXIST (OM)."},
};

const ErrorText kServiceOpenTexts[] = {
    {kAccessDenied, "ERROR_ACCESS_DENIED (OS)"},
    {kInvalidHandle, "ERROR_INVALID_HANDLE (OS)"},
    {kInvalidName, "ERROR_INVALID_NAME (OS)"},
    {kServiceDoesNotExist, "ERROR_SERVICE_DOES_NOT_EXIST (OS)"},
};

const ErrorText kStartTexts[] = {
    {kPathNotFound, "ERROR_PATH_NOT_FOUND (SS)"},
    {kAccessDenied, "ERROR_ACCESS_DENIED (SS)"},
    {kInvalidHandle, "ERROR_INVALID_HANDLE (SS)"},
    {kServiceRequestTimeout, "ERROR_SERVICE_REQUEST_TIMEOUT (SS)"},
    {kServiceNoThread, "ERROR_SERVICE_NO_THREAD (SS)"},
    {kServiceDatabaseLocked, "ERROR_SERVICE_DATABASE_LOCKED (SS)"},
    {kServiceAlreadyRunning, "The WinRT driver is already running."},
    {kServiceDisabled, "ERROR_SERVICE_DISABLED (SS)"},
    {kServiceDependencyFail, "ERROR_SERVICE_DEPENDENCY_FAIL (SS)"},
    {kServiceLogonFailed, "ERROR_SERVICE_LOGON_FAILED (SS)"},
    {kServiceMarkedForDelete, "ERROR_SERVICE_MARKED_FOR_DELETE (SS)"},
    {kServiceDependencyDeleted, "ERROR_SERVICE_DEPENDENCY_DELETED (SS)"},
};

const ErrorText kStopTexts[] = {
    {kAccessDenied, "ERROR_ACCESS_DENIED (CS)"},
    {kInvalidHandle, "ERROR_INVALID_HANDLE (CS)"},
    {kServiceRequestTimeout, "ERROR_SERVICE_REQUEST_TIMEOUT (CS)"},
    {kDependentServicesRunning, "ERROR_DEPENDENT_SERVICES_RUNNING (CS)"},
    {kInvalidServiceControl, "ERROR_INVALID_SERVICE_CONTROL (CS)"},
    {kServiceCannotAcceptControl, "The WinRT Driver is already stopped"},
    {kServiceNotActive, "ERROR_SERVICE_NOT_ACTIVE (CS)"},
};

}  // namespace

Warning ManagerOpenWarning(ServiceAction action, uint32_t error) {
  return {TextOf(kManagerOpenTexts, error, "Open Service Manager error"), CaptionOf(action)};
}

Warning ServiceOpenWarning(ServiceAction action, uint32_t error) {
  return {TextOf(kServiceOpenTexts, error, "Service Manager Open error"), CaptionOf(action)};
}

Warning ServiceActionWarning(ServiceAction action, uint32_t error) {
  if (action == ServiceAction::Start)
    return {TextOf(kStartTexts, error, "Error starting Driver"), CaptionOf(action)};
  return {TextOf(kStopTexts, error, "Driver Stop Failed"), CaptionOf(action)};
}

}  // namespace portio
