#pragma once
// One calendar record as display texts (UTF-8), in the field order of
// schema.h. Month and year records use the first four fields.

#include <array>
#include <string>

#include "schema.h"

namespace hoshi {

struct CalendarRecord {
    std::array<std::string, 8> f;

    const std::string& operator[](schema::Field i) const { return f[static_cast<std::size_t>(i)]; }
    std::string& operator[](schema::Field i) { return f[static_cast<std::size_t>(i)]; }
    const std::string& key() const { return f[0]; }
    bool operator==(const CalendarRecord&) const = default;
};

} // namespace hoshi
