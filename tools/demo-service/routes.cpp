#include "tools/demo-service/routes.h"

#include "tools/demo-service/homepage_answer.h"
#include "tools/demo-service/media_addresses.h"
#include "tools/demo-service/pictures.h"
#include "tools/demo-service/recording.h"
#include "tools/demo-service/share_page.h"
#include "tools/demo-service/song_detail_answer.h"

#include <charconv>
#include <httplib.h>

namespace velluno::demo {

namespace {

using httplib::Request;
using httplib::Response;

constexpr std::string_view kHomepagePath = "/fcgi-bin/kg_ugc_get_homepage";
constexpr std::string_view kSongDetailPath = "/fcgi-bin/kg_ugc_getdetail";
constexpr std::string_view kSharePagePath = "/play.html";
constexpr std::string_view kFileNamePattern = "([^/]+)";
constexpr std::string_view kRegexMetacharacters = R"(\^$.|?*+()[]{})";

constexpr auto kUidKey = "share_uid";
constexpr auto kPageKey = "start";
constexpr auto kPageSizeKey = "num";
constexpr auto kShareidKey = "shareid";
constexpr auto kSharePageKey = "s";
constexpr int kFirstPage = 1;
constexpr int kDefaultPageSize = 8;

constexpr auto kJsonpType = "application/javascript; charset=utf-8";
constexpr auto kHtmlType = "text/html; charset=utf-8";
constexpr auto kPngType = "image/png";
constexpr auto kJpegType = "image/jpeg";
constexpr auto kWavType = "audio/wav";
constexpr int kNotFound = 404;
constexpr int kServerError = 500;

// httplib routes are regular expressions; the fixed paths must match literally.
std::string literal_pattern(std::string_view text) {
    std::string pattern;
    for (const char c : text) {
        if (kRegexMetacharacters.find(c) != std::string_view::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

std::string file_route(std::string_view directory) {
    return literal_pattern(directory) + std::string(kFileNamePattern);
}

// A missing, malformed or non-positive value counts as absent.
int positive_param(const Request& request, const char* key, int fallback) {
    const std::string text = request.get_param_value(key);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && value >= 1 ? value : fallback;
}

void answer_homepage(const Request& request, Response& response, const ServiceState& state) {
    const std::optional<SingerEntry> singer = find_singer(request.get_param_value(kUidKey));
    const PageRequest page{positive_param(request, kPageKey, kFirstPage),
                           positive_param(request, kPageSizeKey, kDefaultPageSize)};
    response.set_content(
        singer ? homepage_answer(*singer, page, state.host) : unknown_singer_answer(), kJsonpType);
}

void answer_song_detail(const Request& request, Response& response, ServiceState& state) {
    const std::optional<SongEntry> song = find_song(request.get_param_value(kShareidKey));
    if (!song) {
        response.set_content(unknown_song_answer(), kJsonpType);
        return;
    }
    const int play_num = state.plays.count_play(song->song->shareid);
    response.set_content(song_detail_answer(*song, play_num, state.host), kJsonpType);
}

void answer_share_page(const Request& request, Response& response, const ServiceState& state) {
    const std::optional<SongEntry> song = find_song(request.get_param_value(kSharePageKey));
    if (!song) {
        response.status = kNotFound;
        response.set_content(missing_song_page(), kHtmlType);
        return;
    }
    response.set_content(share_page(*song, state.host), kHtmlType);
}

void send_picture(Response& response, const std::string& bytes, PictureFormat format) {
    if (bytes.empty()) {
        response.status = kServerError;
        return;
    }
    response.set_content(bytes, format == PictureFormat::png ? kPngType : kJpegType);
}

void answer_avatar(const Request& request, Response& response) {
    const std::optional<PictureName> name = parse_picture_name(request.matches[1].str());
    if (!name || !find_singer(name->id)) {
        response.status = kNotFound;
        return;
    }
    send_picture(response, avatar_picture(name->id, name->format), name->format);
}

void answer_cover(const Request& request, Response& response) {
    const std::optional<PictureName> name = parse_picture_name(request.matches[1].str());
    const std::optional<SongEntry> song = name ? find_song(name->id) : std::nullopt;
    if (!song) {
        response.status = kNotFound;
        return;
    }
    send_picture(response, cover_picture(name->id, song->number, name->format), name->format);
}

void answer_recording(const Request& request, Response& response) {
    const std::optional<std::string> shareid = parse_recording_name(request.matches[1].str());
    if (!shareid || !find_song(*shareid)) {
        response.status = kNotFound;
        return;
    }
    response.set_content(recording_wav(*shareid), kWavType);
}

} // namespace

void add_routes(httplib::Server& http, ServiceState& state) {
    http.Get(literal_pattern(kHomepagePath), [&state](const Request& request, Response& response) {
        answer_homepage(request, response, state);
    });
    http.Get(literal_pattern(kSongDetailPath),
             [&state](const Request& request, Response& response) {
                 answer_song_detail(request, response, state);
             });
    http.Get(literal_pattern(kSharePagePath), [&state](const Request& request, Response& response) {
        answer_share_page(request, response, state);
    });
    http.Get(file_route(kAvatarPath), answer_avatar);
    http.Get(file_route(kCoverPath), answer_cover);
    http.Get(file_route(kRecordingPath), answer_recording);
}

} // namespace velluno::demo
