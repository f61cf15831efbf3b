#include "tablefile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <atomic>
#include <string>
#include <system_error>
#include <unistd.h>

#include "calendarlock.h"
#include "errors.h"
#include "koyomi.h"

namespace hoshi::koyomi {

namespace {

namespace fs = std::filesystem;

QString qtPath(const fs::path& p) {
    return QString::fromUtf8(p.string());
}

std::string fileName(schema::TableKind kind) {
    return std::string(schema::info(kind).fileName);
}

// One Qt Sql connection, closed and removed when it goes.
class Connection {
public:
    explicit Connection(const fs::path& file) {
        static std::atomic<int> counter{0};
        name_ = QStringLiteral("hoshi-koyomi-%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(qtPath(file));
        if (!db.open()) {
            QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name_);
            throw Error(file.string() + " を開けません（" + why.toStdString() + "）。");
        }
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

[[noreturn]] void fail(const fs::path& file, const QSqlError& e) {
    throw Error(file.string() + " に書き込めません（" + e.text().toStdString() + "）。");
}

QString sqlText(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

fs::path temporaryName(const fs::path& final) {
    return final.parent_path() / ("." + final.filename().string() + ".tmp" + std::to_string(getpid()));
}

// Writes the table into `file` (which must not exist).
void writeFile(const fs::path& file, schema::TableKind kind, std::span<const CalendarRecord> records) {
    const schema::TableInfo& t = schema::info(kind);
    QString columns, marks;
    for (std::size_t i = 0; i < t.fields.size(); ++i) {
        columns += (i ? ", " : "") + sqlText(schema::quoted(t.fields[i]));
        marks += i ? ", ?" : "?";
    }
    QString table = sqlText(schema::quoted(t.tableName));
    Connection c(file);
    QSqlDatabase db = c.db();
    QSqlQuery q(db);
    QString create = "CREATE TABLE " + table + " (";
    for (std::size_t i = 0; i < t.fields.size(); ++i)
        create += (i ? ", " : "") + sqlText(schema::quoted(t.fields[i])) + " TEXT";
    if (!q.exec(create + ")")) fail(file, q.lastError());
    if (!db.transaction()) fail(file, db.lastError());
    if (!q.prepare("INSERT INTO " + table + " (" + columns + ") VALUES (" + marks + ")"))
        fail(file, q.lastError());
    for (const CalendarRecord& r : records) {
        for (std::size_t i = 0; i < t.fields.size(); ++i)
            q.bindValue(static_cast<int>(i), QString::fromStdString(r.f[i]));
        if (!q.exec()) fail(file, q.lastError());
    }
    // The key index the program uses, so that it opens the table also from
    // a read-only folder.
    if (!q.exec(QStringLiteral("CREATE UNIQUE INDEX %1 ON %2 (%3)")
                    .arg(sqlText(schema::quoted(t.indexName)), table, sqlText(schema::quoted(t.fields[0])))))
        fail(file, q.lastError());
    if (!db.commit()) fail(file, db.lastError());
}

// Removes what a killed run left: temporary tables ".暦日.DB.tmpPID" (and
// their ".old" links and journals). Runs under the exclusive lock, so no
// other run of the tool is writing them.
void removeLeftovers(const fs::path& dbDir) {
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(dbDir, ec)) {
        const std::string name = e.path().filename().string();
        for (const schema::TableInfo& t : schema::tables)
            if (name.starts_with("." + std::string(t.fileName) + ".tmp")) {
                std::error_code ignored;
                fs::remove(e.path(), ignored);
            }
    }
}

// Writes each table under a temporary name, then renames them all into
// place. The tables in place are kept as links until every rename has
// succeeded, so that a failure puts the old set back: the folder never mixes
// new and old tables.
void writeAll(const fs::path& dbDir, std::span<const schema::TableKind> kinds,
              std::span<const std::span<const CalendarRecord>> records) {
    // No program may hold these tables while they are replaced.
    const CalendarLock lock = CalendarLock::exclusive(dbDir);
    removeLeftovers(dbDir);
    std::vector<fs::path> temps, finals, keeps;
    std::size_t placed = 0;
    auto cleanUp = [&](bool restore) {
        std::error_code ignored;
        for (std::size_t i = 0; i < keeps.size(); ++i) {
            if (keeps[i].empty()) {
                if (restore && i < placed)
                    fs::remove(finals[i], ignored); // a table that was not there before
                continue;
            }
            if (restore && i < placed)
                fs::rename(keeps[i], finals[i], ignored);
            else
                fs::remove(keeps[i], ignored);
        }
        for (const fs::path& p : temps) fs::remove(p, ignored);
    };
    try {
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            finals.push_back(dbDir / fileName(kinds[i]));
            temps.push_back(temporaryName(finals.back()));
            fs::remove(temps.back());
            writeFile(temps.back(), kinds[i], records[i]);
        }
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            fs::path keep;
            if (fs::exists(finals[i])) {
                keep = temporaryName(finals[i]).concat(".old");
                fs::remove(keep);
                fs::create_hard_link(finals[i], keep);
            }
            keeps.push_back(keep);
        }
        for (; placed < kinds.size(); ++placed) fs::rename(temps[placed], finals[placed]);
        cleanUp(false);
    } catch (const fs::filesystem_error& e) {
        cleanUp(true);
        throw Error(std::string("暦を書き込めません（") + e.what() + "）。前の暦はそのままです。");
    } catch (...) {
        cleanUp(true);
        throw;
    }
}

} // namespace

void writeTable(const fs::path& dbDir, schema::TableKind kind, std::span<const CalendarRecord> records) {
    if (!fs::is_directory(dbDir)) throw Error("フォルダ " + dbDir.string() + " がありません。");
    schema::TableKind kinds[] = {kind};
    std::span<const CalendarRecord> rows[] = {records};
    writeAll(dbDir, kinds, rows);
}

void writeKoyomi(const fs::path& dbDir, const Koyomi& k) {
    std::error_code ec;
    fs::create_directories(dbDir, ec);
    if (!fs::is_directory(dbDir)) throw Error("フォルダ " + dbDir.string() + " を作れません。");
    schema::TableKind kinds[] = {schema::TableKind::Day, schema::TableKind::Month, schema::TableKind::Year};
    std::span<const CalendarRecord> rows[] = {k.days, k.months, k.years};
    writeAll(dbDir, kinds, rows);
}

std::vector<CalendarRecord> readTable(const fs::path& dbDir, schema::TableKind kind) {
    fs::path file = dbDir / fileName(kind);
    if (!fs::is_regular_file(file)) throw Error("暦の表 " + file.string() + " がありません。");
    const schema::TableInfo& t = schema::info(kind);
    QString columns;
    for (std::size_t i = 0; i < t.fields.size(); ++i)
        columns += (i ? ", " : "") + sqlText(schema::quoted(t.fields[i]));
    Connection c(file);
    QSqlQuery q(c.db());
    q.setForwardOnly(true);
    if (!q.exec("SELECT " + columns + " FROM " + sqlText(schema::quoted(t.tableName)) + " ORDER BY " +
                sqlText(schema::quoted(t.fields[0]))))
        throw Error(file.string() + " を読めません（" + q.lastError().text().toStdString() + "）。");
    std::vector<CalendarRecord> out;
    while (q.next()) {
        CalendarRecord r;
        for (std::size_t i = 0; i < t.fields.size(); ++i)
            r.f[i] = q.value(static_cast<int>(i)).toString().toStdString();
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace hoshi::koyomi
