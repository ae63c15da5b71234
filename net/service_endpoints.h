#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

// Addresses of the karaoke service. Every one is "http://" + host + path and
// query; inserted values go in as they are, without percent-encoding.

// The homepage endpoint for one page of a singer's songs; page 1 also carries
// the profile. `time_stamp` is the milliseconds text that defeats caches.
Text homepage_page_url(const ServiceHosts& hosts, int page, std::string_view uid,
                       std::string_view time_stamp);

// The song-detail endpoint for one shared song.
Text song_detail_url(const ServiceHosts& hosts, std::string_view shareid);

// "http://" + web host + "/play.html?s=": the start of every share link.
Text share_page_prefix(const ServiceHosts& hosts);

// The share page of one song: the share-page prefix followed by the shareid.
Text share_link(const ServiceHosts& hosts, std::string_view shareid);

} // namespace velluno
