#include "app/comment_list.h"
#include "app/display_text.h"
#include "app/info_window.h"
#include "app/main_window.h"
#include "app/playback.h"
#include "tests/app/app_test_support.h"
#include "text/charset.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace velluno;
using namespace velluno::test;

namespace {

constexpr auto kNameCaption = "歌名：";
constexpr auto kIntroductionCaption = "介绍：";
constexpr auto kNoCommentHint = "可能还没人评论哦！";
constexpr auto kPlayCountCaption = "访问量：";
constexpr auto kNoticeCaption = "信息：";
constexpr QPoint kBesideMainWindow{460, 0};
constexpr int kPollPeriodMs = 1000;
// Long enough that a restarted period would show as more time left.
constexpr int kPartOfPeriodMs = 300;
// Generous: the poll waits a full period, and sanitizers slow every request.
constexpr int kPollWaitMs = 20000;
constexpr int kNoticeCheckMs = 10;
constexpr int kSongsOnFirstPage = 8;
constexpr std::size_t kManySongs = 19;
constexpr std::size_t kFewSongs = 3;
// Stands for the host in the play addresses of a table.
constexpr auto kHostMark = "HOST";

// What the info window shows of an answer's raw text: the emoticon tags and
// escaped line breaks are gone, every other JSON escape stays as written.
QString shown(const std::string& raw) {
    static const QRegularExpression emoticon_tag(QStringLiteral(R"(\[em\]e\d+\[/em\])"));
    return QString::fromStdString(raw).remove(emoticon_tag).remove(QStringLiteral("\\n"));
}

QString with_caption(const char* caption, const std::string& raw) {
    return QString::fromUtf8(caption) + shown(raw);
}

Rows no_comment_rows() {
    return {{QString(), QString::fromUtf8(kNoCommentHint)}};
}

Rows expected_comment_rows(const demo::SampleSong& song) {
    if (song.comments.empty()) {
        return no_comment_rows();
    }
    Rows rows;
    for (const demo::SampleComment& comment : song.comments) {
        rows.append({shown(comment.nick), shown(comment.content)});
    }
    return rows;
}

// A song-detail answer that holds nothing but a play address.
Text answer_with_play_address(const QString& address) {
    return text_from_display(QStringLiteral("jsopgetsonginfo({\n\"playurl\":\"") + address +
                             QStringLiteral("\",\n\"play_num\":1\n})"));
}

// The window found among the program's top-level windows; nullptr when closed.
InfoWindow* open_info_window() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* info = qobject_cast<InfoWindow*>(window)) {
            return info;
        }
    }
    return nullptr;
}

QLabel& info_label(const char* name) {
    return *find_control<QLabel>(*open_info_window(), name);
}

QTableWidget& comment_list() {
    return *find_control<QTableWidget>(*open_info_window(), "超级列表框1");
}

// The number after the caption of 标签3; -1 while it shows none.
int shown_play_count_of(const QLabel& label) {
    const QString caption = QString::fromUtf8(kPlayCountCaption);
    bool is_number = false;
    const int count = label.text().mid(caption.size()).toInt(&is_number);
    return label.text().startsWith(caption) && is_number ? count : -1;
}

// Answers the notice through its OK button as a user would, once `ready` says
// so, and notes what the box was like.
class NoticeAnswerer final : public QObject {
    Q_OBJECT

public:
    explicit NoticeAnswerer(std::function<bool()> ready = [] { return true; })
        : m_ready(std::move(ready)) {
        connect(&m_timer, &QTimer::timeout, this, &NoticeAnswerer::answer_when_ready);
        m_timer.start(kNoticeCheckMs);
    }

    bool answered() const { return m_answered; }
    QString caption() const { return m_caption; }
    QString text() const { return m_text; }
    QMessageBox::Icon icon() const { return m_icon; }
    qsizetype button_count() const { return m_button_count; }
    Qt::WindowModality modality() const { return m_modality; }
    bool has_parent() const { return m_has_parent; }

private:
    void answer_when_ready() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !m_ready()) {
            return;
        }
        m_timer.stop();
        m_answered = true;
        m_caption = box->windowTitle();
        m_text = box->text();
        m_icon = box->icon();
        m_button_count = box->buttons().size();
        m_modality = box->windowModality();
        m_has_parent = box->parentWidget() != nullptr;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    std::function<bool()> m_ready;
    QTimer m_timer;
    bool m_answered = false;
    QString m_caption;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::Information;
    qsizetype m_button_count = 0;
    Qt::WindowModality m_modality = Qt::NonModal;
    bool m_has_parent = true;
};

