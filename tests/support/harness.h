// harness.h -- loads the converter as a host does, and runs it over files of a scratch folder
#pragma once

#include "panstrip.h"
#include "platform.h"

#include <string>
#include <vector>

enum class Binding { ByName, ByOrdinal };

// The bindings this platform offers: by name everywhere, by ordinal where libraries have ordinals.
std::vector<Binding> Bindings();
const char* BindingName(Binding binding);

// The export of the library built beside the test program; null if it cannot be bound.
Rtf97To95Function BindConverter(Binding binding);

// A fresh folder of its own for each test, removed afterwards.
std::string ScratchFolder();
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
bool MakeFolder(const std::string& path);
// Another name for the file at target; false if the file system cannot make one.
bool MakeHardLink(const std::string& target, const std::string& link);
bool MakeSymbolicLink(const std::string& target, const std::string& link);
// The last component of a path.
std::string BaseName(const std::string& path);
std::string TestData(const std::string& name);

// Text without braces, to make sources of a given size: backslashes, letters, digits, spaces, CR and LF.
std::string Filler(std::size_t size);

// The nine bytes that open a group to be left out.
extern const std::string PANOSE_TAG;

struct Conversion {
    int result;
    std::string destination;
    std::string trace;
};

// Writes source to a file, converts it with the export, and collects the destination and the trace.
Conversion RunConverter(Rtf97To95Function convert, const std::string& source);

// Runs convert(source, destination) with the trace going to a file; returns the result and the trace.
int ConvertTraced(Rtf97To95Function convert, const char* source, const char* destination, std::string* trace);
