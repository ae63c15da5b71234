#include "net/curl_transfer.h"

#include "net/transfer_bounds.h"

#include <algorithm>
#include <string_view>

namespace velluno {
namespace {

constexpr char kAllowedProtocols[] = "http,https";
constexpr long kMaxRedirects = 10;
constexpr char kNoProxy[] = "";
constexpr std::string_view kStatusLineStart = "HTTP/";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view without_line_end(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// Collects the answer that ends the exchange.
class AnswerSink final {
public:
    explicit AnswerSink(const TransferBounds& bounds) : m_bounds(bounds) {}

    // libcurl hands over one header line at a time, the status line first.
    // Each is kept ending in CR LF, also when the server ends it with a bare LF,
    // so that the headers always split into their lines.
    std::size_t take_header_line(std::string_view line) {
        const std::string_view content = without_line_end(line);
        if (m_headers_closed && content.starts_with(kStatusLineStart)) {
            m_outcome.raw_headers.clear();
            m_outcome.body.clear();
            m_headers_closed = false;
        }
        if (m_outcome.raw_headers.size() + content.size() + kLineEnd.size() >
            m_bounds.max_header_bytes) {
            return 0;
        }
        m_outcome.raw_headers.append(content).append(kLineEnd);
        m_headers_closed = content.empty();
        return line.size();
    }

    // Taking fewer bytes than offered makes libcurl stop with a write error.
    std::size_t take_body(const char* data, std::size_t size) {
        const std::size_t room = m_bounds.max_body_bytes - m_outcome.body.size();
        const std::size_t taken = std::min(room, size);
        m_outcome.body.insert(m_outcome.body.end(), data, data + taken);
        return taken;
    }

    TransferOutcome finish(CURLcode code) {
        m_outcome.code = code;
        return std::move(m_outcome);
    }

private:
    TransferBounds m_bounds;
    TransferOutcome m_outcome;
    bool m_headers_closed = true;
};

// libcurl always passes items of one byte, so `count` is the length in bytes.
std::size_t on_header(char* data, std::size_t, std::size_t count, void* sink) noexcept {
    try {
        return static_cast<AnswerSink*>(sink)->take_header_line(std::string_view(data, count));
    } catch (...) {
        return 0;
    }
}

std::size_t on_body(char* data, std::size_t, std::size_t count, void* sink) noexcept {
    try {
        return static_cast<AnswerSink*>(sink)->take_body(data, count);
    } catch (...) {
        return 0;
    }
}

bool collect_into(CURL* handle, AnswerSink& sink, const TransferBounds& bounds) {
    return set_option(handle, CURLOPT_HEADERFUNCTION, &on_header) &&
           set_option(handle, CURLOPT_HEADERDATA, &sink) &&
           set_option(handle, CURLOPT_WRITEFUNCTION, &on_body) &&
           set_option(handle, CURLOPT_WRITEDATA, &sink) &&
           set_option(handle, CURLOPT_CONNECTTIMEOUT_MS,
                      static_cast<long>(bounds.connect_timeout.count())) &&
           set_option(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(bounds.total_timeout.count()));
}

} // namespace

bool set_common_options(CURL* handle) {
    return set_option(handle, CURLOPT_NOSIGNAL, 1L) &&
           set_option(handle, CURLOPT_PROTOCOLS_STR, kAllowedProtocols) &&
           set_option(handle, CURLOPT_REDIR_PROTOCOLS_STR, kAllowedProtocols) &&
           set_option(handle, CURLOPT_MAXREDIRS, kMaxRedirects) &&
           set_option(handle, CURLOPT_SSL_VERIFYPEER, 1L) &&
           set_option(handle, CURLOPT_SSL_VERIFYHOST, 2L) &&
           set_option(handle, CURLOPT_PROXY, kNoProxy) &&
           set_option(handle, CURLOPT_DISALLOW_USERNAME_IN_URL, 1L);
}

TransferOutcome run_transfer(CURL* handle) {
    const TransferBounds bounds = transfer_bounds();
    AnswerSink sink(bounds);
    if (!collect_into(handle, sink, bounds)) {
        return sink.finish(CURLE_FAILED_INIT);
    }
    return sink.finish(curl_easy_perform(handle));
}

} // namespace velluno
