#pragma once

#include <QAbstractItemView>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <span>

class QLabel;
class QPushButton;
class QTableWidget;

namespace velluno {

// Sets the 12-pixel font the windows' places were laid out for, and sizes and
// places `window` as it was drawn: `outer_size` includes the frame.
void size_window(QWidget* window, QSize outer_size);

// A control of `window` at `place` in its client area, found by `name`.
template <typename Control> Control* add_control(QWidget* window, const char* name, QRect place) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(place);
    return control;
}

// Labels show plain text: much of what they show is the service's, never markup.
QLabel* add_label(QWidget* window, const char* name, QRect place, const char* text);
QPushButton* add_button(QWidget* window, const char* name, QRect place, const char* caption);

struct ListColumn {
    const char* header;
    int width;
};

// How a report list looks beyond what all of them share: left-aligned headers
// over fixed columns, no row numbers, one selection at a time, no editing.
struct ReportListLook {
    std::span<const ListColumn> columns;
    QAbstractItemView::SelectionBehavior selection;
    bool grid;
};

void set_up_report_list(QTableWidget& list, const ReportListLook& look);

} // namespace velluno
