#pragma once
// TDBDUMPForm: the data dump window. Its one writer is the day board
// screen's maintenance run, which empties it and appends a line per record.
// Closing it hides it.

#include <QWidget>

class QPlainTextEdit;

namespace hoshi {

class TDBDUMPForm : public QWidget {
    Q_OBJECT
public:
    explicit TDBDUMPForm(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;

    void clearLines();
    void appendLine(const QString& line);
    QString text() const;
};

} // namespace hoshi
