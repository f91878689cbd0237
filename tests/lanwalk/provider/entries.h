// entries.h -- what the test network provider serves, shared by the provider and the tests that check it
//
// The provider serves one of its lists of connected resources to the platform's router, chosen with
// its LanwalkTestSelectList export, and records every NPEnumResource call it answers so that tests can
// see what the router passed on. Its entries carry no comment (the router drops comments of connected
// resources) and always a local and a remote name (the router cannot copy a missing one).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#define LANWALK_TEST_SERVICE "LanwalkTest"
#define LANWALK_TEST_PROVIDER_NAME "Lanwalk Test Network"
#define LANWALK_TEST_PROVIDER_FILE "lanwalk_test_provider.dll"

// When an entry does not fit, the provider answers WN_MORE_DATA with the size it needs. For the
// standard list it leaves the count as it was given, as the router expects of the first call of a walk;
// for the large list it sets the count to 0 (no entries read), because a router that gets WN_MORE_DATA
// with the count still 1 takes its own unfilled buffer for an entry and reports whatever it holds.
enum ProviderList : DWORD {
    LIST_STANDARD = 0,  // names that fit the router's usual buffer
    LIST_LARGE = 1,     // first an entry the router cannot fit in 1024 bytes of wide strings
};

struct ProviderEntry {
    DWORD scope;
    DWORD type;
    DWORD displayType;
    DWORD usage;
    std::wstring localName;
    std::wstring remoteName;
    std::wstring provider;
};

// One NPEnumResource call as the provider saw it.
struct ProviderCall {
    DWORD count;
    DWORD size;
    DWORD result;
};

typedef void(WINAPI* SelectListFunction)(DWORD list);
// Copies up to room of the calls since the last selection; returns how many there were.
typedef DWORD(WINAPI* GetCallsFunction)(ProviderCall* calls, DWORD room);

inline std::vector<ProviderEntry> ProviderEntries(DWORD list)
{
    const std::wstring provider = L"" LANWALK_TEST_PROVIDER_NAME;
    if (list == LIST_LARGE) {
        return {
            {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE, L"X:",
             L"\\\\big\\" + std::wstring(600, L'b'), provider},
            {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE, L"W:",
             L"\\\\small\\share", provider},
        };
    }
    return {
        {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE, L"Z:",
         L"\\\\server\\share", provider},
        {RESOURCE_CONNECTED, RESOURCETYPE_PRINT, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE, L"LPT2:",
         L"\\\\caf\u00e9\\imprimante d'\u00e9t\u00e9 \u00e0 c\u00f4t\u00e9", provider},
        {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_GENERIC, RESOURCEUSAGE_CONNECTABLE | 0x80000000u,
         L"", L"\\\\archive\\" + std::wstring(380, L'a') + L"\u00e9", provider},
        {RESOURCE_CONNECTED, RESOURCETYPE_ANY, RESOURCEDISPLAYTYPE_SERVER, 0, L"Y:",
         L"\\\\srv\\\u00c0\u00ff\u00a3\u00b5 \u00c9", L"\u00c9tendu"},
    };
}
