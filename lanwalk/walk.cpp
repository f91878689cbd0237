// walk.cpp -- vekNetEnumResource: takes the next entry of an open enumeration into the caller's variables
#include "lanwalk.h"
#include "platform.h"

#include <cstring>

namespace {

constexpr DWORD ENTRY_BUFFER_SIZE = LANWALK_ENTRY_BUFFER_SIZE;
constexpr DWORD LARGEST_ENTRY = LANWALK_LARGEST_ENTRY;
constexpr DWORD PROBE_SIZE = sizeof(NETRESOURCEA);
static_assert(sizeof(void*) != 4 || PROBE_SIZE == 32, "one bare record is 32 bytes on 32-bit Windows");
static_assert(ENTRY_BUFFER_SIZE > PROBE_SIZE && LARGEST_ENTRY > ENTRY_BUFFER_SIZE, "the buffers grow");
constexpr DWORD AS_MANY_AS_FIT = 0xFFFFFFFFu;
constexpr int NAME_COUNT = 4;

// The caller's variables: the four numbers and the four names, in the order of the record's fields.
struct Variables {
    DWORD* scope;
    DWORD* type;
    DWORD* displayType;
    DWORD* usage;
    BSTR* names[NAME_COUNT];
};

// True when the router's answer and count say that a record was put at the start of the buffer.
bool TookEntry(DWORD result, DWORD count)
{
    return result == NO_ERROR && static_cast<LONG>(count) > 0;
}

// Stores the first record of buffer in the variables: frees and clears every name variable that holds
// a string, one at a time, then stores the numbers, then makes a string for each name the record
// carries. A variable that already holds a string made by this call (it was passed twice) has that
// string freed before it takes the new one; a string that cannot be made leaves its variable null.
void Report(const void* buffer, const Variables& variables)
{
    NETRESOURCEA record;
    std::memcpy(&record, buffer, sizeof record);
    for (BSTR* name : variables.names) {
        if (*name != nullptr) {
            SysFreeString(*name);
            *name = nullptr;
        }
    }
    *variables.scope = record.dwScope;
    *variables.type = record.dwType;
    *variables.displayType = record.dwDisplayType;
    *variables.usage = record.dwUsage;
    const char* texts[NAME_COUNT] = {record.lpLocalName, record.lpRemoteName, record.lpComment, record.lpProvider};
    BSTR made[NAME_COUNT] = {};
    for (int i = 0; i < NAME_COUNT; ++i) {
        if (texts[i] == nullptr) {
            continue;
        }
        BSTR* name = variables.names[i];
        for (BSTR& earlier : made) {
            if (earlier != nullptr && earlier == *name) {
                SysFreeString(earlier);
                earlier = nullptr;
                *name = nullptr;
            }
        }
        made[i] = SysAllocStringByteLen(texts[i], static_cast<UINT>(std::strlen(texts[i])));
        *name = made[i];
    }
}

// Asks the router for exactly one entry, declaring size bytes of room in buffer, and reports it if one
// was taken. Returns the router's answer; *sizeLeft gets the size the router left.
DWORD FetchOne(HANDLE enumeration, void* buffer, DWORD size, const Variables& variables, DWORD* sizeLeft)
{
    DWORD count = 1;
    DWORD result = WNetEnumResourceA(enumeration, &count, buffer, &size);
    if (TookEntry(result, count)) {
        Report(buffer, variables);
    }
    *sizeLeft = size;
    return result;
}

// Fetches one entry that needs size bytes, more than the usual buffer has, into a buffer of its own on
// the stack (only this path pays for it). Returns the router's answer, or ERROR_MORE_DATA without
// asking when size is over LARGEST_ENTRY.
[[gnu::noinline]] DWORD FetchLarge(HANDLE enumeration, DWORD size, const Variables& variables)
{
    if (size > LARGEST_ENTRY) {
        return ERROR_MORE_DATA;
    }
    alignas(NETRESOURCEA) BYTE buffer[LARGEST_ENTRY];
    DWORD sizeLeft = 0;
    return FetchOne(enumeration, buffer, size, variables, &sizeLeft);
}

}  // namespace

// Takes the next entry of the enumeration: a probe of one bare record's room learns the size the entry
// needs (and takes an entry that fits in it), then one entry is fetched with room for that size.
// Returns 0 when an entry was taken, ERROR_INVALID_PARAMETER for a null variable address, ERROR_MORE_DATA
// for an entry over LARGEST_ENTRY bytes, and otherwise the router's answer to the fetch.
extern "C" DWORD WINAPI vekNetEnumResource(HANDLE enumeration, DWORD* scope, DWORD* type, DWORD* displayType,
                                           DWORD* usage, BSTR* localName, BSTR* remoteName, BSTR* comment,
                                           BSTR* provider)
{
    if (scope == nullptr || type == nullptr || displayType == nullptr || usage == nullptr || localName == nullptr ||
        remoteName == nullptr || comment == nullptr || provider == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const Variables variables = {scope, type, displayType, usage, {localName, remoteName, comment, provider}};
    alignas(NETRESOURCEA) BYTE buffer[ENTRY_BUFFER_SIZE];
    DWORD count = AS_MANY_AS_FIT;
    DWORD size = PROBE_SIZE;
    DWORD result = WNetEnumResourceA(enumeration, &count, buffer, &size);
    if (TookEntry(result, count)) {
        Report(buffer, variables);
        return NO_ERROR;
    }
    if (size > ENTRY_BUFFER_SIZE) {
        return FetchLarge(enumeration, size, variables);
    }
    // A router that did not grow the size has not said what it needs; it gets the whole buffer.
    DWORD declared = size > PROBE_SIZE ? size : ENTRY_BUFFER_SIZE;
    DWORD needed = 0;
    result = FetchOne(enumeration, buffer, declared, variables, &needed);
    if (result == ERROR_MORE_DATA && needed > ENTRY_BUFFER_SIZE) {
        return FetchLarge(enumeration, needed, variables);
    }
    return result;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
