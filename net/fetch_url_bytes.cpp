#include "net/fetch_url_bytes.h"

#include "net/curl_runtime.h"
#include "net/curl_transfer.h"
#include "net/request_address.h"

#include <string>

namespace velluno {
namespace {

constexpr char kPictureAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kAcceptLine[] = "Accept: */*";

bool set_up(CURL* handle, const std::string& address, const HeaderList& headers) {
    return set_common_options(handle) && set_option(handle, CURLOPT_URL, address.c_str()) &&
           set_option(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)) &&
           set_option(handle, CURLOPT_USERAGENT, kPictureAgent) &&
           set_option(handle, CURLOPT_HTTPHEADER, headers.get()) &&
           set_option(handle, CURLOPT_FOLLOWLOCATION, 1L) && use_shared_cookie_store(handle);
}

} // namespace

Bytes fetch_url_bytes(std::string_view url) {
    if (!is_complete_web_address(url)) {
        return {};
    }
    const std::string address(url);
    HeaderList headers;
    const EasyHandle handle = make_easy_handle();
    if (!handle || !append_header(headers, kAcceptLine) ||
        !set_up(handle.get(), address, headers)) {
        return {};
    }
    TransferOutcome outcome = run_transfer(handle.get());
    // Part of a picture is of no use to a picture box.
    return outcome.code == CURLE_OK ? std::move(outcome.body) : Bytes{};
}

} // namespace velluno
