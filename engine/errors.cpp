#include "errors.h"

namespace hoshi {

void throwOutOfRange(long long v, long long lo, long long hi, const char* what) {
    throw OutOfRangeError(std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) +
                          ".." + std::to_string(hi));
}

} // namespace hoshi
