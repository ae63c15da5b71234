#include "text/gbk_scan.h"

#include "text/ascii_case.h"

namespace velluno {

namespace {

constexpr std::size_t kNotFound = std::string_view::npos;

bool is_lead_byte(unsigned char byte) {
    return byte >= 0x80;
}

std::size_t start_index(std::ptrdiff_t start) {
    return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

// The second byte of a double-byte character may look like an ASCII letter;
// it still compares exactly, so 'A' never folds onto the inside of a character.
bool matches_at(std::string_view text, std::size_t index, std::string_view needle,
                bool case_sensitive) {
    if (needle.size() > text.size() - index) {
        return false;
    }
    bool trail = false;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const char want = needle[i];
        const char have = text[index + i];
        const bool folds = !case_sensitive && !trail;
        if (want != have && !(folds && ascii_lower(want) == ascii_lower(have))) {
            return false;
        }
        trail = !trail && is_lead_byte(want);
    }
    return true;
}

// The 0-based index of the first `needle` at or after `from`, scanning one
// character at a time.
std::size_t find_from(std::string_view text, std::string_view needle, std::size_t from,
                      bool case_sensitive) {
    if (needle.empty()) {
        return kNotFound;
    }
    for (std::size_t i = from; i < text.size(); i += char_length(text, i)) {
        if (matches_at(text, i, needle, case_sensitive)) {
            return i;
        }
    }
    return kNotFound;
}

} // namespace

std::size_t char_length(std::string_view text, std::size_t index) {
    return is_lead_byte(text[index]) && index + 1 < text.size() ? 2 : 1;
}

std::ptrdiff_t find_text(std::string_view text, std::string_view needle, const ScanRule& rule) {
    const std::size_t found = find_from(text, needle, start_index(rule.start), rule.case_sensitive);
    return found == kNotFound ? -1 : static_cast<std::ptrdiff_t>(found) + 1;
}

Text replace_text(std::string_view text, std::string_view search, std::string_view replacement,
                  const ScanRule& rule, std::optional<std::size_t> limit) {
    std::size_t index = start_index(rule.start);
    if (index >= text.size()) {
        return Text(text);
    }
    Text result(text.substr(0, index));
    for (std::size_t made = 0; !limit || made < *limit; ++made) {
        const std::size_t found = find_from(text, search, index, rule.case_sensitive);
        if (found == kNotFound) {
            break;
        }
        result.append(text.substr(index, found - index)).append(replacement);
        index = found + search.size();
    }
    result.append(text.substr(index));
    return result;
}

Text ascii_folded(std::string_view text) {
    Text folded(text);
    for (std::size_t i = 0; i < folded.size(); i += char_length(folded, i)) {
        folded[i] = ascii_lower(folded[i]);
    }
    return folded;
}

Text expand_quote_marker(std::string_view text) {
    return replace_text(text, kQuoteMarker, kDoubleQuote,
                        ScanRule{.start = 1, .case_sensitive = true});
}

} // namespace velluno
