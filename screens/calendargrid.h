#pragma once
// CalendarGrid: the board screens' grid over a calendar table, behaving as a
// data-bound grid: opening a cell editor puts the record into edit state,
// and an editor still open when a navigator button acts is committed first.

#include <QTableView>

namespace hoshi {

class CalendarGrid : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;

    // Commits and closes a cell editor that is still open.
    void commitOpenEditor();
    // True while this grid is writing an editor's text into the model.
    bool committing() const { return committing_; }

signals:
    void editingStarted(int row);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;

private:
    bool committing_ = false;
};

} // namespace hoshi
