#pragma once

#include <curl/curl.h>
#include <memory>
#include <string>

namespace velluno {

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using EasyHandle = std::unique_ptr<CURL, EasyHandleDeleter>;

struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, HeaderListDeleter>;

struct UrlHandleDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using UrlHandle = std::unique_ptr<CURLU, UrlHandleDeleter>;

// A fresh easy handle, libcurl being set up for the process on first use;
// null when libcurl cannot be set up.
EasyHandle make_easy_handle();

// Makes the exchange on `handle` keep its cookies in the process's one cookie
// store, which lives in memory until the process ends and is never written out.
bool use_shared_cookie_store(CURL* handle);

// Forgets every cookie in the process's cookie store, for tests and a fresh
// start; false when libcurl cannot be set up.
bool clear_shared_cookie_store();

// Appends `line`; false, with the list unchanged, when memory runs out.
bool append_header(HeaderList& list, const std::string& line);

// curl_easy_setopt with its result as a truth value.
template <typename Value> bool set_option(CURL* handle, CURLoption option, Value value) {
    return curl_easy_setopt(handle, option, value) == CURLE_OK;
}

} // namespace velluno
