#include "tests/demo-service/service_test.h"

#include "text/charset.h"
#include "text/text_between.h"

#include <nlohmann/json.hpp>

namespace velluno::demo {

namespace {

constexpr auto kLoopback = "127.0.0.1";
constexpr std::string_view kScheme = "http://";
constexpr std::string_view kHomepageStart =
    "/fcgi-bin/kg_ugc_get_homepage?jsonpCallback=callback_0&inCharset=GB2312&outCharset=utf-8"
    "&g_tk=5381&g_tk_openkey=5381&type=get_uinfo&start=";
constexpr std::string_view kHomepageMiddle = "&num=8&touin=&share_uid=";
constexpr std::string_view kHomepageEnd = "&_=1700000000000";
constexpr std::string_view kSongDetailStart =
    "/fcgi-bin/kg_ugc_getdetail?rnd=&g_tk=&callback=jsopgetsonginfo&shareid=";

} // namespace

void ServiceTest::SetUp() {
    const int port = m_service.start();
    ASSERT_GT(port, 0);
    m_host = m_service.host();
    m_client = std::make_unique<httplib::Client>(kLoopback, port);
}

httplib::Result ServiceTest::get(const std::string& path) {
    return m_client->Get(path);
}

std::string ServiceTest::body_of(const std::string& path) {
    const httplib::Result result = get(path);
    return result ? result->body : std::string();
}

std::string ServiceTest::path_of(std::string_view address) const {
    const std::string prefix = std::string(kScheme) + m_host;
    EXPECT_TRUE(address.starts_with(prefix)) << address;
    return std::string(address.substr(std::min(prefix.size(), address.size())));
}

std::string homepage_path(std::string_view uid, int page) {
    return std::string(kHomepageStart) + std::to_string(page) + std::string(kHomepageMiddle) +
           std::string(uid) + std::string(kHomepageEnd);
}

std::string song_detail_path(std::string_view shareid) {
    return std::string(kSongDetailStart) + std::string(shareid);
}

Text unwrapped_homepage(const std::string& body) {
    const Text local = text_from_bytes(recode_bytes(bytes_from_text(body), "UTF-8", "GB18030"));
    return text_between(local + "callback;", "callback_0(", ")callback");
}

Text json_text_as_local(std::string_view json_text) {
    const nlohmann::json value = nlohmann::json::parse("\"" + std::string(json_text) + "\"");
    return utf8_to_local(value.get<std::string>());
}

} // namespace velluno::demo
