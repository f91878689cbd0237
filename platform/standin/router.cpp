// router.cpp -- the network-provider router: enumerations over a scripted provider or the machine's mounts
//
// WNetOpenEnumA copies what its enumeration will list: the script a test set (StandinScriptEntries), or
// else the machine's mounted network file systems as connected disk shares (local name the mount point,
// remote name the mounted source, no comment, provider the file-system type). RESOURCE_GLOBALNET lists
// the same mounts with that scope, whatever the container; RESOURCE_REMEMBERED lists nothing; a type of
// RESOURCETYPE_PRINT or a usage of containers only lists no mounts. The mounts are read from
// /proc/self/mounts, or from the file StandinSetMountTable or the STANDIN_MOUNTS environment variable
// names (so that a host can be run over a fixed table).
//
// WNetEnumResourceA behaves as the platform's does: the count is in/out, 0xFFFFFFFF asking for as many
// entries as fit; the size is in/out; the records go at the start of the buffer and the strings they
// point at after them, all inside the declared size. When not even one entry fits it answers
// ERROR_MORE_DATA with the size that entry needs; after the last entry, ERROR_NO_MORE_ITEMS. The room
// it declares but does not fill it scribbles over, as the platform may, so that a caller declaring more
// room than it has is caught by the address sanitizer.
#include "platform.h"
#include "standin.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int MAX_ENUMERATIONS = 16;
constexpr int NAME_COUNT = 4;
constexpr DWORD AS_MANY_AS_FIT = 0xFFFFFFFFu;
constexpr unsigned char SCRIBBLE = 0xCD;
constexpr std::uintptr_t FIRST_HANDLE = 0x4E0000;
constexpr const char* MACHINE_MOUNTS = "/proc/self/mounts";

// The file-system types of network mounts.
constexpr const char* NETWORK_FILE_SYSTEMS[] = {
    "9p", "afs", "ceph", "cifs", "coda", "fuse.ceph", "fuse.glusterfs", "fuse.sshfs", "glusterfs",
    "lustre", "ncpfs", "nfs", "nfs4", "smb3", "smbfs", "sshfs", "fuse.smbnetfs",
};

struct Entry {
    DWORD numbers[4];
    bool present[NAME_COUNT];
    std::string names[NAME_COUNT];
};

struct Enumeration {
    bool open;
    std::uintptr_t handle;
    std::vector<Entry> entries;
    std::size_t next;
};

Enumeration enumerations[MAX_ENUMERATIONS];
std::uintptr_t nextHandle = FIRST_HANDLE;
bool scripted = false;
std::vector<Entry> script;
BOOL leaveSize = FALSE;
std::string mountTable;  // empty for the environment's or the machine's
StandinRouterCalls calls = {};

Enumeration* Find(HANDLE handle)
{
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    for (Enumeration& enumeration : enumerations) {
        if (enumeration.open && enumeration.handle == value) {
            return &enumeration;
        }
    }
    return nullptr;
}

// The bytes an entry takes in a buffer: its record and its strings with their terminators.
std::size_t EntryBytes(const Entry& entry)
{
    std::size_t bytes = sizeof(NETRESOURCEA);
    for (int i = 0; i < NAME_COUNT; ++i) {
        if (entry.present[i]) {
            bytes += entry.names[i].size() + 1;
        }
    }
    return bytes;
}

// Undoes the octal escapes (\040 for a space and the like) of a field of the mount table.
std::string Unescape(const std::string& field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char* digits = field.c_str() + i + 1;
            if (digits[0] >= '0' && digits[0] <= '3' && digits[1] >= '0' && digits[1] <= '7' && digits[2] >= '0' &&
                digits[2] <= '7') {
                text += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 + (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        text += field[i];
    }
    return text;
}

bool IsNetworkFileSystem(const std::string& type)
{
    for (const char* network : NETWORK_FILE_SYSTEMS) {
        if (type == network) {
            return true;
        }
    }
    return false;
}

// The network mounts of the mount table as entries of the given scope.
std::vector<Entry> NetworkMounts(DWORD scope)
{
    std::vector<Entry> entries;
    const char* named = std::getenv("STANDIN_MOUNTS");
    std::ifstream table(!mountTable.empty()               ? mountTable.c_str()
                        : named != nullptr && *named != 0 ? named
                                                          : MACHINE_MOUNTS);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string source;
        std::string target;
        std::string type;
        if (!(fields >> source >> target >> type) || !IsNetworkFileSystem(type)) {
            continue;
        }
        Entry entry = {{scope, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE},
                       {true, true, false, true},
                       {Unescape(target), Unescape(source), std::string(), type}};
        entries.push_back(entry);
    }
    return entries;
}

// Writes the records of count entries from first at the start of buffer and their strings after them.
void WriteEntries(const Entry* first, std::size_t count, unsigned char* buffer)
{
    unsigned char* strings = buffer + count * sizeof(NETRESOURCEA);
    for (std::size_t i = 0; i < count; ++i) {
        const Entry& entry = first[i];
        LPSTR pointers[NAME_COUNT] = {};
        for (int n = 0; n < NAME_COUNT; ++n) {
            if (entry.present[n]) {
                std::memcpy(strings, entry.names[n].c_str(), entry.names[n].size() + 1);
                pointers[n] = reinterpret_cast<LPSTR>(strings);
                strings += entry.names[n].size() + 1;
            }
        }
        NETRESOURCEA record = {entry.numbers[0], entry.numbers[1], entry.numbers[2], entry.numbers[3],
                               pointers[0],      pointers[1],      pointers[2],      pointers[3]};
        std::memcpy(buffer + i * sizeof(NETRESOURCEA), &record, sizeof record);
    }
}

