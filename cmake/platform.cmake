# One platform folder per build: win32 when cross-compiling for Windows, posix otherwise.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  set(ML_WINDOWS ON)
  set(ML_PLATFORM win32)
else()
  set(ML_WINDOWS OFF)
  set(ML_PLATFORM posix)
endif()
