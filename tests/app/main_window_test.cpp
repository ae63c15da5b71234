#include "app/homepage_answer.h"
#include "app/main_window.h"
#include "app/picture_box.h"
#include "tests/app/app_test_support.h"
#include "text/charset.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>
#include <zlib.h>

using namespace velluno;
using namespace velluno::test;

namespace {

constexpr auto kLoadMore = "加载更多";
constexpr auto kNoSongs = "没有数据了";
constexpr auto kNoMoreSongs = "没有更多数据";
constexpr auto kEmptyCard =
    "UID:\r\n\r\n昵称:\r\n\r\n年龄:\r\n\r\n等级:\r\n\r\n等级名:\r\n\r\n粉丝:\r\n\r\n关注:";
constexpr int kPageSize = 8;

// A homepage answer in the service's layout, and the card made from it.
constexpr auto kProfile = R"({"data":{"kge_uid":"u1","nickname":"Nick","sCityId":"1",)"
                          R"("info":{"age":23,"x":"y","level":7,"levelname":"Star"},)"
                          R"("follower":12,"following":34,"z":0}})";
constexpr auto kProfileCard = "UID:u1\r\n\r\n昵称:Nick\r\n\r\n年龄:23\r\n\r\n等级:7\r\n\r\n"
                              "等级名:Star\r\n\r\n粉丝:12\r\n\r\n关注:34";

// The card a query for `singer` shows, in the local code page.
Text expected_card(const demo::SampleSinger& singer) {
    const std::string utf8 = "UID:" + singer.uid + "\r\n\r\n昵称:" + singer.nickname +
                             "\r\n\r\n年龄:" + std::to_string(singer.age) +
                             "\r\n\r\n等级:" + std::to_string(singer.level) +
                             "\r\n\r\n等级名:" + singer.level_name +
                             "\r\n\r\n粉丝:" + std::to_string(singer.followers) +
                             "\r\n\r\n关注:" + std::to_string(singer.following);
    return utf8_to_local(utf8);
}

// A song's row as the list shows it, numbered from 1.
QStringList song_row(std::size_t number, const demo::SampleSong& song, const ServiceHosts& hosts) {
    return {QString::number(number), QString::fromStdString(json_unescaped(song.title)),
            QString::fromStdString("http://" + hosts.web_host + "/play.html?s=" + song.shareid)};
}

QStringList end_row(const char* text) {
    return {QString(), QString::fromUtf8(text), QString()};
}

// The first `shown` songs of the singer as rows, then the end row.
Rows expected_rows(const demo::SampleSinger& singer, std::size_t shown, const char* end_text,
                   const ServiceHosts& hosts) {
    Rows rows;
    for (std::size_t i = 0; i < shown; ++i) {
        rows.append(song_row(i + 1, singer.songs[i], hosts));
    }
    rows.append(end_row(end_text));
    return rows;
}

QByteArray encoded_picture(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray sample_picture(const char* format, QSize size = {16, 16}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return encoded_picture(image, format);
}

// A picture that compresses badly, so that half its bytes cut into the pixels.
QByteArray noisy_png() {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
        }
    }
    return encoded_picture(image, "png");
}

// A PNG whose header claims `width` × `height`, with a valid header checksum so
// that only the size can make a reader refuse it.
QByteArray png_claiming_size(quint32 width, quint32 height) {
    QByteArray png = sample_picture("png");
    constexpr int kIhdrType = 12; // after the 8-byte signature and the chunk length
    constexpr int kIhdrDataSize = 13;
    qToBigEndian(width, png.data() + kIhdrType + 4);
    qToBigEndian(height, png.data() + kIhdrType + 8);
    const auto* chunk = reinterpret_cast<const Bytef*>(png.constData() + kIhdrType);
    const quint32 checksum = static_cast<quint32>(crc32(0, chunk, 4 + kIhdrDataSize));
    qToBigEndian(checksum, png.data() + kIhdrType + 4 + kIhdrDataSize);
    return png;
}

