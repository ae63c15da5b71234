#include "tests/support/refusing_port.h"

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velluno::test_support {

namespace {

constexpr auto kLoopback = "127.0.0.1";
constexpr auto kScheme = "http://";

// The connections a stopped server closed may still wait out their close on
// its port, so a port asked for by number is bound with its address reused.
// Only a program that asks for that very number and reuses addresses too could
// then share it; the system never hands it out as a free port.
bool reuse_address(int socket) {
    const int yes = 1;
    return setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes)) == 0;
}

// The port bound, 0 when binding failed.
int bound_port(int socket, int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof(address);
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if ((port != 0 && !reuse_address(socket)) || bind(socket, generic, size) != 0 ||
        getsockname(socket, generic, &size) != 0) {
        return 0;
    }
    return ntohs(address.sin_port);
}

} // namespace

RefusingPort::RefusingPort(int port) : m_socket(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    if (m_socket >= 0) {
        m_port = bound_port(m_socket, port);
    }
}

RefusingPort::~RefusingPort() {
    if (m_socket >= 0) {
        close(m_socket);
    }
}

std::string RefusingPort::host() const {
    return std::string(kLoopback) + ":" + std::to_string(m_port);
}

std::string RefusingPort::url(std::string_view path) const {
    return kScheme + host() + std::string(path);
}

} // namespace velluno::test_support
