// Diagnostic request and reply: S2F63 built from the description tables and
// the command state, S2F64 values stored into the value arrays.
#ifndef DIAG_MESSAGING_H
#define DIAG_MESSAGING_H

#include <cstdint>

#include "com/com.h"
#include "diag/trace.h"

constexpr int kRequestBufferSize = 250;
// One block holds 10 header bytes and at most 242 body bytes: a top list (2)
// and 13 elements of 18 bytes.
constexpr int kMaxRequestElements = 13;

// The two link calls, so the messaging can be driven without a serial line.
// The default one calls EmissionTrame and ReceptionTrame of com.
class DiagLink {
 public:
  virtual ~DiagLink() = default;
  virtual int32_t Emit(int32_t port, SecsMessage *message) = 0;
  virtual ComBlock Receive(int32_t port) = 0;  // caller frees the block
};

void SetDiagLink(DiagLink *link);  // null restores the com link

// Builds the request of the given kind (0 LED/photo, 1 switch, 2 encoder,
// 3 custom), traces it into `switchboard` and sends it on port PortIndex + 1.
// Sets LastRequestKind. Returns 1 when the link accepted the block, else 0.
// A table whose request would not fit in one block is polled in parts of
// whole rows: each call sends the next part, so every row is refreshed in
// turn, and the reply is stored only into the rows that part carried.
// Another kind shows the "Unknown function" box, sends nothing and returns 0.
int SendDiagRequest(TraceTarget *switchboard, int kind);

// Takes one received block if there is one, traces it, and when it is S2F64
// stores its values for LastRequestKind. Returns 1 when a reply was accepted
// (values stored; an empty reply counts for the custom kind), 0 when nothing
// arrived, the message was something else, or the kind is not 0..3.
int ReceiveDiagReply(TraceTarget *switchboard);

// Forgets which part of each table goes next (the next request of every kind
// starts at row 0) and the rows of the outstanding exchange.
void ResetDiagExchange();

#endif