// The smallest GIF: one white pixel. Qt reads GIF but does not write it.
const QByteArray kOnePixelGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

Bytes bytes_of(const QByteArray& data) {
    return Bytes(data.begin(), data.end());
}

QByteArray edited(const char* text, const char* from, const char* to) {
    return QByteArray(text).replace(from, to);
}

} // namespace

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();
    void startsWithoutSongsAndWithPollingOff();
    void queryShowsProfileCardAndAvatar_data();
    void queryShowsProfileCardAndAvatar();
    void firstPageEndsWithItsEndRow_data();
    void firstPageEndsWithItsEndRow();
    void doubleClickOnLoadMoreAppendsNextPage_data();
    void doubleClickOnLoadMoreAppendsNextPage();
    void doubleClickElsewhereChangesNothing_data();
    void doubleClickElsewhereChangesNothing();
    void pagingFollowsTheAddressBox();
    void failedPageRequestEndsTheList();
    void failedQueryShowsEmptyCard_data();
    void failedQueryShowsEmptyCard();
    void queryRemovesOldRows();
    void queryStartsPagingAfresh();
    void uidIsTakenFromTheAddress();
    void uidIsTheRestOfTheLineAfterUid_data();
    void uidIsTheRestOfTheLineAfterUid();
    void answerIsUnwrappedFromItsEnvelope_data();
    void answerIsUnwrappedFromItsEnvelope();
    void profileCardIsPickedByMarkers_data();
    void profileCardIsPickedByMarkers();
    void enterInAddressBoxRunsQuery();
    void clickCopiesTheRowsLinkIntoHiddenBox();
    void dragKeepsTheOpenedRowSelected();
    void pictureBoxShowsOnlyWebPicturesOfSaneSize_data();
    void pictureBoxShowsOnlyWebPicturesOfSaneSize();
    void closingTheWindowSignalsTheEnd();

private:
    void query(const demo::SampleSinger& singer);
    QTableWidget& song_list() const;
    QLabel& card() const;
    QLabel& avatar() const;

    std::unique_ptr<LoopbackService> m_service;
    std::unique_ptr<ModalDialogCloser> m_dialog_closer;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::initTestCase() {
    m_service = std::make_unique<LoopbackService>();
    QVERIFY2(m_service->running(), "the stand-in service did not start");
    m_dialog_closer = std::make_unique<ModalDialogCloser>();
}

