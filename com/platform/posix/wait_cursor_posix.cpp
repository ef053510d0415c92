#include "wait_cursor.h"

namespace com {

WaitCursor::WaitCursor() = default;
WaitCursor::~WaitCursor() = default;

}  // namespace com
