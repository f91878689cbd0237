// streams.cpp -- block-buffered byte input and output over open files, and the byte trace
#include "streams.h"

#include <cstring>

namespace {

struct InputBlock {
    BYTE buffer[STREAM_BLOCK_SIZE];
    DWORD fill;     // bytes the last block read delivered
    DWORD position; // next byte to hand out; the block is empty unless position < fill
};

struct OutputBlock {
    BYTE buffer[STREAM_BLOCK_SIZE];
    DWORD count; // bytes waiting, 0 to STREAM_BLOCK_SIZE
};

InputBlock input;
OutputBlock output;
HANDLE trace;
bool tracing;

// Writes the waiting bytes as one block and empties the buffer; returns false unless all were written.
// Bytes a failed write left behind are dropped, so the buffer never fills past its size.
bool WriteBlock(HANDLE file)
{
    DWORD written = 0;
    BOOL ok = WriteFile(file, output.buffer, output.count, &written, nullptr);
    bool complete = ok && written >= output.count;
    output.count = 0;
    return complete;
}

void EchoBytes(const BYTE* bytes, DWORD count)
{
    for (DWORD i = 0; i < count; ++i) {
        EchoByte(trace, bytes[i]);
    }
}

}  // namespace

void ResetStreams()
{
    input.fill = 0;
    input.position = 0;
    output.count = 0;
}

ReadStatus FillInput(HANDLE file)
{
    if (input.position < input.fill) {
        return READ_OK;
    }
    DWORD got = 0;
    if (!ReadFile(file, input.buffer, STREAM_BLOCK_SIZE, &got, nullptr)) {
        input.fill = 0;
        DWORD error = GetLastError();
        // A pipe whose writer has gone reports its end as an error.
        return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF ? READ_END : READ_FAILED;
    }
    input.fill = got < STREAM_BLOCK_SIZE ? got : STREAM_BLOCK_SIZE;
    if (input.fill == 0) {
        return READ_END;
    }
    input.position = 0;
    return READ_OK;
}

const BYTE* InputBytes(DWORD* available)
{
    *available = input.position < input.fill ? input.fill - input.position : 0;
    return input.buffer + input.position;
}

void SkipInput(DWORD count)
{
    input.position += count;
}

BYTE ReadByte(HANDLE file, ReadStatus* status)
{
    *status = FillInput(file);
    if (*status != READ_OK) {
        return 0;
    }
    return input.buffer[input.position++];
}

DWORD ReadBytes(HANDLE file, BYTE* destination, DWORD count, ReadStatus* status)
{
    *status = READ_OK;
    DWORD taken = 0;
    while (taken < count) {
        BYTE value = ReadByte(file, status);
        if (*status != READ_OK) {
            break;
        }
        destination[taken++] = value;
    }
    destination[taken] = 0;
    return taken;
}

bool WriteByte(HANDLE file, BYTE value)
{
    output.buffer[output.count++] = value;
    return output.count < STREAM_BLOCK_SIZE || WriteBlock(file);
}

bool WriteBytes(HANDLE file, const BYTE* source, DWORD count)
{
    while (count > 0) {
        DWORD room = STREAM_BLOCK_SIZE - output.count;
        DWORD chunk = count < room ? count : room;
        std::memcpy(output.buffer + output.count, source, chunk);
        output.count += chunk;
        source += chunk;
        count -= chunk;
        if (output.count == STREAM_BLOCK_SIZE && !WriteBlock(file)) {
            return false;
        }
    }
    return true;
}

bool FlushOutput(HANDLE file)
{
    return WriteBlock(file);
}

void FetchTrace()
{
    trace = GetStdHandle(STD_OUTPUT_HANDLE);
    tracing = trace != nullptr && trace != INVALID_HANDLE_VALUE;
}

bool EchoByte(HANDLE handle, BYTE value)
{
    DWORD written = 0;
    return WriteFile(handle, &value, 1, &written, nullptr) != FALSE;
}

void TraceByte(BYTE value)
{
    if (tracing) {
        EchoByte(trace, value);
    }
}

bool PassBytes(HANDLE file, DWORD count)
{
    // Chunks end where the output block fills, so a failed block write is seen right after the
    // trace of the byte that filled it, as when bytes are passed one at a time.
    while (count > 0) {
        DWORD room = STREAM_BLOCK_SIZE - output.count;
        DWORD chunk = count < room ? count : room;
        const BYTE* bytes = input.buffer + input.position;
        if (tracing) {
            EchoBytes(bytes, chunk);
        }
        input.position += chunk;
        count -= chunk;
        if (!WriteBytes(file, bytes, chunk)) {
            return false;
        }
    }
    return true;
}
