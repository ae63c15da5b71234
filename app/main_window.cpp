#include "app/main_window.h"

#include "app/busy_cursor.h"
#include "app/display_text.h"
#include "app/homepage_answer.h"
#include "app/picture_box.h"
#include "app/song_features.h"
#include "app/song_list_view.h"
#include "app/song_pages.h"
#include "net/fetch_url_bytes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velluno {

namespace {
constexpr auto kCaption = "Velluno";
constexpr int kFirstPage = 1;
} // namespace

MainWindow::MainWindow(const ServiceHosts& hosts, QWidget* parent)
    : QWidget(parent), m_hosts(hosts), m_controls(build_main_window_controls(this)),
      m_song_features(new SongFeatures(m_hosts, this, m_controls.play_count)) {
    setWindowTitle(QString::fromUtf8(kCaption));
    connect(m_controls.query_button, &QPushButton::clicked, this, &MainWindow::run_homepage_query);
    connect(m_controls.address_box, &QLineEdit::returnPressed, this,
            &MainWindow::run_homepage_query);
    connect(m_controls.song_list, &SongListView::left_clicked, this,
            &MainWindow::open_clicked_song);
    connect(m_controls.song_list, &SongListView::left_double_clicked, this,
            &MainWindow::load_next_page);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    m_song_features->follow_main_window();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

// The old rows go before the request is sent, so a failed query leaves none.
void MainWindow::run_homepage_query() {
    const BusyCursor busy;
    m_controls.song_list->delete_all_rows();
    m_page_counter = 0;
    const Text answer = request_homepage_page(m_hosts, kFirstPage, typed_uid());
    show_picture(m_controls.avatar, fetch_url_bytes(avatar_url(answer)));
    m_profile_json = answer;
    m_controls.profile_card->setText(display_text(profile_card_text(m_profile_json)));
    show_first_page(*m_controls.song_list, answer, m_hosts);
}

void MainWindow::open_clicked_song() {
    const SongListView& list = *m_controls.song_list;
    m_controls.song_link_box->setText(display_text(song_link(list, list.current_row())));
    m_song_features->open_song();
}

// Paging asks for the page after the last one requested, for whichever singer
// the address box names now.
void MainWindow::load_next_page() {
    if (m_page_counter == 0) {
        m_page_counter = 1;
    }
    SongListView& list = *m_controls.song_list;
    if (!offers_next_page(list, list.current_row())) {
        return;
    }
    const BusyCursor busy;
    list.delete_row(list.rowCount() - 1);
    ++m_page_counter;
    show_later_page(list, request_homepage_page(m_hosts, m_page_counter, typed_uid()), m_hosts);
}

Text MainWindow::typed_uid() const {
    return uid_from_address(text_from_display(m_controls.address_box->text()));
}

} // namespace velluno
