#pragma once

#include "net/service_hosts.h"
#include "text/text_types.h"

#include <string_view>

namespace velluno {

// The singer's uid in a homepage address: the rest of the line after its first
// "uid=" in any letter case, also inside a longer key such as "share_uid=".
// Empty text when the address holds no "uid=".
Text uid_from_address(std::string_view address);

// The JSON text of a homepage answer body: the UTF-8 body in the local code
// page, cut out of its callback_0(...) envelope. A body that is not UTF-8 or
// does not end with the envelope's ")" gives empty text.
Text unwrap_homepage_answer(const Bytes& body);

// One page of the singer's homepage (page 1 also carries the profile), as the
// JSON text inside the answer's callback_0(...) envelope. A failed request, an
// answer that is not UTF-8 or not wrapped give empty text.
Text request_homepage_page(const ServiceHosts& hosts, int page, std::string_view uid);

// The avatar address in a homepage answer, unchanged (JSON escapes kept).
Text avatar_url(std::string_view answer);

// The profile card: seven labelled values picked from the answer by fixed key
// markers, separated by empty lines, without a trailing line break.
Text profile_card_text(std::string_view profile_json);

} // namespace velluno
