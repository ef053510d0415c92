// Seam over the calls the board loader makes into the serial link library,
// so the SECS download request is tested against a scripted board.
#ifndef LOADER_COM_LINK_H
#define LOADER_COM_LINK_H

#include <cstdint>

#include "com/com.h"

namespace loader {

class ComLink {
 public:
  virtual ~ComLink() = default;
  virtual uint8_t InitCommunication(int32_t port, int32_t baud) = 0;
  virtual uint8_t CloseCommunication(int32_t port) = 0;
  virtual int32_t ChangeBaud(int32_t port, int32_t baud) = 0;
  virtual int32_t EmissionTrame(int32_t port, SecsMessage *message) = 0;
  virtual ComBlock ReceptionTrame(int32_t port) = 0;
  virtual void Genere_Header(SecsMessage *message, int32_t device) = 0;
  virtual void UnBuild_Secs2(SecsMessage *message, int32_t type, void *destination, int32_t count) = 0;
};

}  // namespace loader

#endif
