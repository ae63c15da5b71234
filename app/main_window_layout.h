#pragma once

#include "app/play_count_poll.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velluno {

class SongListView;

// The main window's controls that its handlers use.
struct MainWindowControls {
    QLineEdit* address_box = nullptr;    // 编辑框1
    QPushButton* query_button = nullptr; // 按钮1
    QLabel* avatar = nullptr;            // 图片框1
    QLabel* profile_card = nullptr;      // 标签2
    SongListView* song_list = nullptr;   // 超级列表框1
    QLineEdit* song_link_box = nullptr;  // 编辑框2
    // The play-count poll's 按钮2, 按钮3, 标签3 and 时钟1, with 编辑框2.
    PlayCountControls play_count;
};

// Creates every control of the main window at its place in the client area,
// named by its object name, with its initial text, and sizes the window.
MainWindowControls build_main_window_controls(QWidget* window);

} // namespace velluno
