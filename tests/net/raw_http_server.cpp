#include "tests/net/raw_http_server.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace velluno::net_testing {
namespace {

constexpr int kPollMillis = 20;
constexpr std::string_view kLoopback = "127.0.0.1";
constexpr std::string_view kHeaderEnd = "\r\n\r\n";
constexpr std::string_view kLengthKey = "\r\ncontent-length:";

// A socket bound to a free loopback port.
int bound_socket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("cannot bind a loopback socket");
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return ::poll(&watched, 1, kPollMillis) > 0;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The bytes a request still owes after its header, by its Content-Length.
std::size_t body_length(const std::string& request) {
    const std::size_t header_end = request.find(kHeaderEnd);
    const std::string head = lower(request.substr(0, header_end));
    const std::size_t key = head.find(kLengthKey);
    return key == std::string::npos ? 0 : std::stoul(head.substr(key + kLengthKey.size()));
}

bool complete(const std::string& request) {
    const std::size_t header_end = request.find(kHeaderEnd);
    return header_end != std::string::npos &&
           request.size() >= header_end + kHeaderEnd.size() + body_length(request);
}

void send_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

} // namespace

RawHttpServer::RawHttpServer() : m_listener(bound_socket(m_port)) {
    if (::listen(m_listener, 16) != 0) {
        throw std::runtime_error("cannot listen on loopback");
    }
    m_thread = std::thread([this] { serve(); });
}

RawHttpServer::~RawHttpServer() {
    m_stopping = true;
    m_thread.join();
    for (const int held : m_held) {
        ::close(held);
    }
    ::close(m_listener);
}

std::string RawHttpServer::url(std::string_view path) const {
    return "http://" + host() + std::string(path);
}

std::string RawHttpServer::host() const {
    return std::string(kLoopback) + ":" + std::to_string(m_port);
}

void RawHttpServer::answer(std::string bytes) {
    const std::lock_guard lock(m_mutex);
    m_answers.emplace_back(std::move(bytes));
}

void RawHttpServer::hold_next() {
    const std::lock_guard lock(m_mutex);
    m_answers.emplace_back(std::nullopt);
}

std::vector<std::string> RawHttpServer::requests() const {
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

int RawHttpServer::connections() const {
    const std::lock_guard lock(m_mutex);
    return m_connections;
}

void RawHttpServer::serve() {
    while (!m_stopping) {
        if (!readable(m_listener)) {
            continue;
        }
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection >= 0) {
            serve_connection(connection);
        }
    }
}

void RawHttpServer::serve_connection(int connection) {
    {
        const std::lock_guard lock(m_mutex);
        ++m_connections;
    }
    const std::string request = read_request(connection);
    std::optional<std::string> reply;
    {
        const std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        reply = next_answer();
        if (!reply) {
            m_held.push_back(connection);
            return;
        }
    }
    send_all(connection, *reply);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}

std::string RawHttpServer::read_request(int connection) const {
    std::string request;
    char buffer[4096];
    while (!m_stopping && !complete(request)) {
        if (!readable(connection)) {
            continue;
        }
        const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
        if (count <= 0) {
            break;
        }
        request.append(buffer, static_cast<std::size_t>(count));
    }
    return request;
}

std::optional<std::string> RawHttpServer::next_answer() {
    if (!m_answers.empty()) {
        m_last_answer = m_answers.front();
        m_answers.pop_front();
    }
    return m_last_answer;
}

std::string ok_answer(std::string_view header_lines, std::string_view body) {
    return "HTTP/1.1 200 OK\r\n" + std::string(header_lines) +
           "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
           std::string(body);
}

} // namespace velluno::net_testing
