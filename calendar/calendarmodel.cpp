#include "calendarmodel.h"

#include "calendartable.h"
#include "errors.h"

namespace hoshi {

CalendarModel::CalendarModel(CalendarTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(&table_, &CalendarTable::recordsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&table_, &CalendarTable::rowChanged, this,
            [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
}

int CalendarModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.recordCount();
}

int CalendarModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.fieldCount();
}

QVariant CalendarModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.recordCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromStdString(table_.record(index.row()).f[static_cast<std::size_t>(index.column())]);
}

QVariant CalendarModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Vertical) return section + 1;
    if (section < 0 || section >= table_.fieldCount()) return {};
    if (auto t = titles_.constFind(section); t != titles_.constEnd()) return *t;
    std::string_view f = table_.info().fields[static_cast<std::size_t>(section)];
    return QString::fromUtf8(f.data(), static_cast<int>(f.size()));
}

bool CalendarModel::setHeaderData(int section, Qt::Orientation o, const QVariant& value, int role) {
    if (o != Qt::Horizontal || (role != Qt::EditRole && role != Qt::DisplayRole)) return false;
    if (section < 0 || section >= table_.fieldCount()) return false;
    titles_[section] = value.toString();
    emit headerDataChanged(o, section, section);
    return true;
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool CalendarModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    try {
        if (index.row() != table_.recNo()) table_.moveTo(index.row());
        table_.setField(index.column(), value.toString().toStdString());
        return true;
    } catch (const std::exception& e) {
        emit failed(QString::fromStdString(e.what()));
        return false;
    }
}

} // namespace hoshi