// The backend has done with loading the recording, whether it could play it
// or not (without an audio device it may refuse).
bool has_dealt_with_source(const QMediaPlayer& player) {
    const QMediaPlayer::MediaStatus status = player.mediaStatus();
    return status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia;
}

// Stands in for the user's default programs: every address handed to one of
// the schemes it is registered for lands here.
class AddressCatcher final : public QObject {
    Q_OBJECT

public:
    explicit AddressCatcher(const QStringList& schemes) : m_schemes(schemes) {
        for (const QString& scheme : m_schemes) {
            QDesktopServices::setUrlHandler(scheme, this, "catch_address");
        }
    }
    ~AddressCatcher() override {
        for (const QString& scheme : m_schemes) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    AddressCatcher(const AddressCatcher&) = delete;
    AddressCatcher& operator=(const AddressCatcher&) = delete;

    QList<QUrl> caught() const { return m_caught; }

public slots:
    void catch_address(const QUrl& address) { m_caught.append(address); }

private:
    QStringList m_schemes;
    QList<QUrl> m_caught;
};

} // namespace

class InfoWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void cleanSongTextRemovesEmoticonsAndEscapedLineBreaks_data();
    void cleanSongTextRemovesEmoticonsAndEscapedLineBreaks();
    void cleanSongTextCopesWithThousandsOfDistinctTags();
    void commentListReadsFourLineComments_data();
    void commentListReadsFourLineComments();
    void playbackHandsOnOnlyWebAddresses_data();
    void playbackHandsOnOnlyWebAddresses();
    void controlsStandAtTheirPlaces_data();
    void controlsStandAtTheirPlaces();

    void init();
    void cleanup();

    void firstClickShowsNoticeThenPlacesThenFills();
    void secondClickRefillsWithoutNotice();
    void clickWithoutSongOpensEmptyInfo_data();
    void clickWithoutSongOpensEmptyInfo();
    void showsEachSongOfThePage_data();
    void showsEachSongOfThePage();
    void followsTheMainWindow();
    void closingKeepsTheSongAndReopeningShowsNoticeAgain();
    void playButtonStartsTheHiddenPlayer();
    void browserButtonHandsAddressToDefaultProgram();
    void pollButtonsFollowStartAndStop();
    void polledCountRisesWithTheService();
    void pollFollowsTheSongLastOpened();
    void failedPollShowsCaptionAlone();
    void pollGoesOnWhileNoticeIsShown();

private:
    void query(std::size_t songs);
    void click_row(int row);
    void open_row(int row);
    const demo::SampleSong& listed_song(std::size_t songs, int row) const;
    QUrl recording_address(int row) const;
    QTableWidget& song_list() const;
    QPushButton& main_button(const char* name) const;
    QLabel& play_count() const;
    QPoint place_beside_main_window() const;
    void move_main_window(QPoint place);
    int shown_play_count() const;

    std::unique_ptr<LoopbackService> m_service;
    std::unique_ptr<MainWindow> m_window;
};

void InfoWindowTest::cleanSongTextRemovesEmoticonsAndEscapedLineBreaks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cleaned");

    const auto row = [](const char* name, const char* text, const char* cleaned) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(cleaned);
    };
    row("two emoticons", "好听[em]e100[/em]，真[em]e113[/em]棒", "好听，真棒");
    row("a tag that occurs again", "[em]e100[/em]好[em]e100[/em]听[em]e100[/em]", "好听");
    row("tag in capitals", "好[EM]e100[/EM]听", "好听");
    row("one tag in two spellings", "[em]E1[/em]与[EM]e1[/EM]", "与");
    row("a tag holding [em", "x[em[em]a/em]y", "xy");
    row("tag without its closing bracket", "好[em]e100[/em听", "好[em]e100[/em听");
    row("word ending in em before a tag", "them [em]e100[/em]", "them [em]e100[/em]");
    row("escaped line break", R"(第一句\n已关注)", "第一句已关注");
    row("real line feed stays", "第一句\n[em]e1", "第一句\n[em]e1");
    row("empty", "", "");
}

