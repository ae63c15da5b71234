#pragma once

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velluno {

class SongListView;

// The main window's controls that its own handlers use. The play-count
// controls (按钮2, 按钮3, 标签3, 时钟1) are created too; their handlers find
// them by object name.
struct MainWindowControls {
    QLineEdit* address_box = nullptr;    // 编辑框1
    QPushButton* query_button = nullptr; // 按钮1
    QLabel* avatar = nullptr;            // 图片框1
    QLabel* profile_card = nullptr;      // 标签2
    SongListView* song_list = nullptr;   // 超级列表框1
    QLineEdit* song_link_box = nullptr;  // 编辑框2
};

// Creates every control of the main window at its place in the client area,
// named by its object name, with its initial text, and sizes the window.
MainWindowControls build_main_window_controls(QWidget* window);

} // namespace velluno
