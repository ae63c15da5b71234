#include "net/service_endpoints.h"

#include <string>

namespace velluno {
namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kHomepagePath =
    "/fcgi-bin/kg_ugc_get_homepage?jsonpCallback=callback_0&inCharset=GB2312&outCharset=utf-8"
    "&g_tk=5381&g_tk_openkey=5381&type=get_uinfo&start=";
constexpr std::string_view kHomepageCount = "&num=8&touin=&share_uid=";
constexpr std::string_view kHomepageStamp = "&_=";
constexpr std::string_view kSongDetailPath =
    "/fcgi-bin/kg_ugc_getdetail?rnd=&g_tk=&callback=jsopgetsonginfo&shareid=";
constexpr std::string_view kSharePagePath = "/play.html?s=";

} // namespace

Text homepage_page_url(const ServiceHosts& hosts, int page, std::string_view uid,
                       std::string_view time_stamp) {
    Text url(kScheme);
    url += hosts.cgi_host;
    url += kHomepagePath;
    url += std::to_string(page);
    url += kHomepageCount;
    url += uid;
    url += kHomepageStamp;
    url += time_stamp;
    return url;
}

Text song_detail_url(const ServiceHosts& hosts, std::string_view shareid) {
    Text url(kScheme);
    url += hosts.cgi_host;
    url += kSongDetailPath;
    url += shareid;
    return url;
}

Text share_page_prefix(const ServiceHosts& hosts) {
    Text prefix(kScheme);
    prefix += hosts.web_host;
    prefix += kSharePagePath;
    return prefix;
}

Text share_link(const ServiceHosts& hosts, std::string_view shareid) {
    return share_page_prefix(hosts) + Text(shareid);
}

} // namespace velluno
