#include "net/answer_headers.h"

#include "net/header_text.h"

namespace velluno {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kLocationKey = "Location:";
constexpr std::string_view kCookieMark = "Set-Cookie";
constexpr std::string_view kCookieKey = "Set-Cookie:";
constexpr std::string_view kCookieSeparator = "; ";

// The name=value item of a Set-Cookie line: up to the first ";" after the key.
Text cookie_item(std::string_view line) {
    const std::size_t key_at = find_ignoring_case(line, kCookieKey);
    if (key_at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = line.substr(key_at + kCookieKey.size());
    return trim_spaces(rest.substr(0, rest.find(';')));
}

} // namespace

Text header_value(std::string_view line) {
    const std::size_t colon = line.find(':');
    return colon == std::string_view::npos ? Text{} : trim_spaces(line.substr(colon + 1));
}

AnswerHeaders read_answer_headers(std::string_view raw_headers) {
    AnswerHeaders headers;
    for (const std::string_view line : split_text(raw_headers, kLineBreak)) {
        if (line.find(kLocationKey) != std::string_view::npos) {
            headers.location = header_value(line);
        }
        if (line.find(kCookieMark) != std::string_view::npos) {
            headers.response_cookies += cookie_item(line);
            headers.response_cookies += kCookieSeparator;
        }
    }
    if (!headers.response_cookies.empty()) {
        headers.response_cookies.resize(headers.response_cookies.size() - kCookieSeparator.size());
    }
    return headers;
}

} // namespace velluno
