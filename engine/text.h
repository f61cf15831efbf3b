#pragma once
// Small UTF-8 helpers for the method's names (one or two CJK characters).

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace hoshi {

// The byte length of the UTF-8 character at s[i]. A malformed lead or
// continuation byte counts as a one-byte character of its own.
inline std::size_t utf8CharLength(std::string_view s, std::size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) return 1;
    return n;
}

// The characters of a UTF-8 text, each as its byte sequence.
inline std::vector<std::string_view> utf8Chars(std::string_view s) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0, n = 0; i < s.size(); i += n) {
        n = utf8CharLength(s, i);
        out.push_back(s.substr(i, n));
    }
    return out;
}

// Characters [from, from + n) of a text, counted in characters from 1; the
// part that lies within the text.
inline std::string_view utf8Slice(std::string_view s, std::size_t from, std::size_t n) {
    std::size_t begin = 0;
    for (std::size_t index = 1; index < from && begin < s.size(); ++index) begin += utf8CharLength(s, begin);
    std::size_t end = begin;
    for (std::size_t k = 0; k < n && end < s.size(); ++k) end += utf8CharLength(s, end);
    return begin >= s.size() ? std::string_view{} : s.substr(begin, end - begin);
}

// Terminal columns of a text: ASCII takes one, everything else two.
inline int displayWidth(std::string_view s) {
    int w = 0;
    for (auto ch : utf8Chars(s)) w += ch.size() == 1 ? 1 : 2;
    return w;
}

// A text to quote in a message: each control character (a NUL that would
// end the message, a carriage return that would overwrite it) written as
// its code, "[U+000D]".
inline std::string visibleText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char code[12];
            std::snprintf(code, sizeof code, "[U+%04X]", u);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace hoshi
