#include "net/service_endpoints.h"

#include <gtest/gtest.h>

namespace velluno {
namespace {

const ServiceHosts kHosts{"cgi.example:8080", "web.example"};

TEST(ServiceEndpoints, HomepagePageAddressKeepsItsKeysInOrder) {
    EXPECT_EQ(homepage_page_url(kHosts, 1, "u1d", "1700000000000"),
              "http://cgi.example:8080/fcgi-bin/kg_ugc_get_homepage?jsonpCallback=callback_0"
              "&inCharset=GB2312&outCharset=utf-8&g_tk=5381&g_tk_openkey=5381&type=get_uinfo"
              "&start=1&num=8&touin=&share_uid=u1d&_=1700000000000");
    EXPECT_EQ(homepage_page_url(kHosts, 12, "a b&c", "5"),
              "http://cgi.example:8080/fcgi-bin/kg_ugc_get_homepage?jsonpCallback=callback_0"
              "&inCharset=GB2312&outCharset=utf-8&g_tk=5381&g_tk_openkey=5381&type=get_uinfo"
              "&start=12&num=8&touin=&share_uid=a b&c&_=5");
}

TEST(ServiceEndpoints, SongDetailAndShareAddresses) {
    EXPECT_EQ(song_detail_url(kHosts, "Sh4re_id"),
              "http://cgi.example:8080/fcgi-bin/kg_ugc_getdetail?rnd=&g_tk=&callback="
              "jsopgetsonginfo&shareid=Sh4re_id");
    EXPECT_EQ(share_page_prefix(kHosts), "http://web.example/play.html?s=");
    EXPECT_EQ(share_link(kHosts, "Sh4re_id"), "http://web.example/play.html?s=Sh4re_id");
}

} // namespace
} // namespace velluno
