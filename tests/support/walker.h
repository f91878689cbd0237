// walker.h -- binds the walking library as a host does, and keeps the variables of a walk through it
#pragma once

#include "harness.h"
#include "lanwalk.h"
#include "platform.h"

#include <string>

// The export of the walking library built beside the test program; null if it cannot be bound.
VekNetEnumResourceFunction BindWalker(Binding binding);

// The eight variables a host keeps for a walk and passes to every call of it.
struct WalkVariables {
    DWORD scope;
    DWORD type;
    DWORD displayType;
    DWORD usage;
    BSTR localName;
    BSTR remoteName;
    BSTR comment;
    BSTR provider;
};

// An entry as a test expects it: null for a name the entry does not carry.
struct ExpectedEntry {
    DWORD scope;
    DWORD type;
    DWORD displayType;
    DWORD usage;
    const char* localName;
    const char* remoteName;
    const char* comment;
    const char* provider;
};

// Variables with a marker in every number and no strings, as a walk starts.
WalkVariables FreshVariables();

// One call of the export with every variable.
DWORD Step(VekNetEnumResourceFunction walk, HANDLE enumeration, WalkVariables* variables);

// Frees the strings the variables hold and clears them.
void ReleaseStrings(WalkVariables* variables);

// The bytes of a string, SysStringByteLen of them.
std::string BytesOf(BSTR string);

// One line for the numbers and names, names quoted with bytes outside printable ASCII as \xHH and
// missing names as null, so that a failed comparison shows exactly what differs.
std::string Render(const WalkVariables& variables);
std::string Render(const ExpectedEntry& entry);
