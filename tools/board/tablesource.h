#pragma once
// The calendar tables of a "db" folder as a RecordSource. Each table is
// opened at its first use and stays open; one that fails to open is tried
// again at the next use. Needs a QCoreApplication (Qt Sql).

#include <QString>
#include <array>
#include <memory>

#include "calendartable.h"
#include "recordsource.h"

namespace hoshi::tool {

class TableSource : public RecordSource {
public:
    explicit TableSource(QString folder) : folder_(std::move(folder)) {}

    const CalendarRecord* find(schema::TableKind table, const std::string& key) override;

private:
    QString folder_;
    std::array<std::unique_ptr<CalendarTable>, 3> tables_;
};

} // namespace hoshi::tool
