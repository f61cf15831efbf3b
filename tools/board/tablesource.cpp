#include "tablesource.h"

namespace hoshi::tool {

const CalendarRecord* TableSource::find(schema::TableKind table, const std::string& key) {
    auto& t = tables_[static_cast<std::size_t>(table)];
    if (!t || !t->isOpen()) {
        t = std::make_unique<CalendarTable>(table);
        t->open(folder_);
    }
    return t->findKey(key) ? &t->current() : nullptr;
}

} // namespace hoshi::tool
