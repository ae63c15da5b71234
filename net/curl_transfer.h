#pragma once

#include "net/curl_runtime.h"
#include "text/text_types.h"

namespace velluno {

// The last answer of an exchange, as far as it was read.
struct TransferOutcome {
    CURLcode code = CURLE_OK;
    Bytes body;
    // The status line and the header lines, each ending in "\r\n", and the
    // empty line that closes them; empty when no answer came.
    Text raw_headers;
};

// Settings every exchange of the program shares: http and https only, on
// redirects too, at most 10 redirects, verified certificates, no proxy taken
// from the environment, and no signals.
bool set_common_options(CURL* handle);

// Performs the exchange set up on `handle` within the bounds in force. A
// followed redirect or an interim answer starts the collected answer afresh.
TransferOutcome run_transfer(CURL* handle);

} // namespace velluno
