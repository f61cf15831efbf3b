#pragma once
// The two error kinds a user can see. Both carry a readable text that names
// the rejected value; screens catch them at the event handler and show the
// text in the application's standard error box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace hoshi {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number was not (a year, a month, a ju...).
class ConversionError : public Error {
public:
    using Error::Error;
};

// A number outside its declared range, or a name outside its table.
class OutOfRangeError : public Error {
public:
    using Error::Error;
};

// Throws OutOfRangeError in the user's words: "局「10」は範囲外です（1～9）。"
// (`what` is the code's name of the value; the text names it as a screen does).
[[noreturn]] void throwOutOfRange(long long v, long long lo, long long hi, const char* what);

// The user's name of a value the code names `what` ("ju" → "局").
std::string fieldName(std::string_view what);

// Throws OutOfRangeError unless lo <= v <= hi. `what` names the value.
inline void checkRange(long long v, long long lo, long long hi, const char* what) {
    if (v < lo || v > hi) [[unlikely]]
        throwOutOfRange(v, lo, hi, what);
}

} // namespace hoshi
