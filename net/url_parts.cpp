#include "net/url_parts.h"

#include "net/header_text.h"
#include "text/text_between.h"

namespace velluno {
namespace {

constexpr std::string_view kHttpMarker = "http://";
constexpr std::string_view kHttpsMarker = "https://";
constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
// Digits beyond this cannot name a port; stopping here keeps the value in range.
constexpr int kPortValueCeiling = 100000;

std::size_t scheme_length(std::string_view url) {
    if (starts_with_ignoring_case(url, kHttpsMarker)) {
        return kHttpsMarker.size();
    }
    return starts_with_ignoring_case(url, kHttpMarker) ? kHttpMarker.size() : 0;
}

int leading_number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || value >= kPortValueCeiling) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

bool url_is_https(std::string_view url) {
    return starts_with_ignoring_case(url, kHttpsMarker);
}

Text url_host(std::string_view url, bool keep_port) {
    Text text = ascii_lower(url);
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    std::string_view marker = kHttpsMarker;
    if (!text.starts_with(kHttpsMarker)) {
        marker = kHttpMarker;
        if (!text.starts_with(kHttpMarker)) {
            text.insert(0, kHttpMarker);
        }
    }
    Text authority = text_between(text, marker, "/");
    if (!keep_port) {
        authority = authority.substr(0, authority.find(':'));
    }
    return authority;
}

int url_port(std::string_view url) {
    const Text authority = url_host(url, true);
    const std::size_t colon = authority.rfind(':');
    if (colon == Text::npos) {
        return url_is_https(url) ? kHttpsPort : kHttpPort;
    }
    return leading_number(std::string_view(authority).substr(colon + 1));
}

Text url_path(std::string_view url) {
    // The host is looked for after the scheme, so that a short host such as
    // "h" is not found inside "http://".
    const std::size_t after_scheme = scheme_length(url);
    const std::size_t host_at = find_ignoring_case(url, url_host(url, false), after_scheme);
    const std::size_t slash =
        url.find('/', host_at == std::string_view::npos ? after_scheme : host_at);
    return slash == std::string_view::npos ? Text("/") : Text(url.substr(slash));
}

} // namespace velluno
