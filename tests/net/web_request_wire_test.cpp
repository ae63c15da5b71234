#include "net/curl_runtime.h"
#include "net/transfer_bounds.h"
#include "net/web_request.h"
#include "tests/net/raw_http_server.h"
#include "tests/support/refusing_port.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace velluno {
namespace {

using namespace std::chrono_literals;
using net_testing::ok_answer;
using net_testing::RawHttpServer;

constexpr char kDefaultAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; K7MWQ; .NET "
                                 "CLR 2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";
constexpr char kDefaultTail[] = "\r\nAccept: */*\r\nAccept-Language: zh-cn"
                                "\r\nContent-Type: application/x-www-form-urlencoded";

struct WireCase {
    std::string name;
    std::string url;
    WebRequestOptions options;
    std::optional<Text> cookies;
    // Everything after the Host line.
    std::string expected_after_host;
    std::string request_line;
};

class WebRequestWire : public ::testing::Test {
protected:
    WebRequestWire() { m_server.answer(ok_answer("", "ok")); }

    // Every server here is 127.0.0.1 and cookies ignore the port, so a cookie
    // that an earlier test left in the shared store would reach this one.
    void SetUp() override { ASSERT_TRUE(clear_shared_cookie_store()); }

    std::string host_line() const { return "Host: " + m_server.host() + "\r\n"; }

    std::string default_lines(const std::string& referer) const {
        return "User-Agent: " + std::string(kDefaultAgent) + "\r\nReferer: " + referer +
               kDefaultTail + "\r\n";
    }

