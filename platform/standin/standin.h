// standin.h -- controls that let tests make the stand-in platform misbehave on purpose and count its work
//
// None of this exists on the real platform; only native tests, the fuzzer and the benchmark use it.
#pragma once

#include "platform.h"

#include <cstddef>

extern "C" {

// Files. Faults apply to handles made by CreateFileA, never to the standard handles; call numbers count
// from the last StandinSetFileFaults (or from load) and start at 1.
struct StandinFileFaults {
    DWORD readLimit;       // at most this many bytes per ReadFile (short reads); 0 for no limit
    int failReadCall;      // this ReadFile call fails (ERROR_READ_FAULT); 0 for never
    int failWriteCall;     // this WriteFile call writes short; 0 for never
    DWORD shortWriteBytes; // what the short write really writes and reports
    BOOL failWriteReports; // the short write also returns FALSE (ERROR_WRITE_FAULT)
    BOOL failClose;        // CloseHandle of a handle opened for writing fails (after closing it)
};

struct StandinFileCounts {
    int opens;            // successful CreateFileA calls
    int openHandles;      // CreateFileA handles not yet closed
    int reads;            // ReadFile calls on file handles
    int writes;           // WriteFile calls on file handles
    int consoleWrites;    // WriteFile calls on other handles (the trace)
    DWORD largestRead;    // largest byte count asked of one ReadFile
    DWORD largestWrite;   // largest byte count asked of one WriteFile on a file handle
};

void StandinSetFileFaults(const StandinFileFaults* faults);  // null clears; counts restart either way
StandinFileCounts StandinGetFileCounts();

// Length-prefixed strings.
struct StandinStringCounts {
    int allocations;  // strings handed out and not failed
    int frees;        // SysFreeString calls with a string
    int live;         // strings handed out and not yet freed
};

void StandinFailAllocation(int call);  // the call-th SysAllocStringByteLen from now returns null; 0 for never
StandinStringCounts StandinGetStringCounts();
BOOL StandinIsLiveString(BSTR string);  // true for a string handed out and not yet freed

// Network-provider router. Each entry of a scripted enumeration is one record with its strings; a null
// name stays null in the record. While a script is set, every WNetOpenEnumA enumerates a copy of it in
// order, in place of the machine's network mounts.
struct StandinEntry {
    DWORD scope;
    DWORD type;
    DWORD displayType;
    DWORD usage;
    const char* localName;
    const char* remoteName;
    const char* comment;
    const char* provider;
};

void StandinScriptEntries(const StandinEntry* entries, std::size_t count);
void StandinClearScript();  // back to the machine's network mounts and a well-behaved router

// When set, a call that cannot fit one entry answers ERROR_MORE_DATA but leaves the size as it was,
// as some routers do for connected enumerations.
void StandinLeaveSizeOnMoreData(BOOL leave);

struct StandinRouterCalls {
    int enumCalls;        // WNetEnumResourceA calls since the last script or clear
    DWORD lastCount;      // the count asked for by the last call
    DWORD lastSize;       // the size declared by the last call
    DWORD largestSize;    // the largest size declared by any call
};
StandinRouterCalls StandinGetRouterCalls();

}  // extern "C"
