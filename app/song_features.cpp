#include "app/song_features.h"

#include "app/busy_cursor.h"
#include "app/display_text.h"
#include "app/info_window.h"
#include "app/play_count_poll.h"
#include "app/playback.h"
#include "app/song_details.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velluno {

namespace {

constexpr auto kNoticeCaption = "信息：";
constexpr auto kNoticeText = "信息窗口停靠在主窗口右侧，随主窗口一起移动。";

// The info window's left edge lies this far right of the main window's, which
// leaves a narrow gap between the two.
constexpr int kInfoWindowOffset = 460;

// Waits until the user closes it; the program's windows take no input
// meanwhile, but timers (the play-count poll) go on.
void show_notice() {
    QMessageBox notice(QMessageBox::NoIcon, QString::fromUtf8(kNoticeCaption),
                       QString::fromUtf8(kNoticeText), QMessageBox::Ok);
    notice.setWindowModality(Qt::ApplicationModal);
    notice.exec();
}

void bring_forward(QWidget& window) {
    if (window.isMinimized()) {
        window.showNormal();
    } else {
        window.show();
    }
    window.raise();
    window.activateWindow();
}

} // namespace

SongFeatures::SongFeatures(const ServiceHosts& hosts, QWidget* main_window,
                           const PlayCountControls& play_count)
    : QObject(main_window), m_hosts(hosts), m_main_window(main_window),
      m_song_link(play_count.song_link), m_poll_button(play_count.start_button) {
    new PlayCountPoll(m_hosts, play_count, this);
}

// The info window has no parent, so it would outlive the main window.
SongFeatures::~SongFeatures() {
    delete m_info_window.data();
}

void SongFeatures::open_song() {
    open_info_window();
    load_song();
    m_poll_button->setEnabled(true);
}

void SongFeatures::follow_main_window() {
    if (!m_info_window.isNull()) {
        place_info_window();
    }
}

void SongFeatures::open_info_window() {
    if (m_info_window.isNull()) {
        create_info_window();
    } else {
        bring_forward(*m_info_window);
    }
}

void SongFeatures::create_info_window() {
    auto* window = new InfoWindow;
    m_info_window = window;
    connect(window->play_button(), &QPushButton::clicked, this,
            [this, window] { play_in_window(*window, m_song_json); });
    connect(window->browser_button(), &QPushButton::clicked, this,
            [this] { play_in_browser(m_song_json); });
    show_notice();
    place_info_window();
    bring_forward(*window);
}

void SongFeatures::place_info_window() {
    const QPoint main_corner = m_main_window->frameGeometry().topLeft();
    m_info_window->move(main_corner + QPoint(kInfoWindowOffset, 0));
}

void SongFeatures::load_song() {
    const BusyCursor busy;
    SongDetails details = fetch_song_details(m_hosts, text_from_display(m_song_link->text()));
    m_shareid = std::move(details.shareid);
    m_song_json = std::move(details.song_json);
    show_song_details(*m_info_window, m_song_json);
}

} // namespace velluno
