// walker.cpp -- binds the walking library as a host does, and keeps the variables of a walk through it
#include "walker.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD MARKER = 0xA5A5A5A5u;

std::string ProgramFolder()
{
    char path[4096] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string program(path, length);
    std::size_t slash = program.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : program.substr(0, slash);
}

// A name quoted, with its bytes outside printable ASCII as \xHH; "null" when there is none.
std::string Quote(const char* bytes, std::size_t length)
{
    if (bytes == nullptr) {
        return "null";
    }
    std::string text = "\"";
    for (std::size_t i = 0; i < length; ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x20 || byte > 0x7E || byte == '"' || byte == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            text += escape;
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text + "\"";
}

std::string QuoteString(BSTR string)
{
    return string == nullptr ? Quote(nullptr, 0)
                             : Quote(reinterpret_cast<const char*>(string), SysStringByteLen(string));
}

std::string QuoteText(const char* text)
{
    return Quote(text, text != nullptr ? std::strlen(text) : 0);
}

std::string Numbers(DWORD scope, DWORD type, DWORD displayType, DWORD usage)
{
    char text[96];
    std::snprintf(text, sizeof text, "scope %lX type %lX display %lX usage %lX", static_cast<unsigned long>(scope),
                  static_cast<unsigned long>(type), static_cast<unsigned long>(displayType),
                  static_cast<unsigned long>(usage));
    return text;
}

}  // namespace

VekNetEnumResourceFunction BindWalker(Binding binding)
{
    static HMODULE library = LoadLibraryA((ProgramFolder() + "/" LANWALK_LIBRARY).c_str());
    if (library == nullptr) {
        return nullptr;
    }
    LPCSTR name = binding == Binding::ByName ? "vekNetEnumResource" : MAKEINTRESOURCEA(2);
    return reinterpret_cast<VekNetEnumResourceFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

WalkVariables FreshVariables()
{
    return {MARKER, MARKER, MARKER, MARKER, nullptr, nullptr, nullptr, nullptr};
}

DWORD Step(VekNetEnumResourceFunction walk, HANDLE enumeration, WalkVariables* variables)
{
    return walk(enumeration, &variables->scope, &variables->type, &variables->displayType, &variables->usage,
                &variables->localName, &variables->remoteName, &variables->comment, &variables->provider);
}

void ReleaseStrings(WalkVariables* variables)
{
    for (BSTR* string : {&variables->localName, &variables->remoteName, &variables->comment, &variables->provider}) {
        SysFreeString(*string);
        *string = nullptr;
    }
}

std::string BytesOf(BSTR string)
{
    return string == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(string), SysStringByteLen(string));
}

std::string Render(const WalkVariables& variables)
{
    return Numbers(variables.scope, variables.type, variables.displayType, variables.usage) + " local " +
           QuoteString(variables.localName) + " remote " + QuoteString(variables.remoteName) + " comment " +
           QuoteString(variables.comment) + " provider " + QuoteString(variables.provider);
}

std::string Render(const ExpectedEntry& entry)
{
    return Numbers(entry.scope, entry.type, entry.displayType, entry.usage) + " local " +
           QuoteText(entry.localName) + " remote " + QuoteText(entry.remoteName) + " comment " +
           QuoteText(entry.comment) + " provider " + QuoteText(entry.provider);
}
