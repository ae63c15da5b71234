#pragma once

#include "text/text_types.h"

#include <string_view>

namespace velluno {

// A plain HTTP/1.0 GET for pictures; the body, or empty Bytes on any failure.
Bytes fetch_url_bytes(std::string_view url);

} // namespace velluno
