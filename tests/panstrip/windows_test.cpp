// windows_test.cpp -- what only the Windows build can show: the calling convention of the export and
// the platform's own ways of naming one file twice
#include "harness.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// Calls function(first, second) with two 32-bit arguments pushed by hand and returns how many bytes of
// them the callee removed from the stack: 8 for the platform's API convention, 0 for the C one.
int BytesRemovedByCallee(void* function, const char* first, const char* second)
{
    const char* arguments[2] = {first, second};
    const char** pointer = arguments;
    unsigned before = 0;
    unsigned after = 0;
    asm volatile(
        "movl %%esp, %0\n\t"
        "pushl 4(%2)\n\t"
        "pushl (%2)\n\t"
        "call *%3\n\t"
        "movl %%esp, %1\n\t"
        "movl %0, %%esp\n\t"
        : "=&S"(before), "=&D"(after), "+a"(pointer), "+d"(function)
        :
        : "ecx", "memory", "cc");
    return 8 - static_cast<int>(before - after);
}

TEST(Windows, ExportRemovesItsOwnArguments)
{
    std::string folder = ScratchFolder();
    WriteWholeFile(folder + "\\in.rtf", "{\\rtf1}");
    std::string source = folder + "\\in.rtf";
    std::string destination = folder + "\\out.rtf";
    for (Binding binding : Bindings()) {
        SCOPED_TRACE(BindingName(binding));
        void* function = reinterpret_cast<void*>(BindConverter(binding));
        ASSERT_NE(function, nullptr);
        HANDLE saved = GetStdHandle(STD_OUTPUT_HANDLE);
        SetStdHandle(STD_OUTPUT_HANDLE, nullptr);
        EXPECT_EQ(BytesRemovedByCallee(function, source.c_str(), destination.c_str()), 8);
        SetStdHandle(STD_OUTPUT_HANDLE, saved);
        EXPECT_EQ(ReadWholeFile(destination), "{\\rtf1}");
    }
}

TEST(Windows, DestinationSpelledAnotherWayIsStillTheSource)
{
    Rtf97To95Function convert = BindConverter(Binding::ByName);
    std::string folder = ScratchFolder();
    std::string source = folder + "\\Doc.rtf";
    WriteWholeFile(source, "{\\*\\panose 02}keep");
    std::string upper = source;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::string shortName(MAX_PATH, '\0');
    shortName.resize(GetShortPathNameA(source.c_str(), &shortName[0], MAX_PATH));
    std::string slashes = source;
    for (char& c : slashes) {
        c = c == '\\' ? '/' : c;
    }
    for (const std::string& destination : {upper, slashes, shortName, "\\\\?\\" + source}) {
        SCOPED_TRACE(destination);
        std::string trace;
        EXPECT_EQ(ConvertTraced(convert, source.c_str(), destination.c_str(), &trace), CONVERT_NO_DESTINATION);
        EXPECT_EQ(ReadWholeFile(source), "{\\*\\panose 02}keep");
    }
}

}  // namespace
