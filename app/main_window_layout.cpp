#include "app/main_window_layout.h"

#include "app/control_names.h"
#include "app/profile_card_label.h"
#include "app/song_list_view.h"
#include "app/window_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace velluno {

namespace {

// The window was drawn as 449 × 446 pixels outside, frame included; its client
// area holds every visible control (the song list reaches 444 × 416).
constexpr QSize kOuterSize{449, 446};

constexpr auto kAddressCaption = "主页:";
constexpr auto kQueryCaption = "查询";
constexpr auto kInitialCard =
    "UID:\r\n\r\n昵称:\r\n\r\n等级:\r\n\r\n等级名:\r\n\r\n年龄:\r\n\r\n粉丝:\r\n\r\n关注:\r\n\r\n";
constexpr auto kStartPollCaption = "刷播放量";
constexpr auto kStopPollCaption = "停止";
constexpr auto kPlayCountCaption = "访问量：";
constexpr auto kPollHint = "温馨提示：刷播放量有IP限制，如果访问量一直没有变化请休息一个小时后再刷";

constexpr std::array kSongColumns{ListColumn{"序号", 50}, ListColumn{"标题", 150},
                                  ListColumn{"链接", 200}};
constexpr ReportListLook kSongListLook{
    .columns = kSongColumns, .selection = QAbstractItemView::SelectRows, .grid = true};

QLabel* add_profile_card(QWidget* window) {
    auto* card = add_control<ProfileCardLabel>(window, main_window_controls::kProfileCard,
                                               {291, 8, 144, 160});
    card->setText(QString::fromUtf8(kInitialCard));
    return card;
}

SongListView* add_song_list(QWidget* window) {
    auto* list =
        add_control<SongListView>(window, main_window_controls::kSongList, {4, 192, 440, 224});
    set_up_report_list(*list, kSongListLook);
    return list;
}

// The link box lies beyond the window's right edge; taking no focus, it can
// neither be tabbed into nor typed over.
QLineEdit* add_song_link_box(QWidget* window) {
    auto* box = add_control<QLineEdit>(window, main_window_controls::kSongLink, {752, 408, 80, 20});
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// A precise timer, so the first poll comes a full second after the start.
QTimer* add_poll_timer(QWidget* window) {
    auto* timer = new QTimer(window);
    timer->setObjectName(QString::fromUtf8(main_window_controls::kPollTimer));
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

// The poll's controls but the link box, which comes last.
PlayCountControls add_poll_controls(QWidget* window) {
    PlayCountControls controls{};
    controls.start_button = add_button(window, main_window_controls::kPollStartButton,
                                       {8, 96, 65, 36}, kStartPollCaption);
    controls.start_button->setEnabled(false);
    controls.stop_button = add_button(window, main_window_controls::kPollStopButton,
                                      {87, 96, 65, 36}, kStopPollCaption);
    controls.stop_button->setEnabled(false);
    controls.count_label =
        add_label(window, main_window_controls::kPlayCount, {24, 144, 112, 24}, kPlayCountCaption);
    add_label(window, main_window_controls::kPollHint, {11, 168, 432, 24}, kPollHint);
    controls.timer = add_poll_timer(window);
    return controls;
}

} // namespace

MainWindowControls build_main_window_controls(QWidget* window) {
    size_window(window, kOuterSize);
    MainWindowControls controls;
    add_label(window, main_window_controls::kAddressCaption, {8, 8, 44, 28}, kAddressCaption);
    controls.address_box =
        add_control<QLineEdit>(window, main_window_controls::kAddressBox, {52, 12, 220, 20});
    controls.query_button =
        add_button(window, main_window_controls::kQueryButton, {8, 44, 144, 36}, kQueryCaption);
    controls.avatar =
        add_control<QLabel>(window, main_window_controls::kAvatar, {160, 48, 120, 120});
    controls.profile_card = add_profile_card(window);
    controls.play_count = add_poll_controls(window);
    controls.song_list = add_song_list(window);
    controls.song_link_box = add_song_link_box(window);
    controls.play_count.song_link = controls.song_link_box;
    return controls;
}

} // namespace velluno
