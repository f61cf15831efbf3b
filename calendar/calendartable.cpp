#include "calendartable.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>

#include "decoders.h"
#include "errors.h"

namespace hoshi {

namespace {

QString q(std::string_view identifier) {
    return QString::fromStdString(schema::quoted(identifier));
}

QString sqlError(const QSqlError& e) {
    return e.text().trimmed();
}

std::atomic<int> connectionCounter{0};

// The key forms that keep text order equal to date order.
const char* keyPattern(schema::TableKind k) {
    switch (k) {
    case schema::TableKind::Day:
        return "NNNN/NN/NN";
    case schema::TableKind::Month:
        return "NNNN/NN";
    case schema::TableKind::Year:
        return "NNNN";
    }
    return "";
}

bool matchesPattern(const std::string& key, std::string_view pattern) {
    if (key.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        bool digit = key[i] >= '0' && key[i] <= '9';
        if (pattern[i] == 'N' ? !digit : key[i] != pattern[i]) return false;
    }
    return true;
}

} // namespace

CalendarTable::CalendarTable(schema::TableKind kind, QObject* parent) : QObject(parent), kind_(kind) {}

CalendarTable::~CalendarTable() {
    close();
}

void CalendarTable::close() {
    if (!connection_.isEmpty()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
        connection_.clear();
    }
    lock_.reset();
    rows_.clear();
    rowids_.clear();
    row_ = -1;
    eof_ = bof_ = false;
    modified_ = false;
    setState(State::Inactive);
}

void CalendarTable::open(const QString& folder) {
    close();
    const QString fileName =
        QString::fromUtf8(info().fileName.data(), static_cast<int>(info().fileName.size()));
    const QString path = folder + "/" + fileName;
    if (!QFileInfo(path).isFile())
        throw Error(QStringLiteral("%1 が見つかりません: %2").arg(fileName, path).toStdString());
    lock_ = CalendarLock::shared(std::filesystem::path(folder.toStdString()));
    connection_ = QStringLiteral("hoshikura-%1-%2").arg(fileName).arg(++connectionCounter);
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path);
    try {
        if (!db_.open())
            throw Error(
                QStringLiteral("%1 を開けません: %2").arg(fileName, sqlError(db_.lastError())).toStdString());
        const QString table = q(info().tableName);
        const QString tableName =
            QString::fromUtf8(info().tableName.data(), static_cast<int>(info().tableName.size()));
        QSqlQuery columns(db_);
        if (!columns.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table))) {
            // SQLITE_BUSY (5) and SQLITE_LOCKED (6): another program holds the file.
            const QString code = columns.lastError().nativeErrorCode();
            if (code == QStringLiteral("5") || code == QStringLiteral("6"))
                throw Error(
                    QStringLiteral(
                        "%1 は他のプログラムが使用中のため開けません。しばらくしてからやり直してください。")
                        .arg(fileName)
                        .toStdString());
            throw Error(QStringLiteral("%1 は暦のテーブルではありません: %2")
                            .arg(fileName, sqlError(columns.lastError()))
                            .toStdString());
        }
        std::vector<std::string> names;
        while (columns.next()) names.push_back(columns.value(1).toString().toStdString());
        if (names.empty())
            throw Error(
                QStringLiteral("%1 にテーブル「%2」がありません。").arg(fileName, tableName).toStdString());
        for (std::string_view f : info().fields)
            if (std::find(names.begin(), names.end(), f) == names.end())
                throw Error(QStringLiteral("%1 にフィールド「%2」がありません")
                                .arg(fileName, QString::fromUtf8(f.data(), static_cast<int>(f.size())))
                                .toStdString());
        // The primary index on the key field. Tables written by the calendar
        // tool have it, so a read-only folder opens; an older table gets it.
        QSqlQuery indexes(db_);
        bool indexed = false;
        if (indexes.exec(QStringLiteral("PRAGMA index_list(%1)").arg(table)))
            while (indexes.next())
                indexed = indexed || indexes.value(1).toString().toStdString() == info().indexName;
        QSqlQuery index(db_);
        if (!indexed && !index.exec(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                                        .arg(q(info().indexName), table, q(info().fields[0]))))
            throw Error(QStringLiteral("%1 にキーを作れません: %2")
                            .arg(fileName, sqlError(index.lastError()))
                            .toStdString());
        load();
    } catch (...) {
        close();
        throw;
    }
    row_ = rows_.empty() ? -1 : 0;
    setState(State::Browse);
    notifyRecords();
    notifyCurrent();
}

void CalendarTable::load() {
    // Read as bytes: the texts are UTF-8 already, and this skips the
    // driver's round trip through UTF-16.
    QStringList cols;
    for (std::string_view f : info().fields) cols << QStringLiteral("CAST(%1 AS BLOB)").arg(q(f));
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY %3")
                        .arg(cols.join(','), q(info().tableName), q(info().fields[0]))))
        throw Error(
            QStringLiteral("暦のテーブルを読めません: %1").arg(sqlError(query.lastError())).toStdString());
    std::vector<CalendarRecord> rows;
    std::vector<qint64> ids;
    const int n = fieldCount();
    while (query.next()) {
        ids.push_back(query.value(0).toLongLong());
        CalendarRecord r;
        for (int i = 0; i < n; ++i)
            r.f[static_cast<std::size_t>(i)] = query.value(i + 1).toString().toStdString();
        rows.push_back(std::move(r));
    }
    if (query.lastError().isValid())
        throw Error(
            QStringLiteral("暦のテーブルを読めません: %1").arg(sqlError(query.lastError())).toStdString());
    rows_ = std::move(rows);
    rowids_ = std::move(ids);
}

