// walk_test.cpp -- the walking library over the stand-in router: entries, names, sizes, faults and leaks
#include "standin.h"
#include "walker.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD AS_MANY_AS_FIT = 0xFFFFFFFFu;
constexpr DWORD PROBE_SIZE = sizeof(NETRESOURCEA);

int LiveStrings()
{
    return StandinGetStringCounts().live;
}

bool IsLive(const void* string)
{
    return StandinIsLiveString(static_cast<BSTR>(const_cast<void*>(string))) == TRUE;
}

BSTR MakeString(const char* text)
{
    return SysAllocStringByteLen(text, static_cast<UINT>(std::string(text).size()));
}

ExpectedEntry Expect(const StandinEntry& entry)
{
    return {entry.scope,      entry.type,       entry.displayType, entry.usage,
            entry.localName, entry.remoteName, entry.comment,     entry.provider};
}

// One test's walk: the bound export, its variables and the enumerations it opened. Ending it closes
// the enumerations, frees the strings, puts the stand-in back as it was and checks that no string made
// during the test outlives it.
struct Walk {
    VekNetEnumResourceFunction walk = BindWalker(Binding::ByName);
    WalkVariables variables = FreshVariables();
    std::vector<HANDLE> opened;
    int liveAtStart = LiveStrings();

    ~Walk()
    {
        ReleaseStrings(&variables);
        for (HANDLE handle : opened) {
            WNetCloseEnum(handle);
        }
        StandinClearScript();
        StandinFailAllocation(0);
        EXPECT_EQ(LiveStrings(), liveAtStart) << "strings leaked";
    }

    // Opens a connected enumeration of a copy of entries; the router's counts start afresh.
    HANDLE Open(const std::vector<StandinEntry>& entries)
    {
        StandinScriptEntries(entries.data(), entries.size());
        HANDLE handle = nullptr;
        EXPECT_EQ(WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_ANY, 0, nullptr, &handle), 0u);
        opened.push_back(handle);
        return handle;
    }

    DWORD Next(HANDLE handle)
    {
        StandinResetRouterCalls();
        return Step(walk, handle, &variables);
    }

    // Puts a string of its own in every name variable, as a walk has after an earlier entry.
    void HoldOldStrings()
    {
        ReleaseStrings(&variables);
        variables.localName = MakeString("old local");
        variables.remoteName = MakeString("old remote");
        variables.comment = MakeString("old comment");
        variables.provider = MakeString("old provider");
    }

    // The strings the variables hold, as addresses (a string is never printed after it is freed).
    std::vector<const void*> Strings() const
    {
        return {variables.localName, variables.remoteName, variables.comment, variables.provider};
    }
};

// The (count, size) of each router call since the last reset.
std::vector<std::pair<DWORD, DWORD>> RouterCalls()
{
    StandinRouterCalls calls = StandinGetRouterCalls();
    std::vector<std::pair<DWORD, DWORD>> asked;
    for (int i = 0; i < calls.enumCalls && i < STANDIN_RECORDED_CALLS; ++i) {
        asked.emplace_back(calls.first[i].count, calls.first[i].size);
    }
    return asked;
}

const StandinEntry SHARE = {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE,
                            RESOURCEUSAGE_CONNECTABLE, "Z:", "\\\\server\\share", "the share", "Lab Network"};
const StandinEntry PRINTER = {RESOURCE_CONNECTED, RESOURCETYPE_PRINT, RESOURCEDISPLAYTYPE_SHARE,
                              RESOURCEUSAGE_CONNECTABLE, "LPT1:", "\\\\server\\printer", nullptr, "Lab Network"};
const StandinEntry SERVER = {RESOURCE_GLOBALNET, RESOURCETYPE_ANY, RESOURCEDISPLAYTYPE_SERVER,
                             RESOURCEUSAGE_CONTAINER | 0x80000000u, nullptr, "\\\\server", "a server", "Other"};
const StandinEntry NAMELESS = {RESOURCE_CONNECTED, 7, 8, 9, nullptr, nullptr, nullptr, nullptr};

