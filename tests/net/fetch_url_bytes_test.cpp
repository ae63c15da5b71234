#include "net/curl_runtime.h"
#include "net/fetch_url_bytes.h"
#include "net/transfer_bounds.h"
#include "tests/net/raw_http_server.h"
#include "tests/support/refusing_port.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

using namespace std::chrono_literals;
using net_testing::ok_answer;

const std::string kPicture("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);

class FetchUrlBytesTest : public ::testing::Test {
protected:
    // Every server here is 127.0.0.1 and cookies ignore the port, so a cookie
    // that an earlier test left in the shared store would reach this one.
    void SetUp() override { ASSERT_TRUE(clear_shared_cookie_store()); }

    net_testing::RawHttpServer m_server;
    ScopedTransferBounds m_bounds{TransferBounds{.connect_timeout = 5s, .total_timeout = 10s}};
};

TEST_F(FetchUrlBytesTest, SendsAPlainHttp10GetAndReturnsTheBytes) {
    m_server.answer(ok_answer("Content-Type: image/png\r\n", kPicture));
    EXPECT_EQ(fetch_url_bytes(m_server.url("/head/a.png?v=2")), bytes_from_text(kPicture));
    EXPECT_EQ(m_server.requests().at(0),
              "GET /head/a.png?v=2 HTTP/1.0\r\nHost: " + m_server.host() +
                  "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
                  "Accept: */*\r\n\r\n");
}

TEST_F(FetchUrlBytesTest, FollowsRedirects) {
    m_server.answer("HTTP/1.1 302 Found\r\nLocation: /real.png\r\n"
                    "Content-Length: 0\r\nConnection: close\r\n\r\n");
    m_server.answer(ok_answer("", kPicture));
    EXPECT_EQ(fetch_url_bytes(m_server.url("/moved.png")), bytes_from_text(kPicture));
    EXPECT_EQ(m_server.requests().at(1).substr(0, 26), "GET /real.png HTTP/1.0\r\nHo");
}

TEST_F(FetchUrlBytesTest, UnparsableAddressesGiveNothingAtOnce) {
    const std::string host = m_server.host();
    const std::vector<std::string> addresses{
        "",
        "not an address",
        host + "/no-scheme.png",
        "ftp://" + host + "/a.png",
        "http://" + host + "/a.png\r\nX-Injected: 1",
        "http://user@" + host + "/a.png",
        std::string("http://127.0.0.1\0/a.png", 23),
        "http:\\/\\/" + host + "\\/a.png",
    };
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        EXPECT_TRUE(fetch_url_bytes(address).empty());
    }
    EXPECT_EQ(m_server.connections(), 0);
}

TEST_F(FetchUrlBytesTest, AnyFailureGivesNothing) {
    const test_support::RefusingPort refusing;
    EXPECT_TRUE(fetch_url_bytes(refusing.url("/a.png")).empty());

    // Part of a picture is no picture.
    m_server.answer("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n" + kPicture);
    EXPECT_TRUE(fetch_url_bytes(m_server.url("/cut.png")).empty());

    const ScopedTransferBounds small(
        {.connect_timeout = 5s, .total_timeout = 10s, .max_body_bytes = 8});
    m_server.answer(ok_answer("", kPicture));
    EXPECT_TRUE(fetch_url_bytes(m_server.url("/big.png")).empty());
}

} // namespace
} // namespace velluno
