#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

// Homepage endpoint address for one page of a singer's songs (page 1 carries the profile).
Text homepage_page_url(const ServiceHosts& hosts, int page, std::string_view uid,
                       std::string_view time_stamp);

// Song-detail endpoint address.
Text song_detail_url(const ServiceHosts& hosts, std::string_view shareid);

// "http://" + web host + "/play.html?s=": the start of every share link.
Text share_page_prefix(const ServiceHosts& hosts);

Text share_link(const ServiceHosts& hosts, std::string_view shareid);

} // namespace velluno
