#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace velluno::net_testing {

// A server on a free loopback port that records the exact bytes of every
// request and answers each connection with the next scripted bytes, then
// closes it. The last answer given also serves any further connection.
class RawHttpServer final {
public:
    RawHttpServer();
    ~RawHttpServer();
    RawHttpServer(const RawHttpServer&) = delete;
    RawHttpServer& operator=(const RawHttpServer&) = delete;

    int port() const { return m_port; }
    // "http://127.0.0.1:<port>" + path.
    std::string url(std::string_view path) const;
    // "127.0.0.1:<port>", as a host of the service.
    std::string host() const;

    void answer(std::string bytes);
    // The next connection is read but never answered, and stays open.
    void hold_next();

    std::vector<std::string> requests() const;
    int connections() const;

private:
    void serve();
    void serve_connection(int connection);
    std::string read_request(int connection) const;
    std::optional<std::string> next_answer();

    int m_port = 0; // set while the listener is made, so declared first
    int m_listener = -1;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::deque<std::optional<std::string>> m_answers; // none: hold the connection
    std::optional<std::string> m_last_answer = std::string{};
    std::vector<std::string> m_requests;
    std::vector<int> m_held;
    int m_connections = 0;
    std::thread m_thread;
};

// "HTTP/1.1 200 OK", the given header lines (each ending in "\r\n"), a
// Content-Length for `body`, "Connection: close", the empty line and the body.
std::string ok_answer(std::string_view header_lines, std::string_view body);

} // namespace velluno::net_testing
