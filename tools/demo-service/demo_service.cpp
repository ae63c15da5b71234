#include "tools/demo-service/demo_service.h"

#include "tools/demo-service/routes.h"

#include <atomic>
#include <chrono>
#include <httplib.h>
#include <sys/socket.h>
#include <thread>

namespace velluno::demo {

namespace {

constexpr auto kLoopback = "127.0.0.1";
constexpr int kHighestPort = 65535;
// Short, so that stop() does not wait long for an idle kept-alive connection.
constexpr time_t kKeepAliveSeconds = 1;
constexpr auto kReadyPollInterval = std::chrono::milliseconds(1);

// httplib's default also sets SO_REUSEPORT, which would let a second service
// share the port; a taken port must fail the start instead.
void reuse_address_only(socket_t socket) {
    const int yes = 1;
    setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
}

int bind_loopback(httplib::Server& http, int port) {
    if (port == 0) {
        return http.bind_to_any_port(kLoopback);
    }
    return http.bind_to_port(kLoopback, port) ? port : -1;
}

} // namespace

struct DemoService::Server {
    httplib::Server http;
    ServiceState state{std::string(), PlayCounter(sample_singers())};
    std::thread listener;
    std::atomic<bool> listener_done = false;
};

DemoService::DemoService() = default;

DemoService::~DemoService() {
    stop();
}

int DemoService::start(int port) {
    if (m_server || port < 0 || port > kHighestPort) {
        return -1;
    }
    auto server = std::make_unique<Server>();
    server->http.set_socket_options(reuse_address_only);
    server->http.set_keep_alive_timeout(kKeepAliveSeconds);
    add_routes(server->http, server->state);
    const int bound = bind_loopback(server->http, port);
    if (bound < 0) {
        return -1;
    }
    server->state.host = std::string(kLoopback) + ":" + std::to_string(bound);
    server->listener = std::thread([running = server.get()] {
        running->http.listen_after_bind();
        running->listener_done = true;
    });
    // httplib's stop() only takes effect once the accept loop runs.
    while (!server->http.is_running() && !server->listener_done) {
        std::this_thread::sleep_for(kReadyPollInterval);
    }
    if (server->listener_done) {
        server->listener.join();
        return -1;
    }
    m_server = std::move(server);
    return bound;
}

void DemoService::stop() {
    if (!m_server) {
        return;
    }
    m_server->http.stop();
    m_server->listener.join();
    m_server.reset();
}

std::string DemoService::host() const {
    return m_server ? m_server->state.host : std::string();
}

} // namespace velluno::demo
