#include "net/header_block.h"

#include "net/header_text.h"

#include <array>

namespace velluno {
namespace {

constexpr std::string_view kDefaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; K7MWQ; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";
constexpr std::string_view kAgentKey = "User-Agent:";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kRefererKey = "Referer:";
constexpr std::string_view kRefererLine = "Referer: ";
constexpr std::string_view kCookieLine = "\r\nCookie: ";

struct DefaultLine {
    std::string_view key;
    std::string_view line;
};

// Appended in this order, each only when the caller's lines lack its key.
constexpr std::array kDefaultLines{
    DefaultLine{"Accept:", "\r\nAccept: */*"},
    DefaultLine{"Accept-Language:", "\r\nAccept-Language: zh-cn"},
    DefaultLine{"Content-Type:", "\r\nContent-Type: application/x-www-form-urlencoded"},
};

} // namespace

Text request_agent(std::string_view extra_headers) {
    const std::size_t key_at = find_ignoring_case(extra_headers, kAgentKey);
    if (key_at == std::string_view::npos) {
        return Text(kDefaultAgent);
    }
    const std::string_view rest = extra_headers.substr(key_at + kAgentKey.size());
    return trim_spaces(rest.substr(0, rest.find(kLineBreak)));
}

Text header_block(std::string_view extra_headers, std::string_view url, std::string_view cookies) {
    Text block(extra_headers);
    if (block.find(kRefererKey) == Text::npos) {
        block += block.empty() ? Text(kRefererLine) : Text(kLineBreak) + Text(kRefererLine);
        block += url;
    }
    for (const DefaultLine& line : kDefaultLines) {
        if (block.find(line.key) == Text::npos) {
            block += line.line;
        }
    }
    if (!cookies.empty()) {
        block += kCookieLine;
        block += cookies;
    }
    return block;
}

} // namespace velluno
