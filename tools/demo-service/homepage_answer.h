#pragma once

#include "tools/demo-service/sample_lookup.h"

#include <string>
#include <string_view>

namespace velluno::demo {

// Which songs a homepage request asks for: page `page` of `size` songs, both at least 1.
struct PageRequest {
    int page = 1;
    int size = 8;
};

// "callback_0(" + the singer's profile and one page of songs + ")".
std::string homepage_answer(const SingerEntry& entry, const PageRequest& request,
                            std::string_view host);

// The answer for a uid the service does not know: an error code and no data.
std::string unknown_singer_answer();

} // namespace velluno::demo
