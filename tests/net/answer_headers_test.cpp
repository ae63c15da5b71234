#include "net/answer_headers.h"
#include "net/cookie_merge.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

TEST(HeaderValue, IsTheTrimmedTextAfterTheFirstColon) {
    EXPECT_EQ(header_value("Location: http://a/b"), "http://a/b");
    EXPECT_EQ(header_value("Location:   /x y \xA1\xA1"), "/x y");
    EXPECT_EQ(header_value("A: b: c"), "b: c");
    EXPECT_EQ(header_value("no colon"), "");
    EXPECT_EQ(header_value("Empty:"), "");
}

TEST(AnswerHeaders, CollectsCookieItemsAndTheLastLocation) {
    const AnswerHeaders headers = read_answer_headers("HTTP/1.1 302 Found\r\n"
                                                      "Location: /first\r\n"
                                                      "Set-Cookie: a=1; path=/\r\n"
                                                      "Set-Cookie:  b = 2 \r\n"
                                                      "set-cookie: ignored=1\r\n"
                                                      "Location: /second\r\n"
                                                      "\r\n");
    ASSERT_TRUE(headers.location);
    EXPECT_EQ(*headers.location, "/second");
    // The mark is case-sensitive; the item runs to the first ";" or the line's end.
    EXPECT_EQ(headers.response_cookies, "a=1; b = 2");
}

TEST(AnswerHeaders, WithoutCookiesOrLocationGivesNothing) {
    const AnswerHeaders headers = read_answer_headers("HTTP/1.1 200 OK\r\nX: 1\r\n\r\n");
    EXPECT_FALSE(headers.location);
    EXPECT_EQ(headers.response_cookies, "");
    EXPECT_EQ(read_answer_headers("").response_cookies, "");
}

struct MergeCase {
    std::string cookies;
    std::string response_cookies;
    std::string merged;
    std::string rewritten_response;
};

TEST(MergeCookies, NewerAnswerCookiesWinAndDeletedOnesGo) {
    const std::vector<MergeCase> cases{
        {"a=1; b=2", "b=3; a=deleted", "b=3", "b=3;a=deleted"},
        {"a=1; b=2", "", "a=1; b=2", ""},
        {"", "x=1; y=2", "x=1; y=2", "x=1;y=2"},
        {"", "", "", ""},
        // Names compare exactly; items repeated after the merge are kept once.
        {"A=1; c=3", "a=2; c=3; c=3", "a=2; c=3; A=1", "a=2;c=3;c=3"},
        // Full-width spaces go like ASCII ones; empty items carry no cookie.
        {"a=1;\xA1\xA1;b=2", "", "a=1; b=2", ""},
        {"k; v=1", "k=deleted", "v=1", "k=deleted"},
    };
    for (MergeCase c : cases) {
        SCOPED_TRACE(c.cookies + " | " + c.response_cookies);
        merge_cookies(c.cookies, c.response_cookies);
        EXPECT_EQ(c.cookies, c.merged);
        EXPECT_EQ(c.response_cookies, c.rewritten_response);
    }
}

} // namespace
} // namespace velluno