void InfoWindowTest::cleanSongTextRemovesEmoticonsAndEscapedLineBreaks() {
    QFETCH(QString, text);
    QFETCH(QString, cleaned);

    QCOMPARE(hex(clean_song_text(text_from_display(text))), hex(text_from_display(cleaned)));
}

// Each distinct tag used to cost a pass over the whole answer; this many took
// minutes. The test asserts the result only.
void InfoWindowTest::cleanSongTextCopesWithThousandsOfDistinctTags() {
    Text text;
    Text cleaned;
    for (int i = 0; i < 20000; ++i) {
        text += "[em]e" + std::to_string(i) + "[/em]\xBA\xC3";
        cleaned += "\xBA\xC3";
    }
    QCOMPARE(hex(clean_song_text(text)), hex(cleaned));
}

void InfoWindowTest::commentListReadsFourLineComments_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Rows>("rows");

    const auto comment = [](const char* content, const char* nick) -> QString {
        return QStringLiteral("\"content\":\"") + QString::fromUtf8(content) +
               QStringLiteral("\",\n\"is_owner\":0,\n\"uid\":\"u1\",\n\"nick\":\"") +
               QString::fromUtf8(nick) + QStringLiteral("\"\n");
    };
    QTest::newRow("in the answer's order")
        << comment("第一", "甲") + QStringLiteral("},{\n") + comment("第二", "乙")
        << Rows{{QStringLiteral("甲"), QStringLiteral("第一")},
                {QStringLiteral("乙"), QStringLiteral("第二")}};
    QTest::newRow("quote and comma inside the text")
        << comment(R"(他说\",好)", "甲")
        << Rows{{QStringLiteral("甲"), QStringLiteral(R"(他说\",好)")}};
    QTest::newRow("nickname cut at an escaped quote")
        << comment("好听", R"(小\"鱼)") << Rows{{QStringLiteral("小\\"), QStringLiteral("好听")}};
    QTest::newRow("keys in capitals")
        << comment("好听", "甲").replace(QStringLiteral("content"), QStringLiteral("CONTENT"))
        << Rows{{QStringLiteral("甲"), QStringLiteral("好听")}};
    QTest::newRow("written on one line")
        << comment("好听", "甲").remove(QLatin1Char('\n')) << no_comment_rows();
    QTest::newRow("empty answer") << QString() << no_comment_rows();
}

void InfoWindowTest::commentListReadsFourLineComments() {
    QFETCH(QString, answer);
    QFETCH(Rows, rows);
    QTableWidget list(0, 2);

    fill_comment_list(list, text_from_display(answer));

    QCOMPARE(shown_rows(list), rows);
}

// The player really fetches what it is handed, so the addresses name a port
// that refuses every connection; kHostMark stands for it in the table.
void InfoWindowTest::playbackHandsOnOnlyWebAddresses_data() {
    QTest::addColumn<QString>("play_address");
    QTest::addColumn<QString>("handed_on"); // empty: nothing is handed on

    const auto row = [](const char* name, const char* address, const char* handed_on) {
        QTest::newRow(name) << QString::fromUtf8(address) << QString::fromUtf8(handed_on);
    };
    row("http", "http://HOST/recordings/a.wav", "http://HOST/recordings/a.wav");
    row("https", "https://HOST/a.m4a?fname=1", "https://HOST/a.m4a?fname=1");
    row("slashes escaped as in the answer", R"(http:\/\/HOST\/recordings\/a.wav)",
        "http://HOST/recordings/a.wav");
    row("lone backslashes read as slashes", R"(http:\\HOST\a.wav)", "http://HOST/a.wav");
    row("scheme in capitals", "HTTP://HOST/a.wav", "http://HOST/a.wav");
    row("surrounding spaces", " http://HOST/a.wav ", "http://HOST/a.wav");
    row("empty", "", "");
    row("local path", "/etc/passwd", "");
    row("windows path", R"(C:\music\a.wav)", "");
    row("file address", "file:///etc/passwd", "");
    row("script", "javascript:alert(1)", "");
    row("other scheme", "ftp://HOST/a.wav", "");
    row("no host", "http:///a.wav", "");
}

