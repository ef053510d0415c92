// How the simulator's loop sleeps between polls of the line without spinning.
#ifndef SIM_LINE_WAITER_H
#define SIM_LINE_WAITER_H

#include <cstdint>

namespace sim {

class LineWaiter {
 public:
  virtual ~LineWaiter() = default;
  // Sleeps until the line may have input, at most timeout_ms.
  virtual void WaitForInput(uint32_t timeout_ms) = 0;
};

}  // namespace sim

#endif
