#pragma once

#include "text/text_types.h"

#include <string_view>

namespace velluno {

// The parts of an address that a request needs. An address may leave out its
// scheme ("http://" is then assumed); the scheme counts only at the start.

// Whether the address begins with "https://", in any letter case.
bool url_is_https(std::string_view url);

// The host in lower case; with `keep_port`, followed by ":" and the port when
// the address names one.
Text url_host(std::string_view url, bool keep_port);

// The port the address names (the digits after the last ":" of the host part,
// 0 when there are none), else 443 for "https://" addresses and 80 otherwise.
int url_port(std::string_view url);

// The object name: path and query as written, "/" when nothing follows the host.
Text url_path(std::string_view url);

} // namespace velluno
