// Entry of libcom.so: the load step runs once, when the library is loaded.
#include "link.h"

namespace {

__attribute__((constructor)) void AttachLibrary() { com::LoadTimeStep(); }

}  // namespace