void MainWindowTest::init() {
    m_window = std::make_unique<MainWindow>(m_service->hosts());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void MainWindowTest::cleanup() {
    m_window.reset();
}

void MainWindowTest::query(const demo::SampleSinger& singer) {
    query_homepage(*m_window, homepage_address(singer.uid));
}

QTableWidget& MainWindowTest::song_list() const {
    return *find_control<QTableWidget>(*m_window, "超级列表框1");
}

QLabel& MainWindowTest::card() const {
    return *find_control<QLabel>(*m_window, "标签2");
}

QLabel& MainWindowTest::avatar() const {
    return *find_control<QLabel>(*m_window, "图片框1");
}

void MainWindowTest::controlsStandAtTheirPlaces_data() {
    add_control_columns();
    control_row("标签1", "QLabel", {8, 8, 44, 28}, "主页:");
    control_row("编辑框1", "QLineEdit", {52, 12, 220, 20}, "");
    control_row("按钮1", "QPushButton", {8, 44, 144, 36}, "查询");
    control_row("图片框1", "QLabel", {160, 48, 120, 120}, "");
    control_row(
        "标签2", "QLabel", {291, 8, 144, 160},
        "UID:\r\n\r\n昵称:\r\n\r\n等级:\r\n\r\n等级名:\r\n\r\n年龄:\r\n\r\n粉丝:\r\n\r\n关注:"
        "\r\n\r\n");
    control_row("按钮2", "QPushButton", {8, 96, 65, 36}, "刷播放量");
    control_row("按钮3", "QPushButton", {87, 96, 65, 36}, "停止");
    control_row("标签3", "QLabel", {24, 144, 112, 24}, "访问量：");
    control_row("标签4", "QLabel", {11, 168, 432, 24},
                "温馨提示：刷播放量有IP限制，如果访问量一直没有变化请休息一个小时后再刷");
    control_row("超级列表框1", "QTableWidget", {4, 192, 440, 224}, "");
    control_row("编辑框2", "QLineEdit", {752, 408, 80, 20}, "");
}

void MainWindowTest::controlsStandAtTheirPlaces() {
    compare_control(*m_window);
}

void MainWindowTest::startsWithoutSongsAndWithPollingOff() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Velluno"));
    QVERIFY(!find_control<QPushButton>(*m_window, "按钮2")->isEnabled());
    QVERIFY(!find_control<QPushButton>(*m_window, "按钮3")->isEnabled());
    const auto* timer = find_control<QTimer>(*m_window, "时钟1");
    QVERIFY(timer != nullptr);
    QVERIFY(!timer->isActive());
    QVERIFY(avatar().pixmap().isNull());
    QVERIFY(find_control<QWidget>(*m_window, "编辑框2")->x() >= m_window->width());

    const QTableWidget& list = song_list();
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(list.columnCount(), 3);
    const QStringList headers{QStringLiteral("序号"), QStringLiteral("标题"),
                              QStringLiteral("链接")};
    const QList<int> widths{50, 150, 200};
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(list.horizontalHeaderItem(column)->text(), headers[column]);
        QCOMPARE(list.columnWidth(column), widths[column]);
    }
    QCOMPARE(list.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list.selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list.showGrid());
}

void MainWindowTest::queryShowsProfileCardAndAvatar_data() {
    QTest::addColumn<int>("singer");
    for (std::size_t i = 0; i < demo::sample_singers().size(); ++i) {
        const demo::SampleSinger& singer = demo::sample_singers()[i];
        QTest::newRow(singer.uid.c_str()) << static_cast<int>(i);
    }
}

void MainWindowTest::queryShowsProfileCardAndAvatar() {
    QFETCH(int, singer);
    const demo::SampleSinger& sample = demo::sample_singers()[static_cast<std::size_t>(singer)];

    query(sample);

    QCOMPARE(hex(shown_text(card().text())), hex(expected_card(sample)));
    QVERIFY(!avatar().pixmap().isNull());
    QVERIFY2(QGuiApplication::overrideCursor() == nullptr, "the busy cursor stayed");
}

void MainWindowTest::firstPageEndsWithItsEndRow_data() {
    QTest::addColumn<int>("songs");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("end_row");

    QTest::newRow("more than a page") << 19 << kPageSize << QString::fromUtf8(kLoadMore);
    QTest::newRow("exactly a page") << 8 << kPageSize << QString::fromUtf8(kLoadMore);
    QTest::newRow("less than a page") << 3 << 3 << QString::fromUtf8(kNoSongs);
    QTest::newRow("no songs") << 0 << 0 << QString::fromUtf8(kNoSongs);
}

void MainWindowTest::firstPageEndsWithItsEndRow() {
    QFETCH(int, songs);
    QFETCH(int, shown);
    QFETCH(QString, end_row);
    const demo::SampleSinger* singer = singer_with_songs(static_cast<std::size_t>(songs));
    QVERIFY(singer != nullptr);

    query(*singer);

    QCOMPARE(shown_rows(song_list()),
             expected_rows(*singer, static_cast<std::size_t>(shown), end_row.toUtf8().constData(),
                           m_service->hosts()));
}

