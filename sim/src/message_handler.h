// The equipment's answers: S2F63 reads and commands the machine model and is
// answered by S2F64; S127F3 by S127F4 (or, with old firmware, S9F5/S9F3);
// other primary messages that wait for a reply by S9F3 (stream) or S9F5 (function).
#ifndef SIM_MESSAGE_HANDLER_H
#define SIM_MESSAGE_HANDLER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "machine_model.h"
#include "secs_message.h"
#include "sim_stats.h"

namespace sim {

enum class OldFirmware { Off, AnswerS9F5, AnswerS9F3 };

struct HandlerOptions {
  uint32_t unique_number = 0;
  OldFirmware old_firmware = OldFirmware::Off;
};

struct HandlerResult {
  bool has_reply = false;
  std::vector<uint8_t> reply;      // byte 0 the length L, the header, the text
  std::vector<std::string> notes;  // what happened to the machine, for the trace
};

class MessageHandler {
 public:
  MessageHandler(MachineModel &model, const HandlerOptions &options, SimStats &stats)
      : model_(model), options_(options), stats_(stats) {}

  // block: a received block, byte 0 its length L; size: the bytes valid in it.
  HandlerResult Handle(const uint8_t *block, size_t size);

 private:
  HandlerResult DiagRequest(const SecsHeader &header, const uint8_t *text, size_t text_size);
  bool Element(const SecsItem &element, SecsItem *value, HandlerResult *result);
  HandlerResult UniqueNumber(const SecsHeader &header, const uint8_t *raw_header);
  HandlerResult Reply(const SecsHeader &request, uint8_t stream, uint8_t function,
                      const std::vector<SecsItem> &items);
  HandlerResult ErrorReport(const SecsHeader &request, uint8_t function, const uint8_t *raw_header);

  MachineModel &model_;
  HandlerOptions options_;
  SimStats &stats_;
};

}  // namespace sim

#endif
