/* Calling convention of the library's exports. On Windows they are __stdcall and
 * exported through com.def under plain names and fixed ordinals. */
#ifndef COM_EXPORT_H
#define COM_EXPORT_H

#if defined(_WIN32)
#define COM_CALL __stdcall
#define COM_API
#else
#define COM_CALL
#define COM_API __attribute__((visibility("default")))
#endif

#endif
