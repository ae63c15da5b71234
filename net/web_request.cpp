#include "net/web_request.h"

#include "net/answer_headers.h"
#include "net/cookie_merge.h"
#include "net/curl_header_list.h"
#include "net/curl_runtime.h"
#include "net/curl_transfer.h"
#include "net/header_block.h"
#include "net/request_address.h"
#include "net/url_parts.h"

namespace velluno {
namespace {

constexpr int kPostMethod = 1;
constexpr char kGetVerb[] = "GET";
constexpr char kEmptyBody[] = "";
constexpr std::string_view kProxyScheme = "http://";

// Everything a request needs, made before libcurl sees it. The header list
// must outlive the exchange; libcurl copies the rest.
struct PreparedRequest {
    std::string address;
    HeaderList headers;
    Text agent;
    Bytes body;
    std::optional<std::string> proxy;
};

Bytes request_body(const WebRequestOptions& options) {
    return options.body_bytes.empty() ? bytes_from_text(options.body_text) : options.body_bytes;
}

// A proxy carries plain HTTP only, as a "http=" proxy list does.
std::optional<std::string> proxy_for(std::string_view url, const WebRequestOptions& options) {
    if (!options.proxy || url_is_https(url)) {
        return std::nullopt;
    }
    return std::string(kProxyScheme) + *options.proxy;
}

std::optional<PreparedRequest> prepare(std::string_view url, const WebRequestOptions& options) {
    std::optional<std::string> address = request_address(url);
    if (!address) {
        return std::nullopt;
    }
    const Text cookies = options.cookies != nullptr ? *options.cookies : Text{};
    std::optional<std::string> proxy = proxy_for(url, options);
    std::optional<HeaderList> headers =
        curl_header_list(header_block(options.extra_headers, url, cookies), proxy.has_value());
    if (!headers) {
        return std::nullopt;
    }
    return PreparedRequest{std::move(*address), std::move(*headers),
                           request_agent(options.extra_headers), request_body(options),
                           std::move(proxy)};
}

// libcurl reads a null body from its read callback, so an empty one is "".
const char* body_data(const Bytes& body) {
    return body.empty() ? kEmptyBody : reinterpret_cast<const char*>(body.data());
}

bool set_body(CURL* handle, const PreparedRequest& request, int method) {
    if (method == 0) {
        return true;
    }
    // Any other method sends its body too, under the verb GET.
    const bool verb_set =
        method == kPostMethod || set_option(handle, CURLOPT_CUSTOMREQUEST, kGetVerb);
    return verb_set && set_option(handle, CURLOPT_POST, 1L) &&
           set_option(handle, CURLOPT_POSTFIELDSIZE_LARGE,
                      static_cast<curl_off_t>(request.body.size())) &&
           set_option(handle, CURLOPT_COPYPOSTFIELDS, body_data(request.body));
}

// Without cookies of its own, a request shares the process's cookie store.
bool set_cookie_handling(CURL* handle, const WebRequestOptions& options) {
    return options.cookies != nullptr || use_shared_cookie_store(handle);
}

bool set_up(CURL* handle, const PreparedRequest& request, const WebRequestOptions& options) {
    return set_common_options(handle) && set_option(handle, CURLOPT_URL, request.address.c_str()) &&
           set_option(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1)) &&
           set_option(handle, CURLOPT_PATH_AS_IS, 1L) &&
           set_option(handle, CURLOPT_USERAGENT, request.agent.c_str()) &&
           set_option(handle, CURLOPT_HTTPHEADER, request.headers.get()) &&
           set_option(handle, CURLOPT_HEADEROPT, static_cast<long>(CURLHEADER_SEPARATE)) &&
           set_option(handle, CURLOPT_FOLLOWLOCATION, options.no_redirect ? 0L : 1L) &&
           (!request.proxy || set_option(handle, CURLOPT_PROXY, request.proxy->c_str())) &&
           set_option(handle, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) &&
           set_cookie_handling(handle, options) && set_body(handle, request, options.method);
}

void hand_back_headers(const Text& raw_headers, const WebRequestOptions& options) {
    AnswerHeaders answer = read_answer_headers(raw_headers);
    if (options.cookies != nullptr) {
        merge_cookies(*options.cookies, answer.response_cookies);
    }
    if (options.response_cookies != nullptr) {
        *options.response_cookies = answer.response_cookies;
    }
    if (options.location_or_headers != nullptr) {
        if (answer.location) {
            *options.location_or_headers = *answer.location;
        }
        if (options.location_or_headers->empty()) {
            *options.location_or_headers = raw_headers;
        }
    }
    if (options.raw_headers != nullptr) {
        *options.raw_headers = raw_headers;
    }
}

} // namespace

Bytes web_request(std::string_view url, const WebRequestOptions& options) {
    const std::optional<PreparedRequest> request = prepare(url, options);
    if (!request) {
        return {};
    }
    const EasyHandle handle = make_easy_handle();
    if (!handle || !set_up(handle.get(), *request, options)) {
        return {};
    }
    TransferOutcome outcome = run_transfer(handle.get());
    hand_back_headers(outcome.raw_headers, options);
    return std::move(outcome.body);
}

Text web_get_text(std::string_view url) {
    return text_from_bytes(web_request(url));
}

} // namespace velluno
