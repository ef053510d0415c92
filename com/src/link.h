// The link layer inside the library: process-wide link state, port resets,
// byte output with recovery, chunked byte input, tick timers and the two logs.
// The block protocol and the exports are written against this header only.
#ifndef COM_SRC_LINK_H
#define COM_SRC_LINK_H

#include <cstdint>

namespace com {

constexpr int kPortCount = 10;        // ports 0..9; "COM" + n
constexpr int kChunkSize = 200;       // bytes read from the driver at a time
constexpr uint32_t kQueueSize = 4096; // driver queues asked for, each way

enum class SourceType : int32_t { Host = 0, Equipment = 1 };

// Settings read from paramcom.txt at every open and reset.
struct LinkSettings {
  uint32_t char_timeout_ms = 100;   // T_char
  uint32_t proto_timeout_ms = 200;  // T_proto
  int32_t esc_mode = 1;             // 0: with ESC, anything else: without
  uint8_t debug = 0;                // 1: debug log on
  int32_t source_type = 0;          // 1: EQUIPMENT, 0: HOST
  uint8_t shortest_frame = 1;       // smallest length byte the receiver accepts
};

LinkSettings &Settings();

// The library's load step: time-outs of 100 and 200 ms until the first open, and
// BAUDRATE of paramcom.txt (else 9600) for every port. Run by the platform's
// library entry when the shared library is attached to a process.
void LoadTimeStep();

int32_t CurrentPort();
void SetCurrentPort(int32_t port);
int32_t PortBaud(int32_t port);

// Close and reopen port n freshly configured at baud b; 1 on success, 0 otherwise.
// Logs "RESET de la com" and reads paramcom.txt again.
int32_t ResetPort(int32_t baud, int32_t port);

// Byte input and output on the current port.
void SendByte(uint8_t byte);  // failures are repaired and logged, never returned
int32_t Poll();               // count of unread bytes in the current port's chunk
uint8_t NextByte();           // only after Poll() returned non-zero
void Purge();                 // drop unread bytes and both driver queues

// Block until a byte may be waiting on the current port or timeout_ms passed.
// Only an optimisation of the wait loops: callers still Poll() and check their timers.
void WaitForInput(uint32_t timeout_ms);
void WaitSent();  // until the bytes written so far have left the port

// Tick timers: expired when the unsigned 32-bit difference reaches the duration.
struct TickTimer {
  uint32_t start = 0;
  uint32_t duration = 0;
};
void TimerStart(TickTimer &timer, uint32_t duration_ms);
bool TimerExpired(const TickTimer &timer);
uint32_t TimerRemaining(const TickTimer &timer);

// The two rotating logs; each line carries the time of day and the current port.
void LogDebug(const char *message);
void LogError(const char *message);

}  // namespace com

#endif
