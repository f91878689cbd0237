// panstrip_convert.cpp -- command-line host: converts one RTF file through the panstrip library
//
// The library is loaded by file name from the folder of this program and its export bound by name, or
// by ordinal 2 with --ordinal. The library's trace goes to standard output; the result is reported on
// standard error in words, and the exit status is 0 only when the conversion succeeded.
#include "panstrip.h"
#include "platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int EXIT_CONVERTED = 0;
constexpr int EXIT_NOT_CONVERTED = 1;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_NO_LIBRARY = 3;

const char USAGE[] =
    "usage: panstrip-convert [--ordinal] [--no-trace] SOURCE DESTINATION\n"
    "Copies the RTF file SOURCE to DESTINATION without its \\*\\panose groups.\n"
    "  --ordinal   bind the library's export by ordinal 2 instead of by name\n"
    "  --no-trace  run without a standard output handle, so nothing is traced\n";

const char* Describe(int result)
{
    switch (result) {
    case CONVERT_OK: return "converted";
    case CONVERT_NO_SOURCE: return "source cannot be opened";
    case CONVERT_NO_DESTINATION: return "destination cannot be created, or is the source";
    case CONVERT_UNCLOSED_GROUP: return "source ends inside a group being left out";
    case CONVERT_READ_FAILED: return "reading the source failed";
    case CONVERT_WRITE_FAILED: return "writing the destination failed";
    default: return "unknown result";
    }
}

// The path of the library beside this program.
std::string LibraryPath()
{
    char program[4096] = {};
    DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string path(program, length < sizeof program ? length : 0);
    std::size_t slash = path.find_last_of("/\\");
    return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + PANSTRIP_LIBRARY;
}

}  // namespace

int main(int argc, char** argv)
{
    bool byOrdinal = false;
    bool trace = true;
    const char* paths[2] = {};
    int pathCount = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ordinal") == 0) {
            byOrdinal = true;
        } else if (std::strcmp(argv[i], "--no-trace") == 0) {
            trace = false;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(USAGE, stderr);
            return EXIT_CONVERTED;
        } else if (argv[i][0] == '-' && argv[i][1] == '-') {
            std::fprintf(stderr, "panstrip-convert: unknown option %s\n%s", argv[i], USAGE);
            return EXIT_USAGE;
        } else if (pathCount < 2) {
            paths[pathCount++] = argv[i];
        } else {
            std::fputs(USAGE, stderr);
            return EXIT_USAGE;
        }
    }
    if (pathCount != 2) {
        std::fputs(USAGE, stderr);
        return EXIT_USAGE;
    }

    std::string library = LibraryPath();
    HMODULE module = LoadLibraryA(library.c_str());
    if (module == nullptr) {
        std::fprintf(stderr, "panstrip-convert: cannot load %s (error %lu)\n", library.c_str(),
                     static_cast<unsigned long>(GetLastError()));
        return EXIT_NO_LIBRARY;
    }
    LPCSTR exportName = byOrdinal ? MAKEINTRESOURCEA(2) : "rtf97to95";
    auto convert = reinterpret_cast<Rtf97To95Function>(reinterpret_cast<void*>(GetProcAddress(module, exportName)));
    if (convert == nullptr) {
        std::fprintf(stderr, "panstrip-convert: %s has no export %s\n", library.c_str(),
                     byOrdinal ? "at ordinal 2 (libraries have ordinals on Windows only)" : "rtf97to95");
        FreeLibrary(module);
        return EXIT_NO_LIBRARY;
    }

    if (!trace) {
        SetStdHandle(STD_OUTPUT_HANDLE, nullptr);
    }
    int result = convert(paths[0], paths[1]);
    std::fprintf(stderr, "panstrip-convert: %s (result %d)\n", Describe(result), result);
    FreeLibrary(module);
    return result == CONVERT_OK ? EXIT_CONVERTED : EXIT_NOT_CONVERTED;
}
