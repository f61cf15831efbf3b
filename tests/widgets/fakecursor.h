#pragma once
// A RecordCursor that records each operation by name and throws on request.

#include "errors.h"
#include "recordcursor.h"

#include <QString>
#include <QStringList>

class FakeCursor : public hoshi::RecordCursor {
public:
    QStringList calls;
    QString failOn; // the operation that throws
    State currentState = State::Browse;
    bool atBof = false;
    bool atEof = false;

    void first() override { record("first"); }
    void prior() override { record("prior"); }
    void next() override { record("next"); }
    void last() override { record("last"); }
    void insert() override { record("insert"); }
    void remove() override { record("remove"); }
    void edit() override { record("edit"); }
    void post() override { record("post"); }
    void cancel() override { record("cancel"); }
    void refresh() override { record("refresh"); }

    bool eof() const override { return atEof; }
    bool bof() const override { return atBof; }
    State state() const override { return currentState; }

private:
    void record(const char* op) {
        calls << QString::fromLatin1(op);
        if (failOn == QLatin1String(op)) throw hoshi::Error(std::string(op) + " refused");
    }
};