TEST(Walk, ThreeEntriesTakeFourCallsAndEachFreesTheLastNames)
{
    for (BOOL leave : {FALSE, TRUE}) {
        SCOPED_TRACE(leave ? "router leaving the size on ERROR_MORE_DATA" : "well-behaved router");
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        HANDLE handle = walk.Open({SHARE, PRINTER, SERVER});
        StandinLeaveSizeOnMoreData(leave);
        std::vector<const void*> earlier;
        for (const StandinEntry& entry : {SHARE, PRINTER, SERVER}) {
            ASSERT_EQ(walk.Next(handle), 0u);
            EXPECT_EQ(Render(walk.variables), Render(Expect(entry)));
            for (const void* string : earlier) {
                EXPECT_FALSE(IsLive(string));
            }
            earlier = walk.Strings();
            // The fetch asks for one entry only, so none is ever taken and not reported.
            ASSERT_EQ(RouterCalls().size(), 2u);
            EXPECT_EQ(RouterCalls()[0], std::make_pair(AS_MANY_AS_FIT, PROBE_SIZE));
            EXPECT_EQ(RouterCalls()[1].first, 1u);
        }
        std::string third = Render(walk.variables);
        EXPECT_EQ(walk.Next(handle), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
        EXPECT_EQ(Render(walk.variables), third);
        EXPECT_EQ(walk.Strings(), earlier);
        EXPECT_EQ(LiveStrings(), walk.liveAtStart + 3);
    }
}

TEST(Walk, EntryThatFitsTheProbeIsReportedThenTheNext)
{
    Walk walk;
    ASSERT_NE(walk.walk, nullptr);
    HANDLE handle = walk.Open({NAMELESS, SHARE});
    walk.HoldOldStrings();
    std::vector<const void*> old = walk.Strings();
    ASSERT_EQ(walk.Next(handle), 0u);
    EXPECT_EQ(Render(walk.variables), Render(Expect(NAMELESS)));
    EXPECT_EQ(RouterCalls().size(), 1u);
    for (const void* string : old) {
        EXPECT_FALSE(IsLive(string));
    }
    ASSERT_EQ(walk.Next(handle), 0u);
    EXPECT_EQ(Render(walk.variables), Render(Expect(SHARE)));
    EXPECT_EQ(walk.Next(handle), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
}

TEST(Walk, NamesComeBackByteForByte)
{
    struct Row {
        const char* name;
        StandinEntry entry;
    };
    const Row rows[] = {
        {"all four names", SHARE},
        {"no local name and no comment", {RESOURCE_CONNECTED, 1, 3, 1, nullptr, "\\\\a\\b", nullptr, "P"}},
        {"only a comment", {RESOURCE_GLOBALNET, 0, 0, 2, nullptr, nullptr, "just this", nullptr}},
        {"empty names are empty strings", {RESOURCE_CONNECTED, 1, 3, 1, "", "", "", ""}},
        {"bytes above 127", {RESOURCE_CONNECTED, 1, 3, 1, "\x80\xE9:", "\\\\caf\xE9\\\xFF\xFE", "\xA0", "R\xE9seau"}},
        {"control bytes", {RESOURCE_CONNECTED, 1, 3, 1, "\x01", "\t\n", "\x7F", "\x1B[0m"}},
        {"numbers at their extremes", {0xFFFFFFFFu, 0x80000000u, 0, 0x7FFFFFFFu, "a", "b", "c", "d"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        HANDLE handle = walk.Open({row.entry});
        walk.HoldOldStrings();
        std::vector<const void*> old = walk.Strings();
        ASSERT_EQ(walk.Next(handle), 0u);
        EXPECT_EQ(Render(walk.variables), Render(Expect(row.entry)));
        int held = 0;
        const WalkVariables& v = walk.variables;
        for (BSTR string : {v.localName, v.remoteName, v.comment, v.provider}) {
            if (string != nullptr) {
                ++held;
                const char* bytes = reinterpret_cast<const char*>(string);
                EXPECT_EQ(bytes[SysStringByteLen(string)], '\0');
                EXPECT_EQ(bytes[SysStringByteLen(string) + 1], '\0');
            }
        }
        for (const void* string : old) {
            EXPECT_FALSE(IsLive(string));
        }
        EXPECT_EQ(LiveStrings(), walk.liveAtStart + held);
    }
}

TEST(Walk, HandleThatIsNotAnOpenEnumerationTouchesNothing)
{
    Walk walk;
    ASSERT_NE(walk.walk, nullptr);
    HANDLE closed = walk.Open({SHARE});
    ASSERT_EQ(WNetCloseEnum(closed), 0u);
    walk.opened.clear();
    for (HANDLE handle : {closed, static_cast<HANDLE>(nullptr), reinterpret_cast<HANDLE>(0x1234)}) {
        walk.HoldOldStrings();
        WalkVariables before = walk.variables;
        EXPECT_EQ(walk.Next(handle), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(Render(walk.variables), Render(before));
        EXPECT_EQ(walk.Strings(), std::vector<const void*>({before.localName, before.remoteName, before.comment,
                                                            before.provider}));
        for (const void* string : walk.Strings()) {
            EXPECT_TRUE(IsLive(string));
        }
    }
}

// An entry of exactly bytes bytes in the router's buffer: its record, "L:", a remote name, "P".
StandinEntry EntryOfSize(std::size_t bytes, std::string* remote)
{
    *remote = std::string(bytes - sizeof(NETRESOURCEA) - 3 - 2 - 1, 'r');
    return {RESOURCE_CONNECTED, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE,
            "L:", remote->c_str(), nullptr, "P"};
}

TEST(Walk, RoomOfferedFollowsTheSizeTheRouterNeeds)
{
    using Calls = std::vector<std::pair<DWORD, DWORD>>;
    const std::pair<DWORD, DWORD> probe = {AS_MANY_AS_FIT, PROBE_SIZE};
    struct Row {
        const char* name;
        std::size_t bytes;
        BOOL leave;
        DWORD result;
        Calls calls;
    };
    const Row rows[] = {
        {"small entry, the size it needs", 100, FALSE, 0, {probe, {1, 100}}},
        {"exactly the buffer", 1024, FALSE, 0, {probe, {1, 1024}}},
        {"one byte over the buffer", 1025, FALSE, 0, {probe, {1, 1025}}},
        {"two thousand bytes", 2000, FALSE, 0, {probe, {1, 2000}}},
        {"exactly the largest", 65536, FALSE, 0, {probe, {1, 65536}}},
        {"one byte over the largest", 65537, FALSE, ERROR_MORE_DATA, {probe}},
        {"seventy thousand bytes", 70000, FALSE, ERROR_MORE_DATA, {probe}},
        {"size left alone, small entry gets the whole buffer", 100, TRUE, 0, {probe, {1, 1024}}},
        {"size left alone, large entry", 2000, TRUE, ERROR_MORE_DATA, {probe, {1, 1024}}},
        {"size left on the probe only, large entry", 2000, STANDIN_LEAVE_SIZE_WHEN_ALL_ASKED, 0,
         {probe, {1, 1024}, {1, 2000}}},
        {"size left on the probe only, too large entry", 70000, STANDIN_LEAVE_SIZE_WHEN_ALL_ASKED, ERROR_MORE_DATA,
         {probe, {1, 1024}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        std::string remote;
        StandinEntry entry = EntryOfSize(row.bytes, &remote);
        HANDLE handle = walk.Open({entry, SHARE});
        StandinLeaveSizeOnMoreData(row.leave);
        walk.HoldOldStrings();
        WalkVariables before = walk.variables;
        EXPECT_EQ(walk.Next(handle), row.result);
        EXPECT_EQ(RouterCalls(), row.calls);
        if (row.result == 0) {
            EXPECT_EQ(Render(walk.variables), Render(Expect(entry)));
            EXPECT_EQ(BytesOf(walk.variables.remoteName), remote);
            ASSERT_EQ(walk.Next(handle), 0u);
            EXPECT_EQ(Render(walk.variables), Render(Expect(SHARE)));
        } else {
            EXPECT_EQ(Render(walk.variables), Render(before));
            for (const void* string : walk.Strings()) {
                EXPECT_TRUE(IsLive(string));
            }
        }
    }
}

TEST(Walk, VariablePassedForTwoNamesIsFreedOnceAndKeepsTheLaterName)
{
    struct Row {
        const char* name;
        int aliases[4];  // which variable each name argument is: 0 to 3
        StandinEntry entry;
        const char* expected[4];  // what each of the four variables holds afterwards
    };
    const StandinEntry abcd = {RESOURCE_CONNECTED, 1, 3, 1, "a", "b", "c", "d"};
    const Row rows[] = {
        {"local and remote", {0, 0, 2, 3}, abcd, {"b", nullptr, "c", "d"}},
        {"comment and provider", {0, 1, 3, 3}, abcd, {"a", "b", nullptr, "d"}},
        {"all four", {0, 0, 0, 0}, abcd, {"d", nullptr, nullptr, nullptr}},
        {"later name missing", {0, 0, 2, 3}, {RESOURCE_CONNECTED, 1, 3, 1, "a", nullptr, "c", "d"},
         {"a", nullptr, "c", "d"}},
        {"earlier name missing", {0, 1, 2, 2}, {RESOURCE_CONNECTED, 1, 3, 1, "a", "b", nullptr, "d"},
         {"a", "b", "d", nullptr}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        HANDLE handle = walk.Open({row.entry});
        walk.HoldOldStrings();
        BSTR* variables[4] = {&walk.variables.localName, &walk.variables.remoteName, &walk.variables.comment,
                              &walk.variables.provider};
        // A variable passed for no name has no string to lose.
        for (int i = 0; i < 4; ++i) {
            if (row.aliases[0] != i && row.aliases[1] != i && row.aliases[2] != i && row.aliases[3] != i) {
                SysFreeString(*variables[i]);
                *variables[i] = nullptr;
            }
        }
        std::vector<const void*> old = walk.Strings();
        DWORD numbers[4] = {};
        ASSERT_EQ(walk.walk(handle, &numbers[0], &numbers[1], &numbers[2], &numbers[3], variables[row.aliases[0]],
                            variables[row.aliases[1]], variables[row.aliases[2]], variables[row.aliases[3]]),
                  0u);
        int held = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_FALSE(IsLive(old[i]));
            BSTR string = *variables[i];
            if (row.expected[i] == nullptr) {
                EXPECT_TRUE(string == nullptr) << "variable " << i;
            } else {
                ++held;
                EXPECT_EQ(BytesOf(string), row.expected[i]) << "variable " << i;
            }
        }
        EXPECT_EQ(LiveStrings(), walk.liveAtStart + held);
    }
}

TEST(Walk, NullVariableAddressIsRefusedBeforeTheRouterIsAsked)
{
    for (int missing = 0; missing < 8; ++missing) {
        SCOPED_TRACE("argument " + std::to_string(missing + 2) + " null");
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        HANDLE handle = walk.Open({SHARE});
        walk.HoldOldStrings();
        WalkVariables before = walk.variables;
        WalkVariables& v = walk.variables;
        DWORD* numbers[4] = {&v.scope, &v.type, &v.displayType, &v.usage};
        BSTR* names[4] = {&v.localName, &v.remoteName, &v.comment, &v.provider};
        if (missing < 4) {
            numbers[missing] = nullptr;
        } else {
            names[missing - 4] = nullptr;
        }
        StandinResetRouterCalls();
        EXPECT_EQ(walk.walk(handle, numbers[0], numbers[1], numbers[2], numbers[3], names[0], names[1], names[2],
                            names[3]),
                  static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(StandinGetRouterCalls().enumCalls, 0);
        EXPECT_EQ(Render(walk.variables), Render(before));
        for (const void* string : walk.Strings()) {
            EXPECT_TRUE(IsLive(string));
        }
    }
}

TEST(Walk, NameThatCannotBeAllocatedComesBackNullAndTheRestAreMade)
{
    for (int failing = 1; failing <= 4; ++failing) {
        SCOPED_TRACE("allocation " + std::to_string(failing) + " fails");
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        HANDLE handle = walk.Open({SHARE});
        walk.HoldOldStrings();
        StandinFailAllocation(failing);
        ASSERT_EQ(walk.Next(handle), 0u);
        StandinFailAllocation(0);
        const char* names[4] = {SHARE.localName, SHARE.remoteName, SHARE.comment, SHARE.provider};
        names[failing - 1] = nullptr;
        EXPECT_EQ(Render(walk.variables), Render(ExpectedEntry{SHARE.scope, SHARE.type, SHARE.displayType, SHARE.usage, names[0],
                                                  names[1], names[2], names[3]}));
        EXPECT_EQ(LiveStrings(), walk.liveAtStart + 3);
    }
}

TEST(Walk, StandinStringsHaveThePlatformLayout)
{
    Walk walk;
    StandinStringCounts before = StandinGetStringCounts();
    BSTR text = SysAllocStringByteLen("a\xE9\0b", 4);
    BSTR zeros = SysAllocStringByteLen(nullptr, 3);
    ASSERT_TRUE(text != nullptr && zeros != nullptr);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, bytes - 4, 4);
    EXPECT_EQ(prefix, 4u);
    EXPECT_EQ(SysStringByteLen(text), 4u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), 6), std::string("a\xE9\0b\0\0", 6));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(zeros), 5), std::string(5, '\0'));
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);
    StandinFailAllocation(2);
    BSTR first = SysAllocStringByteLen("x", 1);
    EXPECT_TRUE(SysAllocStringByteLen("y", 1) == nullptr);
    BSTR third = SysAllocStringByteLen("z", 1);
    StandinStringCounts during = StandinGetStringCounts();
    EXPECT_EQ(during.allocations - before.allocations, 4);
    EXPECT_EQ(during.live - before.live, 4);
    for (BSTR string : {text, zeros, first, third}) {
        EXPECT_TRUE(IsLive(string));
        SysFreeString(string);
        EXPECT_FALSE(IsLive(string));
    }
    EXPECT_EQ(StandinGetStringCounts().frees - before.frees, 4);
}

// Writes a mount table to a file of its own; returns its path.
std::string WriteMountTable(const std::string& lines)
{
    std::string path = ScratchFolder() + "/mounts";
    WriteWholeFile(path, lines);
    return path;
}

TEST(Walk, MachineMountsAreListedAsConnectedShares)
{
    const std::string table =
        "/dev/sda1 / ext4 rw,relatime 0 0\n"
        "//srv/my\\040share /mnt/with\\040space cifs rw 0 0\n"
        "proc /proc proc rw 0 0\n"
        "server:/export /mnt/nfs nfs4 rw,vers=4.2 0 0\n"
        "user@host:/home /mnt/back\\134slash fuse.sshfs rw 0 0\n"
        "tmpfs /tmp tmpfs rw 0 0\n";
    const DWORD disk = RESOURCETYPE_DISK;
    const DWORD share = RESOURCEDISPLAYTYPE_SHARE;
    const DWORD connectable = RESOURCEUSAGE_CONNECTABLE;
    for (DWORD scope : {RESOURCE_CONNECTED, RESOURCE_GLOBALNET}) {
        SCOPED_TRACE(scope == RESOURCE_CONNECTED ? "connected" : "whole network");
        const ExpectedEntry expected[] = {
            {scope, disk, share, connectable, "/mnt/with space", "//srv/my share", nullptr, "cifs"},
            {scope, disk, share, connectable, "/mnt/nfs", "server:/export", nullptr, "nfs4"},
            {scope, disk, share, connectable, "/mnt/back\\slash", "user@host:/home", nullptr, "fuse.sshfs"},
        };
        Walk walk;
        ASSERT_NE(walk.walk, nullptr);
        StandinSetMountTable(WriteMountTable(table).c_str());
        HANDLE handle = nullptr;
        ASSERT_EQ(WNetOpenEnumA(scope, RESOURCETYPE_ANY, 0, nullptr, &handle), 0u);
        walk.opened.push_back(handle);
        for (const ExpectedEntry& entry : expected) {
            ASSERT_EQ(walk.Next(handle), 0u);
            EXPECT_EQ(Render(walk.variables), Render(entry));
        }
        EXPECT_EQ(walk.Next(handle), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    }
}

TEST(Walk, RouterRefusesWhatThePlatformRefuses)
{
    Walk walk;
    HANDLE handle = walk.Open({SHARE});
    alignas(NETRESOURCEA) BYTE buffer[256];
    DWORD count = 1;
    DWORD size = sizeof buffer;
    EXPECT_EQ(WNetEnumResourceA(handle, nullptr, buffer, &size), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WNetEnumResourceA(handle, &count, nullptr, &size), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, nullptr), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    HANDLE unused = nullptr;
    EXPECT_EQ(WNetOpenEnumA(RESOURCE_CONNECTED, 0, 0, nullptr, nullptr), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WNetOpenEnumA(99, 0, 0, nullptr, &unused), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(WNetCloseEnum(reinterpret_cast<HANDLE>(0x1234)), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // Records first, then their strings, all inside the declared size; as many as fit for count -1.
    count = AS_MANY_AS_FIT;
    size = 2 * sizeof(NETRESOURCEA) + 4;
    StandinEntry two[] = {{1, 1, 3, 1, "a", nullptr, nullptr, nullptr}, {1, 1, 3, 1, nullptr, "b", nullptr, nullptr},
                          {1, 1, 3, 1, nullptr, nullptr, nullptr, nullptr}};
    handle = walk.Open({two[0], two[1], two[2]});
    ASSERT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), 0u);
    EXPECT_EQ(count, 2u);
    NETRESOURCEA records[2];
    std::memcpy(records, buffer, sizeof records);
    EXPECT_EQ(records[0].lpLocalName, reinterpret_cast<LPSTR>(buffer + 2 * sizeof(NETRESOURCEA)));
    EXPECT_EQ(records[1].lpRemoteName, reinterpret_cast<LPSTR>(buffer + 2 * sizeof(NETRESOURCEA) + 2));
    EXPECT_STREQ(records[1].lpRemoteName, "b");
    count = 1;
    size = sizeof(NETRESOURCEA) - 1;
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), static_cast<DWORD>(ERROR_MORE_DATA));
    EXPECT_EQ(size, sizeof(NETRESOURCEA));
    size = sizeof buffer;
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), 0u);
    EXPECT_EQ(WNetEnumResourceA(handle, &count, buffer, &size), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
}

}  // namespace
