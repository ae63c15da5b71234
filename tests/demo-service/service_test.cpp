#include "tests/demo-service/service_test.h"

#include "app/homepage_answer.h"
#include "net/service_endpoints.h"
#include "text/charset.h"

#include <nlohmann/json.hpp>

namespace velluno::demo {

namespace {

constexpr auto kLoopback = "127.0.0.1";
constexpr std::string_view kScheme = "http://";
constexpr std::string_view kTimeStamp = "1700000000000";
// Any host will do: only the path and query of the program's addresses are sent.
constexpr auto kAnyHost = "service";

std::string path_after_host(std::string_view address) {
    return std::string(address.substr(kScheme.size() + std::string_view(kAnyHost).size()));
}

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
    return path_after_host(
        homepage_page_url(ServiceHosts{kAnyHost, kAnyHost}, page, uid, kTimeStamp));
}

std::string song_detail_path(std::string_view shareid) {
    return path_after_host(song_detail_url(ServiceHosts{kAnyHost, kAnyHost}, shareid));
}

Text unwrapped_homepage(const std::string& body) {
    return unwrap_homepage_answer(bytes_from_text(body));
}

Text json_text_as_local(std::string_view json_text) {
    const nlohmann::json value = nlohmann::json::parse("\"" + std::string(json_text) + "\"");
    return utf8_to_local(value.get<std::string>());
}

} // namespace velluno::demo
