#include "text/text_between.h"

#include "text/gbk_scan.h"

namespace velluno {

Text text_between(std::string_view text, std::string_view left, std::string_view right, int start,
                  bool case_sensitive) {
    const Text left_marker = expand_quote_marker(left);
    const Text right_marker = expand_quote_marker(right);
    const std::ptrdiff_t left_at =
        find_text(text, left_marker, ScanRule{.start = start, .case_sensitive = case_sensitive});
    if (left_at < 0) {
        return {};
    }
    const std::ptrdiff_t piece_at = left_at + static_cast<std::ptrdiff_t>(left_marker.size());
    const std::ptrdiff_t right_at = find_text(
        text, right_marker, ScanRule{.start = piece_at, .case_sensitive = case_sensitive});
    if (right_at < 0) {
        return {};
    }
    return Text(text.substr(static_cast<std::size_t>(piece_at - 1),
                            static_cast<std::size_t>(right_at - piece_at)));
}

} // namespace velluno
