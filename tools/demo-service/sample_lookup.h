#pragma once

#include "tools/demo-service/sample_singers.h"

#include <optional>
#include <string_view>

namespace velluno::demo {

struct SingerEntry {
    const SampleSinger* singer;
    int number; // 1-based place among the sample singers
};

struct SongEntry {
    const SampleSinger* singer;
    const SampleSong* song;
    int number; // 1-based place among the singer's songs
};

std::optional<SingerEntry> find_singer(std::string_view uid);
std::optional<SongEntry> find_song(std::string_view shareid);

} // namespace velluno::demo
