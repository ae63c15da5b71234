#pragma once

#include <string>
#include <string_view>

namespace velluno::test_support {

// A loopback port that refuses connections while this object lives: the
// socket is bound, so no one else takes the port, but it never listens.
class RefusingPort final {
public:
    // `port` 0 picks any free port.
    explicit RefusingPort(int port = 0);
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    bool bound() const { return m_port > 0; }
    int port() const { return m_port; }
    // "127.0.0.1:<port>".
    std::string host() const;
    // "http://127.0.0.1:<port>" + path.
    std::string url(std::string_view path) const;

private:
    int m_socket;
    int m_port = 0;
};

} // namespace velluno::test_support
