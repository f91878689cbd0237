// loader.cpp -- loading a library by file name and binding its exports, over the dynamic linker
//
// Shared objects carry no ordinals, so binding by ordinal finds nothing here (ERROR_PROC_NOT_FOUND).
#include "platform.h"

#include <cstring>
#include <dlfcn.h>
#include <unistd.h>

extern "C" {

HMODULE WINAPI LoadLibraryA(LPCSTR fileName)
{
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    void* module = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
    }
    return static_cast<HMODULE>(module);
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name)
{
    if (module == nullptr || reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* symbol = dlsym(module, name);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    FARPROC procedure = nullptr;
    std::memcpy(&procedure, &symbol, sizeof procedure);
    return procedure;
}

BOOL WINAPI FreeLibrary(HMODULE module)
{
    return module != nullptr && dlclose(module) == 0 ? TRUE : FALSE;
}

// Only the running program's own name is known here (module null), as the platform gives it.
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    if (module != nullptr || fileName == nullptr || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ssize_t length = readlink("/proc/self/exe", fileName, size);
    if (length < 0) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        fileName[0] = '\0';
        return 0;
    }
    if (static_cast<DWORD>(length) >= size) {
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    fileName[length] = '\0';
    return static_cast<DWORD>(length);
}

}  // extern "C"
