#pragma once
// Thoshimidb1: the calendar store. It opens the three calendar tables from
// the folder its creator names, Table1 (days), Table2
// (months), Table3 (years) in that order, and keeps them open for the life of
// the program. DataSource1..3 are the models the screens' grids bind to.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "calendarmodel.h"
#include "calendartable.h"

namespace hoshi {

class Thoshimidb1 : public QObject {
    Q_OBJECT
public:
    explicit Thoshimidb1(QObject* parent = nullptr);

    // Opens the three tables from `folder` in order. At the first table
    // that fails it stops: that table and the ones after it stay closed, and
    // the error's text is returned for the standard error report.
    std::optional<QString> hoshimidb1Create(const QString& folder);

    CalendarTable Table1{schema::TableKind::Day};
    CalendarTable Table2{schema::TableKind::Month};
    CalendarTable Table3{schema::TableKind::Year};
    CalendarModel DataSource1{Table1};
    CalendarModel DataSource2{Table2};
    CalendarModel DataSource3{Table3};

    CalendarTable& table(schema::TableKind k);
    CalendarModel& model(schema::TableKind k);
};

} // namespace hoshi
