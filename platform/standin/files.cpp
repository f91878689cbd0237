// files.cpp -- file handles over POSIX descriptors, with faults that tests can switch on
//
// A handle is the descriptor plus one, so that descriptor 0 is not the null handle. Handles made by
// CreateFileA are "file handles"; the faults and counts of standin.h apply to them only, and not while
// one of them stands in for a standard handle (a trace file, say).
#include "platform.h"
#include "standin.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int MAX_DESCRIPTORS = 1024;

thread_local DWORD lastError = 0;
StandinFileFaults faults = {};
StandinFileCounts counts = {};
// For each descriptor: 0 not ours, 1 opened for reading, 2 opened with write access.
unsigned char opened[MAX_DESCRIPTORS] = {};

int DescriptorOf(HANDLE handle)
{
    auto value = reinterpret_cast<std::intptr_t>(handle);
    if (value <= 0 || value > MAX_DESCRIPTORS) {
        return -1;
    }
    return static_cast<int>(value - 1);
}

bool IsFileHandle(int fd)
{
    return fd >= 0 && fd < MAX_DESCRIPTORS && opened[fd] != 0;
}

bool IsStandardHandle(HANDLE handle)
{
    return handle == GetStdHandle(STD_INPUT_HANDLE) || handle == GetStdHandle(STD_OUTPUT_HANDLE) ||
           handle == GetStdHandle(STD_ERROR_HANDLE);
}

// A handle the faults and counts apply to.
bool IsWatched(HANDLE handle, int fd)
{
    return IsFileHandle(fd) && !IsStandardHandle(handle);
}

DWORD ErrorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EPIPE:
        return ERROR_BROKEN_PIPE;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_WRITE_FAULT;
    }
}

BOOL Fail(DWORD code)
{
    lastError = code;
    return FALSE;
}

}  // namespace

extern "C" {

DWORD WINAPI GetLastError()
{
    return lastError;
}

void WINAPI SetLastError(DWORD code)
{
    lastError = code;
}

// Opens or creates a file with the platform's dispositions. Sharing and attributes have no meaning here.
HANDLE WINAPI CreateFileA(LPCSTR name, DWORD access, DWORD, LPSECURITY_ATTRIBUTES, DWORD disposition, DWORD,
                          HANDLE)
{
    if (name == nullptr) {
        lastError = ERROR_INVALID_PARAMETER;
        return INVALID_HANDLE_VALUE;
    }
    int flags = O_CLOEXEC;
    bool reads = (access & GENERIC_READ) != 0;
    bool writes = (access & GENERIC_WRITE) != 0;
    flags |= reads && writes ? O_RDWR : writes ? O_WRONLY : O_RDONLY;
    switch (disposition) {
    case CREATE_NEW: flags |= O_CREAT | O_EXCL; break;
    case CREATE_ALWAYS: flags |= O_CREAT | O_TRUNC; break;
    case OPEN_EXISTING: break;
    case OPEN_ALWAYS: flags |= O_CREAT; break;
    default: lastError = ERROR_INVALID_PARAMETER; return INVALID_HANDLE_VALUE;
    }
    int fd = open(name, flags, 0666);
    if (fd < 0) {
        lastError = ErrorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    struct stat status = {};
    if (fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        close(fd);
        lastError = ERROR_ACCESS_DENIED;
        return INVALID_HANDLE_VALUE;
    }
    if (fd >= MAX_DESCRIPTORS) {
        close(fd);
        lastError = ERROR_NOT_ENOUGH_MEMORY;
        return INVALID_HANDLE_VALUE;
    }
    opened[fd] = writes ? 2 : 1;
    ++counts.opens;
    ++counts.openHandles;
    lastError = 0;
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1);
}

// Reads up to toRead bytes; at the end of the file it succeeds with 0 bytes read.
BOOL WINAPI ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, LPOVERLAPPED)
{
    int fd = DescriptorOf(file);
    if (read != nullptr) {
        *read = 0;
    }
    if (fd < 0) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    if (IsWatched(file, fd)) {
        ++counts.reads;
        if (toRead > counts.largestRead) {
            counts.largestRead = toRead;
        }
        if (faults.failReadCall != 0 && counts.reads == faults.failReadCall) {
            return Fail(ERROR_READ_FAULT);
        }
        if (faults.readLimit != 0 && toRead > faults.readLimit) {
            toRead = faults.readLimit;
        }
    }
    ssize_t got;
    do {
        got = ::read(fd, buffer, toRead);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        return Fail(errno == EBADF ? ERROR_INVALID_HANDLE : ERROR_READ_FAULT);
    }
    if (read != nullptr) {
        *read = static_cast<DWORD>(got);
    }
    return TRUE;
}