int CalendarTable::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < info().fields.size(); ++i)
        if (info().fields[i] == name) return static_cast<int>(i);
    return -1;
}

const CalendarRecord& CalendarTable::current() const {
    static const CalendarRecord empty;
    return row_ >= 0 ? rows_[static_cast<std::size_t>(row_)] : empty;
}

const CalendarRecord& CalendarTable::record(int row) const {
    checkRange(row, 0, recordCount() - 1, "record");
    return rows_[static_cast<std::size_t>(row)];
}

QString CalendarTable::fieldText(std::string_view name) const {
    int i = fieldIndex(name);
    if (i < 0 || row_ < 0) return {};
    return QString::fromStdString(current().f[static_cast<std::size_t>(i)]);
}

void CalendarTable::requireOpen() const {
    if (!isOpen()) throw Error("暦のテーブルが開いていません");
}

void CalendarTable::setRow(int row) {
    bool moved = row != row_;
    row_ = row;
    if (moved) notifyCurrent();
}

void CalendarTable::checkBrowseMode() {
    if (state_ == State::Edit) {
        if (modified_)
            post();
        else
            setState(State::Browse);
    } else if (state_ == State::Insert) {
        if (modified_)
            post();
        else
            cancel();
    }
}

void CalendarTable::first() {
    moveToEnd(false);
}

void CalendarTable::last() {
    moveToEnd(true);
}

void CalendarTable::moveToEnd(bool toLast) {
    requireOpen();
    checkBrowseMode();
    if (rows_.empty()) {
        bof_ = eof_ = true;
        return;
    }
    bof_ = eof_ = false;
    setRow(toLast ? recordCount() - 1 : 0);
}

void CalendarTable::next() {
    requireOpen();
    checkBrowseMode();
    if (row_ + 1 >= recordCount()) {
        eof_ = true;
        return;
    }
    bof_ = eof_ = false;
    setRow(row_ + 1);
}

void CalendarTable::prior() {
    requireOpen();
    checkBrowseMode();
    if (row_ <= 0) {
        bof_ = true;
        return;
    }
    bof_ = eof_ = false;
    setRow(row_ - 1);
}

bool CalendarTable::findKey(const std::string& key) {
    if (!isOpen()) return false;
    checkBrowseMode();
    auto it = std::lower_bound(rows_.begin(), rows_.end(), key,
                               [](const CalendarRecord& r, const std::string& k) { return r.key() < k; });
    if (it == rows_.end() || it->key() != key) return false;
    bof_ = eof_ = false;
    setRow(static_cast<int>(it - rows_.begin()));
    return true;
}

void CalendarTable::moveTo(int row) {
    requireOpen();
    checkRange(row, 0, recordCount() - 1, "record");
    if (row == row_) return;
    // Posting or dropping the record in progress can shift rows: follow the
    // target record, not its index.
    const qint64 target = rowids_[static_cast<std::size_t>(row)];
    checkBrowseMode();
    auto it = std::find(rowids_.begin(), rowids_.end(), target);
    bof_ = eof_ = false;
    setRow(it == rowids_.end() ? std::min(row, recordCount() - 1) : static_cast<int>(it - rowids_.begin()));
}

void CalendarTable::insert() {
    requireOpen();
    checkBrowseMode();
    int at = std::max(row_, 0);
    rows_.insert(rows_.begin() + at, CalendarRecord{});
    rowids_.insert(rowids_.begin() + at, 0);
    row_ = at;
    modified_ = false;
    setState(State::Insert);
    notifyRecords();
    notifyCurrent();
}

void CalendarTable::edit() {
    requireOpen();
    if (state_ != State::Browse) return;
    if (row_ < 0) {
        insert();
        return;
    }
    backup_ = rows_[static_cast<std::size_t>(row_)];
    modified_ = false;
    setState(State::Edit);
}

void CalendarTable::setField(int field, const std::string& text) {
    checkRange(field, 0, fieldCount() - 1, "field");
    if (state_ == State::Browse || state_ == State::Inactive) edit();
    rows_[static_cast<std::size_t>(row_)].f[static_cast<std::size_t>(field)] = text;
    modified_ = true;
    if (held_)
        pendingRecords_ = true;
    else
        emit rowChanged(row_);
}

int CalendarTable::sortedPosition(const std::string& key, int skip) const {
    int pos = 0;
    for (int i = 0; i < recordCount(); ++i)
        if (i != skip && rows_[static_cast<std::size_t>(i)].key() < key) ++pos;
    return pos;
}

