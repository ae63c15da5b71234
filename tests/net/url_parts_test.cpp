#include "net/url_parts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace velluno {
namespace {

struct UrlCase {
    std::string url;
    std::string host;
    std::string host_with_port;
    int port;
    std::string path;
    bool https;
};

TEST(UrlParts, SplitAddressesAsTheRequestUsesThem) {
    const std::vector<UrlCase> cases{
        // Without a scheme "http://" is assumed.
        {"example.com/u?x=1", "example.com", "example.com", 80, "/u?x=1", false},
        // The host is lower-cased; the object name keeps the caller's letters.
        {"HTTP://Example.COM:8080/Path?Q=A", "example.com", "example.com:8080", 8080, "/Path?Q=A",
         false},
        {"https://secure.example.com/a/b", "secure.example.com", "secure.example.com", 443, "/a/b",
         true},
        {"hTTpS://Secure.Example.com:8443/", "secure.example.com", "secure.example.com:8443", 8443,
         "/", true},
        {"http://example.com", "example.com", "example.com", 80, "/", false},
        {"http://127.0.0.1:18653/fcgi-bin/x?a=1&b=", "127.0.0.1", "127.0.0.1:18653", 18653,
         "/fcgi-bin/x?a=1&b=", false},
        // Digits count up to the first other character; none give 0.
        {"http://example.com:81x/", "example.com", "example.com:81x", 81, "/", false},
        {"http://example.com:/", "example.com", "example.com:", 0, "/", false},
        // An address in the query decides neither the host nor the scheme of a
        // scheme-less one.
        {"example.com/go?to=https://other.org/x", "example.com", "example.com", 80,
         "/go?to=https://other.org/x", false},
        // Only a leading "https://" makes an address secure.
        {"httpsite.example/x", "httpsite.example", "httpsite.example", 80, "/x", false},
        // A host that also occurs in the scheme is found after it.
        {"http://h/x", "h", "h", 80, "/x", false},
        {"http://tp:8080/y", "tp", "tp:8080", 8080, "/y", false},
    };
    for (const UrlCase& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(url_host(c.url, false), c.host);
        EXPECT_EQ(url_host(c.url, true), c.host_with_port);
        EXPECT_EQ(url_port(c.url), c.port);
        EXPECT_EQ(url_path(c.url), c.path);
        EXPECT_EQ(url_is_https(c.url), c.https);
    }
}

} // namespace
} // namespace velluno
