// Entry of com.dll: the load step runs when the library is attached to a process,
// and at no other notification (threads starting or ending, detach).
#include <windows.h>

#include "link.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) com::LoadTimeStep();
  return TRUE;
}
