// The system's wait cursor while the parameter file is read; the previous cursor
// comes back when the object goes. Nothing to show outside Windows.
#ifndef COM_PLATFORM_WAIT_CURSOR_H
#define COM_PLATFORM_WAIT_CURSOR_H

namespace com {

class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor &) = delete;
  WaitCursor &operator=(const WaitCursor &) = delete;

 private:
  [[maybe_unused]] void *previous_ = nullptr;  // used on Windows only
};

}  // namespace com

#endif
