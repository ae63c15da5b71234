#pragma once

#include "text/text_types.h"

#include <string_view>

namespace velluno {

// The agent a request announces: the value of the caller's "User-Agent:" line
// (found in any letter case), else the default browser-like agent.
Text request_agent(std::string_view extra_headers);

// The request's header lines, "\r\n"-separated without a trailing "\r\n": the
// caller's lines, then each default line whose key (searched case-sensitively
// anywhere in the lines) is still missing, then the Cookie line when `cookies`
// is not empty. The Referer carries `url` exactly as the caller wrote it.
Text header_block(std::string_view extra_headers, std::string_view url, std::string_view cookies);

} // namespace velluno