void InfoWindowTest::playbackHandsOnOnlyWebAddresses() {
    QFETCH(QString, play_address);
    QFETCH(QString, handed_on);
    const RefusingPort refusing;
    QVERIFY(refusing.bound());
    const QString host = QString::fromStdString(refusing.host());
    const QUrl expected(handed_on.replace(QLatin1String(kHostMark), host));
    const AddressCatcher catcher({QStringLiteral("http"), QStringLiteral("https"),
                                  QStringLiteral("file"), QStringLiteral("javascript"),
                                  QStringLiteral("ftp"), QStringLiteral("c")});
    InfoWindow window;
    const Text answer =
        answer_with_play_address(play_address.replace(QLatin1String(kHostMark), host));

    play_in_window(window, answer);
    play_in_browser(answer);

    const auto* player = window.findChild<QMediaPlayer*>(QStringLiteral("超文本浏览框1"));
    if (expected.isEmpty()) {
        QVERIFY2(player == nullptr, "the player was made for an address it must not play");
        QCOMPARE(catcher.caught(), QList<QUrl>{});
    } else {
        QVERIFY(player != nullptr);
        QCOMPARE(player->source(), expected);
        QCOMPARE(catcher.caught(), QList<QUrl>{expected});
    }
}

void InfoWindowTest::controlsStandAtTheirPlaces_data() {
    add_control_columns();
    control_row("标签1", "QLabel", {3, 12, 120, 40}, "歌名：");
    control_row("标签2", "QLabel", {3, 53, 120, 152}, "介绍：");
    control_row("图片框1", "QLabel", {129, 5, 200, 200}, "");
    control_row("超级列表框1", "QTableWidget", {7, 220, 331, 136}, "");
    control_row("按钮1", "QPushButton", {26, 364, 136, 48}, "下载播放");
    control_row("按钮2", "QPushButton", {186, 364, 136, 48}, "浏览器播放\r\n（WebKit引擎浏览器）");
}

void InfoWindowTest::controlsStandAtTheirPlaces() {
    InfoWindow window;

    compare_control(window);
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(window.windowTitle(), QStringLiteral("信息窗口"));
    QVERIFY2(window.findChild<QMediaPlayer*>() == nullptr, "the player is made at its first use");

    const auto* list = find_control<QTableWidget>(window, "超级列表框1");
    QCOMPARE(list->rowCount(), 0);
    QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("评论人"));
    QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("内容"));
    QCOMPARE(list->columnWidth(0), 100);
    QCOMPARE(list->columnWidth(1), 220);
    QVERIFY(!list->showGrid());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectItems);
}

