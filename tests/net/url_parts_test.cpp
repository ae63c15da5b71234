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
};

TEST(UrlParts, SplitAddressesAsTheRequestUsesThem) {
    const std::vector<UrlCase> cases{
        // Without a scheme "http://" is assumed.
        {"example.com/u?x=1", "example.com", "example.com", 80, "/u?x=1"},
        // The host is lower-cased; the object name keeps the caller's letters.
        {"HTTP://Example.COM:8080/Path?Q=A", "example.com", "example.com:8080", 8080, "/Path?Q=A"},
        {"https://secure.example.com/a/b", "secure.example.com", "secure.example.com", 443, "/a/b"},
        {"HTTPS://Secure.Example.com:8443/", "secure.example.com", "secure.example.com:8443", 8443,
         "/"},
        {"http://example.com", "example.com", "example.com", 80, "/"},
        {"http://127.0.0.1:18653/fcgi-bin/x?a=1&b=", "127.0.0.1", "127.0.0.1:18653", 18653,
         "/fcgi-bin/x?a=1&b="},
        // Digits count up to the first other character; none give 0.
        {"http://example.com:81x/", "example.com", "example.com:81x", 81, "/"},
        {"http://example.com:/", "example.com", "example.com:", 0, "/"},
        // An address in the query does not decide the host of a scheme-less one.
        {"example.com/go?to=http://other.org/x", "example.com", "example.com", 80,
         "/go?to=http://other.org/x"},
        // Only a leading "https://" makes an address secure.
        {"httpsite.example/x", "httpsite.example", "httpsite.example", 80, "/x"},
        // A host that also occurs in the scheme is found after it.
        {"http://h/x", "h", "h", 80, "/x"},
        {"http://tp:8080/y", "tp", "tp:8080", 8080, "/y"},
    };
    for (const UrlCase& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(url_host(c.url, false), c.host);
        EXPECT_EQ(url_host(c.url, true), c.host_with_port);
        EXPECT_EQ(url_port(c.url), c.port);
        EXPECT_EQ(url_path(c.url), c.path);
    }
}

TEST(UrlParts, OnlyALeadingHttpsSchemeIsSecure) {
    EXPECT_TRUE(url_is_https("https://a/"));
    EXPECT_TRUE(url_is_https("hTTpS://a/"));
    EXPECT_FALSE(url_is_https("http://a/"));
    EXPECT_FALSE(url_is_https("httpsa/"));
    EXPECT_FALSE(url_is_https("a/?https://b/"));
}

} // namespace
} // namespace velluno
