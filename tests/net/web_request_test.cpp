#include "net/curl_runtime.h"
#include "net/fetch_url_bytes.h"
#include "net/transfer_bounds.h"
#include "net/web_request.h"
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
using net_testing::RawHttpServer;
using velluno::test_support::RefusingPort;

constexpr char kStale[] = "stale";

// A broken request gives up long before the 30 s a real one may take.
constexpr TransferBounds kTestBounds{.connect_timeout = 5s, .total_timeout = 10s};

// Every output of a request, each preset so that a write shows.
struct Outputs {
    Text cookies = kStale;
    Text response_cookies = kStale;
    Text location_or_headers;
    Text raw_headers = kStale;

    WebRequestOptions options(bool supply_cookies = false) {
        WebRequestOptions options;
        options.cookies = supply_cookies ? &cookies : nullptr;
        options.response_cookies = &response_cookies;
        options.location_or_headers = &location_or_headers;
        options.raw_headers = &raw_headers;
        return options;
    }
};

class WebRequestTest : public ::testing::Test {
protected:
    // Every server here is 127.0.0.1 and cookies ignore the port, so a cookie
    // that an earlier test left in the shared store would reach this one.
    void SetUp() override { ASSERT_TRUE(clear_shared_cookie_store()); }

    std::string head_of(int request) const {
        const std::string text = m_server.requests().at(static_cast<std::size_t>(request));
        return text.substr(0, text.find("\r\n\r\n") + 2);
    }

    RawHttpServer m_server;
    ScopedTransferBounds m_bounds{kTestBounds};
};

TEST_F(WebRequestTest, SuppliedCookiesAreMergedWithTheAnswersCookies) {
    m_server.answer("HTTP/1.1 200 OK\r\n"
                    "Set-Cookie: b=3; path=/\r\n"
                    "Set-Cookie: a=deleted; path=/\r\n"
                    "Content-Length: 2\r\nConnection: close\r\n\r\nok");
    Outputs out;
    out.cookies = "a=1; b=2";
    EXPECT_EQ(web_request(m_server.url("/merge"), out.options(true)), bytes_from_text("ok"));
    EXPECT_NE(head_of(0).find("\r\nCookie: a=1; b=2\r\n"), std::string::npos);
    EXPECT_EQ(out.cookies, "b=3");
    EXPECT_EQ(out.response_cookies, "b=3;a=deleted");

    // Cookies the caller manages never reach the shared store.
    m_server.answer(ok_answer("", ""));
    web_request(m_server.url("/merge"));
    EXPECT_EQ(head_of(1).find("Cookie"), std::string::npos);
}

TEST_F(WebRequestTest, EmptySuppliedCookiesSendNoCookieLine) {
    m_server.answer(ok_answer("", "ok"));
    Outputs out;
    out.cookies = "";
    web_request(m_server.url("/plain"), out.options(true));
    EXPECT_EQ(head_of(0).find("Cookie"), std::string::npos);
    EXPECT_EQ(out.cookies, "");
    EXPECT_EQ(out.response_cookies, "");
}

TEST_F(WebRequestTest, RequestsWithoutCookiesShareOneStore) {
    m_server.answer(ok_answer("Set-Cookie: kept=1; Path=/store-shared\r\n", ""));
    m_server.answer(ok_answer("", ""));
    web_request(m_server.url("/store-shared/set"));
    web_request(m_server.url("/store-shared/next"));
    // The store's Cookie line comes after the agent, before the block.
    const std::string next = head_of(1);
    EXPECT_EQ(next.substr(0, next.find("Referer")),
              "GET /store-shared/next HTTP/1.1\r\nHost: " + m_server.host() +
                  "\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; K7MWQ; .NET "
                  "CLR 2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)\r\n"
                  "Cookie: kept=1\r\n");

    // Supplying cookies, even none, leaves the store out.
    Text none;
    WebRequestOptions own;
    own.cookies = &none;
    web_request(m_server.url("/store-shared/own"), own);
    EXPECT_EQ(head_of(2).find("Cookie"), std::string::npos);

    // The picture client shares the same store.
    fetch_url_bytes(m_server.url("/store-shared/picture"));
    EXPECT_NE(head_of(3).find("\r\nCookie: kept=1\r\n"), std::string::npos);

    // A fresh start forgets them.
    ASSERT_TRUE(clear_shared_cookie_store());
    web_request(m_server.url("/store-shared/cleared"));
    EXPECT_EQ(head_of(4).find("Cookie"), std::string::npos);
}

