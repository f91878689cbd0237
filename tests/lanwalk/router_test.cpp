// router_test.cpp -- the walking library over the platform's own router, with the test network provider
// registered: what the router passes on, byte for byte, by name and by ordinal
#include "provider/entries.h"
#include "walker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr DWORD AS_MANY_AS_FIT = 0xFFFFFFFFu;
constexpr DWORD PROBE_SIZE = sizeof(NETRESOURCEA);
constexpr DWORD ENTRY_BUFFER_SIZE = LANWALK_ENTRY_BUFFER_SIZE;

// The provider as the router loaded it into this process; null when it is not registered.
HMODULE Provider()
{
    return GetModuleHandleA(LANWALK_TEST_PROVIDER_FILE);
}

void SelectList(DWORD list)
{
    auto select = reinterpret_cast<SelectListFunction>(
        reinterpret_cast<void*>(GetProcAddress(Provider(), "LanwalkTestSelectList")));
    ASSERT_NE(select, nullptr);
    select(list);
}

// The (count, size) of every NPEnumResource call since the list was selected.
std::vector<std::pair<DWORD, DWORD>> ProviderCalls()
{
    auto get = reinterpret_cast<GetCallsFunction>(
        reinterpret_cast<void*>(GetProcAddress(Provider(), "LanwalkTestGetCalls")));
    std::vector<std::pair<DWORD, DWORD>> asked;
    if (get == nullptr) {
        return asked;
    }
    ProviderCall calls[64];
    DWORD count = get(calls, 64);
    for (DWORD i = 0; i < count && i < 64; ++i) {
        asked.emplace_back(calls[i].count, calls[i].size);
    }
    return asked;
}

// The bytes the router makes of a wide string: the ANSI code page's, without the terminator.
std::string Ansi(const std::wstring& text)
{
    int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(length > 0 ? length : 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], length, nullptr, nullptr);
    bytes.resize(length > 0 ? length - 1 : 0);
    return bytes;
}

// One walk over a fresh connected enumeration of a provider list; ending it frees and closes all.
struct RouterWalk {
    VekNetEnumResourceFunction walk;
    WalkVariables variables = FreshVariables();
    HANDLE handle = nullptr;

    RouterWalk(Binding binding, DWORD list) : walk(BindWalker(binding))
    {
        SelectList(list);
        EXPECT_EQ(WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_ANY, 0, nullptr, &handle), 0u);
    }

    ~RouterWalk()
    {
        ReleaseStrings(&variables);
        if (handle != nullptr) {
            EXPECT_EQ(WNetCloseEnum(handle), 0u);
        }
    }

    DWORD Next()
    {
        return Step(walk, handle, &variables);
    }

    void HoldOldStrings()
    {
        ReleaseStrings(&variables);
        variables.localName = SysAllocStringByteLen("old local", 9);
        variables.remoteName = SysAllocStringByteLen("old remote", 10);
        variables.comment = SysAllocStringByteLen("old comment", 11);
        variables.provider = SysAllocStringByteLen("old provider", 12);
    }
};

TEST(Router, TheTestProviderIsLoaded)
{
    ASSERT_NE(Provider(), nullptr) << "the router did not load " LANWALK_TEST_PROVIDER_FILE
                                      "; the registration test must run first";
}