void InfoWindowTest::init() {
    m_service = std::make_unique<LoopbackService>();
    QVERIFY2(m_service->running(), "the stand-in service did not start");
    m_window = std::make_unique<MainWindow>(m_service->hosts());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

// The info window goes with the main window, as when the program ends.
void InfoWindowTest::cleanup() {
    m_window.reset();
    QVERIFY2(open_info_window() == nullptr, "the info window outlived the main window");
    m_service.reset();
}

void InfoWindowTest::query(std::size_t songs) {
    const demo::SampleSinger* singer = singer_with_songs(songs);
    QVERIFY(singer != nullptr);
    query_homepage(*m_window, homepage_address(singer->uid));
}

void InfoWindowTest::click_row(int row) {
    QTableWidget& list = song_list();
    click_at(list, row < 0 ? below_rows_point(list) : row_point(list, row));
}

// A click that answers the notice should one come.
void InfoWindowTest::open_row(int row) {
    const NoticeAnswerer answerer;
    click_row(row);
}

const demo::SampleSong& InfoWindowTest::listed_song(std::size_t songs, int row) const {
    return singer_with_songs(songs)->songs[static_cast<std::size_t>(row)];
}

// Where the stand-in service keeps the recording of the song listed in `row`.
QUrl InfoWindowTest::recording_address(int row) const {
    return QUrl(QString::fromStdString("http://" + m_service->hosts().cgi_host + "/recordings/" +
                                       listed_song(kManySongs, row).shareid + ".wav"));
}

QTableWidget& InfoWindowTest::song_list() const {
    return *find_control<QTableWidget>(*m_window, "超级列表框1");
}

QPushButton& InfoWindowTest::main_button(const char* name) const {
    return *find_control<QPushButton>(*m_window, name);
}

QLabel& InfoWindowTest::play_count() const {
    return *find_control<QLabel>(*m_window, "标签3");
}

QPoint InfoWindowTest::place_beside_main_window() const {
    return m_window->frameGeometry().topLeft() + kBesideMainWindow;
}

void InfoWindowTest::move_main_window(QPoint place) {
    m_window->move(place);
    QTRY_COMPARE(m_window->pos(), place);
}

int InfoWindowTest::shown_play_count() const {
    return shown_play_count_of(play_count());
}

void InfoWindowTest::firstClickShowsNoticeThenPlacesThenFills() {
    move_main_window({120, 80});
    query(kManySongs);
    const demo::SampleSong& song = listed_song(kManySongs, 0);
    bool empty_while_notice = false;
    bool placed_while_notice = true;
    const NoticeAnswerer answerer([&] {
        InfoWindow* info = open_info_window();
        if (info == nullptr) {
            empty_while_notice = true;
            placed_while_notice = false;
            return true;
        }
        empty_while_notice =
            info_label("标签1").text() == QString::fromUtf8(kNameCaption) &&
            info_label("标签2").text() == QString::fromUtf8(kIntroductionCaption) &&
            info_label("图片框1").pixmap().isNull() && comment_list().rowCount() == 0;
        placed_while_notice = info->pos() == place_beside_main_window();
        return true;
    });

    click_row(0);

    QVERIFY2(answerer.answered(), "no notice was shown");
    QCOMPARE(answerer.caption(), QString::fromUtf8(kNoticeCaption));
    QVERIFY(!answerer.text().isEmpty());
    QCOMPARE(answerer.icon(), QMessageBox::NoIcon);
    QCOMPARE(answerer.button_count(), 1);
    QCOMPARE(answerer.modality(), Qt::ApplicationModal);
    QVERIFY(!answerer.has_parent());
    QVERIFY2(empty_while_notice, "the song was loaded before the notice was closed");
    QVERIFY2(!placed_while_notice, "the window was placed before the notice was closed");

    InfoWindow* info = open_info_window();
    QVERIFY(info != nullptr);
    QVERIFY(info->isVisible());
    QVERIFY(info->parentWidget() == nullptr);
    QTRY_COMPARE(info->pos(), place_beside_main_window());
    QCOMPARE(info_label("标签1").text(), with_caption(kNameCaption, song.title));
    QCOMPARE(info_label("标签2").text(), with_caption(kIntroductionCaption, song.introduction));
    QVERIFY(!info_label("图片框1").pixmap().isNull());
    QCOMPARE(shown_rows(comment_list()), expected_comment_rows(song));
    QVERIFY(main_button("按钮2").isEnabled());
    QVERIFY2(QGuiApplication::overrideCursor() == nullptr, "the busy cursor stayed");
}

void InfoWindowTest::secondClickRefillsWithoutNotice() {
    query(kManySongs);
    open_row(0);
    const QPointer<InfoWindow> first = open_info_window();

    for (const int row : {2, 2}) {
        const NoticeAnswerer answerer;
        click_row(row);

        QVERIFY2(!answerer.answered(), "a notice came for a window already open");
        QCOMPARE(open_info_window(), first.data());
        const demo::SampleSong& song = listed_song(kManySongs, row);
        QCOMPARE(info_label("标签1").text(), with_caption(kNameCaption, song.title));
        QCOMPARE(shown_rows(comment_list()), expected_comment_rows(song));
    }
}

void InfoWindowTest::clickWithoutSongOpensEmptyInfo_data() {
    QTest::addColumn<int>("row"); // -1: the empty space below the rows

    QTest::newRow("below the rows") << -1;
    QTest::newRow("end row") << static_cast<int>(kFewSongs);
}

void InfoWindowTest::clickWithoutSongOpensEmptyInfo() {
    QFETCH(int, row);
    query(kFewSongs);

    open_row(row);

    QCOMPARE(find_control<QLineEdit>(*m_window, "编辑框2")->text(), QString());
    QVERIFY(open_info_window() != nullptr);
    QCOMPARE(info_label("标签1").text(), QString::fromUtf8(kNameCaption));
    QCOMPARE(info_label("标签2").text(), QString::fromUtf8(kIntroductionCaption));
    QVERIFY(info_label("图片框1").pixmap().isNull());
    QCOMPARE(shown_rows(comment_list()), no_comment_rows());
    QVERIFY(main_button("按钮2").isEnabled());
}

// Covers the long comment thread, the song without comments, comments and
// texts with emoticons and escaped line breaks, and both cover formats.
void InfoWindowTest::showsEachSongOfThePage_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < kSongsOnFirstPage; ++row) {
        QTest::newRow(listed_song(kManySongs, row).shareid.c_str()) << row;
    }
}

