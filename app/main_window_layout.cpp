#include "app/main_window_layout.h"

#include "app/profile_card_label.h"
#include "app/song_list_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace velluno {

namespace {

// The window was drawn as 449 × 446 pixels outside, frame included: a 2-pixel
// border left, right and below and a 26-pixel caption bar leave this client
// area, which holds every visible control (the song list reaches 444 × 416).
constexpr QSize kClientSize{445, 418};
constexpr QPoint kOuterPlace{50, 50};
// The places below were laid out for a 12-pixel font.
constexpr int kFontPixels = 12;
// Rows a little taller than their text, as in a report list view.
constexpr int kRowPadding = 6;

constexpr auto kAddressCaption = "主页:";
constexpr auto kQueryCaption = "查询";
constexpr auto kInitialCard =
    "UID:\r\n\r\n昵称:\r\n\r\n等级:\r\n\r\n等级名:\r\n\r\n年龄:\r\n\r\n粉丝:\r\n\r\n关注:\r\n\r\n";
constexpr auto kStartPollCaption = "刷播放量";
constexpr auto kStopPollCaption = "停止";
constexpr auto kPlayCountCaption = "访问量：";
constexpr auto kPollHint = "温馨提示：刷播放量有IP限制，如果访问量一直没有变化请休息一个小时后再刷";

struct Column {
    const char* header;
    int width;
};
constexpr std::array kSongColumns{Column{"序号", 50}, Column{"标题", 150}, Column{"链接", 200}};

template <typename Control> Control* add_control(QWidget* window, const char* name, QRect place) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(place);
    return control;
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

QLabel* add_profile_card(QWidget* window) {
    auto* card = add_control<ProfileCardLabel>(window, "标签2", {291, 8, 144, 160});
    card->setText(QString::fromUtf8(kInitialCard));
    return card;
}

SongListView* add_song_list(QWidget* window) {
    auto* list = add_control<SongListView>(window, "超级列表框1", {4, 192, 440, 224});
    list->setColumnCount(static_cast<int>(kSongColumns.size()));
    for (int column = 0; column < list->columnCount(); ++column) {
        const Column& song_column = kSongColumns[static_cast<std::size_t>(column)];
        list->setHorizontalHeaderItem(column,
                                      new QTableWidgetItem(QString::fromUtf8(song_column.header)));
        list->setColumnWidth(column, song_column.width);
    }
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setStretchLastSection(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + kRowPadding);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    return list;
}

void add_poll_controls(QWidget* window) {
    add_button(window, "按钮2", {8, 96, 65, 36}, kStartPollCaption)->setEnabled(false);
    add_button(window, "按钮3", {87, 96, 65, 36}, kStopPollCaption)->setEnabled(false);
    add_label(window, "标签3", {24, 144, 112, 24}, kPlayCountCaption);
    add_label(window, "标签4", {11, 168, 432, 24}, kPollHint);
    auto* timer = new QTimer(window);
    timer->setObjectName(QString::fromUtf8("时钟1"));
}

void size_window(QWidget* window) {
    QFont font = window->font();
    font.setPixelSize(kFontPixels);
    window->setFont(font);
    window->setFixedSize(kClientSize);
    window->move(kOuterPlace);
}

} // namespace

MainWindowControls build_main_window_controls(QWidget* window) {
    size_window(window);
    MainWindowControls controls;
    add_label(window, "标签1", {8, 8, 44, 28}, kAddressCaption);
    controls.address_box = add_control<QLineEdit>(window, "编辑框1", {52, 12, 220, 20});
    controls.query_button = add_button(window, "按钮1", {8, 44, 144, 36}, kQueryCaption);
    controls.avatar = add_control<QLabel>(window, "图片框1", {160, 48, 120, 120});
    controls.profile_card = add_profile_card(window);
    add_poll_controls(window);
    controls.song_list = add_song_list(window);
    controls.song_link_box = add_control<QLineEdit>(window, "编辑框2", {752, 408, 80, 20});
    return controls;
}

} // namespace velluno
