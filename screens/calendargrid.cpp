#include "calendargrid.h"

namespace hoshi {

void CalendarGrid::commitOpenEditor() {
    if (state() != EditingState) return;
    for (QWidget* editor : viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible()) continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool CalendarGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const bool wasEditing = state() == EditingState;
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened && !wasEditing) emit editingStarted(index.row());
    return opened;
}

void CalendarGrid::commitData(QWidget* editor) {
    committing_ = true;
    QTableView::commitData(editor);
    committing_ = false;
}

} // namespace hoshi
