#include "text/text_types.h"

#include <algorithm>

namespace velluno {

Text text_from_bytes(const Bytes& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    return Text(bytes.begin(), end);
}

Bytes bytes_from_text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

} // namespace velluno
