#include "tools/demo-service/sample_lookup.h"

namespace velluno::demo {

std::optional<SingerEntry> find_singer(std::string_view uid) {
    const std::vector<SampleSinger>& singers = sample_singers();
    for (size_t i = 0; i < singers.size(); ++i) {
        if (singers[i].uid == uid) {
            return SingerEntry{&singers[i], static_cast<int>(i) + 1};
        }
    }
    return std::nullopt;
}

std::optional<SongEntry> find_song(std::string_view shareid) {
    for (const SampleSinger& singer : sample_singers()) {
        for (size_t i = 0; i < singer.songs.size(); ++i) {
            if (singer.songs[i].shareid == shareid) {
                return SongEntry{&singer, &singer.songs[i], static_cast<int>(i) + 1};
            }
        }
    }
    return std::nullopt;
}

} // namespace velluno::demo