    RawHttpServer m_server;
    ScopedTransferBounds m_bounds{TransferBounds{.connect_timeout = 5s, .total_timeout = 10s}};
};

WebRequestOptions with_headers(std::string extra_headers) {
    WebRequestOptions options;
    options.extra_headers = std::move(extra_headers);
    return options;
}

WebRequestOptions with_body(int method, std::string text, Bytes bytes = {}) {
    WebRequestOptions options;
    options.method = method;
    options.body_text = std::move(text);
    options.body_bytes = std::move(bytes);
    return options;
}

TEST_F(WebRequestWire, SendsTheRequestLineAgentAndBlockAndNothingElse) {
    const std::string url = m_server.url("/u?x=1");
    const std::string bare = m_server.host() + "/u?x=1";
    const std::string mixed = "HTTP://" + m_server.host() + "/Mixed/Case?Q=A";
    const std::string no_path = m_server.url("");
    const std::string odd = m_server.url("/a/../b c/\xC4\xE3?q=\xC4");
    const std::string agent = "User-Agent: " + std::string(kDefaultAgent) + "\r\n";
    const std::string post_tail = std::string(kDefaultTail) + "\r\nContent-Length: 7\r\n\r\n";
    const std::vector<WireCase> cases{
        {"defaults", url, {}, {}, default_lines(url) + "\r\n", "GET /u?x=1 HTTP/1.1"},
        // The Referer carries the address as the caller wrote it.
        {"without scheme", bare, {}, {}, default_lines(bare) + "\r\n", "GET /u?x=1 HTTP/1.1"},
        {"mixed-case scheme",
         mixed,
         {},
         {},
         default_lines(mixed) + "\r\n",
         "GET /Mixed/Case?Q=A HTTP/1.1"},
        {"nothing after the host",
         no_path,
         {},
         {},
         default_lines(no_path) + "\r\n",
         "GET / HTTP/1.1"},
        // Dot segments stay; spaces and high bytes travel percent-encoded.
        {"object name as written",
         odd,
         {},
         {},
         default_lines(odd) + "\r\n",
         "GET /a/../b%20c/%C4%E3?q=%C4 HTTP/1.1"},
        {"accept given",
         url,
         with_headers("Accept: text/html"),
         {},
         agent + "Accept: text/html\r\nReferer: " + url +
             "\r\nAccept-Language: zh-cn\r\nContent-Type: "
             "application/x-www-form-urlencoded\r\n\r\n",
         "GET /u?x=1 HTTP/1.1"},
        {"lower-case accept",
         url,
         with_headers("accept: text/html"),
         {},
         agent + "accept: text/html\r\nReferer: " + url + kDefaultTail + "\r\n\r\n",
         "GET /u?x=1 HTTP/1.1"},
        // The caller's agent line is the only User-Agent line.
        {"agent given",
         url,
         with_headers("User-Agent: Probe/1.0"),
         {},
         "User-Agent: Probe/1.0\r\nReferer: " + url + kDefaultTail + "\r\n\r\n",
         "GET /u?x=1 HTTP/1.1"},
        {"line without value",
         url,
         with_headers("X-Empty:"),
         {},
         agent + "X-Empty:\r\nReferer: " + url + kDefaultTail + "\r\n\r\n",
         "GET /u?x=1 HTTP/1.1"},
        {"cookies given",
         url,
         {},
         Text("a=1; b=2"),
         default_lines(url) + "Cookie: a=1; b=2\r\n\r\n",
         "GET /u?x=1 HTTP/1.1"},
        {"post",
         url,
         with_body(1, "x=1&y=2"),
         {},
         agent + "Referer: " + url + post_tail + "x=1&y=2",
         "POST /u?x=1 HTTP/1.1"},
        {"post bytes before text",
         url,
         with_body(1, "ignored", Bytes{'a', 0, 'b', 'c', 0xC4, 0xE3, '!'}),
         {},
         agent + "Referer: " + url + post_tail + std::string("a\0bc\xC4\xE3!", 7),
         "POST /u?x=1 HTTP/1.1"},
        // Any other method sends its body under GET.
        {"other method",
         url,
         with_body(2, "x=1&y=2"),
         {},
         agent + "Referer: " + url + post_tail + "x=1&y=2",
         "GET /u?x=1 HTTP/1.1"},
    };
    for (const WireCase& c : cases) {
        SCOPED_TRACE(c.name);
        Text cookies = c.cookies.value_or(Text{});
        WebRequestOptions options = c.options;
        options.cookies = c.cookies ? &cookies : nullptr;
        EXPECT_EQ(web_request(c.url, options), bytes_from_text("ok"));
        ASSERT_FALSE(m_server.requests().empty());
        EXPECT_EQ(m_server.requests().back(),
                  c.request_line + "\r\n" + host_line() + c.expected_after_host);
    }
}

TEST_F(WebRequestWire, LargePostCarriesNoExpectLine) {
    const std::string body(2 * 1024 * 1024, 'z');
    EXPECT_EQ(web_request(m_server.url("/big"), with_body(1, body)), bytes_from_text("ok"));
    const std::string request = m_server.requests().at(0);
    const std::string head = request.substr(0, request.find("\r\n\r\n") + 4);
    EXPECT_EQ(head.find("Expect"), std::string::npos);
    EXPECT_NE(head.find("\r\nContent-Length: 2097152\r\n"), std::string::npos);
    EXPECT_EQ(request.substr(head.size()), body);
}

TEST_F(WebRequestWire, ProxyCarriesPlainHttpOnly) {
    // The target is never resolved: the proxy receives the whole address.
    WebRequestOptions options;
    options.proxy = m_server.host();
    EXPECT_EQ(web_request("http://target.invalid/p?q=1", options), bytes_from_text("ok"));
    EXPECT_EQ(m_server.requests().at(0),
              "GET http://target.invalid/p?q=1 HTTP/1.1\r\nHost: target.invalid\r\n" +
                  default_lines("http://target.invalid/p?q=1") + "\r\n");

    test_support::RefusingPort direct;
    const std::string secure = "https://127.0.0.1:" + std::to_string(direct.port()) + "/";
    EXPECT_TRUE(web_request(secure, options).empty());
    EXPECT_EQ(m_server.connections(), 1);
}

} // namespace
} // namespace velluno
