#include "text/text_types.h"

#include <algorithm>

namespace velluno {

std::string_view up_to_first_zero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

Text text_from_bytes(const Bytes& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), 0);
    return Text(bytes.begin(), end);
}

Bytes bytes_from_text(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

} // namespace velluno