TEST(Router, WalksTheProviderEntriesByteForByte)
{
    ASSERT_NE(Provider(), nullptr);
    const std::vector<ProviderEntry> entries = ProviderEntries(LIST_STANDARD);
    for (Binding binding : Bindings()) {
        SCOPED_TRACE(BindingName(binding));
        RouterWalk walk(binding, LIST_STANDARD);
        ASSERT_NE(walk.walk, nullptr);
        std::size_t calls = 0;
        for (const ProviderEntry& entry : entries) {
            ASSERT_EQ(walk.Next(), 0u);
            const std::string local = Ansi(entry.localName);
            const std::string remote = Ansi(entry.remoteName);
            const std::string provider = Ansi(entry.provider);
            EXPECT_EQ(Render(walk.variables), Render(ExpectedEntry{entry.scope, entry.type, entry.displayType,
                                                                   entry.usage, local.c_str(), remote.c_str(),
                                                                   nullptr, provider.c_str()}));
            EXPECT_EQ(SysStringByteLen(walk.variables.remoteName), remote.size());
            EXPECT_EQ(BytesOf(walk.variables.remoteName), remote);
            ASSERT_TRUE(walk.variables.localName != nullptr);
            const char* bytes = reinterpret_cast<const char*>(walk.variables.localName);
            EXPECT_EQ(bytes[local.size()], '\0');
            EXPECT_EQ(bytes[local.size() + 1], '\0');
            // The router leaves the size of a bare record alone, so the fetch offers the whole buffer and
            // asks for one entry.
            std::vector<std::pair<DWORD, DWORD>> seen = ProviderCalls();
            ASSERT_EQ(seen.size(), calls + 2);
            EXPECT_EQ(seen[calls], std::make_pair(AS_MANY_AS_FIT, PROBE_SIZE));
            EXPECT_EQ(seen[calls + 1], std::make_pair(DWORD{1}, ENTRY_BUFFER_SIZE));
            calls = seen.size();
        }
        const std::string last = Render(walk.variables);
        EXPECT_EQ(walk.Next(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
        EXPECT_EQ(Render(walk.variables), last);
    }
}

// The router cannot fit the entry in the room the fetch offers and, never telling the size it needs,
// ends the enumeration there; the walk ends with nothing touched.
TEST(Router, EntryTooLargeForTheRouterTouchesNothing)
{
    ASSERT_NE(Provider(), nullptr);
    RouterWalk walk(Binding::ByName, LIST_LARGE);
    ASSERT_NE(walk.walk, nullptr);
    walk.HoldOldStrings();
    const std::string before = Render(walk.variables);
    EXPECT_EQ(walk.Next(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
    EXPECT_EQ(Render(walk.variables), before);
    std::vector<std::pair<DWORD, DWORD>> expected = {{AS_MANY_AS_FIT, PROBE_SIZE}, {1, ENTRY_BUFFER_SIZE}};
    EXPECT_EQ(ProviderCalls(), expected);
}

TEST(Router, NullVariableAddressIsRefusedBeforeTheRouterIsAsked)
{
    ASSERT_NE(Provider(), nullptr);
    for (int missing = 0; missing < 8; ++missing) {
        SCOPED_TRACE("argument " + std::to_string(missing + 2) + " null");
        RouterWalk walk(Binding::ByName, LIST_STANDARD);
        ASSERT_NE(walk.walk, nullptr);
        WalkVariables& v = walk.variables;
        DWORD* numbers[4] = {&v.scope, &v.type, &v.displayType, &v.usage};
        BSTR* names[4] = {&v.localName, &v.remoteName, &v.comment, &v.provider};
        if (missing < 4) {
            numbers[missing] = nullptr;
        } else {
            names[missing - 4] = nullptr;
        }
        EXPECT_EQ(walk.walk(walk.handle, numbers[0], numbers[1], numbers[2], numbers[3], names[0], names[1],
                            names[2], names[3]),
                  static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_TRUE(ProviderCalls().empty());
        ASSERT_EQ(walk.Next(), 0u);
        EXPECT_EQ(BytesOf(walk.variables.localName), Ansi(ProviderEntries(LIST_STANDARD)[0].localName));
    }
}

TEST(Router, RouterRefusalIsPassedOnUnchanged)
{
    VekNetEnumResourceFunction walk = BindWalker(Binding::ByName);
    ASSERT_NE(walk, nullptr);
    alignas(NETRESOURCEA) BYTE buffer[ENTRY_BUFFER_SIZE];
    DWORD count = 1;
    DWORD size = sizeof buffer;
    const DWORD refusal = WNetEnumResourceA(nullptr, &count, buffer, &size);
    ASSERT_NE(refusal, 0u);
    WalkVariables variables = FreshVariables();
    variables.comment = SysAllocStringByteLen("kept", 4);
    const std::string before = Render(variables);
    EXPECT_EQ(Step(walk, nullptr, &variables), refusal);
    EXPECT_EQ(Render(variables), before);
    ReleaseStrings(&variables);
}

TEST(Router, OneVariableForEveryName)
{
    ASSERT_NE(Provider(), nullptr);
    RouterWalk walk(Binding::ByName, LIST_STANDARD);
    ASSERT_NE(walk.walk, nullptr);
    DWORD numbers[4] = {};
    BSTR shared = SysAllocStringByteLen("old", 3);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(walk.walk(walk.handle, &numbers[0], &numbers[1], &numbers[2], &numbers[3], &shared, &shared,
                            &shared, &shared),
                  0u);
        EXPECT_EQ(BytesOf(shared), Ansi(ProviderEntries(LIST_STANDARD)[i].provider));
    }
    SysFreeString(shared);
}

// Calls function with nine 32-bit arguments pushed by hand and returns how many bytes of them the
// callee removed from the stack: 36 for the platform's API convention, 0 for the C one.
int BytesRemovedByCallee(void* function, void* const arguments[9])
{
    unsigned before = 0;
    unsigned after = 0;
    asm volatile(
        "movl %%esp, %0\n\t"
        "pushl 32(%2)\n\t"
        "pushl 28(%2)\n\t"
        "pushl 24(%2)\n\t"
        "pushl 20(%2)\n\t"
        "pushl 16(%2)\n\t"
        "pushl 12(%2)\n\t"
        "pushl 8(%2)\n\t"
        "pushl 4(%2)\n\t"
        "pushl (%2)\n\t"
        "call *%3\n\t"
        "movl %%esp, %1\n\t"
        "movl %0, %%esp\n\t"
        : "=&S"(before), "=&D"(after), "+b"(arguments), "+a"(function)
        :
        : "ecx", "edx", "memory", "cc");
    return 36 - static_cast<int>(before - after);
}

TEST(Router, ExportRemovesItsOwnArguments)
{
    for (Binding binding : Bindings()) {
        SCOPED_TRACE(BindingName(binding));
        void* function = reinterpret_cast<void*>(BindWalker(binding));
        ASSERT_NE(function, nullptr);
        DWORD numbers[4] = {};
        BSTR names[3] = {};
        // The last address is null, so the export answers at once without asking the router.
        void* const arguments[9] = {nullptr,   &numbers[0], &numbers[1], &numbers[2], &numbers[3],
                                    &names[0], &names[1],   &names[2],   nullptr};
        EXPECT_EQ(BytesRemovedByCallee(function, arguments), 36);
    }
}

}  // namespace
