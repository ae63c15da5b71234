#include "text/now_millis.h"

#include <string>

namespace velluno {

Text now_millis_text() {
    return epoch_millis_text(std::chrono::system_clock::now());
}

Text epoch_millis_text(std::chrono::system_clock::time_point when) {
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    if (millis < 0) {
        return {};
    }
    return std::to_string(millis);
}

} // namespace velluno
