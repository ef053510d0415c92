// Entry of the diagnostic program; it takes no command-line arguments of its own.
#include <windows.h>

#include "diag_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  TDiag application(instance, showCommand);
  return application.Run();
}
