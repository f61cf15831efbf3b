#pragma once
// One calendar table: its SQLite file, all its records in key order in
// memory, and the one cursor that every screen, grid and search bound to the
// table shares.
//
// Cursor semantics: first/prior/next/last; the end and beginning flags are
// set by a move that finds no record and cleared by any move that succeeds;
// exact-key positioning stays put silently on a miss. Edits (edit, insert,
// field changes) stay in memory until post, which writes them through in one
// transaction; a post that fails leaves the typed values in place for
// correction. Moving away from a modified record posts it first, as a
// data-bound grid does; an untouched inserted record is dropped instead.

#include <optional>

#include "calendarlock.h"
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <string>
#include <vector>

#include "record.h"
#include "recordcursor.h"
#include "schema.h"

namespace hoshi {

class CalendarTable : public QObject, public RecordCursor {
    Q_OBJECT
public:
    explicit CalendarTable(schema::TableKind kind, QObject* parent = nullptr);
    ~CalendarTable() override;

    // Opens folder/<file name>: adds the primary index on the key field
    // (tolerating one that exists) and reads the records in key order.
    // Throws Error with a readable text when the file is missing or not a
    // calendar table; the table then stays closed.
    void open(const QString& folder);
    void close();
    bool isOpen() const { return db_.isValid() && db_.isOpen(); }

    const schema::TableInfo& info() const { return schema::info(kind_); }
    int fieldCount() const { return static_cast<int>(info().fields.size()); }
    // Position of a field by name, -1 when the table has no such field.
    int fieldIndex(std::string_view name) const;

    int recordCount() const { return static_cast<int>(rows_.size()); }
    // The current row, -1 when the table is empty or closed.
    int recNo() const { return row_; }
    // The current record (with any edit in progress); an empty record when there is none.
    const CalendarRecord& current() const;
    const CalendarRecord& record(int row) const;
    // Display text of a field of the current record ("" when there is none).
    QString fieldText(std::string_view name) const;

    // Exact-key positioning: true and the cursor on that record, or false
    // and the cursor where it was.
    bool findKey(const std::string& key);
    // Moves to a row (a grid click); posts a pending edit first.
    void moveTo(int row);

    // Changes one field of the current record, entering edit state first.
    void setField(int field, const std::string& text);
    bool modified() const { return modified_; }

    // RecordCursor.
    void first() override;
    void prior() override;
    void next() override;
    void last() override;
    void insert() override;
    void remove() override;
    void edit() override;
    void post() override;
    void cancel() override;
    void refresh() override;
    bool eof() const override { return eof_; }
    bool bof() const override { return bof_; }
    State state() const override { return state_; }

    // A long operation (a search, a maintenance run) holds the change
    // notifications back and releases one of each kind at its end.
    void holdNotifications();
    void releaseNotifications();

signals:
    void currentChanged(int row); // the cursor moved
    void rowChanged(int row);     // a field of one record changed (an edit in progress)
    void recordsChanged();        // records were added, removed, changed or re-read
    void stateChanged(RecordCursor::State state);

private:
    void load();
    void checkBrowseMode(); // posts or drops a pending edit before a move
    void moveToEnd(bool toLast);
    void setRow(int row);
    void notifyCurrent();
    void notifyRecords();
    void setState(State s);
    int sortedPosition(const std::string& key, int skip) const;
    std::string validateKey(const CalendarRecord& r, int skip) const;
    void requireOpen() const;

    schema::TableKind kind_;
    QString connection_;
    QSqlDatabase db_;
    std::optional<CalendarLock> lock_; // held while open: no tool replaces the table meanwhile
    std::vector<CalendarRecord> rows_;
    std::vector<qint64> rowids_; // SQLite rowid of each record; 0 for an unposted insert
    int row_ = -1;
    bool eof_ = false;
    bool bof_ = false;
    State state_ = State::Inactive;
    bool modified_ = false;
    CalendarRecord backup_; // the record before the edit, for cancel
    int held_ = 0;
    bool pendingCurrent_ = false;
    bool pendingRecords_ = false;
};

// Holds a table's change notifications for the life of a scope.
class NotificationHold {
public:
    explicit NotificationHold(CalendarTable& t) : t_(t) { t_.holdNotifications(); }
    ~NotificationHold() { t_.releaseNotifications(); }
    NotificationHold(const NotificationHold&) = delete;
    NotificationHold& operator=(const NotificationHold&) = delete;

private:
    CalendarTable& t_;
};

} // namespace hoshi
