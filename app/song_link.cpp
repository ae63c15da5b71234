#include "app/song_link.h"

#include "net/service_endpoints.h"
#include "text/replace_pairs.h"

namespace velluno {

Text shareid_of_link(const ServiceHosts& hosts, std::string_view link) {
    return replace_pairs(link, share_page_prefix(hosts), {});
}

} // namespace velluno