void InfoWindowTest::showsEachSongOfThePage() {
    QFETCH(int, row);
    const demo::SampleSong& song = listed_song(kManySongs, row);
    query(kManySongs);

    open_row(row);

    QCOMPARE(info_label("标签1").text(), with_caption(kNameCaption, song.title));
    QCOMPARE(info_label("标签2").text(), with_caption(kIntroductionCaption, song.introduction));
    QVERIFY(!info_label("图片框1").pixmap().isNull());
    QCOMPARE(shown_rows(comment_list()), expected_comment_rows(song));
}

void InfoWindowTest::followsTheMainWindow() {
    query(kManySongs);
    open_row(0);
    InfoWindow& info = *open_info_window();

    move_main_window({200, 150});
    QTRY_COMPARE(info.pos(), QPoint(660, 150));

    info.move(30, 40);
    QTRY_COMPARE(info.pos(), QPoint(30, 40));
    QCOMPARE(m_window->pos(), QPoint(200, 150));

    move_main_window({90, 60});
    QTRY_COMPARE(info.pos(), QPoint(550, 60));
}

void InfoWindowTest::closingKeepsTheSongAndReopeningShowsNoticeAgain() {
    query(kManySongs);
    open_row(0);
    const QString link = find_control<QLineEdit>(*m_window, "编辑框2")->text();
    QPointer<InfoWindow> closed = open_info_window();

    closed->close();
    QTRY_VERIFY2(closed.isNull(), "the closed window was not destroyed");
    QCOMPARE(find_control<QLineEdit>(*m_window, "编辑框2")->text(), link);
    move_main_window({70, 90});

    const NoticeAnswerer answerer;
    click_row(1);
    QVERIFY2(answerer.answered(), "no notice for the window made anew");
    QTRY_COMPARE(open_info_window()->pos(), place_beside_main_window());
    QCOMPARE(shown_rows(comment_list()), expected_comment_rows(listed_song(kManySongs, 1)));
}

void InfoWindowTest::playButtonStartsTheHiddenPlayer() {
    query(kManySongs);
    open_row(0);
    auto& play = *find_control<QPushButton>(*open_info_window(), "按钮1");

    QTest::mouseClick(&play, Qt::LeftButton);
    QTest::mouseClick(&play, Qt::LeftButton);

    const QList<QMediaPlayer*> players = open_info_window()->findChildren<QMediaPlayer*>();
    QCOMPARE(players.size(), 1);
    const QPointer<QMediaPlayer> player = players.front();
    QCOMPARE(player->objectName(), QStringLiteral("超文本浏览框1"));
    QCOMPARE(player->source(), recording_address(0));
    QTRY_VERIFY_WITH_TIMEOUT(has_dealt_with_source(*player), kPollWaitMs);

    open_row(2);
    QCOMPARE(player->source(), recording_address(0));
    QTest::mouseClick(&play, Qt::LeftButton);
    QCOMPARE(player->source(), recording_address(2));

    open_info_window()->close();
    QTRY_VERIFY2(player.isNull(), "the player outlived its window");
}