// Each step double-clicks the end row and gives the number of songs then
// listed and the new end row. A later page of a single song is listed too.
void MainWindowTest::doubleClickOnLoadMoreAppendsNextPage_data() {
    QTest::addColumn<int>("songs");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QStringList>("end_rows");

    const QString more = QString::fromUtf8(kLoadMore);
    const QString no_more = QString::fromUtf8(kNoMoreSongs);
    QTest::newRow("pages of 8, 8, 3")
        << 19 << QList<int>{16, 19, 19} << QStringList{more, more, no_more};
    QTest::newRow("pages of 8, 1") << 9 << QList<int>{9, 9} << QStringList{more, no_more};
    QTest::newRow("one full page") << 8 << QList<int>{8} << QStringList{no_more};
}

void MainWindowTest::doubleClickOnLoadMoreAppendsNextPage() {
    QFETCH(int, songs);
    QFETCH(QList<int>, shown);
    QFETCH(QStringList, end_rows);
    const demo::SampleSinger* singer = singer_with_songs(static_cast<std::size_t>(songs));
    QVERIFY(singer != nullptr);
    query(*singer);

    QTableWidget& list = song_list();
    for (qsizetype step = 0; step < shown.size(); ++step) {
        double_click_at(list, row_point(list, list.rowCount() - 1));
        QCOMPARE(shown_rows(list),
                 expected_rows(*singer, static_cast<std::size_t>(shown[step]),
                               end_rows[step].toUtf8().constData(), m_service->hosts()));
    }
}

void MainWindowTest::doubleClickElsewhereChangesNothing_data() {
    QTest::addColumn<int>("songs");
    QTest::addColumn<int>("row"); // -1: the empty space below the rows

    QTest::newRow("song row") << 19 << 2;
    QTest::newRow("end row without more songs") << 3 << 3;
    QTest::newRow("below the rows") << 3 << -1;
}

void MainWindowTest::doubleClickElsewhereChangesNothing() {
    QFETCH(int, songs);
    QFETCH(int, row);
    const demo::SampleSinger* singer = singer_with_songs(static_cast<std::size_t>(songs));
    QVERIFY(singer != nullptr);
    query(*singer);
    QTableWidget& list = song_list();
    const Rows before = shown_rows(list);

    double_click_at(list, row < 0 ? below_rows_point(list) : row_point(list, row));

    QCOMPARE(shown_rows(list), before);
}

// The next page is asked for whichever singer the address box names now, and
// numbered on under the rows already listed.
void MainWindowTest::pagingFollowsTheAddressBox() {
    const demo::SampleSinger* first = singer_with_songs(19);
    const demo::SampleSinger* second = singer_with_songs(9);
    QVERIFY(first != nullptr && second != nullptr);
    query(*first);
    auto* address_box = find_control<QLineEdit>(*m_window, "编辑框1");
    address_box->clear();
    QTest::keyClicks(address_box, homepage_address(second->uid));

    QTableWidget& list = song_list();
    double_click_at(list, row_point(list, list.rowCount() - 1));

    Rows expected = expected_rows(*first, kPageSize, kLoadMore, m_service->hosts());
    expected.removeLast();
    expected.append(song_row(9, second->songs[8], m_service->hosts()));
    expected.append(end_row(kLoadMore));
    QCOMPARE(shown_rows(list), expected);
}

// The page that could not be had ends the list, so paging stops there.
void MainWindowTest::failedPageRequestEndsTheList() {
    const demo::SampleSinger* singer = singer_with_songs(19);
    QVERIFY(singer != nullptr);
    LoopbackService service;
    QVERIFY(service.running());
    const ServiceHosts hosts = service.hosts();
    MainWindow window(hosts);
    window.show();
    query_homepage(window, homepage_address(singer->uid));
    QVERIFY2(service.stop(), "the stopped service's port could not be kept");
    auto& list = *find_control<QTableWidget>(window, "超级列表框1");
    const Rows ended = expected_rows(*singer, kPageSize, kNoMoreSongs, hosts);

    double_click_at(list, row_point(list, list.rowCount() - 1));
    QCOMPARE(shown_rows(list), ended);

    double_click_at(list, row_point(list, list.rowCount() - 1));
    QCOMPARE(shown_rows(list), ended);
}

