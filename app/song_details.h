#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

class InfoWindow;

// A loaded song: its shareid and the whole song-detail answer in local text,
// cleaned of emoticon tags and escaped line breaks but never unwrapped.
struct SongDetails {
    Text shareid;
    Text song_json;
};

// Requests the song-detail answer for a song link; a failed request gives an
// empty answer.
SongDetails fetch_song_details(const ServiceHosts& hosts, std::string_view link);

// Name, introduction, cover and comments of the answer into the info window;
// whatever the answer lacks shows empty, a cover that cannot be had shows none.
void show_song_details(InfoWindow& window, std::string_view song_json);

} // namespace velluno
