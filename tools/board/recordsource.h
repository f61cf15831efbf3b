#pragma once
// Where by-date commands find their calendar records.

#include <string>

#include "record.h"
#include "schema.h"

namespace hoshi::tool {

class RecordSource {
public:
    virtual ~RecordSource() = default;
    // The record of `table` whose key is exactly `key`, or nullptr when there
    // is none. The record stays valid until the next call. Throws Error when
    // the table cannot be opened.
    virtual const CalendarRecord* find(schema::TableKind table, const std::string& key) = 0;
};

} // namespace hoshi::tool
