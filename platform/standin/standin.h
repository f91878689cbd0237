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
// as some routers do for connected enumerations: TRUE for every such call, or
// STANDIN_LEAVE_SIZE_WHEN_ALL_ASKED for only the calls that ask for as many entries as fit (count
// 0xFFFFFFFF), so that a later call asking for one entry learns the size. FALSE is well-behaved.
#define STANDIN_LEAVE_SIZE_WHEN_ALL_ASKED 2
void StandinLeaveSizeOnMoreData(BOOL leave);

// The machine's network mounts are read from this file in the format of /proc/self/mounts; null goes
// back to the file the STANDIN_MOUNTS environment variable names, or else /proc/self/mounts. Applies to
// enumerations opened afterwards.
void StandinSetMountTable(const char* path);

// One WNetEnumResourceA call as the router saw it: what was asked and what it answered.
struct StandinRouterCall {
    DWORD count;      // the count asked for (0 when the address was null)
    DWORD size;       // the size declared (0 when the address was null)
    DWORD result;     // the answer
    DWORD countLeft;  // the count and size as the call left them
    DWORD sizeLeft;
};

#define STANDIN_RECORDED_CALLS 8

struct StandinRouterCalls {
    int enumCalls;        // WNetEnumResourceA calls since the last reset, script or clear
    DWORD lastCount;      // the count asked for by the last call
    DWORD lastSize;       // the size declared by the last call
    DWORD largestSize;    // the largest size declared by any call
    StandinRouterCall first[STANDIN_RECORDED_CALLS];  // the first calls since then, in order
};
StandinRouterCalls StandinGetRouterCalls();
void StandinResetRouterCalls();  // counts restart; scripts and open enumerations stay as they are

}  // extern "C"