void MainWindowTest::failedQueryShowsEmptyCard_data() {
    QTest::addColumn<bool>("queried_before");
    QTest::addColumn<bool>("service_stopped");
    QTest::addColumn<QString>("uid");

    const QString known = QString::fromStdString(demo::sample_singers().front().uid);
    QTest::newRow("nothing listens on the port") << false << true << known;
    QTest::newRow("service stopped after a query") << true << true << known;
    QTest::newRow("singer unknown to the service") << true << false << QStringLiteral("nobody");
}

void MainWindowTest::failedQueryShowsEmptyCard() {
    QFETCH(bool, queried_before);
    QFETCH(bool, service_stopped);
    QFETCH(QString, uid);
    LoopbackService service;
    QVERIFY(service.running());
    MainWindow window(service.hosts());
    window.show();
    if (queried_before) {
        query_homepage(window, homepage_address(demo::sample_singers().front().uid));
        QVERIFY(!find_control<QLabel>(window, "图片框1")->pixmap().isNull());
    }
    if (service_stopped) {
        QVERIFY2(service.stop(), "the stopped service's port could not be kept");
    }

    query_homepage(window, homepage_address(uid.toStdString()));

    QCOMPARE(find_control<QLabel>(window, "标签2")->text(), QString::fromUtf8(kEmptyCard));
    QVERIFY(find_control<QLabel>(window, "图片框1")->pixmap().isNull());
    QCOMPARE(shown_rows(*find_control<QTableWidget>(window, "超级列表框1")),
             Rows{end_row(kNoSongs)});
}

void MainWindowTest::queryRemovesOldRows() {
    const demo::SampleSinger* many = singer_with_songs(19);
    const demo::SampleSinger* few = singer_with_songs(3);
    QVERIFY(many != nullptr && few != nullptr);
    query(*many);
    QTableWidget& list = song_list();
    double_click_at(list, row_point(list, list.rowCount() - 1));

    query(*few);

    QCOMPARE(shown_rows(list), expected_rows(*few, 3, kNoSongs, m_service->hosts()));
    QCOMPARE(hex(shown_text(card().text())), hex(expected_card(*few)));
}

// Paging after a new query starts again at the second page, even for the
// singer already paged through.
void MainWindowTest::queryStartsPagingAfresh() {
    const demo::SampleSinger* singer = singer_with_songs(19);
    QVERIFY(singer != nullptr);
    query(*singer);
    QTableWidget& list = song_list();
    double_click_at(list, row_point(list, list.rowCount() - 1));
    QCOMPARE(list.rowCount(), 2 * kPageSize + 1);

    query(*singer);
    double_click_at(list, row_point(list, list.rowCount() - 1));

    QCOMPARE(shown_rows(list),
             expected_rows(*singer, 2 * kPageSize, kLoadMore, m_service->hosts()));
}

// The typed address reaches the service through the uid rule; the rule's own
// cases are in the table of uidIsTheRestOfTheLineAfterUid.
void MainWindowTest::uidIsTakenFromTheAddress() {
    const demo::SampleSinger* singer = singer_with_songs(3);
    QVERIFY(singer != nullptr);

    query_homepage(*m_window, QStringLiteral("http://127.0.0.1/personal?UID=") +
                                  QString::fromStdString(singer->uid));

    QCOMPARE(hex(shown_text(card().text())), hex(expected_card(*singer)));
    QCOMPARE(song_list().rowCount(), 4);
}

