#pragma once
// A table model over one calendar table for the board screens' grids. It
// shows the records (with any edit in progress), writes cell edits into the
// current record through the table's cursor, and follows the table's change
// notifications.

#include <QAbstractTableModel>
#include <QHash>

namespace hoshi {

class CalendarTable;

class CalendarModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CalendarModel(CalendarTable& table, QObject* parent = nullptr);

    CalendarTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    // A column title other than the field's name (the grids title 節入り日 "節入日").
    bool setHeaderData(int section, Qt::Orientation o, const QVariant& value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Moves the cursor to the cell's record (posting a pending edit) and sets
    // the field. A refusal is reported through failed(), never thrown.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void failed(const QString& message);

private:
    CalendarTable& table_;
    QHash<int, QString> titles_;
};

} // namespace hoshi
