#include "tests/app/app_test_support.h"

#include "app/display_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <nlohmann/json.hpp>

namespace velluno::test {

namespace {
constexpr int kDialogCheckMillis = 20;
constexpr auto kHomepagePrefix = "http://127.0.0.1/personal?uid=";

} // namespace

LoopbackService::LoopbackService() : m_port(m_service.start(0)), m_running(m_port > 0) {}

ServiceHosts LoopbackService::hosts() const {
    return ServiceHosts{m_service.host(), m_service.host()};
}

bool LoopbackService::stop() {
    m_service.stop();
    if (m_running) {
        m_running = false;
        m_stopped_port.emplace(m_port);
    }
    return m_stopped_port && m_stopped_port->bound();
}

ModalDialogCloser::ModalDialogCloser() {
    connect(&m_timer, &QTimer::timeout, this, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
    });
    m_timer.start(kDialogCheckMillis);
}

const demo::SampleSinger* singer_with_songs(std::size_t count) {
    for (const demo::SampleSinger& singer : demo::sample_singers()) {
        if (singer.songs.size() == count) {
            return &singer;
        }
    }
    return nullptr;
}

QString homepage_address(const std::string& uid) {
    return QString::fromUtf8(kHomepagePrefix) + QString::fromStdString(uid);
}

void add_control_columns() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
}

void control_row(const char* name, const char* kind, QRect place, const char* text) {
    QTest::newRow(name) << QByteArray(kind) << place << QString::fromUtf8(text);
}

void compare_control(const QWidget& window) {
    QFETCH(QByteArray, kind);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    const auto* control = find_control<QWidget>(window, QTest::currentDataTag());
    QVERIFY2(control != nullptr, "no control of this name");
    QVERIFY(control->inherits(kind.constData()));
    QCOMPARE(control->parentWidget(), &window);
    QCOMPARE(control->geometry(), place);
    QCOMPARE(control->property("text").toString(), text);
}

void query_homepage(QWidget& main_window, const QString& address) {
    auto* address_box = find_control<QLineEdit>(main_window, "编辑框1");
    address_box->clear();
    QTest::keyClicks(address_box, address);
    QTest::mouseClick(find_control<QPushButton>(main_window, "按钮1"), Qt::LeftButton);
}

QPoint row_point(QAbstractItemView& list, int row) {
    const QModelIndex cell = list.model()->index(row, 1);
    list.scrollTo(cell);
    return list.visualRect(cell).center();
}

QPoint below_rows_point(QAbstractItemView& list) {
    const int rows = list.model()->rowCount();
    const int bottom = rows == 0 ? 0 : list.visualRect(list.model()->index(rows - 1, 0)).bottom();
    return {10, bottom + 10};
}

void click_at(QAbstractItemView& list, QPoint point) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
}

void double_click_at(QAbstractItemView& list, QPoint point) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, point);
}

Rows shown_rows(const QTableWidget& list) {
    Rows rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column) {
            const QTableWidgetItem* cell = list.item(row, column);
            cells.append(cell == nullptr ? QString() : cell->text());
        }
        rows.append(cells);
    }
    return rows;
}

QByteArray hex(const Text& text) {
    return QByteArray::fromStdString(text).toHex(' ');
}

Text shown_text(const QString& text) {
    return text_from_display(text);
}

std::string json_unescaped(const std::string& json_text) {
    return nlohmann::json::parse("\"" + json_text + "\"").get<std::string>();
}

} // namespace velluno::test
