#pragma once

#include <QWidget>

class QLabel;
class QMediaPlayer;
class QPushButton;
class QTableWidget;

namespace velluno {

// The song shown beside the main window: name, introduction, cover, the
// listeners' comments and the two play buttons. A top-level window of its own
// that deletes itself when closed and never keeps the program running.
class InfoWindow final : public QWidget {
    Q_OBJECT

public:
    InfoWindow();

    QLabel* name_label() const { return m_name_label; }
    QLabel* introduction_label() const { return m_introduction_label; }
    QLabel* cover_box() const { return m_cover_box; }
    QTableWidget* comment_list() const { return m_comment_list; }
    QPushButton* play_button() const { return m_play_button; }
    QPushButton* browser_button() const { return m_browser_button; }

    // The hidden player 超文本浏览框1, made at its first use; it goes, and
    // stops playing, with the window.
    QMediaPlayer* player();

private:
    QLabel* m_name_label = nullptr;
    QLabel* m_introduction_label = nullptr;
    QLabel* m_cover_box = nullptr;
    QTableWidget* m_comment_list = nullptr;
    QPushButton* m_play_button = nullptr;
    QPushButton* m_browser_button = nullptr;
    QMediaPlayer* m_player = nullptr;
};

} // namespace velluno
