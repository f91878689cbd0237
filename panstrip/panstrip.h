/* panstrip.h -- copies an RTF file without the \*\panose groups of its font table
 *
 * rtf97to95 copies the file at source to destination byte for byte, leaving out every group whose
 * opening brace is followed directly by the nine bytes \*\panose; the group ends at the first closing
 * brace after them. Every byte it takes at the top of its copy loop is also written, one byte per
 * write, to the process's standard output; a process without one gets no trace. Paths are
 * zero-terminated strings in the ANSI code page. Conversions share process-wide buffers, so calls in
 * one process must not overlap.
 *
 * It returns CONVERT_OK when the whole source was copied; CONVERT_NO_SOURCE if the source is null or
 * cannot be opened (no destination is touched); CONVERT_NO_DESTINATION if the destination is null,
 * cannot be created or opened for writing, or is the source itself (which stays untouched);
 * CONVERT_UNCLOSED_GROUP if the source ends inside a group being left out; CONVERT_READ_FAILED if
 * reading the source fails; CONVERT_WRITE_FAILED if writing or closing the destination fails. After
 * a failure the destination holds at most the 32000-byte blocks of the copy written before it.
 */
#ifndef PANSTRIP_H
#define PANSTRIP_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define PANSTRIP_CALL __stdcall
#else
#define PANSTRIP_CALL
#endif

#define CONVERT_OK 0              /* the source was read to its end and the copy written */
#define CONVERT_NO_SOURCE (-1)    /* the source cannot be opened */
#define CONVERT_NO_DESTINATION (-2) /* the destination cannot be created, or is the source */
#define CONVERT_UNCLOSED_GROUP (-3) /* the source ended inside a group being left out */
#define CONVERT_READ_FAILED (-4)  /* reading the source failed */
#define CONVERT_WRITE_FAILED (-5) /* writing or closing the destination failed */

int PANSTRIP_CALL rtf97to95(const char* source, const char* destination);

/* The export's type, for hosts that bind it at run time (by name, or by ordinal 2 on Windows). */
typedef int(PANSTRIP_CALL* Rtf97To95Function)(const char* source, const char* destination);

#ifdef __cplusplus
}
#endif

#endif
