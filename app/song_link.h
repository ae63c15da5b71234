#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

// The link with every share-page prefix deleted (in any letter case): the
// shareid of a share link, and a link of any other form taken whole.
Text shareid_of_link(const ServiceHosts& hosts, std::string_view link);

} // namespace velluno
