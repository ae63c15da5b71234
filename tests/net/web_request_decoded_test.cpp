#include "net/transfer_bounds.h"
#include "net/web_request_decoded.h"
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

constexpr char kUtf8Greeting[] = "\xE4\xBD\xA0\xE5\xA5\xBD";
constexpr char kGbkGreeting[] = "\xC4\xE3\xBA\xC3";

// A body whose "utf-8" starts at the 1-based byte position `position`.
std::string body_with_marker_at(std::size_t position, std::string_view marker = "utf-8") {
    return std::string(position - 1, 'a') + std::string(marker) + kUtf8Greeting;
}

struct DecodeCase {
    std::string name;
    std::string header_lines;
    std::string body;
    std::string text;
};

TEST(WebRequestDecoded, DecodesWhenTheAnswerSaysUtf8) {
    const std::string jsonp = "jsopgetsonginfo({\"meta\":\"charset is utf-8\",\"n\":\"" +
                              std::string(kUtf8Greeting) + "\"})";
    const std::vector<DecodeCase> cases{
        {"marker at byte 40", "", jsonp,
         "jsopgetsonginfo({\"meta\":\"charset is utf-8\",\"n\":\"" + std::string(kGbkGreeting) +
             "\"})"},
        {"marker at byte 499", "", body_with_marker_at(499),
         std::string(498, 'a') + "utf-8" + kGbkGreeting},
        {"marker at byte 500", "", body_with_marker_at(500), body_with_marker_at(500)},
        // The body search is case-sensitive, the header search is not.
        {"upper-case body marker", "", body_with_marker_at(1, "UTF-8"),
         body_with_marker_at(1, "UTF-8")},
        {"charset in the headers", "Content-Type: text/html; charset=UTF-8\r\n", kUtf8Greeting,
         kGbkGreeting},
        {"zero byte", "Content-Type: text/plain; charset=utf-8\r\n",
         std::string(kUtf8Greeting) + std::string("\0tail", 5), kGbkGreeting},
        {"zero byte undecoded", "", std::string("ab\0cd", 5), "ab"},
    };
    const ScopedTransferBounds bounds({.connect_timeout = 5s, .total_timeout = 10s});
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        net_testing::RawHttpServer server;
        server.answer(ok_answer(c.header_lines, c.body));
        EXPECT_EQ(web_request_decoded(server.url("/detail")), c.text);
    }
}

TEST(WebRequestDecoded, KeepsTheCallersOutputs) {
    net_testing::RawHttpServer server;
    server.answer(ok_answer("Set-Cookie: d=1; path=/decoded\r\n", "plain"));
    Text raw_headers;
    Text response_cookies;
    WebRequestOptions options;
    options.raw_headers = &raw_headers;
    options.response_cookies = &response_cookies;
    EXPECT_EQ(web_request_decoded(server.url("/decoded"), options), "plain");
    EXPECT_EQ(response_cookies, "d=1");
    EXPECT_EQ(raw_headers.substr(0, 17), "HTTP/1.1 200 OK\r\n");
}

TEST(WebRequestDecoded, RefusedConnectionGivesEmptyText) {
    const test_support::RefusingPort refusing;
    EXPECT_EQ(web_request_decoded(refusing.url("/detail")), "");
}

} // namespace
} // namespace velluno
