#pragma once

#include <memory>
#include <string>
#include <vector>

namespace velluno::demo {

// Sample data the service answers with. Texts are UTF-8 exactly as they stand
// in the service's JSON answers (JSON escapes such as \" or \n included).
struct SampleComment {
    std::string uid;
    std::string nick;
    std::string content;
};

struct SampleSong {
    std::string shareid;
    std::string title;
    std::string introduction;
    std::vector<SampleComment> comments;
};

struct SampleSinger {
    std::string uid;
    std::string nickname;
    int age = 0;
    int level = 0;
    std::string level_name;
    int followers = 0;
    int following = 0;
    std::vector<SampleSong> songs;
};

const std::vector<SampleSinger>& sample_singers();

// The stand-in karaoke service: serves the CGI and the web host on 127.0.0.1
// from a background thread until stopped or destroyed.
class DemoService final {
public:
    DemoService();
    ~DemoService();
    DemoService(const DemoService&) = delete;
    DemoService& operator=(const DemoService&) = delete;

    // Listens on `port` (0: any free port); returns the bound port, or -1.
    int start(int port = 0);
    void stop();
    // "127.0.0.1:<port>" once started.
    std::string host() const;

private:
    struct Server;
    std::unique_ptr<Server> m_server;
};

} // namespace velluno::demo
