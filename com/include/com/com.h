/* Serial link library: the exported interface.
 *
 * Every export works on process-wide state (no handle, no context): the port
 * table, the current port, the time-outs, the system-byte counter and the
 * reading point of the message being decoded. One caller thread, one transfer
 * at a time. Boolean results are one byte wide: callers test the low byte.
 */
#ifndef COM_COM_H
#define COM_COM_H

#include <stdint.h>

#include "com/export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Item type codes shared by Build_Secs2, UnBuild_Secs2 and Extract_Next_Item. */
enum SecsItemType {
  SECS_NO_ITEM = -1, /* Extract_Next_Item: no further item, or a format we do not read */
  SECS_LIST = 0,
  SECS_BINARY = 1,
  SECS_NOTHING = 2, /* accepted and ignored by both operations */
  SECS_ASCII = 3,
  SECS_U1 = 4,
  SECS_U2 = 5,
  SECS_U4 = 6,
  SECS_I1 = 7,
  SECS_I2 = 8,
  SECS_F4 = 9,
  SECS_F8 = 10,
  SECS_HEADER = 11, /* UnBuild_Secs2 only: decode the 10-byte header */
  SECS_RAW = 12     /* bytes copied without format and length byte */
};

/* The message record that crosses into the library. Field order and widths are
 * part of the binary interface (16 bytes on the 32-bit Windows build). */
typedef struct SecsMessage {
  uint8_t stream;    /* 0..127 */
  uint8_t function;
  uint8_t wait;      /* 1 when a reply is expected */
  uint8_t spare;     /* the callers' own; never read here */
  uint8_t *buffer;   /* byte 0: length L, bytes 1..10: header, then the items */
  uint16_t device;   /* decoded from the header */
  uint16_t block;    /* decoded from the header */
  uint16_t system;   /* decoded from the header */
  uint8_t reply;     /* the header's R bit, decoded */
  uint8_t end;       /* the header's E bit, decoded */
} SecsMessage;

/* Handle of a global memory block (see com/memblock.h). */
typedef void *ComBlock;

/* Link configuration and serial port. */
COM_API uint8_t COM_CALL InitCommunication(int32_t port, int32_t baud);  /* ordinal 1 */
COM_API uint8_t COM_CALL CloseCommunication(int32_t port);               /* ordinal 2 */
COM_API int32_t COM_CALL ChangeBaud(int32_t port, int32_t baud);         /* ordinal 3 */
COM_API void COM_CALL ChangeProtocole(int32_t esc_mode);                 /* ordinal 4 */

/* Block transfer. */
COM_API int32_t COM_CALL EmissionTrame(int32_t port, SecsMessage *message);  /* ordinal 5 */
COM_API int32_t COM_CALL EmissionTrameVST(ComBlock block, ComBlock second);  /* ordinal 6 */
COM_API ComBlock COM_CALL ReceptionTrame(int32_t port);                      /* ordinal 7 */

/* Message header and SECS-II items. */
COM_API void COM_CALL Genere_Header(SecsMessage *message, int32_t device);   /* ordinal 8 */
COM_API void COM_CALL UnBuild_Secs2(SecsMessage *message, int32_t type, void *destination,
                                    int32_t count);                          /* ordinal 9 */
COM_API void COM_CALL Extract_Next_Item(SecsMessage *message, int32_t *type,
                                        uint8_t *count);                     /* ordinal 10 */
COM_API void COM_CALL Build_Secs2(SecsMessage *message, int32_t type, const void *source,
                                  int32_t count);                            /* ordinal 11 */

#ifdef __cplusplus
}
#endif

#endif
