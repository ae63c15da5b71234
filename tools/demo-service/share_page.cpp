#include "tools/demo-service/share_page.h"

#include "tools/demo-service/json_members.h"
#include "tools/demo-service/media_addresses.h"

namespace velluno::demo {

namespace {

constexpr std::string_view kPageStart = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n"
                                        "<meta charset=\"utf-8\">\n<title>";
constexpr std::string_view kHeadEnd = "</title>\n</head>\n<body>\n";
constexpr std::string_view kPageEnd = "</body>\n</html>\n";
constexpr std::string_view kSingerLabel = "演唱：";
constexpr std::string_view kMissingSong = "这首歌不存在或已被删除";

// The sample texts are JSON string bodies; the page shows what they stand for.
std::string html_text(std::string_view json_text) {
    std::string html;
    for (const char c : unescaped_json_text(json_text).value_or(std::string(json_text))) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string page(const std::string& title, const std::string& body) {
    return std::string(kPageStart) + title + std::string(kHeadEnd) + body + std::string(kPageEnd);
}

} // namespace

std::string share_page(const SongEntry& entry, std::string_view host) {
    const std::string title = html_text(entry.song->title);
    const std::string singer = html_text(entry.singer->nickname);
    const std::string recording = recording_address(host, entry.song->shareid);
    return page(title + " - " + singer, "<h1>" + title + "</h1>\n<p>" + std::string(kSingerLabel) +
                                            singer + "</p>\n" + "<audio controls src=\"" +
                                            recording + "\"></audio>\n");
}

std::string missing_song_page() {
    return page(std::string(kMissingSong), "<p>" + std::string(kMissingSong) + "</p>\n");
}

} // namespace velluno::demo
