// Renders the program's windows after a sample session against the stand-in
// service, one PNG file per picture, into the folder named on the command line.

#include "app/control_names.h"
#include "app/info_window.h"
#include "app/main_window.h"
#include "tools/demo-service/demo_service.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

using velluno::InfoWindow;
using velluno::MainWindow;
using velluno::ServiceHosts;
using velluno::demo::DemoService;

// Without a CJK family the offscreen platform may draw no Chinese at all.
constexpr auto kFontFamily = "Noto Sans CJK SC";
constexpr auto kMainWindowFile = "main-window.png";
constexpr auto kInfoWindowFile = "info-window.png";
constexpr auto kBothWindowsFile = "main-and-info-window.png";
// The first song of the sample singer carries a long comment thread.
constexpr int kShownSongRow = 0;
constexpr int kNoticeCheckMs = 20;
constexpr auto kHomepagePath = "/personal?uid=";
constexpr std::size_t kFullPage = 8;

// The first sample singer with more than one page of songs shows paging too.
std::string sample_uid() {
    for (const auto& singer : velluno::demo::sample_singers()) {
        if (singer.songs.size() > kFullPage) {
            return singer.uid;
        }
    }
    return velluno::demo::sample_singers().front().uid;
}

QString sample_address(const ServiceHosts& hosts) {
    return QString::fromStdString("http://" + hosts.web_host + kHomepagePath + sample_uid());
}

void run_query(MainWindow& window, const QString& address) {
    window.findChild<QLineEdit*>(QString::fromUtf8(velluno::main_window_controls::kAddressBox))
        ->setText(address);
    window.findChild<QPushButton*>(QString::fromUtf8(velluno::main_window_controls::kQueryButton))
        ->click();
}

void click_at(QWidget& target, QPoint point) {
    const QPointF global = target.mapToGlobal(QPointF(point));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(point), global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &release);
}

// Clicks the song's row as a user would and closes the notice that the info
// window shows when it opens.
InfoWindow* open_song(MainWindow& window, int row) {
    QTimer notice_closer;
    QObject::connect(&notice_closer, &QTimer::timeout, &notice_closer, [] {
        if (QWidget* notice = QApplication::activeModalWidget()) {
            notice->close();
        }
    });
    notice_closer.start(kNoticeCheckMs);
    auto* list = window.findChild<QAbstractItemView*>(
        QString::fromUtf8(velluno::main_window_controls::kSongList));
    click_at(*list->viewport(), list->visualRect(list->model()->index(row, 1)).center());
    for (QWidget* top_level : QApplication::topLevelWidgets()) {
        if (auto* info = qobject_cast<InfoWindow*>(top_level)) {
            return info;
        }
    }
    return nullptr;
}

// Both windows where they stand on the screen, the gap between them left clear.
QPixmap side_by_side(QWidget& left, QWidget& right) {
    const QRect area = left.frameGeometry().united(right.frameGeometry());
    QPixmap picture(area.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (QWidget* window : {&left, &right}) {
        painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    }
    return picture;
}

bool save(const QPixmap& picture, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QString::fromUtf8(file));
    if (!picture.save(path)) {
        std::fprintf(stderr, "velluno-screenshot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool save(QWidget& window, const QDir& folder, const char* file) {
    return save(window.grab(), folder, file);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2 || !QDir(arguments[1]).exists()) {
        std::fprintf(stderr, "usage: velluno-screenshot <existing output folder>\n");
        return 2;
    }
    QApplication::setFont(QFont(QString::fromUtf8(kFontFamily)));
    const QDir folder(arguments[1]);

    DemoService service;
    if (service.start() < 0) {
        std::fprintf(stderr, "velluno-screenshot: the stand-in service did not start\n");
        return 1;
    }
    const ServiceHosts hosts{service.host(), service.host()};

    MainWindow main_window(hosts);
    main_window.show();
    run_query(main_window, sample_address(hosts));
    if (!save(main_window, folder, kMainWindowFile)) {
        return 1;
    }
    InfoWindow* info_window = open_song(main_window, kShownSongRow);
    if (info_window == nullptr) {
        std::fprintf(stderr, "velluno-screenshot: the info window did not open\n");
        return 1;
    }
    const bool saved = save(*info_window, folder, kInfoWindowFile) &&
                       save(side_by_side(main_window, *info_window), folder, kBothWindowsFile);
    return saved ? 0 : 1;
}
