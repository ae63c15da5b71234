#include "text/regex_object.h"

#include "text/charset.h"
#include "text/gbk_scan.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

namespace velluno {

namespace {

// Backtracking bounds for one search, far above what the service's answers
// need, so that nested repeats over a subject they cannot match give up
// instead of running for ages. The heap bound is in KiB.
constexpr std::uint32_t kMatchLimit = 1'000'000;
constexpr std::uint32_t kDepthLimit = 100'000;
constexpr std::uint32_t kHeapLimitKib = 64 * 1024;

template <auto Free> struct Release {
    template <typename T> void operator()(T* object) const { Free(object); }
};
using CodePtr = std::unique_ptr<pcre2_code, Release<pcre2_code_free>>;
using CompileContextPtr =
    std::unique_ptr<pcre2_compile_context, Release<pcre2_compile_context_free>>;
using MatchContextPtr = std::unique_ptr<pcre2_match_context, Release<pcre2_match_context_free>>;
using MatchDataPtr = std::unique_ptr<pcre2_match_data, Release<pcre2_match_data_free>>;

PCRE2_SPTR code_units(std::string_view text) {
    return reinterpret_cast<PCRE2_SPTR>(text.data());
}

// The characters of valid UTF-8 text: every byte but the continuation bytes.
std::size_t utf8_characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::uint32_t compile_options(const RegexOptions& options) {
    // \C could end a match inside a character, where neither the next search
    // nor the conversion back to local text may start.
    std::uint32_t flags = PCRE2_UTF | PCRE2_DOLLAR_ENDONLY | PCRE2_NEVER_BACKSLASH_C;
    if (!options.case_sensitive) {
        flags |= PCRE2_CASELESS;
    }
    if (options.multiline) {
        flags |= PCRE2_MULTILINE;
    }
    return flags;
}

// Null when the pattern does not compile.
CodePtr compile(const std::string& pattern, const RegexOptions& options) {
    const CompileContextPtr context(pcre2_compile_context_create(nullptr));
    if (!context) {
        return nullptr;
    }
    // Only a line feed ends a line, so the dot still matches a carriage return.
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE error_offset = 0;
    CodePtr code(pcre2_compile(code_units(pattern), pattern.size(), compile_options(options),
                               &error, &error_offset, context.get()));
    if (code) {
        // Where JIT is missing this fails and matching stays with the interpreter.
        pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
    }
    return code;
}

MatchContextPtr limited_match_context() {
    MatchContextPtr context(pcre2_match_context_create(nullptr));
    if (context) {
        pcre2_set_match_limit(context.get(), kMatchLimit);
        pcre2_set_depth_limit(context.get(), kDepthLimit);
        pcre2_set_heap_limit(context.get(), kHeapLimitKib);
    }
    return context;
}

// JIT code runs on a small fixed stack; a match too deep for it is tried again
// by the interpreter, within the limits of the match context.
template <typename Call> int with_interpreter_fallback(Call call) {
    const int result = call(0u);
    return result == PCRE2_ERROR_JIT_STACKLIMIT ? call(PCRE2_NO_JIT) : result;
}

bool is_limit(int result) {
    return result == PCRE2_ERROR_MATCHLIMIT || result == PCRE2_ERROR_DEPTHLIMIT ||
           result == PCRE2_ERROR_HEAPLIMIT;
}

// The offset of the character after the one at `offset` in UTF-8 text.
PCRE2_SIZE next_character(std::string_view text, PCRE2_SIZE offset) {
    ++offset;
    while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) {
        ++offset;
    }
    return offset;
}

struct Span {
    PCRE2_SIZE start = PCRE2_UNSET;
    PCRE2_SIZE end = PCRE2_UNSET;
};

} // namespace

struct RegexObject::Engine {
    Text pattern;
    CodePtr code; // null when the pattern did not compile
    bool global = true;
};

// The matches of one run. Offsets index the UTF-8 form of the subject, which
// is kept here so that a read converts only the piece it returns.
struct RegexObject::Matches {
    std::string subject;
    std::size_t group_count = 0;
    std::vector<Span> spans; // per match: the whole match, then each group

    Matches(std::string utf8_subject, const pcre2_code* code) : subject(std::move(utf8_subject)) {
        std::uint32_t captures = 0;
        pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &captures);
        group_count = captures;
    }

    std::size_t count() const { return spans.size() / (group_count + 1); }

    // `group` 0 is the whole match; numbers out of range give nothing.
    std::optional<Span> span(int index, int group) const {
        if (index < 1 || static_cast<std::size_t>(index) > count() || group < 0 ||
            static_cast<std::size_t>(group) > group_count) {
            return std::nullopt;
        }
        const Span found = spans[(static_cast<std::size_t>(index) - 1) * (group_count + 1) +
                                 static_cast<std::size_t>(group)];
        return found.start == PCRE2_UNSET ? std::nullopt : std::optional(found);
    }

    // Collects the matches left to right without overlap, as pcre2demo does:
    // after an empty match the same offset is tried once more for a non-empty
    // match anchored there before the search moves on by one character.
    void collect(const pcre2_code* code, bool global) {
        const MatchDataPtr data(pcre2_match_data_create_from_pattern(code, nullptr));
        const MatchContextPtr context = limited_match_context();
        if (!data || !context) {
            return;
        }
        PCRE2_SIZE offset = 0;
        // Only the first search validates the UTF-8; checking again on every
        // search would make the loop quadratic.
        std::uint32_t options = 0;
        for (;;) {
            const int result = with_interpreter_fallback([&](std::uint32_t extra) {
                return pcre2_match(code, code_units(subject), subject.size(), offset,
                                   options | extra, data.get(), context.get());
            });
            if (result == PCRE2_ERROR_NOMATCH && (options & PCRE2_ANCHORED) != 0) {
                offset = next_character(subject, offset);
                options = PCRE2_NO_UTF_CHECK;
                continue;
            }
            if (result < 0) {
                return; // no match, or a limit that counts as none
            }
            const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
            add(ovector);
            if (!global) {
                return;
            }
            offset = ovector[1];
            options = PCRE2_NO_UTF_CHECK;
            if (ovector[0] == ovector[1]) {
                if (offset == subject.size()) {
                    return;
                }
                options |= PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED;
            }
        }
    }

