#pragma once

#include "net/curl_runtime.h"

#include <optional>
#include <string_view>

namespace velluno {

// The header block as libcurl's header list, so that the wire carries its lines
// in order and as written. Lines without a ":" are no header lines and are
// left out. libcurl's own Accept, Expect and Content-Type lines (and
// Proxy-Connection when `through_proxy`) are switched off where the block
// names none of its own. None when memory runs out.
std::optional<HeaderList> curl_header_list(std::string_view block, bool through_proxy);

} // namespace velluno
