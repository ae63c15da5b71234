// velluno-demo-service [--port N]: the stand-in karaoke service on 127.0.0.1
// until Ctrl-C (SIGINT) or SIGTERM.
#include "tools/demo-service/demo_service.h"

#include <charconv>
#include <csignal>
#include <iostream>
#include <optional>
#include <pthread.h>
#include <string_view>

namespace {

constexpr int kDefaultPort = 18653;
constexpr int kHighestPort = 65535;
constexpr std::string_view kPortOption = "--port";
constexpr std::string_view kProgramName = "velluno-demo-service";
constexpr std::string_view kUsage = "usage: velluno-demo-service [--port N]\n";
// Any address works as long as the uid stands last: the program takes
// everything after "uid=" up to the end of the line.
constexpr std::string_view kHomepageAddressPath = "/personal?uid=";

std::optional<int> port_from(std::string_view text) {
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 0 ||
        port > kHighestPort) {
        return std::nullopt;
    }
    return port;
}

std::optional<int> port_from_arguments(int argc, char* argv[]) {
    if (argc == 1) {
        return kDefaultPort;
    }
    if (argc == 3 && argv[1] == kPortOption) {
        return port_from(argv[2]);
    }
    return std::nullopt;
}

void print_addresses(const std::string& host) {
    std::cout << "Stand-in karaoke service on http://" << host << " (Ctrl-C stops it).\n"
              << "Paste one of these homepage addresses into Velluno:\n";
    for (const velluno::demo::SampleSinger& singer : velluno::demo::sample_singers()) {
        std::cout << "  " << singer.songs.size() << " songs, " << singer.nickname << ": http://"
                  << host << kHomepageAddressPath << singer.uid << "\n";
    }
    std::cout.flush();
}

sigset_t stop_signals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<int> port = port_from_arguments(argc, argv);
    if (!port) {
        std::cerr << kUsage;
        return 2;
    }
    // Blocked before the service starts its threads, so they all inherit the
    // mask and the signals wait for sigwait below instead of a handler.
    const sigset_t signals = stop_signals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    // A browser that drops a connection mid-answer must not end the service.
    std::signal(SIGPIPE, SIG_IGN);

    velluno::demo::DemoService service;
    if (service.start(*port) < 0) {
        std::cerr << kProgramName << ": cannot listen on 127.0.0.1:" << *port << "\n";
        return 1;
    }
    print_addresses(service.host());
    int received = 0;
    sigwait(&signals, &received);
    service.stop();
    return 0;
}
