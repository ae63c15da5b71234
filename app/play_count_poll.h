#pragma once

#include "net/service_hosts.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace velluno {

// The main window's controls the poll works with.
struct PlayCountControls {
    QLineEdit* song_link;      // 编辑框2: the song last opened
    QPushButton* start_button; // 按钮2
    QPushButton* stop_button;  // 按钮3
    QLabel* count_label;       // 标签3
    QTimer* timer;             // 时钟1
};

// Once a second, while started, asks the service for the song last opened and
// shows the play count it reports. The poll never touches the info window or
// the loaded song.
class PlayCountPoll final : public QObject {
    Q_OBJECT

public:
    PlayCountPoll(const ServiceHosts& hosts, const PlayCountControls& controls, QObject* parent);

private:
    void start();
    void stop();
    void poll_once();

    ServiceHosts m_hosts;
    PlayCountControls m_controls;
    bool m_polling = false;
};

} // namespace velluno
