// provider.cpp -- a network provider for tests: serves fixed lists of connected resources to the router
#include "entries.h"

// The toolchain's header declares the provider's functions without C linkage.
extern "C" {
#include <npapi.h>
}

#include <cstring>

namespace {

constexpr int MAX_OPEN = 8;
constexpr DWORD MAX_CALLS = 64;
constexpr DWORD AS_MANY_AS_FIT = 0xFFFFFFFFu;
constexpr DWORD TEST_NET_TYPE = 0x00FE0000u;

struct OpenEnumeration {
    bool used;
    DWORD list;
    std::vector<ProviderEntry> entries;
    std::size_t next;
};

OpenEnumeration opens[MAX_OPEN];
DWORD selected = LIST_STANDARD;
ProviderCall calls[MAX_CALLS];
DWORD callCount = 0;

OpenEnumeration* Find(HANDLE handle)
{
    for (OpenEnumeration& open : opens) {
        if (open.used && handle == static_cast<HANDLE>(&open)) {
            return &open;
        }
    }
    return nullptr;
}

DWORD StringBytes(const std::wstring& text)
{
    return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
}

// The bytes an entry takes in the router's buffer: its record and its three strings.
DWORD EntryBytes(const ProviderEntry& entry)
{
    return sizeof(NETRESOURCEW) + StringBytes(entry.localName) + StringBytes(entry.remoteName) +
           StringBytes(entry.provider);
}

// Copies text to *strings and returns where it went; *strings moves past it.
LPWSTR PutString(const std::wstring& text, BYTE** strings)
{
    auto* placed = reinterpret_cast<LPWSTR>(*strings);
    std::memcpy(*strings, text.c_str(), StringBytes(text));
    *strings += StringBytes(text);
    return placed;
}

// Answers one enumeration call: as many of the next entries as are asked for and fit, records first and
// their strings after them; WN_MORE_DATA with the size needed when none fits, the count left alone
// except for the large list, which reports no entries read (see entries.h).
DWORD Enumerate(OpenEnumeration* open, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    if (open->next >= open->entries.size()) {
        *count = 0;
        return WN_NO_MORE_ENTRIES;
    }
    std::size_t remaining = open->entries.size() - open->next;
    std::size_t wanted = *count == AS_MANY_AS_FIT || *count > remaining ? remaining : *count;
    const ProviderEntry* first = open->entries.data() + open->next;
    std::size_t taken = 0;
    DWORD bytes = 0;
    while (taken < wanted && bytes + EntryBytes(first[taken]) <= *size) {
        bytes += EntryBytes(first[taken]);
        ++taken;
    }
    if (taken == 0) {
        *size = EntryBytes(first[0]);
        if (open->list == LIST_LARGE) {
            *count = 0;
        }
        return WN_MORE_DATA;
    }
    BYTE* strings = static_cast<BYTE*>(buffer) + taken * sizeof(NETRESOURCEW);
    for (std::size_t i = 0; i < taken; ++i) {
        NETRESOURCEW record = {};
        record.dwScope = first[i].scope;
        record.dwType = first[i].type;
        record.dwDisplayType = first[i].displayType;
        record.dwUsage = first[i].usage;
        record.lpLocalName = PutString(first[i].localName, &strings);
        record.lpRemoteName = PutString(first[i].remoteName, &strings);
        record.lpComment = nullptr;
        record.lpProvider = PutString(first[i].provider, &strings);
        std::memcpy(static_cast<BYTE*>(buffer) + i * sizeof(NETRESOURCEW), &record, sizeof record);
    }
    open->next += taken;
    *count = static_cast<DWORD>(taken);
    return WN_SUCCESS;
}

}  // namespace

extern "C" {

// Fetches what the provider can do: enumerate connected resources, and nothing else.
DWORD WINAPI NPGetCaps(DWORD index)
{
    switch (index) {
    case WNNC_SPEC_VERSION: return WNNC_SPEC_VERSION51;
    case WNNC_NET_TYPE: return TEST_NET_TYPE;
    case WNNC_DRIVER_VERSION: return 1;
    case WNNC_ENUMERATION: return WNNC_ENUM_LOCAL;
    default: return 0;
    }
}

// Opens an enumeration of a copy of the selected list; connected resources only.
DWORD WINAPI NPOpenEnum(DWORD scope, DWORD, DWORD, LPNETRESOURCEW, LPHANDLE handle)
{
    if (handle == nullptr) {
        return WN_BAD_POINTER;
    }
    if (scope != RESOURCE_CONNECTED) {
        return WN_NOT_SUPPORTED;
    }
    for (OpenEnumeration& open : opens) {
        if (!open.used) {
            open.used = true;
            open.list = selected;
            open.entries = ProviderEntries(selected);
            open.next = 0;
            *handle = static_cast<HANDLE>(&open);
            return WN_SUCCESS;
        }
    }
    return WN_OUT_OF_MEMORY;
}

// Answers one enumeration call and records it.
DWORD WINAPI NPEnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    OpenEnumeration* open = Find(handle);
    if (open == nullptr) {
        return WN_BAD_HANDLE;
    }
    if (count == nullptr || buffer == nullptr || size == nullptr) {
        return WN_BAD_POINTER;
    }
    ProviderCall call = {*count, *size, 0};
    call.result = Enumerate(open, count, buffer, size);
    if (callCount < MAX_CALLS) {
        calls[callCount] = call;
    }
    ++callCount;
    return call.result;
}

DWORD WINAPI NPCloseEnum(HANDLE handle)
{
    OpenEnumeration* open = Find(handle);
    if (open == nullptr) {
        return WN_BAD_HANDLE;
    }
    open->used = false;
    open->entries.clear();
    return WN_SUCCESS;
}

// Chooses the list that enumerations opened from now on serve; the recorded calls start afresh.
void WINAPI LanwalkTestSelectList(DWORD list)
{
    selected = list;
    callCount = 0;
}

DWORD WINAPI LanwalkTestGetCalls(ProviderCall* out, DWORD room)
{
    for (DWORD i = 0; i < room && i < callCount && i < MAX_CALLS; ++i) {
        out[i] = calls[i];
    }
    return callCount;
}

}  // extern "C"
