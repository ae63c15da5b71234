#include "net/request_address.h"

#include "net/curl_runtime.h"
#include "net/url_parts.h"

#include <algorithm>

namespace velluno {
namespace {

constexpr std::string_view kHttpScheme = "http";
constexpr std::string_view kHttpsScheme = "https";
constexpr std::string_view kSchemeSeparator = "://";
constexpr int kHighestPort = 65535;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool has_control_bytes(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string percent_encoded(std::string_view object_name) {
    std::string encoded;
    for (const char c : object_name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == ' ' || byte >= 0x80) {
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0x0F];
        } else {
            encoded += c;
        }
    }
    return encoded;
}

// libcurl's reading of an address, or null when it refuses it.
UrlHandle parsed(const std::string& address) {
    UrlHandle url(curl_url());
    const unsigned int flags = CURLU_DISALLOW_USER | CURLU_PATH_AS_IS;
    if (!url || curl_url_set(url.get(), CURLUPART_URL, address.c_str(), flags) != CURLUE_OK) {
        return nullptr;
    }
    return url;
}

std::optional<std::string> part(CURLU* url, CURLUPart which, unsigned int flags = 0) {
    char* text = nullptr;
    if (curl_url_get(url, which, &text, flags) != CURLUE_OK) {
        return std::nullopt;
    }
    std::string value(text);
    curl_free(text);
    return value;
}

} // namespace

std::optional<std::string> request_address(std::string_view url) {
    if (has_control_bytes(url)) {
        return std::nullopt;
    }
    const std::string host = url_host(url, false);
    const int port = url_port(url);
    if (host.empty() || port < 1 || port > kHighestPort) {
        return std::nullopt;
    }
    const std::string scheme(url_is_https(url) ? kHttpsScheme : kHttpScheme);
    const std::string address = scheme + std::string(kSchemeSeparator) + host + ":" +
                                std::to_string(port) + percent_encoded(url_path(url));
    const UrlHandle read_back = parsed(address);
    if (!read_back || part(read_back.get(), CURLUPART_HOST) != host ||
        part(read_back.get(), CURLUPART_PORT, CURLU_DEFAULT_PORT) != std::to_string(port)) {
        return std::nullopt;
    }
    return address;
}

bool is_complete_web_address(std::string_view url) {
    if (url.find('\0') != std::string_view::npos) {
        return false;
    }
    const UrlHandle read = parsed(std::string(url));
    if (!read) {
        return false;
    }
    const std::optional<std::string> scheme = part(read.get(), CURLUPART_SCHEME);
    return scheme == kHttpScheme || scheme == kHttpsScheme;
}

} // namespace velluno
