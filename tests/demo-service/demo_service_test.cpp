#include "tools/demo-service/demo_service.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <string>

namespace velluno::demo {
namespace {

constexpr auto kLoopback = "127.0.0.1";
constexpr auto kSongDetailPath = "/fcgi-bin/kg_ugc_getdetail?shareid=";

bool answers(const char* address, int port) {
    httplib::Client client(address, port);
    client.set_connection_timeout(2);
    return static_cast<bool>(client.Get("/"));
}

TEST(DemoServiceTest, ServesOnAFreeLoopbackPortUntilStopped) {
    DemoService service;
    EXPECT_EQ(service.host(), "");
    const int port = service.start();
    ASSERT_GT(port, 0);
    EXPECT_EQ(service.host(), std::string(kLoopback) + ":" + std::to_string(port));
    EXPECT_TRUE(answers(kLoopback, port));
    // 127.0.0.2 is loopback too, yet a service bound to 127.0.0.1 alone refuses it.
    EXPECT_FALSE(answers("127.0.0.2", port));

    service.stop();
    EXPECT_EQ(service.host(), "");
    EXPECT_FALSE(answers(kLoopback, port));
}

TEST(DemoServiceTest, StartFailsOnATakenPortOrAPortOutOfRange) {
    DemoService first;
    const int port = first.start();
    ASSERT_GT(port, 0);
    EXPECT_EQ(first.start(), -1) << "already listening";

    DemoService second;
    EXPECT_EQ(second.start(port), -1);
    EXPECT_EQ(second.start(-1), -1);
    EXPECT_EQ(second.start(65536), -1);
    EXPECT_EQ(second.host(), "");
    EXPECT_TRUE(answers(kLoopback, port)) << "the first service keeps its port";
}

TEST(DemoServiceTest, RestartsWithFreshPlayCounts) {
    const SampleSong& song = sample_singers().front().songs.front();
    const std::string path = kSongDetailPath + song.shareid;
    const std::string first_count = "\"play_num\":" + std::to_string(song.play_num + 1) + ",";
    DemoService service;
    const int port = service.start();
    ASSERT_GT(port, 0);
    ASSERT_TRUE(httplib::Client(kLoopback, port).Get(path));
    service.stop();

    // Another process may take the freed port meanwhile, so any free one will do.
    const int next_port = service.start();
    ASSERT_GT(next_port, 0);
    const httplib::Result result = httplib::Client(kLoopback, next_port).Get(path);
    ASSERT_TRUE(result);
    EXPECT_NE(result->body.find(first_count), std::string::npos) << result->body;
}

} // namespace
} // namespace velluno::demo