// Writes all toWrite bytes unless the system refuses; reports how many were written.
BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, LPOVERLAPPED)
{
    int fd = DescriptorOf(file);
    if (written != nullptr) {
        *written = 0;
    }
    if (fd < 0) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    bool shortWrite = false;
    if (IsWatched(file, fd)) {
        ++counts.writes;
        if (toWrite > counts.largestWrite) {
            counts.largestWrite = toWrite;
        }
        if (faults.failWriteCall != 0 && counts.writes == faults.failWriteCall) {
            toWrite = faults.shortWriteBytes < toWrite ? faults.shortWriteBytes : toWrite;
            shortWrite = true;
        }
    } else {
        ++counts.consoleWrites;
    }
    const char* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < toWrite) {
        ssize_t put = ::write(fd, bytes + done, toWrite - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (written != nullptr) {
                *written = done;
            }
            return Fail(put < 0 ? ErrorFromErrno(errno) : ERROR_WRITE_FAULT);
        }
        done += static_cast<DWORD>(put);
    }
    if (written != nullptr) {
        *written = done;
    }
    if (shortWrite && faults.failWriteReports) {
        return Fail(ERROR_WRITE_FAULT);
    }
    return TRUE;
}

// Closes a handle; a file opened with write access can be made to report a failed close.
BOOL WINAPI CloseHandle(HANDLE object)
{
    int fd = DescriptorOf(object);
    if (fd < 0) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    bool forWriting = IsFileHandle(fd) && opened[fd] == 2;
    if (IsFileHandle(fd)) {
        opened[fd] = 0;
        --counts.openHandles;
    }
    if (close(fd) != 0) {
        return Fail(ErrorFromErrno(errno));
    }
    if (forWriting && faults.failClose) {
        return Fail(ERROR_WRITE_FAULT);
    }
    return TRUE;
}

DWORD WINAPI GetFileType(HANDLE file)
{
    struct stat status = {};
    int fd = DescriptorOf(file);
    if (fd < 0 || fstat(fd, &status) != 0) {
        lastError = ERROR_INVALID_HANDLE;
        return FILE_TYPE_UNKNOWN;
    }
    if (S_ISREG(status.st_mode) || S_ISDIR(status.st_mode) || S_ISBLK(status.st_mode)) {
        return FILE_TYPE_DISK;
    }
    if (S_ISCHR(status.st_mode)) {
        return FILE_TYPE_CHAR;
    }
    return FILE_TYPE_PIPE;
}

// Identifies the file behind a handle: the device as the volume serial, the inode as the file index.
BOOL WINAPI GetFileInformationByHandle(HANDLE file, LPBY_HANDLE_FILE_INFORMATION information)
{
    struct stat status = {};
    int fd = DescriptorOf(file);
    if (fd < 0 || information == nullptr || fstat(fd, &status) != 0) {
        return Fail(ERROR_INVALID_HANDLE);
    }
    *information = {};
    auto device = static_cast<std::uint64_t>(status.st_dev);
    auto inode = static_cast<std::uint64_t>(status.st_ino);
    auto size = static_cast<std::uint64_t>(status.st_size);
    information->dwVolumeSerialNumber = static_cast<DWORD>(device ^ (device >> 32));
    information->nFileIndexHigh = static_cast<DWORD>(inode >> 32);
    information->nFileIndexLow = static_cast<DWORD>(inode);
    information->nFileSizeHigh = static_cast<DWORD>(size >> 32);
    information->nFileSizeLow = static_cast<DWORD>(size);
    information->nNumberOfLinks = static_cast<DWORD>(status.st_nlink);
    return TRUE;
}

// Cuts the file at the current position.
BOOL WINAPI SetEndOfFile(HANDLE file)
{
    int fd = DescriptorOf(file);
    off_t position = fd < 0 ? -1 : lseek(fd, 0, SEEK_CUR);
    if (position < 0 || ftruncate(fd, position) != 0) {
        return Fail(fd < 0 ? ERROR_INVALID_HANDLE : ErrorFromErrno(errno));
    }
    return TRUE;
}

void StandinSetFileFaults(const StandinFileFaults* newFaults)
{
    faults = newFaults != nullptr ? *newFaults : StandinFileFaults{};
    int openHandles = counts.openHandles;
    counts = {};
    counts.openHandles = openHandles;
}

StandinFileCounts StandinGetFileCounts()
{
    return counts;
}

}  // extern "C"
