#pragma once

// Shared by the widget tests: the stand-in service on loopback, and driving the
// windows as a user would, finding controls by their object names.

#include "net/service_hosts.h"
#include "tests/support/refusing_port.h"
#include "text/text_types.h"
#include "tools/demo-service/demo_service.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <string>

class QAbstractItemView;
class QTableWidget;

namespace velluno::test {

using test_support::RefusingPort;

// The stand-in service on a free loopback port; both hosts of the program point at it.
class LoopbackService final {
public:
    LoopbackService();
    bool running() const { return m_running; }
    ServiceHosts hosts() const;
    // Stops the service and keeps its port refusing, so that requests to a
    // stopped service never reach another program that took the port; false
    // when the port could not be kept.
    bool stop();

private:
    demo::DemoService m_service;
    int m_port;
    bool m_running;
    std::optional<RefusingPort> m_stopped_port;
};

// Closes every modal dialog that opens while it lives (the info window's
// notice), so that a click in the song list never waits for a user.
class ModalDialogCloser final : public QObject {
public:
    ModalDialogCloser();

private:
    QTimer m_timer;
};

// The first sample singer with exactly `count` songs; nullptr when there is none.
const demo::SampleSinger* singer_with_songs(std::size_t count);

// A homepage address as a user would paste it, for `uid`.
QString homepage_address(const std::string& uid);

// A control of `window` by its object name; nullptr when it is missing.
template <typename Control> Control* find_control(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QString::fromUtf8(name));
}

// A table of a window's controls for a Qt `_data` function: each row is
// tagged with a control's object name and gives its class, its place in the
// client area and its text.
void add_control_columns();
void control_row(const char* name, const char* kind, QRect place, const char* text);
// Checks the control of `window` that the current row names against the row.
void compare_control(const QWidget& window);

// Types the address into the main window's 编辑框1 (replacing its text) and clicks 按钮1.
void query_homepage(QWidget& main_window, const QString& address);

// Mouse actions in a list's item area. Rows are scrolled into view first; a
// double-click is press, release, double-click, release, as a mouse sends it.
QPoint row_point(QAbstractItemView& list, int row);
QPoint below_rows_point(QAbstractItemView& list);
void click_at(QAbstractItemView& list, QPoint point);
void double_click_at(QAbstractItemView& list, QPoint point);

// The texts of a list's cells, row by row; an empty cell reads as empty text.
using Rows = QList<QStringList>;
Rows shown_rows(const QTableWidget& list);

// Local text as hex bytes, so that a failed comparison shows where it differs.
QByteArray hex(const Text& text);

// What a control shows, as local text, for byte-exact comparisons.
Text shown_text(const QString& text);

// A JSON string's content as the program reads it (escapes resolved).
std::string json_unescaped(const std::string& json_text);

} // namespace velluno::test
