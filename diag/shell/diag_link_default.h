// The link the messaging uses when no other is installed: com's own transfer calls.
#ifndef DIAG_SHELL_DIAG_LINK_DEFAULT_H
#define DIAG_SHELL_DIAG_LINK_DEFAULT_H

#include "diag/messaging.h"

DiagLink &DefaultDiagLink();

#endif
