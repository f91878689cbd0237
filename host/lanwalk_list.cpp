// lanwalk_list.cpp -- command-line host: lists the entries of a network enumeration through lanwalk
//
// The enumeration is opened through the platform's router (connected resources, or the whole network
// with --global), the library is loaded by file name from the folder of this program and its export
// bound by name, or by ordinal 2 with --ordinal, and the export is called once per entry until it stops
// returning 0. Each entry is one tab-separated row on standard output; a walk that ends other than at
// the end of the enumeration is reported on standard error in words, with a non-zero exit status.
// (Wine 8's router never answers the first call of a --global walk: its listing of the providers loops
// for ever when offered room for one bare record, which is what the library's first call offers.)
#include "lanwalk.h"
#include "platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int EXIT_WALKED = 0;
constexpr int EXIT_NOT_WALKED = 1;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_NO_LIBRARY = 3;

const char USAGE[] =
    "usage: lanwalk-list [--global] [--ordinal]\n"
    "Lists the network resources this machine is connected to, one row per entry.\n"
    "  --global    list the whole network instead of the connected resources\n"
    "  --ordinal   bind the library's export by ordinal 2 instead of by name\n"
    "Each row holds eight tab-separated columns: scope, type, display type and usage (hexadecimal),\n"
    "then the local name, remote name, comment and provider. A name the entry does not carry is shown\n"
    "as (null) and an empty name as \"\"; other names are written as their bytes, except that control\n"
    "bytes are written as a backslash and three octal digits. The exit status is 0 when the whole\n"
    "enumeration was listed, 1 when it could not be opened or walked to its end, 2 for bad arguments\n"
    "and 3 when the library cannot be loaded or bound.\n";

// The platform's result codes in words; the ones without a name in the platform's headers as numbers.
const char* Describe(DWORD code)
{
    switch (code) {
    case NO_ERROR: return "success";
    case ERROR_ACCESS_DENIED: return "access is denied";
    case ERROR_INVALID_HANDLE: return "the handle is not an open enumeration";
    case ERROR_NOT_ENOUGH_MEMORY: return "not enough memory";
    case ERROR_NOT_SUPPORTED: return "the network does not support this enumeration";
    case ERROR_INVALID_PARAMETER: return "an argument is not valid";
    case ERROR_MORE_DATA: return "an entry needs more room than the library offers, or the router did not say how much";
    case ERROR_NO_MORE_ITEMS: return "no more entries";
    case 487: return "an address passed to the router is not valid";
    case 1203: return "the network path was not found";
    case 1207: return "the resource is not a container";
    case 1208: return "the network reported an error of its own";
    case ERROR_NO_NETWORK: return "no network is present, or no network provider is installed";
    default: return "unexpected result";
    }
}

// The path of the library beside this program.
std::string LibraryPath()
{
    char program[4096] = {};
    DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, length < sizeof program ? length : 0);
    std::size_t slash = path.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + LANWALK_LIBRARY;
}

// Writes one name column: (null), "" or the bytes with control bytes escaped.
void PutName(BSTR name)
{
    if (name == nullptr) {
        std::fputs("(null)", stdout);
        return;
    }
    UINT length = SysStringByteLen(name);
    if (length == 0) {
        std::fputs("\"\"", stdout);
        return;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(name);
    for (UINT i = 0; i < length; ++i) {
        if (bytes[i] < 0x20 || bytes[i] == 0x7F) {
            std::printf("\\%03o", bytes[i]);
        } else {
            std::putchar(bytes[i]);
        }
    }
}

void PutRow(const DWORD numbers[4], BSTR const names[4])
{
    std::printf("0x%lX\t0x%lX\t0x%lX\t0x%lX", static_cast<unsigned long>(numbers[0]),
                static_cast<unsigned long>(numbers[1]), static_cast<unsigned long>(numbers[2]),
                static_cast<unsigned long>(numbers[3]));
    for (int i = 0; i < 4; ++i) {
        std::putchar('\t');
        PutName(names[i]);
    }
    std::putchar('\n');
}

// Calls the export once per entry and prints each; returns the result that ended the walk. The strings
// of the last entry are freed before returning.
DWORD WalkAll(VekNetEnumResourceFunction walk, HANDLE enumeration)
{
    DWORD numbers[4] = {};
    BSTR names[4] = {};
    DWORD result;
    while ((result = walk(enumeration, &numbers[0], &numbers[1], &numbers[2], &numbers[3], &names[0], &names[1],
                          &names[2], &names[3])) == NO_ERROR) {
        PutRow(numbers, names);
    }
    for (BSTR name : names) {
        SysFreeString(name);
    }
    std::fflush(stdout);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    bool byOrdinal = false;
    DWORD scope = RESOURCE_CONNECTED;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ordinal") == 0) {
            byOrdinal = true;
        } else if (std::strcmp(argv[i], "--global") == 0) {
            scope = RESOURCE_GLOBALNET;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(USAGE, stdout);
            return EXIT_WALKED;
        } else {
            std::fprintf(stderr, "lanwalk-list: unknown argument %s\n%s", argv[i], USAGE);
            return EXIT_USAGE;
        }
    }

    std::string library = LibraryPath();
    HMODULE module = LoadLibraryA(library.c_str());
    if (module == nullptr) {
        std::fprintf(stderr, "lanwalk-list: cannot load %s (error %lu)\n", library.c_str(),
                     static_cast<unsigned long>(GetLastError()));
        return EXIT_NO_LIBRARY;
    }
    LPCSTR exportName = byOrdinal ? MAKEINTRESOURCEA(2) : "vekNetEnumResource";
    auto walk = reinterpret_cast<VekNetEnumResourceFunction>(reinterpret_cast<void*>(GetProcAddress(module, exportName)));
    if (walk == nullptr) {
        std::fprintf(stderr, "lanwalk-list: %s has no export %s\n", library.c_str(),
                     byOrdinal ? "at ordinal 2 (libraries have ordinals on Windows only)" : "vekNetEnumResource");
        FreeLibrary(module);
        return EXIT_NO_LIBRARY;
    }

    HANDLE enumeration = nullptr;
    DWORD result = WNetOpenEnumA(scope, RESOURCETYPE_ANY, 0, nullptr, &enumeration);
    if (result != NO_ERROR) {
        std::fprintf(stderr, "lanwalk-list: cannot open the enumeration: error %lu: %s\n",
                     static_cast<unsigned long>(result), Describe(result));
        FreeLibrary(module);
        return EXIT_NOT_WALKED;
    }
    result = WalkAll(walk, enumeration);
    WNetCloseEnum(enumeration);
    FreeLibrary(module);
    if (result != ERROR_NO_MORE_ITEMS) {
        std::fprintf(stderr, "lanwalk-list: error %lu: %s\n", static_cast<unsigned long>(result), Describe(result));
        return EXIT_NOT_WALKED;
    }
    return EXIT_WALKED;
}