// The uid is the rest of the address's line after its first "uid=", in any letter case.
void MainWindowTest::uidIsTheRestOfTheLineAfterUid_data() {
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QByteArray>("uid");

    QTest::newRow("trailing parameters")
        << QByteArray("http://h/personal?uid=abc&g_f=x") << QByteArray("abc&g_f=x");
    QTest::newRow("inside share_uid=")
        << QByteArray("http://h/play?s=x&share_uid=abc") << QByteArray("abc");
    QTest::newRow("upper case") << QByteArray("http://h/personal?UID=abc") << QByteArray("abc");
    QTest::newRow("empty address") << QByteArray() << QByteArray();
    QTest::newRow("no uid=") << QByteArray("http://h/personal?id=abc") << QByteArray();
    QTest::newRow("first occurrence")
        << QByteArray("http://h/play?share_uid=zz&uid=abc") << QByteArray("zz&uid=abc");
    QTest::newRow("line feed ends it") << QByteArray("?uid=abc\nuid=def") << QByteArray("abc");
}

void MainWindowTest::uidIsTheRestOfTheLineAfterUid() {
    QFETCH(QByteArray, address);
    QFETCH(QByteArray, uid);

    QCOMPARE(QByteArray::fromStdString(uid_from_address(address.toStdString())), uid);
}

void MainWindowTest::answerIsUnwrappedFromItsEnvelope_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("json"); // local bytes

    const QByteArray wrapped(R"(callback_0({"a":"b"}))");
    QTest::newRow("wrapped") << wrapped << QByteArray(R"({"a":"b"})");
    QTest::newRow("followed by ;") << wrapped + ";" << QByteArray();
    QTest::newRow("followed by a line feed") << wrapped + "\n" << QByteArray();
    QTest::newRow("not UTF-8") << QByteArray("callback_0({\"a\":\"\xFF\"})") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("zero byte ends the text")
        << QByteArray(R"(callback_0({"a":1}))") + '\0' + "rest" << QByteArray(R"({"a":1})");
    QTest::newRow("nickname with an emoji")
        << QByteArray("callback_0({\"nickname\":\"\xE4\xBD\xA0\xF0\x9F\x98\x80\"})")
        << QByteArray("{\"nickname\":\"\xC4\xE3\x94\x39\xFC\x36\"}");
}

void MainWindowTest::answerIsUnwrappedFromItsEnvelope() {
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, json);

    QCOMPARE(hex(unwrap_homepage_answer(bytes_of(body))), hex(json.toStdString()));
}

void MainWindowTest::profileCardIsPickedByMarkers_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("card"); // UTF-8

    QTest::newRow("full card") << QByteArray(kProfile) << QByteArray(kProfileCard);
    QTest::newRow("escaped quote in the nickname")
        << edited(kProfile, "Nick", R"(Ni\"ck)") << edited(kProfileCard, "Nick", R"(Ni\"ck)");
    QTest::newRow("escaped quote in the level name")
        << edited(kProfile, "Star", R"(St\"ar)") << edited(kProfileCard, "Star", R"(St\)");
    QTest::newRow("missing key") << edited(kProfile, R"("follower":12,)", "")
                                 << edited(kProfileCard, "粉丝:12", "粉丝:");
    QTest::newRow("markers in other letter case")
        << QByteArray(R"({"DATA":{"KGE_UID":"u1","NickName":"Nick","SCITYID":"1",)"
                      R"("Info":{"AGE":23,"x":"y","Level":7,"LEVELNAME":"Star"},)"
                      R"("Follower":12,"FOLLOWING":34,"z":0}})")
        << QByteArray(kProfileCard);
    QTest::newRow("empty answer") << QByteArray() << QByteArray(kEmptyCard);
}

void MainWindowTest::profileCardIsPickedByMarkers() {
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, card);

    QCOMPARE(hex(profile_card_text(answer.toStdString())), hex(utf8_to_local(card.toStdString())));
}

void MainWindowTest::enterInAddressBoxRunsQuery() {
    const demo::SampleSinger* singer = singer_with_songs(8);
    QVERIFY(singer != nullptr);
    auto* address_box = find_control<QLineEdit>(*m_window, "编辑框1");

    QTest::keyClicks(address_box, homepage_address(singer->uid));
    QTest::keyClick(address_box, Qt::Key_Return);

    QCOMPARE(hex(shown_text(card().text())), hex(expected_card(*singer)));
    QCOMPARE(song_list().rowCount(), kPageSize + 1);
}

