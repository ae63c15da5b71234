#include "app/info_window.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QHeaderView>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPushButton>
#include <QTableWidget>

#include <array>

namespace velluno {

namespace {

constexpr auto kCaption = "信息窗口";
// Drawn as 343 × 446 pixels outside at 50, 50; the frame of the main window
// (2-pixel borders, a 26-pixel caption bar) leaves this client area.
constexpr QSize kClientSize{339, 418};
constexpr QPoint kOuterPlace{50, 50};
// The places below were laid out for a 12-pixel font.
constexpr int kFontPixels = 12;

constexpr auto kNameCaption = "歌名：";
constexpr auto kIntroductionCaption = "介绍：";
constexpr auto kPlayCaption = "下载播放";
constexpr auto kBrowserCaption = "浏览器播放\r\n（WebKit引擎浏览器）";
constexpr auto kPlayerName = "超文本浏览框1";

struct Column {
    const char* header;
    int width;
};
constexpr std::array kCommentColumns{Column{"评论人", 100}, Column{"内容", 220}};

template <typename Control> Control* add_control(QWidget* window, const char* name, QRect place) {
    auto* control = new Control(window);
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(place);
    return control;
}

// Song names and introductions are the service's text, never markup.
QLabel* add_label(QWidget* window, const char* name, QRect place, const char* text) {
    auto* label = add_control<QLabel>(window, name, place);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromUtf8(text));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QPushButton* add_button(QWidget* window, const char* name, QRect place, const char* caption) {
    auto* button = add_control<QPushButton>(window, name, place);
    button->setText(QString::fromUtf8(caption));
    return button;
}

QLabel* add_cover_box(QWidget* window) {
    auto* box = add_control<QLabel>(window, "图片框1", {129, 5, 200, 200});
    box->setScaledContents(true);
    return box;
}

QTableWidget* add_comment_list(QWidget* window) {
    auto* list = add_control<QTableWidget>(window, "超级列表框1", {7, 220, 331, 136});
    list->setColumnCount(static_cast<int>(kCommentColumns.size()));
    for (int column = 0; column < list->columnCount(); ++column) {
        const Column& shape = kCommentColumns[static_cast<std::size_t>(column)];
        list->setHorizontalHeaderItem(column,
                                      new QTableWidgetItem(QString::fromUtf8(shape.header)));
        list->setColumnWidth(column, shape.width);
    }
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setStretchLastSection(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectItems);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(false);
    list->setWordWrap(false);
    return list;
}

void size_window(QWidget* window) {
    QFont font = window->font();
    font.setPixelSize(kFontPixels);
    window->setFont(font);
    window->setFixedSize(kClientSize);
    window->move(kOuterPlace);
}

} // namespace

InfoWindow::InfoWindow() {
    size_window(this);
    setWindowTitle(QString::fromUtf8(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_name_label = add_label(this, "标签1", {3, 12, 120, 40}, kNameCaption);
    m_introduction_label = add_label(this, "标签2", {3, 53, 120, 152}, kIntroductionCaption);
    m_cover_box = add_cover_box(this);
    m_comment_list = add_comment_list(this);
    m_play_button = add_button(this, "按钮1", {26, 364, 136, 48}, kPlayCaption);
    m_browser_button = add_button(this, "按钮2", {186, 364, 136, 48}, kBrowserCaption);
}

QMediaPlayer* InfoWindow::player() {
    if (m_player == nullptr) {
        m_player = new QMediaPlayer(this);
        m_player->setObjectName(QString::fromUtf8(kPlayerName));
    }
    // Some media backends crash writing sound to a machine that has no audio
    // device; the player goes silent there, and gets its output once one appears.
    if (m_player->audioOutput() == nullptr && !QMediaDevices::audioOutputs().isEmpty()) {
        m_player->setAudioOutput(new QAudioOutput(m_player));
    }
    return m_player;
}

} // namespace velluno
