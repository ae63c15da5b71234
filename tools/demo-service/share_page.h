#pragma once

#include "tools/demo-service/sample_lookup.h"

#include <string>
#include <string_view>

namespace velluno::demo {

// The page a share link opens in a browser: the song's title, its singer and a
// player for its recording.
std::string share_page(const SongEntry& entry, std::string_view host);

// The page for a shareid the service does not know.
std::string missing_song_page();

} // namespace velluno::demo