DWORD Enumerate(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    Enumeration* enumeration = Find(handle);
    if (enumeration == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    if (count == nullptr || buffer == nullptr || size == nullptr || *count == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    std::size_t remaining = enumeration->entries.size() - enumeration->next;
    if (remaining == 0) {
        return ERROR_NO_MORE_ITEMS;
    }
    std::size_t wanted = *count == AS_MANY_AS_FIT || *count > remaining ? remaining : *count;
    const Entry* first = enumeration->entries.data() + enumeration->next;
    std::size_t taken = 0;
    std::size_t bytes = 0;
    while (taken < wanted && bytes + EntryBytes(first[taken]) <= *size) {
        bytes += EntryBytes(first[taken]);
        ++taken;
    }
    if (taken == 0) {
        bool leave = leaveSize == TRUE || (leaveSize == STANDIN_LEAVE_SIZE_WHEN_ALL_ASKED && *count == AS_MANY_AS_FIT);
        if (!leave) {
            *size = static_cast<DWORD>(EntryBytes(first[0]));
        }
        return ERROR_MORE_DATA;
    }
    auto* bytesOut = static_cast<unsigned char*>(buffer);
    WriteEntries(first, taken, bytesOut);
    std::memset(bytesOut + bytes, SCRIBBLE, *size - bytes);
    enumeration->next += taken;
    *count = static_cast<DWORD>(taken);
    return NO_ERROR;
}

}  // namespace

extern "C" {

// Opens an enumeration of what the script or the machine's mounts give for the scope; see above.
DWORD WINAPI WNetOpenEnumA(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEA, LPHANDLE handle)
{
    if (handle == nullptr ||
        (scope != RESOURCE_CONNECTED && scope != RESOURCE_GLOBALNET && scope != RESOURCE_REMEMBERED)) {
        return ERROR_INVALID_PARAMETER;
    }
    Enumeration* slot = nullptr;
    for (Enumeration& enumeration : enumerations) {
        if (!enumeration.open) {
            slot = &enumeration;
            break;
        }
    }
    if (slot == nullptr) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    slot->entries.clear();
    if (scripted) {
        slot->entries = script;
    } else if (scope != RESOURCE_REMEMBERED && type != RESOURCETYPE_PRINT && usage != RESOURCEUSAGE_CONTAINER) {
        slot->entries = NetworkMounts(scope);
    }
    slot->open = true;
    slot->handle = nextHandle++;
    slot->next = 0;
    *handle = reinterpret_cast<HANDLE>(slot->handle);
    return NO_ERROR;
}

// Fills the buffer with as many of the next entries as are asked for and fit; see above.
DWORD WINAPI WNetEnumResourceA(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size)
{
    DWORD countAsked = count != nullptr ? *count : 0;
    DWORD sizeDeclared = size != nullptr ? *size : 0;
    DWORD result = Enumerate(handle, count, buffer, size);
    if (calls.enumCalls < STANDIN_RECORDED_CALLS) {
        calls.first[calls.enumCalls] = {countAsked, sizeDeclared, result, count != nullptr ? *count : 0,
                                        size != nullptr ? *size : 0};
    }
    ++calls.enumCalls;
    calls.lastCount = countAsked;
    calls.lastSize = sizeDeclared;
    if (sizeDeclared > calls.largestSize) {
        calls.largestSize = sizeDeclared;
    }
    return result;
}

// Closes an open enumeration; ERROR_INVALID_HANDLE for anything else.
DWORD WINAPI WNetCloseEnum(HANDLE handle)
{
    Enumeration* enumeration = Find(handle);
    if (enumeration == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    enumeration->open = false;
    enumeration->entries.clear();
    return NO_ERROR;
}

void StandinScriptEntries(const StandinEntry* entries, std::size_t count)
{
    script.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const StandinEntry& given = entries[i];
        const char* names[NAME_COUNT] = {given.localName, given.remoteName, given.comment, given.provider};
        Entry entry = {{given.scope, given.type, given.displayType, given.usage}, {}, {}};
        for (int n = 0; n < NAME_COUNT; ++n) {
            entry.present[n] = names[n] != nullptr;
            entry.names[n] = names[n] != nullptr ? names[n] : "";
        }
        script.push_back(entry);
    }
    scripted = true;
    StandinResetRouterCalls();
}

void StandinClearScript()
{
    script.clear();
    scripted = false;
    leaveSize = FALSE;
    mountTable.clear();
    StandinResetRouterCalls();
}

void StandinLeaveSizeOnMoreData(BOOL leave)
{
    leaveSize = leave;
}

void StandinSetMountTable(const char* path)
{
    mountTable = path != nullptr ? path : "";
}

StandinRouterCalls StandinGetRouterCalls()
{
    return calls;
}

void StandinResetRouterCalls()
{
    calls = {};
}

}  // extern "C"
