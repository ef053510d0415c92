// The port as it was before the link waited on it: every wait answered at
// once, so the link's wait loops spin on the tick count. For comparison only.
#ifndef BENCH_SPINNING_BACKEND_H
#define BENCH_SPINNING_BACKEND_H

#include "forwarding_backend.h"

namespace bench {

class SpinningBackend : public com::ForwardingBackend {
 public:
  using ForwardingBackend::ForwardingBackend;

  void WaitReadable(com::SerialHandle, uint32_t) override {}
};

}  // namespace bench

#endif
