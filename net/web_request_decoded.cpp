#include "net/web_request_decoded.h"

#include "net/header_text.h"
#include "text/charset.h"

#include <algorithm>

namespace velluno {
namespace {

constexpr std::string_view kUtf8Marker = "utf-8";
// The body's marker counts only when it starts at a 1-based position below this.
constexpr std::size_t kBodyMarkerLimit = 500;

bool answer_is_utf8(const Bytes& body, std::string_view raw_headers) {
    const auto found =
        std::search(body.begin(), body.end(), kUtf8Marker.begin(), kUtf8Marker.end());
    const auto position = static_cast<std::size_t>(found - body.begin()) + 1;
    if (found != body.end() && position < kBodyMarkerLimit) {
        return true;
    }
    return contains_ignoring_case(raw_headers, kUtf8Marker);
}

} // namespace

Text web_request_decoded(std::string_view url, const WebRequestOptions& options) {
    Text own_raw_headers;
    WebRequestOptions with_headers = options;
    if (with_headers.raw_headers == nullptr) {
        with_headers.raw_headers = &own_raw_headers;
    }
    const Bytes body = web_request(url, with_headers);
    if (!answer_is_utf8(body, *with_headers.raw_headers)) {
        return text_from_bytes(body);
    }
    return text_from_bytes(convert_charset(body));
}

} // namespace velluno
