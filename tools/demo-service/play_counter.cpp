#include "tools/demo-service/play_counter.h"

namespace velluno::demo {

PlayCounter::PlayCounter(const std::vector<SampleSinger>& singers) {
    for (const SampleSinger& singer : singers) {
        for (const SampleSong& song : singer.songs) {
            m_counts.try_emplace(song.shareid, song.play_num);
        }
    }
}

int PlayCounter::count_play(std::string_view shareid) {
    const auto found = m_counts.find(shareid);
    return found == m_counts.end() ? 0 : found->second.fetch_add(1) + 1;
}

} // namespace velluno::demo
