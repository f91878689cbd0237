// model.cpp -- the converter's behaviour written out one byte at a time, as the tests' reference
#include "model.h"

namespace {

const std::string TAG = "\\*\\panose";
constexpr std::size_t BLOCK = 32000;

struct Walk {
    ModelConversion conversion;
    int removed;
};

Walk WalkSource(const std::string& source)
{
    Walk walk{{0, "", ""}, 0};
    std::string& out = walk.conversion.destination;
    std::size_t i = 0;
    while (i < source.size()) {
        char byte = source[i++];
        walk.conversion.trace += byte;
        if (byte != '{') {
            out += byte;
            continue;
        }
        std::string lookAhead = source.substr(i, TAG.size());
        i += lookAhead.size();
        if (lookAhead != TAG) {
            out += '{';
            out += lookAhead;
            continue;
        }
        std::size_t close = source.find('}', i);
        if (close == std::string::npos) {
            out.resize(out.size() / BLOCK * BLOCK);
            walk.conversion.result = -3;
            return walk;
        }
        ++walk.removed;
        i = close + 1;
    }
    return walk;
}

}  // namespace

ModelConversion ModelConvert(const std::string& source)
{
    return WalkSource(source).conversion;
}

int ModelRemovedGroups(const std::string& source)
{
    return WalkSource(source).removed;
}
