// STAND-IN for the outside download library VELK2. It downloads nothing: it
// opens and releases the COM port the way the real library would, checks the
// files a download names (existence, Intel-hex records and checksums), and
// appends one line per call to velk2-standin.log beside the DLL so tests can
// read what the board loader asked for.
//
// Environment: VELK2_STANDIN_HELD_PORTS="3,5" makes those ports count as held
// by another program (Wine does not enforce exclusive opens).
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "intel_hex.h"
#include "velk2.h"

namespace {

HMODULE self = nullptr;
HANDLE port = INVALID_HANDLE_VALUE;
int32_t uniqueNumber = -1;

std::string LogPath() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(self, path, sizeof(path));
  std::string name(path, length < sizeof(path) ? length : 0);
  const auto slash = name.find_last_of("\\/");
  return (slash == std::string::npos ? std::string() : name.substr(0, slash + 1)) + "velk2-standin.log";
}

void Log(const std::string &line) {
  std::ofstream log(LogPath(), std::ios::app);
  log << line << "\n";
}

bool HeldByAnotherProgram(int32_t number) {
  const char *held = std::getenv("VELK2_STANDIN_HELD_PORTS");
  if (!held) return false;
  std::stringstream list(held);
  std::string item;
  while (std::getline(list, item, ',')) {
    if (std::atoi(item.c_str()) == number) return true;
  }
  return false;
}

void ReleasePort() {
  if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
  port = INVALID_HANDLE_VALUE;
}

int32_t OpenPort(const OpenBlock &block, std::string &detail) {
  ReleasePort();
  if (block.port < 1 || block.port > 255) {
    detail += " error=bad port number";
    return -1;
  }
  if (HeldByAnotherProgram(block.port)) {
    detail += " error=port held by another program";
    return -1;
  }
  // The \\.\ prefix reaches ports above COM9 as well as the first nine.
  const std::string name = "\\\\.\\COM" + std::to_string(block.port);
  port = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    detail += " error=cannot open " + name.substr(4) + " (" + std::to_string(GetLastError()) + ")";
    return -1;
  }
  // A port is usable once it takes its settings; Wine hands out handles for
  // COM names whose device is missing, and they fail here.
  DCB settings{};
  settings.DCBlength = sizeof(settings);
  bool configured = GetCommState(port, &settings) != 0;
  if (configured) {
    settings.BaudRate = static_cast<DWORD>(block.speed);
    settings.ByteSize = 8;
    settings.Parity = NOPARITY;
    settings.StopBits = ONESTOPBIT;
    configured = SetCommState(port, &settings) != 0;
  }
  if (!configured) {
    detail += " error=cannot open " + name.substr(4) + " (" + std::to_string(GetLastError()) + ")";
    ReleasePort();
    return -1;
  }
  return 0;
}

std::string StringAt(const uint8_t *block, int field) {
  uint32_t address = 0;
  std::memcpy(&address, block + field, sizeof(address));
  const char *text = reinterpret_cast<const char *>(static_cast<uintptr_t>(address));
  if (!text) return std::string();
  return std::string(text, strnlen(text, 300));
}

bool CheckFile(const std::string &path, std::string &detail) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    detail += " error=" + path + ": missing";
    return false;
  }
  const velk2::HexCheck check = velk2::CheckIntelHex(file);
  if (!check.valid) {
    detail += " error=" + path + ": " + check.error;
    return false;
  }
  detail += " checked=" + path + "(" + std::to_string(check.records) + " records)";
  return true;
}

int32_t Download(const uint8_t *block, std::string &detail) {
  const std::string boot = StringAt(block, VELK_BLOCK_BOOT_NAME);
  const std::string micro = StringAt(block, VELK_BLOCK_MICRO_PATH);
  const std::string fpga = StringAt(block, VELK_BLOCK_FPGA_PATH);
  const int loadMicro = block[VELK_BLOCK_LOAD_MICRO];
  const int loadFpga = block[VELK_BLOCK_LOAD_FPGA];
  detail = " boot=" + boot + " micro=" + micro + " load_micro=" + std::to_string(loadMicro) + " fpga=" + fpga +
           " load_fpga=" + std::to_string(loadFpga) + " verify=" + std::to_string(block[VELK_BLOCK_VERIFY]);
  if (port == INVALID_HANDLE_VALUE) {
    detail += " error=port not open";
    return -1;
  }
  bool ok = CheckFile(boot, detail);
  if (ok && loadMicro) ok = CheckFile(micro, detail);
  if (ok && loadFpga) ok = CheckFile(fpga, detail);
  return ok ? 0 : -1;
}

}  // namespace

extern "C" int32_t VELK_CALL Velk(VELKCOM command, void *block, void *) {
  std::string detail;
  int32_t result = -1;
  try {
    if (command == VELK_OPEN && block) {
      const OpenBlock &open = *static_cast<const OpenBlock *>(block);
      detail = " port=" + std::to_string(open.port) + " speed=" + std::to_string(open.speed);
      result = OpenPort(open, detail);
    } else if (command == VELK_DOWNLOAD && block) {
      result = Download(static_cast<const uint8_t *>(block), detail);
    } else if (command == VELK_CLOSE) {
      ReleasePort();
      result = 0;
    } else {
      detail = " error=unknown command or missing block";
    }
    Log("Velk command=" + std::to_string(command) + detail + " unique=" + std::to_string(uniqueNumber) +
        " result=" + std::to_string(result));
  } catch (...) {
    result = -1;
  }
  return result;
}

extern "C" void VELK_CALL SetNumeroUnique(int32_t number) {
  uniqueNumber = number;
  try {
    Log("SetNumeroUnique number=" + std::to_string(number));
  } catch (...) {
  }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  if (reason == DLL_PROCESS_DETACH) ReleasePort();
  return TRUE;
}