std::string CalendarTable::validateKey(const CalendarRecord& r, int skip) const {
    const std::string& key = r.key();
    const std::string field(info().fields[0]);
    if (!matchesPattern(key, keyPattern(kind_))) {
        std::string form = keyPattern(kind_);
        std::replace(form.begin(), form.end(), 'N', '9');
        return field + "「" + key + "」は " + form + " の形で入力してください";
    }
    for (int i = 0; i < recordCount(); ++i)
        if (i != skip && rows_[static_cast<std::size_t>(i)].key() == key)
            return field + "「" + key + "」のレコードはすでにあります";
    return {};
}

void CalendarTable::post() {
    requireOpen();
    if (state_ == State::Browse) return;
    if (!modified_) {
        if (state_ == State::Insert)
            cancel();
        else
            setState(State::Browse);
        return;
    }
    CalendarRecord& r = rows_[static_cast<std::size_t>(row_)];
    if (std::string problem = validateKey(r, row_); !problem.empty()) throw Error(problem);
    // Nothing is stored that its board cannot be computed from; the typed
    // values stay for correction.
    if (auto fault = recordFault(kind_, r)) throw Error(fault->text);

    QStringList cols, marks;
    for (std::string_view f : info().fields) {
        cols << q(f);
        marks << QStringLiteral("?");
    }
    QSqlQuery query(db_);
    if (state_ == State::Insert) {
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(q(info().tableName), cols.join(','), marks.join(',')));
    } else {
        QStringList sets;
        for (const QString& c : cols) sets << c + QStringLiteral(" = ?");
        query.prepare(
            QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(q(info().tableName), sets.join(',')));
    }
    for (int i = 0; i < fieldCount(); ++i)
        query.addBindValue(QString::fromStdString(r.f[static_cast<std::size_t>(i)]));
    if (state_ == State::Edit) query.addBindValue(rowids_[static_cast<std::size_t>(row_)]);

    if (!db_.transaction())
        throw Error("書き込みを始められません: " + sqlError(db_.lastError()).toStdString());
    if (!query.exec() || !db_.commit()) {
        const QString why = sqlError(query.lastError().isValid() ? query.lastError() : db_.lastError());
        db_.rollback();
        throw Error("レコードを書き込めません: " + why.toStdString());
    }
    if (state_ == State::Insert) rowids_[static_cast<std::size_t>(row_)] = query.lastInsertId().toLongLong();

    // Keep the records in key order; the cursor follows the posted record.
    int to = sortedPosition(r.key(), row_);
    if (to != row_) {
        CalendarRecord moved = std::move(r);
        qint64 id = rowids_[static_cast<std::size_t>(row_)];
        rows_.erase(rows_.begin() + row_);
        rowids_.erase(rowids_.begin() + row_);
        rows_.insert(rows_.begin() + to, std::move(moved));
        rowids_.insert(rowids_.begin() + to, id);
        row_ = to;
        notifyCurrent();
    }
    modified_ = false;
    setState(State::Browse);
    notifyRecords();
}

void CalendarTable::cancel() {
    if (state_ == State::Edit) {
        rows_[static_cast<std::size_t>(row_)] = backup_;
        modified_ = false;
        setState(State::Browse);
        notifyRecords();
    } else if (state_ == State::Insert) {
        rows_.erase(rows_.begin() + row_);
        rowids_.erase(rowids_.begin() + row_);
        if (row_ >= recordCount()) row_ = recordCount() - 1;
        modified_ = false;
        setState(State::Browse);
        notifyRecords();
        notifyCurrent();
    }
}

void CalendarTable::remove() {
    requireOpen();
    if (state_ == State::Insert) {
        cancel();
        return;
    }
    if (state_ == State::Edit) cancel();
    if (row_ < 0) return;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(q(info().tableName)));
    query.addBindValue(rowids_[static_cast<std::size_t>(row_)]);
    if (!query.exec()) throw Error("レコードを削除できません: " + sqlError(query.lastError()).toStdString());
    rows_.erase(rows_.begin() + row_);
    rowids_.erase(rowids_.begin() + row_);
    if (row_ >= recordCount()) row_ = recordCount() - 1;
    notifyRecords();
    notifyCurrent();
}

void CalendarTable::refresh() {
    requireOpen();
    checkBrowseMode();
    const std::string key = current().key();
    load();
    row_ = rows_.empty() ? -1 : std::min(std::max(row_, 0), recordCount() - 1);
    notifyRecords();
    if (!findKey(key)) notifyCurrent();
}

void CalendarTable::setState(State s) {
    if (s == state_) return;
    state_ = s;
    emit stateChanged(s);
}

void CalendarTable::notifyCurrent() {
    if (held_)
        pendingCurrent_ = true;
    else
        emit currentChanged(row_);
}

void CalendarTable::notifyRecords() {
    if (held_)
        pendingRecords_ = true;
    else
        emit recordsChanged();
}

void CalendarTable::holdNotifications() {
    ++held_;
}

void CalendarTable::releaseNotifications() {
    if (held_ == 0 || --held_ > 0) return;
    if (std::exchange(pendingRecords_, false)) emit recordsChanged();
    if (std::exchange(pendingCurrent_, false)) emit currentChanged(row_);
}

} // namespace hoshi
