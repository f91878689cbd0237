// console.cpp -- the standard handles: descriptors 0, 1 and 2, or what SetStdHandle put in their place
//
// A standard descriptor that is not open gives the null handle, as the platform gives a process
// without a console.
#include "platform.h"

#include <fcntl.h>

namespace {

struct StandardSlot {
    bool replaced;
    HANDLE handle;
};

StandardSlot slots[3] = {};

int SlotOf(DWORD which)
{
    switch (which) {
    case STD_INPUT_HANDLE: return 0;
    case STD_OUTPUT_HANDLE: return 1;
    case STD_ERROR_HANDLE: return 2;
    default: return -1;
    }
}

}  // namespace

extern "C" {

HANDLE WINAPI GetStdHandle(DWORD which)
{
    int slot = SlotOf(which);
    if (slot < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_HANDLE_VALUE;
    }
    if (slots[slot].replaced) {
        return slots[slot].handle;
    }
    if (fcntl(slot, F_GETFD) == -1) {
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(slot) + 1);
}

BOOL WINAPI SetStdHandle(DWORD which, HANDLE handle)
{
    int slot = SlotOf(which);
    if (slot < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    slots[slot] = {true, handle};
    return TRUE;
}

}  // extern "C"
