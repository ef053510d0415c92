#include "diag/program_state.h"

int CommActive = 0;
uint8_t PortIndex = 0;
char ConfigPaths[kConfigSlots][kConfigPathSize] = {};
int LastRequestKind = 0;
DescriptionTable DescriptionTables[kDescriptionTables] = {};
int LedOnly[kTableRows] = {};
int PhotoOnly[kTableRows] = {};
int LedCommand[kTableRows] = {};
int PhotoState[kTableRows] = {};
int SwitchState[kTableRows] = {};
int EncoderValue[kTableRows] = {};
int CustomValue[kTableRows] = {};