private:
    void add(const PCRE2_SIZE* ovector) {
        for (std::size_t group = 0; group <= group_count; ++group) {
            spans.push_back(Span{.start = ovector[2 * group], .end = ovector[2 * group + 1]});
        }
    }
};

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;
RegexObject::RegexObject(const RegexObject& other) = default;
RegexObject& RegexObject::operator=(const RegexObject& other) = default;
RegexObject::RegexObject(RegexObject&& other) noexcept = default;
RegexObject& RegexObject::operator=(RegexObject&& other) noexcept = default;

bool RegexObject::run(std::string_view pattern, std::string_view subject,
                      const RegexOptions& options) {
    m_matches.reset();
    m_subject = Text(up_to_first_zero(subject));

    auto engine = std::make_shared<Engine>();
    const std::string_view given = up_to_first_zero(pattern);
    engine->pattern = options.expand_quote_marker ? expand_quote_marker(given) : Text(given);
    engine->code = compile(local_to_utf8(engine->pattern), options);
    engine->global = options.global;
    m_engine = engine;
    if (!engine->code) {
        return false;
    }
    auto matches = std::make_shared<Matches>(local_to_utf8(m_subject), engine->code.get());
    matches->collect(engine->code.get(), options.global);
    m_matches = std::move(matches);
    return true;
}

Text RegexObject::pattern_text() const {
    return m_engine ? m_engine->pattern : Text();
}

Text RegexObject::replace(std::string_view replacement) const {
    if (!m_engine || !m_engine->code) {
        return {};
    }
    const MatchContextPtr context = limited_match_context();
    if (!context) {
        return {};
    }
    const std::string subject = local_to_utf8(m_subject);
    const std::string with = local_to_utf8(up_to_first_zero(replacement));
    const std::uint32_t options = PCRE2_SUBSTITUTE_OVERFLOW_LENGTH |
                                  PCRE2_SUBSTITUTE_UNKNOWN_UNSET | PCRE2_SUBSTITUTE_UNSET_EMPTY |
                                  (m_engine->global ? PCRE2_SUBSTITUTE_GLOBAL : 0u);
    std::string output(subject.size() + with.size() + 1, '\0');
    PCRE2_SIZE length = 0;
    const auto substitute = [&](std::uint32_t extra) {
        length = output.size();
        return pcre2_substitute(m_engine->code.get(), code_units(subject), subject.size(), 0,
                                options | extra, nullptr, context.get(), code_units(with),
                                with.size(), reinterpret_cast<PCRE2_UCHAR*>(output.data()),
                                &length);
    };
    int result = with_interpreter_fallback(substitute);
    if (result == PCRE2_ERROR_NOMEMORY && length > output.size()) {
        // The first attempt measured the room the result needs.
        output.resize(length);
        result = with_interpreter_fallback(substitute);
    }
    if (is_limit(result)) {
        return m_subject;
    }
    if (result < 0) {
        return {};
    }
    output.resize(length);
    return utf8_to_local(output);
}

int RegexObject::match_count() const {
    return m_matches ? static_cast<int>(m_matches->count()) : 0;
}

Text RegexObject::match_text(int index, int* position) const {
    return piece(index, 0, position);
}

Text RegexObject::submatch_text(int index, int group, int* position) const {
    // Group 0 would be the whole match, which is no capture group.
    return piece(index, group == 0 ? -1 : group, position);
}

int RegexObject::submatch_count() const {
    return match_count() > 0 ? static_cast<int>(m_matches->group_count) : 0;
}

// The byte offset comes from the local form of the UTF-8 text before the
// piece, which is exact for every well-formed subject.
Text RegexObject::piece(int index, int group, int* position) const {
    const std::optional<Span> span = m_matches ? m_matches->span(index, group) : std::nullopt;
    if (position != nullptr) {
        *position = -1;
    }
    if (!span) {
        return {};
    }
    const std::string_view subject = m_matches->subject;
    if (position != nullptr) {
        *position = static_cast<int>(
            local_offset_of_character(m_subject, utf8_characters(subject.substr(0, span->start))));
    }
    return utf8_to_local(subject.substr(span->start, span->end - span->start));
}

} // namespace velluno
