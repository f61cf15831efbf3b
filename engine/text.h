#pragma once
// Small UTF-8 helpers for the method's names (one or two CJK characters).

#include <string_view>
#include <vector>

namespace hoshi {

// The characters of a UTF-8 text, each as its byte sequence. A malformed
// lead or continuation byte becomes a one-byte "character" of its own.
inline std::vector<std::string_view> utf8Chars(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        if (i + n > s.size()) n = 1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2) n = 1;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// Terminal columns of a text: ASCII takes one, everything else two.
inline int displayWidth(std::string_view s) {
    int w = 0;
    for (auto ch : utf8Chars(s)) w += ch.size() == 1 ? 1 : 2;
    return w;
}

} // namespace hoshi
