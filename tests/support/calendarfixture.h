#pragma once
// Writes small calendar tables for tests: one SQLite file per table in a
// folder, in the store's form, records given as field texts in order.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>
#include <vector>

#include "schema.h"

namespace hoshi::test {

inline void writeCalendarTable(const QString& folder, schema::TableKind kind,
                               const std::vector<std::vector<std::string>>& records) {
    const auto& info = schema::info(kind);
    auto q = [](std::string_view s) { return QString::fromStdString(schema::quoted(s)); };
    const QString path = folder + "/" + QString::fromUtf8(info.fileName.data(), int(info.fileName.size()));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "calendar-fixture");
        db.setDatabaseName(path);
        if (!db.open()) throw std::runtime_error("fixture: cannot open " + path.toStdString());
        QStringList cols, marks;
        for (auto f : info.fields) {
            cols << q(f) + " TEXT";
            marks << "?";
        }
        QSqlQuery create(db);
        if (!create.exec(QString("CREATE TABLE %1 (%2)").arg(q(info.tableName), cols.join(','))))
            throw std::runtime_error("fixture: cannot create the table");
        for (const auto& r : records) {
            QSqlQuery ins(db);
            ins.prepare(QString("INSERT INTO %1 VALUES (%2)").arg(q(info.tableName), marks.join(',')));
            for (std::size_t i = 0; i < info.fields.size(); ++i)
                ins.addBindValue(QString::fromStdString(i < r.size() ? r[i] : std::string()));
            if (!ins.exec()) throw std::runtime_error("fixture: cannot insert");
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("calendar-fixture");
}

} // namespace hoshi::test
