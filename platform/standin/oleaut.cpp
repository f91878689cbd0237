// oleaut.cpp -- length-prefixed strings from the heap, with counts and allocation faults for tests
//
// A string is a 4-byte byte count, the bytes and two zero bytes; the pointer handed out points at the
// bytes. Every string handed out is kept in a table until it is freed, so that tests can ask whether a
// string is live and so that freeing anything else (twice, or a pointer never handed out) stops the
// program at once instead of corrupting the heap quietly. Freed blocks go back to the heap only after
// a few hundred later frees, so that a freed string's address is not at once handed out again and
// mistaken for the string that was freed.
#include "platform.h"
#include "standin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int MAX_LIVE = 4096;
constexpr int QUARANTINE = 256;
constexpr std::size_t PREFIX = sizeof(std::uint32_t);
constexpr std::size_t TERMINATOR = 2;

BSTR live[MAX_LIVE] = {};
StandinStringCounts counts = {};
int failCall = 0;   // the call (counted from StandinFailAllocation) that fails; 0 for none
int callsSince = 0; // SysAllocStringByteLen calls since StandinFailAllocation
void* quarantine[QUARANTINE] = {};
int quarantineNext = 0;

// Finds the table slot holding string; -1 if it is not live.
int SlotOf(BSTR string)
{
    for (int i = 0; i < MAX_LIVE; ++i) {
        if (live[i] == string) {
            return i;
        }
    }
    return -1;
}

unsigned char* BlockOf(BSTR string)
{
    return reinterpret_cast<unsigned char*>(string) - PREFIX;
}

}  // namespace

extern "C" {

// Makes a string of length bytes copied from bytes, or of length zero bytes when bytes is null.
// Returns null when the heap (or the table of live strings) is exhausted, or when a fault says so.
BSTR WINAPI SysAllocStringByteLen(LPCSTR bytes, UINT length)
{
    ++callsSince;
    if (failCall != 0 && callsSince == failCall) {
        return nullptr;
    }
    int slot = SlotOf(nullptr);
    if (slot < 0 || length > 0x7FFFFFF0u) {
        return nullptr;
    }
    auto* block = static_cast<unsigned char*>(std::malloc(PREFIX + length + TERMINATOR));
    if (block == nullptr) {
        return nullptr;
    }
    std::uint32_t count = length;
    std::memcpy(block, &count, PREFIX);
    if (bytes != nullptr) {
        std::memcpy(block + PREFIX, bytes, length);
    } else {
        std::memset(block + PREFIX, 0, length);
    }
    std::memset(block + PREFIX + length, 0, TERMINATOR);
    BSTR string = reinterpret_cast<BSTR>(block + PREFIX);
    live[slot] = string;
    ++counts.allocations;
    ++counts.live;
    return string;
}

// Frees a string handed out and not yet freed; null does nothing. Anything else is a fault of the
// caller and ends the program.
void WINAPI SysFreeString(BSTR string)
{
    if (string == nullptr) {
        return;
    }
    int slot = SlotOf(string);
    if (slot < 0) {
        std::fprintf(stderr, "SysFreeString: %p is not a live string (freed twice?)\n", static_cast<void*>(string));
        std::abort();
    }
    live[slot] = nullptr;
    ++counts.frees;
    --counts.live;
    std::free(quarantine[quarantineNext]);
    quarantine[quarantineNext] = BlockOf(string);
    quarantineNext = (quarantineNext + 1) % QUARANTINE;
}

// The byte count of a string; 0 for null.
UINT WINAPI SysStringByteLen(BSTR string)
{
    if (string == nullptr) {
        return 0;
    }
    std::uint32_t count = 0;
    std::memcpy(&count, BlockOf(string), PREFIX);
    return count;
}

void StandinFailAllocation(int call)
{
    failCall = call;
    callsSince = 0;
}

StandinStringCounts StandinGetStringCounts()
{
    return counts;
}

BOOL StandinIsLiveString(BSTR string)
{
    return string != nullptr && SlotOf(string) >= 0 ? TRUE : FALSE;
}

}  // extern "C"
