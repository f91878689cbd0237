// convert.cpp -- rtf97to95: copies an RTF file without its \*\panose groups
#include "panstrip.h"
#include "streams.h"

#include <cstring>

namespace {

constexpr char PANOSE_TAG[] = "\\*\\panose";
constexpr DWORD PANOSE_TAG_LENGTH = 9;
static_assert(sizeof PANOSE_TAG == PANOSE_TAG_LENGTH + 1, "the tag is nine bytes");

constexpr BYTE OPEN_BRACE = '{';
constexpr BYTE CLOSE_BRACE = '}';
constexpr DWORD SHARE_ALL = FILE_SHARE_READ | FILE_SHARE_WRITE;

// True when both handles are known to reach the same file.
bool SameFile(HANDLE first, HANDLE second)
{
    BY_HANDLE_FILE_INFORMATION a = {};
    BY_HANDLE_FILE_INFORMATION b = {};
    if (!GetFileInformationByHandle(first, &a) || !GetFileInformationByHandle(second, &b)) {
        return false;
    }
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
           a.nFileIndexLow == b.nFileIndexLow;
}

// Opens the destination for writing, creating it if needed, and cuts it to zero length; refuses
// (INVALID_HANDLE_VALUE) a destination that is the open source, before anything of it is cut.
HANDLE OpenDestination(LPCSTR path, HANDLE source)
{
    if (path == nullptr) {
        return INVALID_HANDLE_VALUE;
    }
    HANDLE file = CreateFileA(path, GENERIC_WRITE, SHARE_ALL, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return file;
    }
    // Devices and pipes have no length to cut.
    if (SameFile(source, file) || (GetFileType(file) == FILE_TYPE_DISK && !SetEndOfFile(file))) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

// Drops bytes up to and including the next closing brace; nesting is not counted.
int SkipGroup(HANDLE source)
{
    for (;;) {
        ReadStatus status = FillInput(source);
        if (status != READ_OK) {
            return status == READ_END ? CONVERT_UNCLOSED_GROUP : CONVERT_READ_FAILED;
        }
        DWORD available = 0;
        const BYTE* bytes = InputBytes(&available);
        const void* brace = std::memchr(bytes, CLOSE_BRACE, available);
        if (brace != nullptr) {
            SkipInput(static_cast<DWORD>(static_cast<const BYTE*>(brace) - bytes) + 1);
            return CONVERT_OK;
        }
        SkipInput(available);
    }
}

// Copies the source to the destination up to its end, leaving out the panose groups. The bytes before
// each opening brace pass through in runs; the nine bytes after it are compared with the tag and are
// either copied unexamined or dropped with the rest of the group.
int CopyWithoutPanose(HANDLE source, HANDLE destination)
{
    for (;;) {
        ReadStatus status = FillInput(source);
        if (status != READ_OK) {
            return status == READ_END ? CONVERT_OK : CONVERT_READ_FAILED;
        }
        DWORD available = 0;
        const BYTE* bytes = InputBytes(&available);
        const void* brace = std::memchr(bytes, OPEN_BRACE, available);
        DWORD run = brace != nullptr ? static_cast<DWORD>(static_cast<const BYTE*>(brace) - bytes) : available;
        if (!PassBytes(destination, run)) {
            return CONVERT_WRITE_FAILED;
        }
        if (brace == nullptr) {
            continue;
        }
        // The brace is traced like every byte taken here, but appended only if its group stays.
        SkipInput(1);
        TraceByte(OPEN_BRACE);
        BYTE lookAhead[PANOSE_TAG_LENGTH + 1];
        DWORD taken = ReadBytes(source, lookAhead, PANOSE_TAG_LENGTH, &status);
        if (status == READ_FAILED) {
            return CONVERT_READ_FAILED;
        }
        if (taken == PANOSE_TAG_LENGTH && std::memcmp(lookAhead, PANOSE_TAG, PANOSE_TAG_LENGTH) == 0) {
            int result = SkipGroup(source);
            if (result != CONVERT_OK) {
                return result;
            }
        } else if (!WriteByte(destination, OPEN_BRACE) || !WriteBytes(destination, lookAhead, taken)) {
            return CONVERT_WRITE_FAILED;
        }
    }
}

}  // namespace

extern "C" int WINAPI rtf97to95(LPCSTR source, LPCSTR destination)
{
    FetchTrace();
    ResetStreams();
    if (source == nullptr) {
        return CONVERT_NO_SOURCE;
    }
    HANDLE input = CreateFileA(source, GENERIC_READ, SHARE_ALL, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        return CONVERT_NO_SOURCE;
    }
    HANDLE output = OpenDestination(destination, input);
    if (output == INVALID_HANDLE_VALUE) {
        CloseHandle(input);
        return CONVERT_NO_DESTINATION;
    }
    int result = CopyWithoutPanose(input, output);
    // Only a complete copy is flushed; after a failure the destination keeps the full blocks written.
    if (result == CONVERT_OK && !FlushOutput(output)) {
        result = CONVERT_WRITE_FAILED;
    }
    CloseHandle(input);
    if (!CloseHandle(output) && result == CONVERT_OK) {
        result = CONVERT_WRITE_FAILED;
    }
    return result;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
