#pragma once

#include "tools/demo-service/play_counter.h"

#include <string>

namespace httplib {
class Server;
}

namespace velluno::demo {

// What the routes share while the service runs.
struct ServiceState {
    std::string host; // "127.0.0.1:<port>": every address in the answers points here
    PlayCounter plays;
};

// Every path the program requests, the pictures and recordings its answers
// name, and the share page. Other paths get httplib's plain 404.
void add_routes(httplib::Server& http, ServiceState& state);

} // namespace velluno::demo
