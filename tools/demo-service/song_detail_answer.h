#pragma once

#include "tools/demo-service/sample_lookup.h"

#include <string>
#include <string_view>

namespace velluno::demo {

// "jsopgetsonginfo(" + the song and its comments + ")", one member per line.
std::string song_detail_answer(const SongEntry& entry, int play_num, std::string_view host);

// The answer for a shareid the service does not know: no song fields at all.
std::string unknown_song_answer();

} // namespace velluno::demo
