// The time of day the trace stamps its blocks with (the installed clock).
#ifndef DIAG_SHELL_TRACE_CLOCK_H
#define DIAG_SHELL_TRACE_CLOCK_H

#include "diag/trace.h"

TimeOfDay TraceTimeOfDay();

#endif
