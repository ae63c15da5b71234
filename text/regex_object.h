#pragma once

#include "text/text_types.h"

#include <memory>
#include <string_view>

namespace velluno {

struct RegexOptions {
    bool case_sensitive = false;
    bool multiline = true;            // "^" and "$" also match at line feeds
    bool global = true;               // all matches, not just the first
    bool expand_quote_marker = false; // "#引号" in the pattern stands for a double quote
};

// A regular expression run over local text, matched by character: the dot
// matches any character but a line feed. Matches and groups are numbered from
// 1; whatever does not exist reads as empty text or 0. Pattern, subject and
// replacement end at their first zero byte, as every Text does. Copies share
// the compiled pattern and the matches and own their subject.
class RegexObject final {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject& other);
    RegexObject& operator=(const RegexObject& other);
    RegexObject(RegexObject&& other) noexcept;
    RegexObject& operator=(RegexObject&& other) noexcept;

    // False when the pattern does not compile; the object then holds no
    // matches. A search that exceeds the backtracking limits ends the matches
    // found so far.
    bool run(std::string_view pattern, std::string_view subject, const RegexOptions& options = {});

    // The pattern as the last run set it, also when it did not compile.
    Text pattern_text() const;
    // The subject with the matches replaced ($1, ${1}, ${name} and $$ as in
    // PCRE2; a group that does not exist or took no part reads as empty).
    // Empty text without a compiled pattern or for a malformed replacement;
    // the subject unchanged when a search exceeds the limits.
    Text replace(std::string_view replacement) const;
    int match_count() const;
    // `position`, when given, receives the 0-based byte offset of the text in
    // the subject, or -1 when there is no such match or the group took no part.
    Text match_text(int index, int* position = nullptr) const;
    Text submatch_text(int index, int group, int* position = nullptr) const;
    int submatch_count() const;

private:
    struct Engine;
    struct Matches;
    Text piece(int index, int group, int* position) const;

    std::shared_ptr<const Engine> m_engine;
    std::shared_ptr<const Matches> m_matches;
    Text m_subject;
};

} // namespace velluno
