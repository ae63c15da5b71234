#include "text/replace_pairs.h"

#include "text/gbk_scan.h"

namespace velluno {

namespace {

// A negative count puts no limit on a pair, just as an omitted one.
std::optional<std::size_t> replacement_limit(std::optional<int> count) {
    if (!count || *count < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*count);
}

} // namespace

Text replace_pairs(std::string_view text, std::span<const ReplacePair> pairs,
                   const ReplaceOptions& options) {
    const ScanRule rule{.start = options.start, .case_sensitive = options.case_sensitive};
    const std::optional<std::size_t> limit = replacement_limit(options.count);
    Text result(text);
    for (const ReplacePair& pair : pairs) {
        result = replace_text(result, pair.search, pair.replacement, rule, limit);
    }
    return result;
}

Text replace_pairs(std::string_view text, std::string_view search, std::string_view replacement,
                   const ReplaceOptions& options) {
    const ReplacePair pair{.search = search, .replacement = replacement};
    return replace_pairs(text, std::span(&pair, 1), options);
}

} // namespace velluno
