// platform.h -- the subset of the Windows API that the libraries and hosts use, provided by the stand-in
//
// Declared from what the code needs, under the platform's names, types and values, so that the same
// sources build against the real platform and against this layer. Behaviour is described beside each
// service's source (files.cpp, console.cpp, loader.cpp, oleaut.cpp, router.cpp).
#pragma once

#include <cstdint>

extern "C" {

#define WINAPI
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef void* HANDLE;
typedef HANDLE* LPHANDLE;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD* LPDWORD;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef struct StandinModule* HMODULE;
typedef HMODULE HINSTANCE;
typedef void (*FARPROC)();
typedef char16_t OLECHAR;
typedef OLECHAR* BSTR;

#define TRUE 1
#define FALSE 0
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))
#define MAKEINTRESOURCEA(i) (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<unsigned short>(i))))

// Result codes.
#define NO_ERROR 0
#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_HANDLE 6
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_WRITE_FAULT 29
#define ERROR_READ_FAULT 30
#define ERROR_HANDLE_EOF 38
#define ERROR_NOT_SUPPORTED 50
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_BROKEN_PIPE 109
#define ERROR_MOD_NOT_FOUND 126
#define ERROR_PROC_NOT_FOUND 127
#define ERROR_MORE_DATA 234
#define ERROR_NO_MORE_ITEMS 259
#define ERROR_NO_NETWORK 1222

// Files.
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x1u
#define FILE_SHARE_WRITE 0x2u
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define FILE_ATTRIBUTE_NORMAL 0x80u
#define FILE_TYPE_UNKNOWN 0
#define FILE_TYPE_DISK 1
#define FILE_TYPE_CHAR 2
#define FILE_TYPE_PIPE 3

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;
typedef struct _SECURITY_ATTRIBUTES SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME;

typedef struct _BY_HANDLE_FILE_INFORMATION {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD dwVolumeSerialNumber;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD nNumberOfLinks;
    DWORD nFileIndexHigh;
    DWORD nFileIndexLow;
} BY_HANDLE_FILE_INFORMATION, *LPBY_HANDLE_FILE_INFORMATION;

HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags, HANDLE templateFile);
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPOVERLAPPED overlapped);
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, LPOVERLAPPED overlapped);
BOOL WINAPI CloseHandle(HANDLE object);
DWORD WINAPI GetFileType(HANDLE file);
BOOL WINAPI GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information);
BOOL WINAPI SetEndOfFile(HANDLE file);
DWORD WINAPI GetLastError();
void WINAPI SetLastError(DWORD code);

// Console.
#define STD_INPUT_HANDLE (static_cast<DWORD>(-10))
#define STD_OUTPUT_HANDLE (static_cast<DWORD>(-11))
#define STD_ERROR_HANDLE (static_cast<DWORD>(-12))

HANDLE WINAPI GetStdHandle(DWORD which);
BOOL WINAPI SetStdHandle(DWORD which, HANDLE handle);

// Loader.
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
BOOL WINAPI FreeLibrary(HMODULE module);
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// Length-prefixed strings.
BSTR WINAPI SysAllocStringByteLen(LPCSTR bytes, UINT length);
void WINAPI SysFreeString(BSTR string);
UINT WINAPI SysStringByteLen(BSTR string);

// Network-provider router.
#define RESOURCE_CONNECTED 0x1u
#define RESOURCE_GLOBALNET 0x2u
#define RESOURCE_REMEMBERED 0x3u
#define RESOURCETYPE_ANY 0x0u
#define RESOURCETYPE_DISK 0x1u
#define RESOURCETYPE_PRINT 0x2u
#define RESOURCEDISPLAYTYPE_GENERIC 0x0u
#define RESOURCEDISPLAYTYPE_SERVER 0x2u
#define RESOURCEDISPLAYTYPE_SHARE 0x3u
#define RESOURCEDISPLAYTYPE_NETWORK 0x6u
#define RESOURCEUSAGE_CONNECTABLE 0x1u
#define RESOURCEUSAGE_CONTAINER 0x2u

typedef struct _NETRESOURCEA {
    DWORD dwScope;
    DWORD dwType;
    DWORD dwDisplayType;
    DWORD dwUsage;
    LPSTR lpLocalName;
    LPSTR lpRemoteName;
    LPSTR lpComment;
    LPSTR lpProvider;
} NETRESOURCEA, *LPNETRESOURCEA;

DWORD WINAPI WNetOpenEnumA(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEA container, LPHANDLE handle);
DWORD WINAPI WNetEnumResourceA(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size);
DWORD WINAPI WNetCloseEnum(HANDLE handle);

}  // extern "C"