// Clicks anywhere in the item area count, keyboard moves do not; the end row
// and the space below the rows hold no link.
void MainWindowTest::clickCopiesTheRowsLinkIntoHiddenBox() {
    const demo::SampleSinger* singer = singer_with_songs(3);
    QVERIFY(singer != nullptr);
    query(*singer);
    QTableWidget& list = song_list();
    const auto* link_box = find_control<QLineEdit>(*m_window, "编辑框2");
    const Rows rows = shown_rows(list);

    click_at(list, row_point(list, 1));
    QCOMPARE(link_box->text(), rows[1][2]);

    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.currentRow(), 2);
    QCOMPARE(link_box->text(), rows[1][2]);

    click_at(list, row_point(list, 3));
    QCOMPARE(link_box->text(), QString());

    click_at(list, row_point(list, 0));
    QCOMPARE(link_box->text(), rows[0][2]);
    click_at(list, below_rows_point(list));
    QCOMPARE(link_box->text(), QString());
    QVERIFY(list.selectedItems().isEmpty());
}

// The song opens on the press, so a drag with the button held must not move
// the selection away from the row whose link was taken.
void MainWindowTest::dragKeepsTheOpenedRowSelected() {
    const demo::SampleSinger* singer = singer_with_songs(19);
    QVERIFY(singer != nullptr);
    query(*singer);
    QTableWidget& list = song_list();
    QWidget& viewport = *list.viewport();
    const QPoint pressed = row_point(list, 1);
    const QPoint dragged_to = row_point(list, 4);

    QTest::mousePress(&viewport, Qt::LeftButton, {}, pressed);
    QMouseEvent move(QEvent::MouseMove, dragged_to, viewport.mapToGlobal(dragged_to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&viewport, &move);
    QTest::mouseRelease(&viewport, Qt::LeftButton, {}, dragged_to);

    const QModelIndexList selected = list.selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.front().row(), 1);
    QCOMPARE(find_control<QLineEdit>(*m_window, "编辑框2")->text(), shown_rows(list)[1][2]);
}

void MainWindowTest::pictureBoxShowsOnlyWebPicturesOfSaneSize_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");

    const QByteArray png = noisy_png();
    QTest::newRow("PNG") << png << true;
    QTest::newRow("JPEG") << sample_picture("jpeg") << true;
    QTest::newRow("GIF") << kOnePixelGif << true;
    QTest::newRow("WebP") << sample_picture("webp") << true;
    QTest::newRow("widest allowed") << sample_picture("png", {kMaxPictureSide, 1}) << true;
    QTest::newRow("one pixel too wide") << sample_picture("png", {kMaxPictureSide + 1, 1}) << false;
    QTest::newRow("header claims huge size") << png_claiming_size(100000, 100000) << false;
    QTest::newRow("truncated PNG") << png.left(png.size() / 2) << false;
    QTest::newRow("BMP, not served on the web") << sample_picture("bmp") << false;
    QTest::newRow("not a picture") << QByteArray("<html>not found</html>") << false;
    QTest::newRow("no bytes") << QByteArray() << false;
}

// Whatever is refused also takes away the picture shown before.
void MainWindowTest::pictureBoxShowsOnlyWebPicturesOfSaneSize() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    QLabel box;
    show_picture(&box, bytes_of(sample_picture("png")));
    QVERIFY(!box.pixmap().isNull());

    show_picture(&box, bytes_of(bytes));

    QCOMPARE(!box.pixmap().isNull(), shown);
}

void MainWindowTest::closingTheWindowSignalsTheEnd() {
    QSignalSpy closed(m_window.get(), &MainWindow::closed);
    m_window->close();
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
