// streams.h -- block-buffered byte input and output over open files, and the byte trace
//
// One input block and one output block serve the whole process, so only one conversion may use them
// at a time. Reads and writes reach the platform in blocks of STREAM_BLOCK_SIZE bytes.
#pragma once

#include "platform.h"

constexpr DWORD STREAM_BLOCK_SIZE = 32000;

enum ReadStatus {
    READ_OK,     // the bytes asked for were taken
    READ_END,    // the input ended first
    READ_FAILED, // a read of the input failed
};

// Empties both blocks; what a conversion that ended early left in them is dropped.
void ResetStreams();

// Makes sure the input block holds at least one byte, reading the next block when it is empty.
ReadStatus FillInput(HANDLE file);

// The bytes of the input block not yet taken, and their count; empty until FillInput succeeds.
const BYTE* InputBytes(DWORD* available);

// Takes count bytes from the input block without copying them; count is at most what it holds.
void SkipInput(DWORD count);

// Takes the next byte; *status says whether there was one (0 is returned otherwise).
BYTE ReadByte(HANDLE file, ReadStatus* status);

// Takes up to count bytes into destination and stores a zero byte after them, so destination holds
// count + 1 bytes; returns how many were taken, and in *status why fewer than count were.
DWORD ReadBytes(HANDLE file, BYTE* destination, DWORD count, ReadStatus* status);

// Appends one byte and writes the block out when it is full; returns false if that write failed.
bool WriteByte(HANDLE file, BYTE value);

// Appends count bytes, writing each block out as it fills; returns false at the first failed write.
bool WriteBytes(HANDLE file, const BYTE* source, DWORD count);

// Writes the waiting bytes as one block, also when there are none; returns false if it was short.
bool FlushOutput(HANDLE file);

// Takes the standard output handle as the trace; a process without one is not traced.
void FetchTrace();

// Writes one byte to handle in one unbuffered write; returns the platform's success flag.
bool EchoByte(HANDLE handle, BYTE value);

// Echoes one byte to the trace, if there is one; a failed echo is ignored.
void TraceByte(BYTE value);

// Moves the next count bytes of the input block (at most what it holds) to the output, echoing each to
// the trace before it is appended; returns false if a block write failed, leaving the rest untaken.
bool PassBytes(HANDLE file, DWORD count);
