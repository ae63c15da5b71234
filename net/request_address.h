#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velluno {

// The address handed to libcurl for `url`: the scheme ("https" only for
// addresses that begin with it), url_host, url_port and url_path, with each
// space and each byte of 0x80 and above in the object name percent-encoded.
// None when these parts do not make an address that reads back as the same
// host and port, or when `url` holds control bytes, which could otherwise
// break the request's lines.
std::optional<std::string> request_address(std::string_view url);

// Whether `url` is a complete "http://" or "https://" address in libcurl's
// own reading, with no scheme guessed and no user name.
bool is_complete_web_address(std::string_view url);

} // namespace velluno
