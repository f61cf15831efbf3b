#include "hoshimidb1.h"

#include "errors.h"

namespace hoshi {

Thoshimidb1::Thoshimidb1(QObject* parent) : QObject(parent) {}

std::optional<QString> Thoshimidb1::hoshimidb1Create(const QString& folder) {
    for (CalendarTable* t : {&Table1, &Table2, &Table3}) {
        try {
            t->open(folder);
        } catch (const std::exception& e) {
            return QString::fromStdString(e.what());
        }
    }
    return std::nullopt;
}

CalendarTable& Thoshimidb1::table(schema::TableKind k) {
    switch (k) {
    case schema::TableKind::Day:
        return Table1;
    case schema::TableKind::Month:
        return Table2;
    case schema::TableKind::Year:
        return Table3;
    }
    return Table1;
}

CalendarModel& Thoshimidb1::model(schema::TableKind k) {
    switch (k) {
    case schema::TableKind::Day:
        return DataSource1;
    case schema::TableKind::Month:
        return DataSource2;
    case schema::TableKind::Year:
        return DataSource3;
    }
    return DataSource1;
}

} // namespace hoshi
