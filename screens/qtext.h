#pragma once
// The method's names (UTF-8 std::string_view tables) as Qt strings.

#include <QString>
#include <string_view>

namespace hoshi {

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace hoshi
