#pragma once

#include <string>

namespace velluno {

// The two hosts of the karaoke service, each as "host" or "host:port".
struct ServiceHosts {
    std::string cgi_host; // JSONP endpoints
    std::string web_host; // share pages
};

// The hosts this build was configured with.
ServiceHosts build_time_hosts();

} // namespace velluno
