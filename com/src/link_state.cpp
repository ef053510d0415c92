// The per-process link: port table, current port, parameters re-read at every
// open and reset, byte output repaired by port resets, chunked byte input.
#include <cstdlib>

#include "com/com.h"
#include "link.h"
#include "param_file.h"
#include "serial_port.h"

namespace com {
namespace {

constexpr int32_t kDefaultBaud = 9600;
constexpr uint32_t kDefaultTimeoutMs = 250;
constexpr const char *kParameterFile = "paramcom.txt";

struct Port {
  int32_t baud = kDefaultBaud;
  SerialHandle handle = kInvalidSerial;
  uint8_t *chunk = nullptr;
  int32_t unread = 0;
  int32_t position = 0;
};

LinkSettings settings;
Port ports[kPortCount];
int32_t current_port = 0;

bool ValidPort(int32_t port) { return port >= 0 && port < kPortCount; }

void ReadParameters() {
  TModifyFicASCII file(kParameterFile);
  int found = 0;
  settings.esc_mode = std::string(file.Lookup("PROTOCOL").text) == "AVEC_ESC" ? 0 : 1;
  strparam value = file.Lookup("TIMEOUT_CARACTERE", &found);
  settings.char_timeout_ms = found ? static_cast<uint32_t>(value.as_long) : kDefaultTimeoutMs;
  value = file.Lookup("TIMEOUT_PROTOCOL", &found);
  settings.proto_timeout_ms = found ? static_cast<uint32_t>(value.as_long) : kDefaultTimeoutMs;
  settings.debug = std::string(file.Lookup("INFORMATION").text) == "DEBUG" ? 1 : 0;
  settings.source_type = std::string(file.Lookup("SOURCE_TYPE").text) == "EQUIPMENT" ? 1 : 0;
  value = file.Lookup("SHORTEST_FRAME", &found);
  settings.shortest_frame = found ? static_cast<uint8_t>(value.as_long) : 1;
}

// Open and configure; a device that opened but could not be configured is closed again.
SerialHandle OpenConfigured(int32_t port, int32_t baud, bool store_at_once) {
  SerialBackend &backend = ActiveSerialBackend();
  SerialHandle handle = backend.Open(port);
  if (store_at_once) ports[port].handle = handle;
  if (handle == kInvalidSerial) return kInvalidSerial;
  if (!backend.Configure(handle, baud)) {
    if (!store_at_once) backend.Close(handle);
    return kInvalidSerial;
  }
  backend.PurgeQueues(handle);
  return handle;
}

void LogBoth(const char *message) {
  LogDebug(message);
  LogError(message);
}

}  // namespace

LinkSettings &Settings() { return settings; }

void LoadTimeStep() {
  settings.char_timeout_ms = 100;
  settings.proto_timeout_ms = 200;
  int found = 0;
  strparam baud = TModifyFicASCII(kParameterFile).Lookup("BAUDRATE", &found);
  for (Port &port : ports) port.baud = found ? baud.as_long : kDefaultBaud;
}

int32_t CurrentPort() { return current_port; }

void SetCurrentPort(int32_t port) {
  if (ValidPort(port)) current_port = port;
}

int32_t PortBaud(int32_t port) { return ValidPort(port) ? ports[port].baud : kDefaultBaud; }

int32_t ResetPort(int32_t baud, int32_t port) {
  if (!ValidPort(port)) return 0;
  LogError("RESET de la com");
  Port &p = ports[port];
  if (p.handle != kInvalidSerial) ActiveSerialBackend().Close(p.handle);
  ReadParameters();
  p.unread = 0;
  return OpenConfigured(port, baud, true) != kInvalidSerial ? 1 : 0;
}

void SendByte(uint8_t byte) {
  SerialBackend &backend = ActiveSerialBackend();
  if (backend.Write(ports[current_port].handle, byte)) return;
  LogBoth("Transmit Error");
  ResetPort(ports[current_port].baud, current_port);
  if (backend.Write(ports[current_port].handle, byte)) return;
  LogBoth("Transmit Error Double");
  ResetPort(ports[current_port].baud, current_port);
}

int32_t Poll() {
  Port &p = ports[current_port];
  if (p.unread == 0 && p.chunk != nullptr) {
    int32_t read = ActiveSerialBackend().Read(p.handle, p.chunk, kChunkSize);
    p.unread = read > 0 ? read : 0;
    p.position = 0;
  }
  return p.unread;
}

uint8_t NextByte() {
  Port &p = ports[current_port];
  if (p.unread <= 0) return 0;
  --p.unread;
  return p.chunk[p.position++];
}

void Purge() {
  ports[current_port].unread = 0;
  ActiveSerialBackend().PurgeQueues(ports[current_port].handle);
}

void WaitSent() { ActiveSerialBackend().WaitSent(ports[current_port].handle); }

void WaitForInput(uint32_t timeout_ms) {
  if (timeout_ms == 0) return;
  ActiveSerialBackend().WaitReadable(ports[current_port].handle, timeout_ms);
}

}  // namespace com

using namespace com;

extern "C" {

COM_API uint8_t COM_CALL InitCommunication(int32_t port, int32_t baud) {
  if (!ValidPort(port)) return 0;
  Port &p = ports[port];
  p.unread = 0;
  ReadParameters();
  if (baud != 0) p.baud = baud;
  SerialHandle handle = OpenConfigured(port, p.baud, false);
  if (handle == kInvalidSerial) return 0;
  // Reached only where opens are not exclusive (Wine): the earlier handle is not leaked.
  if (p.handle != kInvalidSerial && p.handle != handle) ActiveSerialBackend().Close(p.handle);
  p.handle = handle;
  current_port = port;
  if (p.chunk == nullptr) p.chunk = static_cast<uint8_t *>(std::malloc(kChunkSize));
  return 1;
}

COM_API uint8_t COM_CALL CloseCommunication(int32_t port) {
  if (!ValidPort(port)) return 0;
  Port &p = ports[port];
  if (!ActiveSerialBackend().Close(p.handle)) return 0;
  p.handle = kInvalidSerial;
  std::free(p.chunk);
  p.chunk = nullptr;
  p.unread = 0;
  return 1;
}

COM_API int32_t COM_CALL ChangeBaud(int32_t port, int32_t baud) {
  if (!ValidPort(port)) return 0;
  ports[port].baud = baud;
  return ResetPort(baud, port);
}

COM_API void COM_CALL ChangeProtocole(int32_t esc_mode) { settings.esc_mode = esc_mode; }

}  // extern "C"
