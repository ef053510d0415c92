// Port and memory access through an opened driver device: one request per
// access, nothing kept between calls.
#ifndef PORTIO_DEVICE_ACCESS_H
#define PORTIO_DEVICE_ACCESS_H

#include <cstdint>

#include "device_request.h"

namespace portio {

void *OpenDriverDevice(uint8_t device, bool shared);
bool CloseDriverDevice(void *handle);

// The system's result of the request: non-zero on success.
int32_t WriteThroughDevice(void *handle, Operation operation, uint32_t where, uint32_t value);
// The value field of the reply; 0 when the request fails.
uint32_t ReadThroughDevice(void *handle, Operation operation, uint32_t where);

}  // namespace portio

#endif