TEST_F(WebRequestTest, FollowsRedirectsAndReportsTheFinalAnswer) {
    const std::string final_head = "HTTP/1.1 200 OK\r\nX-Final: yes\r\n"
                                   "Content-Length: 4\r\nConnection: close\r\n\r\n";
    m_server.answer("HTTP/1.1 302 Found\r\nLocation: /final\r\nSet-Cookie: hop=1; Path=/hop\r\n"
                    "Content-Length: 5\r\nConnection: close\r\n\r\nmoved");
    m_server.answer(final_head + "done");
    Outputs out;
    const std::string url = m_server.url("/start");
    EXPECT_EQ(web_request(url, out.options()), bytes_from_text("done"));
    EXPECT_EQ(out.raw_headers, final_head);
    EXPECT_EQ(out.location_or_headers, final_head);
    EXPECT_EQ(out.response_cookies, "");
    ASSERT_EQ(m_server.requests().size(), 2u);
    EXPECT_EQ(head_of(1).substr(0, 22), "GET /final HTTP/1.1\r\nH");
    EXPECT_NE(head_of(1).find("\r\nReferer: " + url + "\r\n"), std::string::npos);
}

TEST_F(WebRequestTest, NoRedirectHandsBackTheTarget) {
    const std::string head = "HTTP/1.1 301 Moved Permanently\r\nLocation:  http://elsewhere/x \r\n"
                             "Content-Length: 5\r\nConnection: close\r\n\r\n";
    m_server.answer(head + "moved");
    Outputs out;
    WebRequestOptions options = out.options();
    options.no_redirect = true;
    EXPECT_EQ(web_request(m_server.url("/start"), options), bytes_from_text("moved"));
    EXPECT_EQ(out.location_or_headers, "http://elsewhere/x");
    EXPECT_EQ(out.raw_headers, head);
    EXPECT_EQ(m_server.connections(), 1);
}

// Some servers end their header lines with a bare LF; the lines still come
// back one by one, each ending in CR LF.
TEST_F(WebRequestTest, HeaderLinesEndingInLineFeedsAreReadLineByLine) {
    m_server.answer("HTTP/1.1 301 Moved Permanently\nLocation: /next\nSet-Cookie: a=1; path=/\n"
                    "Content-Length: 2\nConnection: close\n\nok");
    Outputs out;
    // Cookies of its own keep the answer's cookie out of the shared store.
    WebRequestOptions options = out.options(true);
    options.no_redirect = true;
    EXPECT_EQ(web_request(m_server.url("/start"), options), bytes_from_text("ok"));
    EXPECT_EQ(out.location_or_headers, "/next");
    EXPECT_EQ(out.response_cookies, "a=1");
    EXPECT_EQ(out.raw_headers, "HTTP/1.1 301 Moved Permanently\r\nLocation: /next\r\n"
                               "Set-Cookie: a=1; path=/\r\nContent-Length: 2\r\n"
                               "Connection: close\r\n\r\n");
}

TEST_F(WebRequestTest, FollowsAtMostTenRedirects) {
    m_server.answer("HTTP/1.1 302 Found\r\nLocation: /again\r\n"
                    "Content-Length: 0\r\nConnection: close\r\n\r\n");
    Outputs out;
    web_request(m_server.url("/again"), out.options());
    EXPECT_EQ(m_server.connections(), 11);
    EXPECT_EQ(out.location_or_headers, "/again");
}

