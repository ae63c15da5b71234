#include "app/info_window.h"

#include "app/control_names.h"
#include "app/window_controls.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTableWidget>

#include <array>

namespace velluno {

namespace {

constexpr auto kCaption = "信息窗口";
// Drawn as 343 × 446 pixels outside, frame included.
constexpr QSize kOuterSize{343, 446};

constexpr auto kNameCaption = "歌名：";
constexpr auto kIntroductionCaption = "介绍：";
constexpr auto kPlayCaption = "下载播放";
constexpr auto kBrowserCaption = "浏览器播放\r\n（WebKit引擎浏览器）";

constexpr std::array kCommentColumns{ListColumn{"评论人", 100}, ListColumn{"内容", 220}};
constexpr ReportListLook kCommentListLook{
    .columns = kCommentColumns, .selection = QAbstractItemView::SelectItems, .grid = false};

// Long song names and introductions wrap within their box, from its top.
QLabel* add_wrapped_label(QWidget* window, const char* name, QRect place, const char* text) {
    auto* label = add_label(window, name, place, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel* add_cover_box(QWidget* window) {
    auto* box = add_control<QLabel>(window, info_window_controls::kCover, {129, 5, 200, 200});
    box->setScaledContents(true);
    return box;
}

QTableWidget* add_comment_list(QWidget* window) {
    auto* list =
        add_control<QTableWidget>(window, info_window_controls::kComments, {7, 220, 331, 136});
    set_up_report_list(*list, kCommentListLook);
    return list;
}

} // namespace

InfoWindow::InfoWindow() {
    size_window(this, kOuterSize);
    setWindowTitle(QString::fromUtf8(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_name_label =
        add_wrapped_label(this, info_window_controls::kSongName, {3, 12, 120, 40}, kNameCaption);
    m_introduction_label = add_wrapped_label(this, info_window_controls::kIntroduction,
                                             {3, 53, 120, 152}, kIntroductionCaption);
    m_cover_box = add_cover_box(this);
    m_comment_list = add_comment_list(this);
    m_play_button =
        add_button(this, info_window_controls::kPlayButton, {26, 364, 136, 48}, kPlayCaption);
    m_browser_button = add_button(this, info_window_controls::kBrowserButton, {186, 364, 136, 48},
                                  kBrowserCaption);
    // The window opens with 下载播放 focused rather than the comment list,
    // which would frame its first cell as if the user had picked it.
    m_play_button->setFocus();
}

QMediaPlayer* InfoWindow::player() {
    if (m_player == nullptr) {
        m_player = new QMediaPlayer(this);
        m_player->setObjectName(QString::fromUtf8(info_window_controls::kPlayer));
    }
    // Some media backends crash writing sound to a machine that has no audio
    // device. There the player stays silent; the first play after a device
    // has appeared gives it its output.
    if (m_player->audioOutput() == nullptr && !QMediaDevices::audioOutputs().isEmpty()) {
        m_player->setAudioOutput(new QAudioOutput(m_player));
    }
    return m_player;
}

} // namespace velluno
