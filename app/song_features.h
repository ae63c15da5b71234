#pragma once

#include "app/play_count_poll.h"
#include "net/service_hosts.h"
#include "text/text_types.h"

#include <QObject>
#include <QPointer>

class QLineEdit;
class QPushButton;
class QWidget;

namespace velluno {

class InfoWindow;

// What follows from opening a song in the main window's list: the info window
// with the song's details, comments and playback, and the play-count poll that
// the main window's 按钮2, 按钮3, 标签3 and 时钟1 drive.
class SongFeatures final : public QObject {
    Q_OBJECT

public:
    // `main_window` places the info window; `play_count` holds its controls
    // the poll and the song opening work with.
    SongFeatures(const ServiceHosts& hosts, QWidget* main_window,
                 const PlayCountControls& play_count);
    ~SongFeatures() override;

    SongFeatures(const SongFeatures&) = delete;
    SongFeatures& operator=(const SongFeatures&) = delete;

    // A left click in the song list, once the clicked row's link stands in 编辑框2.
    void open_song();
    // The main window has moved.
    void follow_main_window();

private:
    void open_info_window();
    void create_info_window();
    void place_info_window();
    void load_song();

    ServiceHosts m_hosts;
    QWidget* m_main_window;
    QLineEdit* m_song_link;
    QPushButton* m_poll_button;
    QPointer<InfoWindow> m_info_window;
    // The song last loaded; both outlive the info window. The shareid is kept
    // as the program's state of the song shown, though only loading reads it.
    Text m_shareid;
    Text m_song_json;
};

} // namespace velluno
