// Windows end of the baud-rate check: opens COM<port> at the rate the library
// read at load (BAUDRATE), sends one block, changes the rate, sends another.
// The Linux driver reads the line's rate while each block's ENQ is pending.
//   baud_probe <port> <new baud>   exit 0 when both blocks were acknowledged
#include <cstdio>
#include <cstdlib>

#include "com/com.h"

namespace {

bool SendOneBlock(int32_t port, uint8_t function) {
  uint8_t buffer[256] = {};
  SecsMessage message{};
  message.stream = 1;
  message.function = function;
  message.buffer = buffer;
  Genere_Header(&message, 0);
  return (EmissionTrame(port, &message) & 0xFF) == 1;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: baud_probe <port> <new baud>\n");
    return 2;
  }
  int32_t port = std::atoi(argv[1]);
  if ((InitCommunication(port, 0) & 0xFF) == 0) {
    std::printf("cannot open COM%d\n", port);
    return 2;
  }
  bool first = SendOneBlock(port, 1);
  bool changed = ChangeBaud(port, std::atoi(argv[2])) == 1;
  bool second = changed && SendOneBlock(port, 3);
  bool closed = (CloseCommunication(port) & 0xFF) == 1;
  std::printf("first block %d, rate changed %d, second block %d, closed %d\n", first, changed, second, closed);
  return first && second && closed ? 0 : 1;
}
