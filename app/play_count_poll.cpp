#include "app/play_count_poll.h"

#include "app/busy_cursor.h"
#include "app/display_text.h"
#include "app/song_link.h"
#include "net/service_endpoints.h"
#include "net/web_request_decoded.h"
#include "text/text_between.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace velluno {

namespace {

constexpr int kPollPeriodMs = 1000;
constexpr int kStoppedPeriod = 0;

constexpr std::string_view kPlayCountStart = "\"play_num\":";
constexpr std::string_view kPlayCountEnd = ",";
constexpr auto kCountPrefix = "访问量：";

// The timer's period, 0 meaning stopped. A new period starts the timer afresh,
// a full period before its first tick; the period it already has keeps its
// rhythm, so a second start does not shift the ticks.
void set_timer_period(QTimer& timer, int period) {
    const int current = timer.isActive() ? timer.interval() : kStoppedPeriod;
    if (period == current) {
        return;
    }
    timer.stop();
    if (period > kStoppedPeriod) {
        timer.start(period);
    }
}

} // namespace

PlayCountPoll::PlayCountPoll(const ServiceHosts& hosts, const PlayCountControls& controls,
                             QObject* parent)
    : QObject(parent), m_hosts(hosts), m_controls(controls) {
    connect(m_controls.start_button, &QPushButton::clicked, this, &PlayCountPoll::start);
    connect(m_controls.stop_button, &QPushButton::clicked, this, &PlayCountPoll::stop);
    connect(m_controls.timer, &QTimer::timeout, this, &PlayCountPoll::poll_once);
}

void PlayCountPoll::start() {
    set_timer_period(*m_controls.timer, kPollPeriodMs);
    m_controls.start_button->setEnabled(false);
    m_controls.stop_button->setEnabled(true);
}

void PlayCountPoll::stop() {
    set_timer_period(*m_controls.timer, kStoppedPeriod);
    m_controls.start_button->setEnabled(true);
    m_controls.stop_button->setEnabled(false);
}

void PlayCountPoll::poll_once() {
    // Two polls never run at once, even if something in a request ever lets
    // the event loop run a tick while it waits.
    if (m_polling) {
        return;
    }
    const QScopedValueRollback polling(m_polling, true);
    const BusyCursor busy;
    const Text link = text_from_display(m_controls.song_link->text());
    const Text answer =
        web_request_decoded(song_detail_url(m_hosts, shareid_of_link(m_hosts, link)));
    m_controls.count_label->setText(
        QString::fromUtf8(kCountPrefix) +
        display_text(text_between(answer, kPlayCountStart, kPlayCountEnd)));
}

} // namespace velluno
