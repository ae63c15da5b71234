#include "net/curl_runtime.h"

#include <array>
#include <mutex>

namespace velluno {
namespace {

constexpr char kNoCookieFile[] = "";
constexpr char kAllCookies[] = "ALL";

// libcurl's process-wide setup and the share that holds the cookie store.
// Created on first use (thread-safe as a function-local static) and released
// when the process ends.
class CurlRuntime final {
public:
    static CurlRuntime& instance() {
        static CurlRuntime runtime;
        return runtime;
    }

    bool ready() const { return m_initialised && m_share != nullptr; }
    CURLSH* share() const { return m_share; }

    CurlRuntime(const CurlRuntime&) = delete;
    CurlRuntime& operator=(const CurlRuntime&) = delete;

private:
    CurlRuntime() : m_initialised(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {
        if (m_initialised) {
            m_share = make_cookie_share();
        }
    }

    ~CurlRuntime() {
        if (m_share != nullptr) {
            curl_share_cleanup(m_share);
        }
        if (m_initialised) {
            curl_global_cleanup();
        }
    }

    CURLSH* make_cookie_share() {
        CURLSH* share = curl_share_init();
        if (share == nullptr) {
            return nullptr;
        }
        const bool configured =
            curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &CurlRuntime::lock) == CURLSHE_OK &&
            curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &CurlRuntime::unlock) == CURLSHE_OK &&
            curl_share_setopt(share, CURLSHOPT_USERDATA, this) == CURLSHE_OK &&
            curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) == CURLSHE_OK;
        if (!configured) {
            curl_share_cleanup(share);
            return nullptr;
        }
        return share;
    }

    // Requests may run on more than one thread; libcurl asks for a lock per
    // kind of shared data.
    static void lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
        static_cast<CurlRuntime*>(user)->m_locks[data].lock();
    }

    static void unlock(CURL*, curl_lock_data data, void* user) {
        static_cast<CurlRuntime*>(user)->m_locks[data].unlock();
    }

    bool m_initialised = false;
    CURLSH* m_share = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> m_locks;
};

} // namespace

EasyHandle make_easy_handle() {
    if (!CurlRuntime::instance().ready()) {
        return nullptr;
    }
    return EasyHandle(curl_easy_init());
}

bool use_shared_cookie_store(CURL* handle) {
    // The share holds the cookies; the empty cookie file switches the
    // handle's cookie engine on without reading any file.
    return set_option(handle, CURLOPT_SHARE, CurlRuntime::instance().share()) &&
           set_option(handle, CURLOPT_COOKIEFILE, kNoCookieFile);
}

bool clear_shared_cookie_store() {
    // A handle attached to the share reaches the store it holds.
    const EasyHandle handle = make_easy_handle();
    return handle && use_shared_cookie_store(handle.get()) &&
           set_option(handle.get(), CURLOPT_COOKIELIST, kAllCookies);
}

bool append_header(HeaderList& list, const std::string& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.c_str());
    if (grown == nullptr) {
        return false;
    }
    if (!list) {
        list.reset(grown); // a list keeps its first node as its head
    }
    return true;
}

} // namespace velluno
