#include "net/header_block.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

constexpr char kUrl[] = "http://example.com/u?x=1";
constexpr char kDefaultAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; K7MWQ; .NET "
                                 "CLR 2.0.50727; .NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

struct BlockCase {
    std::string name;
    std::string extra_headers;
    std::string cookies;
    std::string block;
};

TEST(HeaderBlock, AppendsEachMissingDefaultLineInOrder) {
    const std::string referer = std::string("Referer: ") + kUrl;
    const std::string tail = "\r\nAccept-Language: zh-cn"
                             "\r\nContent-Type: application/x-www-form-urlencoded";
    const std::vector<BlockCase> cases{
        {"defaults", "", "", referer + "\r\nAccept: */*" + tail},
        {"accept given", "Accept: text/html", "", "Accept: text/html\r\n" + referer + tail},
        // The key tests are case-sensitive, so a lower-case line keeps the default.
        {"lower-case accept", "accept: text/html", "",
         "accept: text/html\r\n" + referer + "\r\nAccept: */*" + tail},
        {"agent given", "User-Agent: Probe/1.0", "",
         "User-Agent: Probe/1.0\r\n" + referer + "\r\nAccept: */*" + tail},
        {"referer given", "Referer: http://elsewhere/", "",
         "Referer: http://elsewhere/\r\nAccept: */*" + tail},
        {"all given", "Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: c", "",
         "Referer: r\r\nAccept: a\r\nAccept-Language: l\r\nContent-Type: c"},
        {"cookies last", "", "a=1; b=2",
         referer + "\r\nAccept: */*" + tail + "\r\nCookie: a=1; b=2"},
    };
    for (const BlockCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(header_block(c.extra_headers, kUrl, c.cookies), c.block);
    }
}

TEST(HeaderBlock, RefererCarriesTheAddressAsWritten) {
    EXPECT_EQ(header_block("", "Example.COM/u?x=1", "").substr(0, 28),
              "Referer: Example.COM/u?x=1\r\n");
}

TEST(RequestAgent, TakesTheCallersAgentLineInAnyCase) {
    EXPECT_EQ(request_agent(""), kDefaultAgent);
    EXPECT_EQ(request_agent("Accept: text/html"), kDefaultAgent);
    EXPECT_EQ(request_agent("User-Agent: Probe/1.0"), "Probe/1.0");
    EXPECT_EQ(request_agent("X-A: 1\r\nuser-agent:  Probe/2.0 \xA1\xA1\r\nX-B: 2"), "Probe/2.0");
}

} // namespace
} // namespace velluno
