#include "com/com.h"
#include "diag_link_default.h"

namespace {

class ComDiagLink : public DiagLink {
 public:
  int32_t Emit(int32_t port, SecsMessage *message) override { return EmissionTrame(port, message); }
  ComBlock Receive(int32_t port) override { return ReceptionTrame(port); }
};

}  // namespace

DiagLink &DefaultDiagLink() {
  static ComDiagLink link;
  return link;
}
