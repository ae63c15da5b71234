#pragma once

#include "text/text_types.h"
#include "tools/demo-service/demo_service.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <memory>
#include <string>
#include <string_view>

namespace velluno::demo {

// Each test gets a service of its own on a free port, so play counts start
// from the sample counts, and a client for it.
class ServiceTest : public ::testing::Test {
protected:
    void SetUp() override;

    httplib::Result get(const std::string& path);
    // The body of a GET of `path`; empty when the request fails.
    std::string body_of(const std::string& path);
    // The path and query of `address`, which must name this service.
    std::string path_of(std::string_view address) const;

    DemoService m_service;
    std::string m_host;
    std::unique_ptr<httplib::Client> m_client;
};

// The request paths exactly as the program builds them.
std::string homepage_path(std::string_view uid, int page);
std::string song_detail_path(std::string_view shareid);

// A homepage answer unwrapped by the program itself: recoded from UTF-8 to
// GB18030 and cut out of "callback_0(" ... ")".
Text unwrapped_homepage(const std::string& body);

// The local text that a JSON string body stands for (escapes resolved).
Text json_text_as_local(std::string_view json_text);

} // namespace velluno::demo
