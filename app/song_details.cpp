#include "app/song_details.h"

#include "app/comment_list.h"
#include "app/display_text.h"
#include "app/info_window.h"
#include "app/picture_box.h"
#include "app/song_link.h"
#include "net/fetch_url_bytes.h"
#include "net/service_endpoints.h"
#include "net/web_request.h"
#include "text/charset.h"
#include "text/text_between.h"

#include <QLabel>
#include <QTableWidget>

namespace velluno {

namespace {

constexpr std::string_view kFieldEnd = "\",";
constexpr std::string_view kSongNameStart = "\"song_name\":\"";
constexpr std::string_view kIntroductionStart = "\"content\":\"";
constexpr std::string_view kCoverStart = "\"cover\":\"";

constexpr auto kSongNamePrefix = "歌名：";
constexpr auto kIntroductionPrefix = "介绍：";

void show_field(QLabel& label, const char* prefix, std::string_view song_json,
                std::string_view start) {
    label.setText(QString::fromUtf8(prefix) +
                  display_text(text_between(song_json, start, kFieldEnd)));
}

} // namespace

SongDetails fetch_song_details(const ServiceHosts& hosts, std::string_view link) {
    SongDetails details{.shareid = shareid_of_link(hosts, link), .song_json = {}};
    const Text answer = web_get_text(song_detail_url(hosts, details.shareid));
    details.song_json = clean_song_text(utf8_to_local(answer));
    return details;
}

void show_song_details(InfoWindow& window, std::string_view song_json) {
    show_field(*window.name_label(), kSongNamePrefix, song_json, kSongNameStart);
    show_field(*window.introduction_label(), kIntroductionPrefix, song_json, kIntroductionStart);
    show_picture(window.cover_box(),
                 fetch_url_bytes(text_between(song_json, kCoverStart, kFieldEnd)));
    window.comment_list()->setRowCount(0);
    fill_comment_list(*window.comment_list(), song_json);
}

} // namespace velluno
