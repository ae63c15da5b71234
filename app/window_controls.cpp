#include "app/window_controls.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace velluno {

namespace {

// The frame the windows were drawn with: a 2-pixel border left, right and
// below, and a 26-pixel caption bar.
constexpr int kBorderPixels = 2;
constexpr int kCaptionPixels = 26;
constexpr QPoint kOuterPlace{50, 50};
constexpr int kFontPixels = 12;
// Rows a little taller than their text, as in a report list view.
constexpr int kRowPadding = 6;

constexpr QSize client_size(QSize outer_size) {
    return {outer_size.width() - 2 * kBorderPixels,
            outer_size.height() - kCaptionPixels - kBorderPixels};
}

} // namespace

void size_window(QWidget* window, QSize outer_size) {
    QFont font = window->font();
    font.setPixelSize(kFontPixels);
    window->setFont(font);
    window->setFixedSize(client_size(outer_size));
    window->move(kOuterPlace);
}

QLabel* add_label(QWidget* window, const char* name, QRect place, const char* text) {
    auto* label = add_control<QLabel>(window, name, place);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(text));
    return label;
}

QPushButton* add_button(QWidget* window, const char* name, QRect place, const char* caption) {
    auto* button = add_control<QPushButton>(window, name, place);
    button->setText(QString::fromUtf8(caption));
    return button;
}

void set_up_report_list(QTableWidget& list, const ReportListLook& look) {
    list.setColumnCount(static_cast<int>(look.columns.size()));
    for (int column = 0; column < list.columnCount(); ++column) {
        const ListColumn& shape = look.columns[static_cast<std::size_t>(column)];
        list.setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromUtf8(shape.header)));
        list.setColumnWidth(column, shape.width);
    }
    list.horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list.horizontalHeader()->setStretchLastSection(false);
    list.verticalHeader()->hide();
    list.verticalHeader()->setDefaultSectionSize(list.fontMetrics().height() + kRowPadding);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setSelectionBehavior(look.selection);
    list.setEditTriggers(QAbstractItemView::NoEditTriggers);
    list.setShowGrid(look.grid);
    list.setWordWrap(false);
}

} // namespace velluno
