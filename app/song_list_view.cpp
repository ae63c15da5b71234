#include "app/song_list_view.h"

#include "app/display_text.h"

#include <QMouseEvent>

namespace velluno {

SongListView::SongListView(QWidget* parent) : QTableWidget(parent) {}

int SongListView::append_row() {
    const int row = rowCount();
    insertRow(row);
    return row;
}

void SongListView::set_cell(int row, int column, const Text& text) {
    setItem(row, column, new QTableWidgetItem(display_text(text)));
}

Text SongListView::cell_text(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? Text() : text_from_display(cell->text());
}

int SongListView::current_row() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SongListView::delete_row(int row) {
    removeRow(row);
}

void SongListView::delete_all_rows() {
    setRowCount(0);
}

void SongListView::mousePressEvent(QMouseEvent* event) {
    QTableWidget::mousePressEvent(event);
    if (m_in_double_click || event->button() != Qt::LeftButton) {
        return;
    }
    if (!indexAt(event->position().toPoint()).isValid()) {
        clearSelection();
    }
    emit left_clicked();
}

void SongListView::mouseDoubleClickEvent(QMouseEvent* event) {
    m_in_double_click = true;
    QTableWidget::mouseDoubleClickEvent(event);
    m_in_double_click = false;
    if (event->button() == Qt::LeftButton) {
        emit left_double_clicked();
    }
}

// The song is opened on the press. Dragging with the button held would move
// the selection to another row than the one whose link was taken.
void SongListView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton)) {
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}

} // namespace velluno
