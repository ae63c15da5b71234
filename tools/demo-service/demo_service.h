#pragma once

#include "tools/demo-service/sample_singers.h"

#include <memory>
#include <string>

namespace velluno::demo {

// The stand-in karaoke service: serves the CGI and the web host on 127.0.0.1
// from a background thread until stopped or destroyed. Each started service
// counts plays afresh from the sample counts.
class DemoService final {
public:
    DemoService();
    ~DemoService();
    DemoService(const DemoService&) = delete;
    DemoService& operator=(const DemoService&) = delete;

    // Listens on `port` (0: any free port); returns the bound port, or -1 when
    // the port is taken or out of range or the service is already listening.
    int start(int port = 0);
    // Waits for the requests in progress; a stopped service may be started again.
    void stop();
    // "127.0.0.1:<port>" while started, empty text otherwise.
    std::string host() const;

private:
    struct Server;
    std::unique_ptr<Server> m_server;
};

} // namespace velluno::demo
