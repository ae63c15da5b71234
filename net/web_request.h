#pragma once

#include "text/text_types.h"

#include <optional>
#include <string_view>

namespace velluno {

// Everything but the address is optional. Outputs are written only when given.
struct WebRequestOptions {
    // 0: GET without a body; 1: POST with the body; any other: the body under GET.
    int method = 0;
    Text body_text; // used when body_bytes is empty
    // In/out. Supplying it, even empty, bypasses the shared cookie store: the
    // Cookie line comes from it and the answer's cookies are merged back into it.
    Text* cookies = nullptr;
    Text* response_cookies = nullptr;    // out: name=value items of Set-Cookie lines
    Text extra_headers;                  // "\r\n"-separated lines, no trailing "\r\n"
    Text* location_or_headers = nullptr; // in/out: Location value, else the raw headers
    bool no_redirect = false;
    Bytes body_bytes;
    // "host:port" of a proxy for "http://" addresses; "https://" ones go direct.
    std::optional<Text> proxy;
    // Out: the last answer's status line and header lines, each ending in
    // "\r\n", then the empty line; empty when no answer came.
    Text* raw_headers = nullptr;
};

// One synchronous HTTP exchange: the answer's body as received, or as far as
// it came before a failure, a time-out or a size bound. An address that
// cannot be requested gives empty Bytes and leaves the outputs untouched.
Bytes web_request(std::string_view url, const WebRequestOptions& options = {});

// web_request with the address alone; the body up to its first zero byte.
Text web_get_text(std::string_view url);

} // namespace velluno
