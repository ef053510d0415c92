/* Interface of the outside download library VELK2 as the board loader uses it:
 * the two entry points, the command codes and the two parameter blocks.
 * The VELK2.dll built in this folder is a stand-in that checks and logs what it
 * is asked; it does not download anything to a board.
 *
 * Calling convention: __stdcall on Windows, exported under the plain names
 * "Velk" and "SetNumeroUnique" (see VELK2.def). */
#ifndef VELK2_H
#define VELK2_H

#include <stdint.h>

#if defined(_WIN32)
#define VELK_CALL __stdcall
#else
#define VELK_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef enum VELKCOM {
  VELK_OPEN = 0,     /* block: OpenBlock; -1 when the port cannot be opened */
  VELK_CLOSE = 1,    /* block: null; releases the port */
  VELK_DOWNLOAD = 7  /* block: DownloadBlock; returns when the download is over */
} VELKCOM;

/* Parameter block of VELK_OPEN, little-endian. */
typedef struct OpenBlock {
  int32_t port;  /* 1..8: "COM" + port */
  int32_t speed; /* bit/s */
} OpenBlock;

/* DownloadBlock: fields at fixed byte offsets; addresses are 32-bit and point to
 * NUL-terminated strings. Bytes not listed here are unused. */
enum {
  VELK_BLOCK_BOOT_NAME = 4,  /* address of the bootstrap file name */
  VELK_BLOCK_MICRO_PATH = 8, /* address of the microcontroller file path */
  VELK_BLOCK_VERIFY = 12,    /* 1 byte: 1 to verify */
  VELK_BLOCK_LOAD_MICRO = 20,/* 1 byte: 1 to load the microcontroller file */
  VELK_BLOCK_FPGA_PATH = 44, /* address of the FPGA file path */
  VELK_BLOCK_LOAD_FPGA = 48, /* 1 byte: 1 to load the FPGA file */
  VELK_BLOCK_SIZE = 64
};

int32_t VELK_CALL Velk(VELKCOM command, void *block, void *window);
/* Unique number for the next download; -1 means none. */
void VELK_CALL SetNumeroUnique(int32_t number);

#ifdef __cplusplus
}
#endif

#endif
