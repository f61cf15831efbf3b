#pragma once
// The cursor operations a record navigator drives. The calendar store's
// tables implement it; widgets and tests depend only on this interface.
// Every operation may throw hoshi::Error (a refused post, a closed table).

namespace hoshi {

class RecordCursor {
public:
    enum class State { Inactive, Browse, Edit, Insert };

    virtual ~RecordCursor() = default;

    virtual void first() = 0;
    virtual void prior() = 0;
    virtual void next() = 0;
    virtual void last() = 0;
    virtual void insert() = 0;  // a new empty record, in insert state
    virtual void remove() = 0;  // deletes the current record
    virtual void edit() = 0;    // current record into edit state
    virtual void post() = 0;    // writes the edit or insert through
    virtual void cancel() = 0;  // drops the edit or the inserted record
    virtual void refresh() = 0; // re-reads the table

    virtual bool eof() const = 0; // set by a move that found no record
    virtual bool bof() const = 0;
    virtual State state() const = 0;
};

} // namespace hoshi
