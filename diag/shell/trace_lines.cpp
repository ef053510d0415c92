#include "diag/trace.h"

void TraceList::DeleteFirst() {
  if (lines_.empty()) return;
  lines_.pop_front();
  if (selected_ >= 0) --selected_;
}

void AddTraceLine(const std::string &line, TraceTarget *target) {
  TraceLines *lines = target ? target->DebugTraceLines() : nullptr;
  if (!lines) return;
  lines->Append(line);
  if (lines->Count() > kTraceLines) lines->DeleteFirst();
  lines->SelectLast();
}