void InfoWindowTest::browserButtonHandsAddressToDefaultProgram() {
    const AddressCatcher catcher({QStringLiteral("http")});
    query(kManySongs);
    open_row(3);

    QTest::mouseClick(find_control<QPushButton>(*open_info_window(), "按钮2"), Qt::LeftButton);

    QCOMPARE(catcher.caught(), QList<QUrl>{recording_address(3)});
}

void InfoWindowTest::pollButtonsFollowStartAndStop() {
    QPushButton& start = main_button("按钮2");
    QPushButton& stop = main_button("按钮3");
    const auto& timer = *find_control<QTimer>(*m_window, "时钟1");
    query(kManySongs);
    open_row(0);
    QVERIFY(start.isEnabled());
    QVERIFY(!stop.isEnabled());

    // The first poll waits a full period.
    QTest::mouseClick(&start, Qt::LeftButton);
    QCOMPARE(play_count().text(), QString::fromUtf8(kPlayCountCaption));
    QVERIFY(!start.isEnabled());
    QVERIFY(stop.isEnabled());
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), kPollPeriodMs);

    QTest::mouseClick(&stop, Qt::LeftButton);
    QVERIFY(start.isEnabled());
    QVERIFY(!stop.isEnabled());
    QVERIFY(!timer.isActive());

    // Opening a song while polling offers 按钮2 again; it changes nothing else,
    // and above all does not restart the period (that would shift the ticks).
    QTest::mouseClick(&start, Qt::LeftButton);
    QTest::qWait(kPartOfPeriodMs);
    open_row(2);
    QVERIFY(start.isEnabled());
    const int remaining_before = timer.remainingTime();
    const QString count_before = play_count().text();
    QTest::mouseClick(&start, Qt::LeftButton);
    QCOMPARE(play_count().text(), count_before);
    QVERIFY(!start.isEnabled());
    QVERIFY(stop.isEnabled());
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), kPollPeriodMs);
    QCOMPARE_LE(timer.remainingTime(), remaining_before);
}

// The service counts every detail request, the opening's own included.
void InfoWindowTest::polledCountRisesWithTheService() {
    query(kManySongs);
    open_row(0);
    const int opened = listed_song(kManySongs, 0).play_num + 1;

    QTest::mouseClick(&main_button("按钮2"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > opened, kPollWaitMs);
    const int first = shown_play_count();
    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > first, kPollWaitMs);
}

void InfoWindowTest::pollFollowsTheSongLastOpened() {
    query(kManySongs);
    const int first = listed_song(kManySongs, 0).play_num;
    const int second = listed_song(kManySongs, 4).play_num;
    QVERIFY2(std::abs(first - second) > 1000, "pick two songs whose counts lie far apart");
    open_row(0);
    QTest::mouseClick(&main_button("按钮2"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > first, kPollWaitMs);

    open_row(4);

    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > second && shown_play_count() < second + 100,
                             kPollWaitMs);
}

void InfoWindowTest::failedPollShowsCaptionAlone() {
    query(kManySongs);
    open_row(0);
    QTest::mouseClick(&main_button("按钮2"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > 0, kPollWaitMs);

    QVERIFY2(m_service->stop(), "the stopped service's port could not be kept");

    QTRY_COMPARE_WITH_TIMEOUT(play_count().text(), QString::fromUtf8(kPlayCountCaption),
                              kPollWaitMs);
    QVERIFY(find_control<QTimer>(*m_window, "时钟1")->isActive());
}

void InfoWindowTest::pollGoesOnWhileNoticeIsShown() {
    query(kManySongs);
    open_row(0);
    QTest::mouseClick(&main_button("按钮2"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(shown_play_count() > 0, kPollWaitMs);
    open_info_window()->close();
    QTRY_VERIFY(open_info_window() == nullptr);
    const int before_notice = shown_play_count();
    QElapsedTimer waited;
    waited.start();

    // The notice is answered once the count has moved on, or after the longest wait.
    const NoticeAnswerer answerer(
        [&] { return shown_play_count() > before_notice || waited.elapsed() > kPollWaitMs; });
    click_row(0);

    QVERIFY(answerer.answered());
    QVERIFY2(shown_play_count() > before_notice, "no poll ran while the notice was shown");
}

QTEST_MAIN(InfoWindowTest)
#include "info_window_test.moc"
