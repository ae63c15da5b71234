#include "tools/demo-service/song_detail_answer.h"

#include "tools/demo-service/json_members.h"
#include "tools/demo-service/media_addresses.h"

namespace velluno::demo {

namespace {

constexpr std::string_view kCallbackOpen = "jsopgetsonginfo(";
constexpr std::string_view kCallbackClose = ")";
constexpr std::string_view kUnknownSongMessage = "歌曲不存在";
constexpr int kUnknownSongCode = -1;

std::string wrapped(const std::string& json) {
    return std::string(kCallbackOpen) + json + std::string(kCallbackClose);
}

// The program finds comments by their four fields on four consecutive lines.
std::string comment_object(const SampleComment& comment, const SampleSinger& singer) {
    return line_object({
        text_member("content", comment.content),
        number_member("is_owner", comment.uid == singer.uid ? 1 : 0),
        text_member("uid", comment.uid),
        text_member("nick", comment.nick),
    });
}

std::string comment_list(const SampleSong& song, const SampleSinger& singer) {
    std::vector<std::string> elements;
    for (const SampleComment& comment : song.comments) {
        elements.push_back(comment_object(comment, singer));
    }
    return compact_array(elements);
}

} // namespace

// The song's own fields come before the comments, so the first "content" key is
// the introduction. The recording's address is slash-escaped like a real JSON
// writer would; the cover stays plain because the program fetches it unchanged.
std::string song_detail_answer(const SongEntry& entry, int play_num, std::string_view host) {
    const SampleSong& song = *entry.song;
    const std::string cover = cover_address(host, song.shareid, picture_format_for(entry.number));
    return wrapped(line_object({
        number_member("code", 0),
        text_member("song_name", song.title),
        text_member("content", song.introduction),
        text_member("cover", cover),
        text_member("playurl", with_escaped_slashes(recording_address(host, song.shareid))),
        number_member("play_num", play_num),
        raw_member("comments", comment_list(song, *entry.singer)),
    }));
}

std::string unknown_song_answer() {
    return wrapped(line_object(
        {number_member("code", kUnknownSongCode), text_member("msg", kUnknownSongMessage)}));
}

} // namespace velluno::demo
