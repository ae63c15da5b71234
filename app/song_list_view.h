#pragma once

#include "text/text_types.h"

#include <QTableWidget>

namespace velluno {

// The main window's song list: a report list whose cells hold Text, with the
// click and double-click notifications of a report list view. Clicks anywhere
// in the item area count, also below the last row; a click there leaves no row
// selected. Selection changes by keyboard are not clicks, and dragging with
// the left button held does not move the selection.
class SongListView final : public QTableWidget {
    Q_OBJECT

public:
    explicit SongListView(QWidget* parent = nullptr);

    // Appends an empty row and gives its 0-based index.
    int append_row();
    void set_cell(int row, int column, const Text& text);
    // Empty text for a row or column that does not exist.
    Text cell_text(int row, int column) const;
    // The selected row, or -1 when no row is selected.
    int current_row() const;
    void delete_row(int row);
    void delete_all_rows();

signals:
    // A left click in the item area, once the selection has followed it.
    void left_clicked();
    // A left double-click in the item area; its first click came before.
    void left_double_clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Qt turns a double-click off the rows into a press; that is no new click.
    bool m_in_double_click = false;
};

} // namespace velluno
