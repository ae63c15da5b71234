#pragma once

#include "text/text_types.h"

#include <optional>
#include <string_view>

namespace velluno {

// Everything but the address is optional. Outputs are written only when given.
struct WebRequestOptions {
    int method = 0;  // 1: POST with a body; anything else: GET
    Text body_text;  // used when body_bytes is empty
    // In/out. Supplying it, even empty, bypasses the shared cookie store: the
    // Cookie line comes from it and the answer's cookies are merged back into it.
    Text* cookies = nullptr;
    Text* response_cookies = nullptr;    // out: name=value items of Set-Cookie lines
    Text extra_headers;                  // "\r\n"-separated lines, no trailing "\r\n"
    Text* location_or_headers = nullptr; // in/out: Location value, else the raw headers
    bool no_redirect = false;
    Bytes body_bytes;
    std::optional<Text> proxy; // "host:port" of an HTTP proxy
    Text* raw_headers = nullptr; // out: status line and header lines, "\r\n"-separated
};

// One synchronous HTTP exchange; the answer's body as received, empty on failure.
Bytes web_request(std::string_view url, const WebRequestOptions& options = {});

// web_request with the address alone; the body up to its first zero byte.
Text web_get_text(std::string_view url);

} // namespace velluno