TEST_F(WebRequestTest, FollowsRedirectsOnlyToHttpAndHttps) {
    const std::string target = "ftp://" + m_server.host() + "/file";
    m_server.answer("HTTP/1.1 302 Found\r\nLocation: " + target +
                    "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    Outputs out;
    web_request(m_server.url("/start"), out.options());
    EXPECT_EQ(m_server.connections(), 1);
    EXPECT_EQ(out.location_or_headers, target);
}

TEST_F(WebRequestTest, ReadsLongHeadersWhole) {
    const std::string head = "HTTP/1.1 200 OK\r\nX-Long: " + std::string(20000, 'h') +
                             "\r\nSet-Cookie: late=1; path=/late\r\n"
                             "Content-Length: 2\r\nConnection: close\r\n\r\n";
    m_server.answer(head + "ok");
    Outputs out;
    EXPECT_EQ(web_request(m_server.url("/long"), out.options()), bytes_from_text("ok"));
    EXPECT_EQ(out.raw_headers, head);
    EXPECT_EQ(out.response_cookies, "late=1");
}

TEST_F(WebRequestTest, GetTextEndsAtTheFirstZeroByte) {
    m_server.answer(ok_answer("", std::string("ab\0cd", 5)));
    EXPECT_EQ(web_get_text(m_server.url("/zero")), "ab");
    m_server.answer(ok_answer("", std::string("ab\0cd", 5)));
    EXPECT_EQ(web_request(m_server.url("/zero")), (Bytes{'a', 'b', 0, 'c', 'd'}));
}

// Failures: the bytes read so far come back and the header steps still run.

TEST_F(WebRequestTest, RefusedConnectionGivesNothing) {
    const RefusingPort refusing;
    Outputs out;
    out.location_or_headers = "kept";
    EXPECT_TRUE(web_request(refusing.url("/x"), out.options(true)).empty());
    EXPECT_EQ(out.response_cookies, "");
    EXPECT_EQ(out.raw_headers, "");
    EXPECT_EQ(out.location_or_headers, "kept");
    EXPECT_EQ(web_get_text(refusing.url("/x")), "");
}

TEST_F(WebRequestTest, SilentServerEndsAtTheTimeOut) {
    const ScopedTransferBounds quick({.connect_timeout = 1s, .total_timeout = 300ms});
    m_server.hold_next();
    Outputs out;
    EXPECT_TRUE(web_request(m_server.url("/silent"), out.options()).empty());
    EXPECT_EQ(out.response_cookies, "");
    EXPECT_EQ(out.raw_headers, "");
    EXPECT_EQ(out.location_or_headers, "");
}

TEST_F(WebRequestTest, ClosingInTheBodyKeepsWhatArrived) {
    const std::string head = "HTTP/1.1 200 OK\r\nSet-Cookie: c=1; path=/cut\r\n"
                             "Content-Length: 100\r\n\r\n";
    m_server.answer(head + "0123456789");
    Outputs out;
    EXPECT_EQ(web_request(m_server.url("/cut"), out.options()), bytes_from_text("0123456789"));
    EXPECT_EQ(out.raw_headers, head);
    EXPECT_EQ(out.response_cookies, "c=1");
}

TEST_F(WebRequestTest, BodyBeyondTheBoundIsCut) {
    const ScopedTransferBounds small(
        {.connect_timeout = 5s, .total_timeout = 10s, .max_body_bytes = 16});
    const std::string body(100, 'b');
    m_server.answer(ok_answer("", body));
    // A chunked body announces no length up front.
    m_server.answer("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                    "32\r\n" +
                    body.substr(0, 50) + "\r\n32\r\n" + body.substr(50) + "\r\n0\r\n\r\n");
    EXPECT_EQ(web_request(m_server.url("/big")), bytes_from_text(body.substr(0, 16)));
    EXPECT_EQ(web_request(m_server.url("/big")), bytes_from_text(body.substr(0, 16)));
}

TEST_F(WebRequestTest, HeadersBeyondTheBoundEndTheReading) {
    const ScopedTransferBounds small(
        {.connect_timeout = 5s, .total_timeout = 10s, .max_header_bytes = 1024});
    m_server.answer(
        ok_answer("X-Pad: " + std::string(4000, 'p') + "\r\nSet-Cookie: z=1\r\n", "ok"));
    Outputs out;
    EXPECT_TRUE(web_request(m_server.url("/pad"), out.options()).empty());
    EXPECT_EQ(out.raw_headers, "HTTP/1.1 200 OK\r\n");
    EXPECT_EQ(out.response_cookies, "");
}

struct UnusableCase {
    std::string name;
    std::string url;
};

TEST_F(WebRequestTest, UnusableAddressesLeaveTheOutputsUntouched) {
    const std::string port = std::to_string(m_server.port());
    const std::vector<UnusableCase> cases{
        {"empty", ""},
        {"line break", m_server.url("/a\r\nX-Injected: 1")},
        {"space in host", "http://127.0.0 .1:" + port + "/"},
        {"user name", "http://user@127.0.0.1:" + port + "/"},
        {"port zero", "http://127.0.0.1:0/"},
        {"port too high", "http://127.0.0.1:70000/"},
    };
    for (const UnusableCase& c : cases) {
        SCOPED_TRACE(c.name);
        Outputs out;
        EXPECT_TRUE(web_request(c.url, out.options(true)).empty());
        EXPECT_EQ(out.cookies, kStale);
        EXPECT_EQ(out.response_cookies, kStale);
        EXPECT_EQ(out.raw_headers, kStale);
        EXPECT_EQ(out.location_or_headers, "");
    }
    EXPECT_EQ(m_server.connections(), 0);
}

} // namespace
} // namespace velluno
