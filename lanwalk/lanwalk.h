/* lanwalk.h -- takes the entries of an open network enumeration one at a time, as length-prefixed strings
 *
 * vekNetEnumResource takes the next entry of an enumeration the caller opened with WNetOpenEnumA (and
 * closes with WNetCloseEnum; the library never opens or closes one) and stores its four numbers and its
 * four names in the caller's variables. Each call takes at most one entry; a walk calls it until it
 * stops returning 0. Nothing is kept between calls.
 *
 * Strings. The names come back as BSTRs made with SysAllocStringByteLen from the entry's ANSI bytes,
 * unconverted: SysStringByteLen gives the byte count, an empty name gives an empty string, a name the
 * entry does not carry gives null. The caller owns them and frees them with SysFreeString. When an
 * entry is taken, every string variable that holds a string is freed first and set to null, so the
 * same variables can be passed to every call of a walk; a variable passed for two arguments is freed
 * once and ends up with the later name. A string the platform cannot allocate comes back null; the
 * call still succeeds. When no entry is taken, no variable is touched.
 *
 * Results. 0 (NO_ERROR) when an entry was taken, or when the router answered 0 without one;
 * 87 (ERROR_INVALID_PARAMETER) when any of the eight variable addresses is null, before the router is
 * asked anything; 234 (ERROR_MORE_DATA) when the next entry needs more than LANWALK_LARGEST_ENTRY bytes
 * or the router cannot say how much it needs; otherwise the router's own answer, unchanged: 259
 * (ERROR_NO_MORE_ITEMS) at the end of the enumeration, 6 (ERROR_INVALID_HANDLE) for a handle that is
 * not an open enumeration, and so on.
 */
#ifndef LANWALK_H
#define LANWALK_H

#if defined(_WIN32)
#include <windows.h>
#include <oleauto.h>
#else
#include "platform.h"
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define LANWALK_ENTRY_BUFFER_SIZE 1024 /* the room offered for an entry unless the router asks for more */
#define LANWALK_LARGEST_ENTRY 65536    /* the most room offered for one entry */

DWORD WINAPI vekNetEnumResource(HANDLE enumeration, DWORD* scope, DWORD* type, DWORD* displayType, DWORD* usage,
                                BSTR* localName, BSTR* remoteName, BSTR* comment, BSTR* provider);

/* The export's type, for hosts that bind it at run time (by name, or by ordinal 2 on Windows). */
typedef DWORD(WINAPI* VekNetEnumResourceFunction)(HANDLE enumeration, DWORD* scope, DWORD* type,
                                                  DWORD* displayType, DWORD* usage, BSTR* localName,
                                                  BSTR* remoteName, BSTR* comment, BSTR* provider);

#ifdef __cplusplus
}
#endif

#endif
