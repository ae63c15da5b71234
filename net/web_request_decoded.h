#pragma once

#include "net/web_request.h"

namespace velluno {

// web_request whose body is re-encoded from UTF-8 to local text when the
// answer says it is UTF-8; the result ends before the first zero byte.
Text web_request_decoded(std::string_view url, const WebRequestOptions& options = {});

} // namespace velluno
