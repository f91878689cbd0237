// model.h -- the converter's behaviour written out one byte at a time, as the tests' reference
#pragma once

#include <string>

struct ModelConversion {
    int result;
    std::string destination; // what the destination holds afterwards
    std::string trace;       // what was traced to standard output
};

// Converts source the slow, obvious way: every byte taken at the top of the loop is traced, each
// opening brace is followed by a nine-byte look-ahead, a group opening with the tag is dropped up to
// the first closing brace. On an unclosed group only the full 32000-byte blocks reach the destination.
ModelConversion ModelConvert(const std::string& source);

// How many groups the model leaves out of source.
int ModelRemovedGroups(const std::string& source);
